#include "GrowingFile.h"

namespace bench {

GrowingFile::~GrowingFile()
{
    if (file_ != INVALID_HANDLE_VALUE)
        CloseHandle(file_);
}

bool GrowingFile::Open()
{
    if (file_ == INVALID_HANDLE_VALUE)
        file_ = CreateFileW(path_.c_str(), GENERIC_READ,
                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    return file_ != INVALID_HANDLE_VALUE;
}

std::uint64_t GrowingFile::Size()
{
    LARGE_INTEGER size{};
    if (!Open() || !GetFileSizeEx(file_, &size))
        return 0;
    return static_cast<std::uint64_t>(size.QuadPart);
}

std::string GrowingFile::From(std::uint64_t offset)
{
    std::string bytes;
    const std::uint64_t end = Size();
    if (end <= offset)
        return bytes;
    bytes.resize(static_cast<std::size_t>(end - offset));
    OVERLAPPED at{};
    at.Offset = static_cast<DWORD>(offset);
    at.OffsetHigh = static_cast<DWORD>(offset >> 32);
    DWORD read = 0;
    if (!ReadFile(file_, &bytes[0], static_cast<DWORD>(bytes.size()), &read, &at))
        read = 0;
    bytes.resize(read);
    return bytes;
}

}  // namespace bench
