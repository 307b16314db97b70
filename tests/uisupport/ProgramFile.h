// A program file loaded as data, to read the resources it carries.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <type_traits>
#include <vector>

namespace uitest {

class ProgramFile {
public:
    explicit ProgramFile(const std::wstring& path);

    // Null when the file could not be loaded.
    HMODULE Handle() const { return module_.get(); }
    // A copy of the resource's bytes; empty when it is missing.
    std::vector<BYTE> Resource(LPCWSTR type, int id) const;

private:
    struct LibraryFree {
        void operator()(HMODULE module) const { FreeLibrary(module); }
    };
    std::unique_ptr<std::remove_pointer_t<HMODULE>, LibraryFree> module_;
};

}  // namespace uitest
