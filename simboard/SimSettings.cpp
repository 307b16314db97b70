#include "SimSettings.h"

#include "HexBytes.h"

#include <cstdio>
#include <vector>

namespace {

std::optional<std::wstring> Variable(const wchar_t* name)
{
    const DWORD size = GetEnvironmentVariableW(name, nullptr, 0);
    if (size == 0)
        return std::nullopt;
    std::wstring value(size, L'\0');
    const DWORD length = GetEnvironmentVariableW(name, &value[0], size);
    value.resize(length);
    return value;
}

std::optional<PortBank> BytesVariable(const wchar_t* name)
{
    const auto value = Variable(name);
    if (!value)
        return std::nullopt;
    const auto bytes = ParseFiveHexBytes(*value);
    if (!bytes)
        SimWarn("ignored " + Narrow(name) + "=\"" + Narrow(*value) +
                "\": expected five hex bytes such as \"FF 00 12 03 FC\"");
    return bytes;
}

struct HandleCloser {
    HANDLE handle;
    ~HandleCloser() { CloseHandle(handle); }
};

}  // namespace

void SimWarn(const std::string& message)
{
    std::fprintf(stderr, "QorvelIo simulator: %s\n", message.c_str());
    std::fflush(stderr);
}

std::string Narrow(const std::wstring& text)
{
    std::string narrow;
    for (wchar_t c : text)
        narrow += (c > 0 && c < 0x80) ? static_cast<char>(c) : '?';
    return narrow;
}

SimSettings SimSettings::FromEnvironment()
{
    SimSettings settings;
    if (const auto absent = Variable(L"QORVEL_SIM_ABSENT")) {
        if (*absent == L"1")
            settings.absent = true;
        else if (!absent->empty() && *absent != L"0")
            SimWarn("ignored QORVEL_SIM_ABSENT=\"" + Narrow(*absent) + "\": expected 1 or 0");
    }
    settings.inputs = BytesVariable(L"QORVEL_SIM_INPUTS");
    settings.latches = BytesVariable(L"QORVEL_SIM_LATCHES");
    settings.inputFile = Variable(L"QORVEL_SIM_INPUT_FILE").value_or(L"");
    settings.logFile = Variable(L"QORVEL_SIM_LOG").value_or(L"");
    return settings;
}

std::optional<PortBank> InputFileWatch::Poll()
{
    WIN32_FILE_ATTRIBUTE_DATA attributes;
    const bool exists = GetFileAttributesExW(path_.c_str(), GetFileExInfoStandard, &attributes);
    const ULONGLONG size = exists ? (ULONGLONG{attributes.nFileSizeHigh} << 32) | attributes.nFileSizeLow : 0;
    if (seen_ && exists == existed_ &&
        (!exists || (CompareFileTime(&attributes.ftLastWriteTime, &written_) == 0 && size == size_)))
        return std::nullopt;
    seen_ = true;
    existed_ = exists;
    size_ = size;
    if (!exists) {
        SimWarn("input file " + Narrow(path_) + " not found; keeping the current input levels");
        return std::nullopt;
    }
    written_ = attributes.ftLastWriteTime;

    constexpr DWORD kMaxSize = 256;
    HANDLE file = CreateFileW(path_.c_str(), GENERIC_READ,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        // Its writer may hold it only for a moment: try again on the next poll.
        seen_ = false;
        if (!openFailed_)
            SimWarn("input file " + Narrow(path_) + " could not be opened; keeping the current input levels");
        openFailed_ = true;
        return std::nullopt;
    }
    openFailed_ = false;
    HandleCloser closer{file};
    std::vector<char> text(kMaxSize + 1);
    DWORD read = 0;
    if (!ReadFile(file, text.data(), kMaxSize + 1, &read, nullptr) || read > kMaxSize) {
        SimWarn("input file " + Narrow(path_) + " is unreadable or too long; keeping the current input levels");
        return std::nullopt;
    }
    const auto levels = ParseFiveHexBytes(std::string_view(text.data(), read));
    if (!levels)
        SimWarn("ignored input file " + Narrow(path_) +
                ": expected five hex bytes such as \"FF 00 12 03 FC\"");
    return levels;
}
