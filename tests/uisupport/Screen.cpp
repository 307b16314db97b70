#include "Screen.h"

#include "Program.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace uitest {

namespace {

class ScreenDc {
public:
    ScreenDc() : dc_(GetDC(nullptr)) {}
    ~ScreenDc() { ReleaseDC(nullptr, dc_); }
    ScreenDc(const ScreenDc&) = delete;
    ScreenDc& operator=(const ScreenDc&) = delete;
    HDC Get() const { return dc_; }

private:
    HDC dc_;
};

// Top-down rows of blue, green, red bytes, each row padded to 4 bytes.
struct Capture {
    int width = 0;
    int height = 0;
    int stride = 0;
    std::vector<std::uint8_t> bgr;
};

bool CaptureScreen(const RECT& rect, Capture& capture)
{
    capture.width = rect.right - rect.left;
    capture.height = rect.bottom - rect.top;
    if (capture.width <= 0 || capture.height <= 0)
        return false;
    capture.stride = (capture.width * 3 + 3) & ~3;

    ScreenDc screen;
    HDC memory = CreateCompatibleDC(screen.Get());
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = capture.width;
    info.bmiHeader.biHeight = -capture.height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    bool ok = false;
    if (memory && bitmap) {
        HGDIOBJ previous = SelectObject(memory, bitmap);
        ok = BitBlt(memory, 0, 0, capture.width, capture.height, screen.Get(), rect.left,
                    rect.top, SRCCOPY) != FALSE;
        GdiFlush();
        if (ok) {
            const auto* first = static_cast<const std::uint8_t*>(bits);
            capture.bgr.assign(first, first + capture.stride * capture.height);
        }
        SelectObject(memory, previous);
    }
    if (bitmap)
        DeleteObject(bitmap);
    if (memory)
        DeleteDC(memory);
    return ok;
}

std::uint32_t Crc32(const std::uint8_t* data, std::size_t size, std::uint32_t crc = 0)
{
    crc = ~crc;
    for (std::size_t i = 0; i < size; ++i) {
        crc ^= data[i];
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

void PutBigEndian(std::vector<std::uint8_t>& out, std::uint32_t value)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<std::uint8_t>(value >> shift));
}

void PutChunk(std::vector<std::uint8_t>& out, const char* type, const std::vector<std::uint8_t>& data)
{
    PutBigEndian(out, static_cast<std::uint32_t>(data.size()));
    std::vector<std::uint8_t> typed(type, type + 4);
    typed.insert(typed.end(), data.begin(), data.end());
    out.insert(out.end(), typed.begin(), typed.end());
    PutBigEndian(out, Crc32(typed.data(), typed.size()));
}

// A zlib stream of stored (uncompressed) deflate blocks: simple and always valid.
std::vector<std::uint8_t> StoredZlib(const std::vector<std::uint8_t>& raw)
{
    std::vector<std::uint8_t> out{0x78, 0x01};
    std::size_t pos = 0;
    do {
        const std::size_t length = std::min<std::size_t>(raw.size() - pos, 65535);
        const bool last = pos + length == raw.size();
        out.push_back(last ? 1 : 0);
        out.push_back(static_cast<std::uint8_t>(length));
        out.push_back(static_cast<std::uint8_t>(length >> 8));
        out.push_back(static_cast<std::uint8_t>(~length));
        out.push_back(static_cast<std::uint8_t>(~length >> 8));
        out.insert(out.end(), raw.begin() + pos, raw.begin() + pos + length);
        pos += length;
    } while (pos < raw.size());
    std::uint32_t a = 1, b = 0;
    for (std::uint8_t byte : raw) {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    PutBigEndian(out, (b << 16) | a);
    return out;
}

std::vector<std::uint8_t> EncodePng(const Capture& capture)
{
    std::vector<std::uint8_t> header;
    PutBigEndian(header, static_cast<std::uint32_t>(capture.width));
    PutBigEndian(header, static_cast<std::uint32_t>(capture.height));
    header.insert(header.end(), {8, 2, 0, 0, 0});  // 8-bit RGB, no interlace

    std::vector<std::uint8_t> raw;
    raw.reserve(static_cast<std::size_t>(capture.height) * (capture.width * 3 + 1));
    for (int y = 0; y < capture.height; ++y) {
        raw.push_back(0);  // filter: none
        const std::uint8_t* row = &capture.bgr[static_cast<std::size_t>(y) * capture.stride];
        for (int x = 0; x < capture.width; ++x)
            raw.insert(raw.end(), {row[3 * x + 2], row[3 * x + 1], row[3 * x]});
    }

    std::vector<std::uint8_t> png{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    PutChunk(png, "IHDR", header);
    PutChunk(png, "IDAT", StoredZlib(raw));
    PutChunk(png, "IEND", {});
    return png;
}

}  // namespace

COLORREF ScreenPixel(POINT point)
{
    ScreenDc screen;
    return GetPixel(screen.Get(), point.x, point.y);
}

bool SaveScreenPng(const RECT& screenRect, const std::wstring& path)
{
    Capture capture;
    if (!CaptureScreen(screenRect, capture))
        return false;
    const std::size_t slash = path.find_last_of(L"\\/");
    if (slash != std::wstring::npos)
        CreateFolders(path.substr(0, slash));
    const std::vector<std::uint8_t> png = EncodePng(capture);
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    const BOOL ok = WriteFile(file, png.data(), static_cast<DWORD>(png.size()), &written, nullptr);
    CloseHandle(file);
    return ok && written == png.size();
}

}  // namespace uitest
