#include "ProgramFile.h"

namespace uitest {

ProgramFile::ProgramFile(const std::wstring& path)
    : module_(LoadLibraryExW(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE))
{
}

std::vector<BYTE> ProgramFile::Resource(LPCWSTR type, int id) const
{
    HRSRC found = module_ ? FindResourceW(module_.get(), MAKEINTRESOURCEW(id), type) : nullptr;
    HGLOBAL loaded = found ? LoadResource(module_.get(), found) : nullptr;
    const auto* data = loaded ? static_cast<const BYTE*>(LockResource(loaded)) : nullptr;
    if (!data)
        return {};
    return std::vector<BYTE>(data, data + SizeofResource(module_.get(), found));
}

}  // namespace uitest
