#include "ProgramCopy.h"

#include "Program.h"

#include <windows.h>

#include <stdexcept>

ProgramCopy::ProgramCopy(const std::wstring& exe, const std::wstring& library)
{
    static int serial = 0;
    const std::wstring name = L"copy-" + std::to_wstring(GetCurrentProcessId()) + L'-' +
                              std::to_wstring(++serial);
    folder_ = uitest::BuildDir() + L'\\' + name;
    if (!CreateDirectoryW(folder_.c_str(), nullptr))
        throw std::runtime_error("cannot create the folder for a program copy");
    const std::wstring bin = uitest::BinDir() + L'\\';
    const auto copy = [this, &bin](const std::wstring& from, const std::wstring& to) {
        const std::wstring target = folder_ + L'\\' + to;
        if (!CopyFileW((bin + from).c_str(), target.c_str(), TRUE))
            throw std::runtime_error("cannot copy a file beside the program copy");
        files_.push_back(target);
    };
    try {
        copy(exe, exe);
        if (!library.empty())
            copy(library, L"QorvelIo.dll");
    } catch (...) {
        Remove();
        throw;
    }
    relativeExe_ = L"..\\" + name + L'\\' + exe;
}

ProgramCopy::~ProgramCopy()
{
    Remove();
}

void ProgramCopy::Remove()
{
    for (const std::wstring& file : files_)
        DeleteFileW(file.c_str());
    files_.clear();
    RemoveDirectoryW(folder_.c_str());
}
