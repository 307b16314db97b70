// A copy of a program in a folder of its own under the build folder, with or
// without a board library beside it; removed again by the destructor.
#pragma once

#include <string>
#include <vector>

class ProgramCopy {
public:
    // Copies BinDir()\exe and, when `library` is not empty, BinDir()\library
    // as QorvelIo.dll. Throws std::runtime_error when a copy fails.
    ProgramCopy(const std::wstring& exe, const std::wstring& library);
    ~ProgramCopy();
    ProgramCopy(const ProgramCopy&) = delete;
    ProgramCopy& operator=(const ProgramCopy&) = delete;

    // The copied program relative to BinDir(), as Program takes it.
    const std::wstring& RelativeExe() const { return relativeExe_; }

private:
    void Remove();

    std::wstring folder_;
    std::vector<std::wstring> files_;
    std::wstring relativeExe_;
};
