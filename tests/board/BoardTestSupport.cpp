#include "BoardTestSupport.h"

#include <gtest/gtest.h>

#include <memory>
#include <sstream>

std::wstring ProgramFolder()
{
    wchar_t path[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path, length);
    return folder.substr(0, folder.find_last_of(L'\\') + 1);
}

TempFolder::TempFolder()
{
    // A folder left by a run that crashed may hold the name already.
    static unsigned serial = 0;
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    const std::wstring stem = std::wstring(temp) + L"qorvel-board-" +
                              std::to_wstring(GetCurrentProcessId()) + L"-";
    for (;;) {
        path_ = stem + std::to_wstring(++serial);
        if (CreateDirectoryW(path_.c_str(), nullptr))
            return;
        if (GetLastError() != ERROR_ALREADY_EXISTS) {
            ADD_FAILURE() << "cannot create " << path_ << ": error " << GetLastError();
            return;
        }
    }
}

TempFolder::~TempFolder()
{
    WIN32_FIND_DATAW found;
    const HANDLE search = FindFirstFileW(File(L"*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                DeleteFileW(File(found.cFileName).c_str());
        } while (FindNextFileW(search, &found));
        FindClose(search);
    }
    RemoveDirectoryW(path_.c_str());
}

std::optional<std::wstring> Variable(const std::wstring& name)
{
    const DWORD size = GetEnvironmentVariableW(name.c_str(), nullptr, 0);
    if (size == 0)
        return std::nullopt;
    std::wstring value(size, L'\0');
    value.resize(GetEnvironmentVariableW(name.c_str(), &value[0], size));
    return value;
}

ScopedVariable::ScopedVariable(std::wstring name, const std::optional<std::wstring>& value)
    : name_(std::move(name)), saved_(Variable(name_))
{
    SetEnvironmentVariableW(name_.c_str(), value ? value->c_str() : nullptr);
}

ScopedVariable::~ScopedVariable()
{
    SetEnvironmentVariableW(name_.c_str(), saved_ ? saved_->c_str() : nullptr);
}

SimulatorEnvironment::SimulatorEnvironment()
{
    for (const wchar_t* name : {L"QORVEL_SIM_ABSENT", L"QORVEL_SIM_INPUTS", L"QORVEL_SIM_LATCHES",
                                L"QORVEL_SIM_INPUT_FILE", L"QORVEL_SIM_LOG"})
        Set(name, std::nullopt);
}

SimulatorEnvironment::~SimulatorEnvironment()
{
    // Newest first, so that the value from before the test comes back last.
    while (!variables_.empty())
        variables_.pop_back();
}

void SimulatorEnvironment::Set(const wchar_t* name, const std::optional<std::wstring>& value)
{
    variables_.push_back(std::make_unique<ScopedVariable>(name, value));
}

void WriteFileBytes(const std::wstring& path, const std::string& bytes)
{
    const UniqueHandle file(CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                        CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_NE(file.get(), INVALID_HANDLE_VALUE) << "cannot write " << path;
    DWORD written = 0;
    const BOOL ok = WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written,
                              nullptr);
    ASSERT_TRUE(ok && written == bytes.size()) << "cannot write " << path;
}

std::vector<LogLine> ReadLog(const std::wstring& path)
{
    std::vector<LogLine> lines;
    const UniqueHandle file(CreateFileW(path.c_str(), GENERIC_READ,
                                        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                        nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file.get() == INVALID_HANDLE_VALUE) {
        ADD_FAILURE() << "no log file " << path;
        return lines;
    }
    std::string text;
    char buffer[4096];
    DWORD read = 0;
    while (ReadFile(file.get(), buffer, sizeof buffer, &read, nullptr) && read > 0)
        text.append(buffer, read);

    std::istringstream stream(text);
    std::string line;
    while (std::getline(stream, line)) {
        const auto space = line.find(' ');
        if (space == 0 || space == std::string::npos ||
            line.find_first_not_of("0123456789") != space) {
            ADD_FAILURE() << "log line without its time: \"" << line << "\"";
            continue;
        }
        lines.push_back({std::stoul(line.substr(0, space)), line.substr(space + 1)});
    }
    if (!text.empty() && text.back() != '\n')
        ADD_FAILURE() << "log does not end with a line break";
    return lines;
}

std::vector<std::string> LoggedCalls(const std::wstring& path)
{
    std::vector<std::string> calls;
    for (const auto& line : ReadLog(path))
        calls.push_back(line.call);
    return calls;
}
