// Starting a program under test from the build's bin folder with extra
// environment variables, and owning it until the test ends.
#pragma once

#include <windows.h>

#include <string>
#include <utility>
#include <vector>

namespace uitest {

// Folder of the running test program; the programs under test lie beside it.
std::wstring BinDir();
// The build folder (parent of BinDir).
std::wstring BuildDir();
// Creates `path` and its parents; true when it exists afterwards.
bool CreateFolders(const std::wstring& path);

using Environment = std::vector<std::pair<std::wstring, std::wstring>>;

// A running program. The destructor terminates it if it still runs and closes
// its handles, so a failing test leaves nothing behind.
class Program {
public:
    // Starts BinDir()\exeName with the test's environment, minus every inherited
    // QORVEL_SIM_* variable, plus `extra`. Throws std::runtime_error on failure.
    Program(const std::wstring& exeName, const Environment& extra);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    DWORD Id() const { return info_.dwProcessId; }
    DWORD ThreadId() const { return info_.dwThreadId; }
    HANDLE Handle() const { return info_.hProcess; }
    const std::wstring& Path() const { return path_; }

    bool Running() const;
    // True when the program ended within the timeout.
    bool WaitForExit(DWORD timeoutMs) const;
    // STILL_ACTIVE while it runs.
    DWORD ExitCode() const;
    void Terminate();

private:
    std::wstring path_;
    PROCESS_INFORMATION info_{};
};

// A file name unique to this run in the temporary folder, deleted with the object.
class TempFile {
public:
    explicit TempFile(const std::wstring& prefix);
    ~TempFile();
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;

    const std::wstring& Path() const { return path_; }
    // Replaces the file's content in place, in one write. (Under Wine a file
    // moved over another one is missing for a moment, which a watcher can
    // take for a deleted file.)
    void Write(const std::string& content) const;

private:
    std::wstring path_;
};

}  // namespace uitest
