// Scratch folders, environment variables and the simulator's call log, for the
// tests that load the simulated QorvelIo.dll into the test process.
#pragma once

#include <windows.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

// The folder of this test program (with a trailing backslash), where the
// simulated libraries are built.
std::wstring ProgramFolder();

// An empty folder under the temporary folder, removed with the files in it.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::wstring& Path() const { return path_; }
    std::wstring File(const std::wstring& name) const { return path_ + L"\\" + name; }

private:
    std::wstring path_;
};

// Sets (or with nullopt removes) an environment variable of this process and
// puts the old value back on destruction.
class ScopedVariable {
public:
    ScopedVariable(std::wstring name, const std::optional<std::wstring>& value);
    ~ScopedVariable();
    ScopedVariable(const ScopedVariable&) = delete;
    ScopedVariable& operator=(const ScopedVariable&) = delete;

private:
    std::wstring name_;
    std::optional<std::wstring> saved_;
};

std::optional<std::wstring> Variable(const std::wstring& name);

// Clears every QORVEL_SIM_ variable for the lifetime of the object, so that the
// caller's environment cannot leak into a test; Set() then chooses values.
// The library reads them when it loads, so set them before its first call.
class SimulatorEnvironment {
public:
    SimulatorEnvironment();
    ~SimulatorEnvironment();
    SimulatorEnvironment(const SimulatorEnvironment&) = delete;
    SimulatorEnvironment& operator=(const SimulatorEnvironment&) = delete;

    void Set(const wchar_t* name, const std::optional<std::wstring>& value);

private:
    std::vector<std::unique_ptr<ScopedVariable>> variables_;
};

struct HandleClose {
    void operator()(HANDLE handle) const
    {
        if (handle != INVALID_HANDLE_VALUE)
            CloseHandle(handle);
    }
};
using UniqueHandle = std::unique_ptr<void, HandleClose>;

// Replaces a file's contents (binary, no conversion of line ends).
void WriteFileBytes(const std::wstring& path, const std::string& bytes);

struct LogLine {
    unsigned long ms;
    std::string call;  // the line without its time, e.g. "PortWrite F7 00 12 03"
};

// The lines of a call log; a line that does not start with "<ms> " fails the test.
std::vector<LogLine> ReadLog(const std::wstring& path);
std::vector<std::string> LoggedCalls(const std::wstring& path);
