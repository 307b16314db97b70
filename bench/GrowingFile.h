// A file that another process appends to, such as the simulated board's call
// log: its size and the bytes added after a point, read without disturbing
// the writer.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

namespace bench {

class GrowingFile {
public:
    explicit GrowingFile(std::wstring path) : path_(std::move(path)) {}
    ~GrowingFile();
    GrowingFile(const GrowingFile&) = delete;
    GrowingFile& operator=(const GrowingFile&) = delete;

    // 0 while the file does not exist yet.
    std::uint64_t Size();
    // The bytes from `offset` to the current end.
    std::string From(std::uint64_t offset);

private:
    bool Open();

    std::wstring path_;
    HANDLE file_ = INVALID_HANDLE_VALUE;
};

}  // namespace bench
