// BoardLibrary - QorvelIo.dll bound by name, each operation on its first call.
//
// The library is looked for only beside the program and in the Windows system
// folder, never in the current directory or on PATH, so that a stray copy cannot
// be planted into the process. Each operation's address is looked up once.
#pragma once

#include "QorvelIo.h"

#include <windows.h>

#include <array>
#include <memory>
#include <string>

class BoardLibrary {
public:
    explicit BoardLibrary(std::wstring fileName = L"QorvelIo.dll");
    BoardLibrary(const BoardLibrary&) = delete;
    BoardLibrary& operator=(const BoardLibrary&) = delete;

    // Each returns false without calling anything when the library or the
    // operation cannot be bound; Error() then says which and why.
    bool InitBoard(std::uint32_t& found);
    bool PortConfigure(ConfigWord p4, ConfigWord p5, ConfigWord p6, ConfigWord p7, ConfigWord p1);
    bool PortRead(PortBank& bank);
    bool PortWrite(std::uint8_t p4, std::uint8_t p5, std::uint8_t p6, std::uint8_t p7);
    bool Port1Write(std::uint8_t level, std::uint8_t bit);

    const std::wstring& Error() const { return error_; }

private:
    enum Operation { kInitBoard, kPortConfigure, kPortRead, kPortWrite, kPort1Write, kOperationCount };

    template <typename Function>
    Function* Bind(Operation op);
    bool Load();

    struct LibraryFree {
        void operator()(HMODULE module) const { FreeLibrary(module); }
    };

    std::wstring fileName_;
    std::unique_ptr<std::remove_pointer_t<HMODULE>, LibraryFree> module_;
    bool loadAttempted_ = false;
    std::array<FARPROC, kOperationCount> procs_{};
    std::wstring error_;
};
