#include "Program.h"

#include <cwctype>
#include <stdexcept>

namespace uitest {

namespace {

std::wstring Upper(std::wstring text)
{
    for (wchar_t& c : text)
        c = static_cast<wchar_t>(std::towupper(c));
    return text;
}

std::wstring NameOf(const std::wstring& entry)
{
    // Entries such as "=C:=C:\dir" start with '=': their name runs to the second '='.
    const std::size_t equals = entry.find(L'=', 1);
    return Upper(entry.substr(0, equals));
}

bool Overridden(const std::wstring& name, const Environment& extra)
{
    if (name.rfind(L"QORVEL_SIM_", 0) == 0)
        return true;
    for (const auto& [key, value] : extra)
        if (Upper(key) == name)
            return true;
    return false;
}

// A CreateProcess environment block: "name=value\0...\0\0".
std::wstring EnvironmentBlock(const Environment& extra)
{
    std::wstring block;
    if (wchar_t* strings = GetEnvironmentStringsW()) {
        for (const wchar_t* entry = strings; *entry; entry += wcslen(entry) + 1) {
            if (!Overridden(NameOf(entry), extra)) {
                block += entry;
                block += L'\0';
            }
        }
        FreeEnvironmentStringsW(strings);
    }
    for (const auto& [key, value] : extra) {
        block += key + L'=' + value;
        block += L'\0';
    }
    block += L'\0';
    return block;
}

std::string Narrow(const std::wstring& text)
{
    std::string narrow;
    for (wchar_t c : text)
        narrow += (c > 0 && c < 0x80) ? static_cast<char>(c) : '?';
    return narrow;
}

}  // namespace

std::wstring BinDir()
{
    wchar_t path[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring dir(path, length);
    return dir.substr(0, dir.find_last_of(L"\\/"));
}

std::wstring BuildDir()
{
    const std::wstring bin = BinDir();
    return bin.substr(0, bin.find_last_of(L"\\/"));
}

bool CreateFolders(const std::wstring& path)
{
    if (GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES)
        return true;
    const std::size_t slash = path.find_last_of(L"\\/");
    if (slash != std::wstring::npos && slash > 2)
        CreateFolders(path.substr(0, slash));
    return CreateDirectoryW(path.c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS;
}

Program::Program(const std::wstring& exeName, const Environment& extra)
    : path_(BinDir() + L'\\' + exeName)
{
    std::wstring environment = EnvironmentBlock(extra);
    std::wstring commandLine = L'"' + path_ + L'"';
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    if (!CreateProcessW(path_.c_str(), &commandLine[0], nullptr, nullptr, FALSE,
                        CREATE_UNICODE_ENVIRONMENT, &environment[0], BinDir().c_str(), &startup,
                        &info_))
        throw std::runtime_error("cannot start " + Narrow(path_) + " (error " +
                                 std::to_string(GetLastError()) + ")");
}

Program::~Program()
{
    Terminate();
    CloseHandle(info_.hThread);
    CloseHandle(info_.hProcess);
}

bool Program::Running() const
{
    return WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT;
}

bool Program::WaitForExit(DWORD timeoutMs) const
{
    return WaitForSingleObject(info_.hProcess, timeoutMs) == WAIT_OBJECT_0;
}

DWORD Program::ExitCode() const
{
    DWORD code = 0;
    GetExitCodeProcess(info_.hProcess, &code);
    return code;
}

void Program::Terminate()
{
    if (Running()) {
        TerminateProcess(info_.hProcess, 1);
        WaitForExit(5000);
    }
}

TempFile::TempFile(const std::wstring& prefix)
{
    wchar_t folder[MAX_PATH];
    GetTempPathW(MAX_PATH, folder);
    wchar_t name[MAX_PATH];
    if (!GetTempFileNameW(folder, prefix.c_str(), 0, name))
        throw std::runtime_error("cannot create a temporary file");
    path_ = name;
}

TempFile::~TempFile()
{
    DeleteFileW(path_.c_str());
}

void TempFile::Write(const std::string& content) const
{
    HANDLE file = CreateFileW(path_.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_DELETE,
                              nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        throw std::runtime_error("cannot write " + Narrow(path_));
    DWORD written = 0;
    const BOOL ok = WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written,
                              nullptr);
    CloseHandle(file);
    if (!ok || written != content.size())
        throw std::runtime_error("cannot write " + Narrow(path_));
}

}  // namespace uitest
