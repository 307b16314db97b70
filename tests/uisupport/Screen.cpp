#include "Screen.h"

#include "GdiHandles.h"
#include "Program.h"

#include <algorithm>
#include <cstdint>
#include <memory>
#include <vector>

namespace uitest {

namespace {

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

std::vector<std::uint8_t> EncodePng(int width, int height, const std::vector<DWORD>& pixels)
{
    std::vector<std::uint8_t> header;
    PutBigEndian(header, static_cast<std::uint32_t>(width));
    PutBigEndian(header, static_cast<std::uint32_t>(height));
    header.insert(header.end(), {8, 2, 0, 0, 0});  // 8-bit RGB, no interlace

    std::vector<std::uint8_t> raw;
    raw.reserve(static_cast<std::size_t>(height) * (width * 3 + 1));
    for (int y = 0; y < height; ++y) {
        raw.push_back(0);  // filter: none
        const DWORD* row = &pixels[static_cast<std::size_t>(y) * width];
        for (int x = 0; x < width; ++x)
            raw.insert(raw.end(), {static_cast<std::uint8_t>(row[x] >> 16),
                                   static_cast<std::uint8_t>(row[x] >> 8),
                                   static_cast<std::uint8_t>(row[x])});
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

std::vector<DWORD> DrawnPixels(int width, int height, const std::function<bool(HDC)>& paint)
{
    if (width <= 0 || height <= 0)
        return {};
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    const MemoryDC memory;
    void* bits = nullptr;
    const GdiObject<HBITMAP> bitmap(
        CreateDIBSection(memory.Handle(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!memory.Handle() || !bitmap)
        return {};
    const ObjectSelection selection(memory.Handle(), bitmap.get());
    if (!paint(memory.Handle()))
        return {};
    GdiFlush();
    const auto* first = static_cast<const DWORD*>(bits);
    std::vector<DWORD> pixels(first, first + width * height);
    for (DWORD& pixel : pixels)
        pixel &= 0xFFFFFF;
    return pixels;
}

std::vector<DWORD> ScreenPixels(const RECT& screenRect)
{
    const int width = screenRect.right - screenRect.left;
    const int height = screenRect.bottom - screenRect.top;
    return DrawnPixels(width, height, [&](HDC dc) {
        const ScreenDc screen;
        return BitBlt(dc, 0, 0, width, height, screen.Get(), screenRect.left, screenRect.top,
                      SRCCOPY) != FALSE;
    });
}

bool SaveScreenPng(const RECT& screenRect, const std::wstring& path)
{
    const std::vector<DWORD> pixels = ScreenPixels(screenRect);
    if (pixels.empty())
        return false;
    const std::size_t slash = path.find_last_of(L"\\/");
    if (slash != std::wstring::npos)
        CreateFolders(path.substr(0, slash));
    const std::vector<std::uint8_t> png = EncodePng(
        screenRect.right - screenRect.left, screenRect.bottom - screenRect.top, pixels);
    HANDLE created = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                 FILE_ATTRIBUTE_NORMAL, nullptr);
    if (created == INVALID_HANDLE_VALUE)
        return false;
    const std::unique_ptr<void, decltype(&CloseHandle)> file(created, &CloseHandle);
    DWORD written = 0;
    return WriteFile(file.get(), png.data(), static_cast<DWORD>(png.size()), &written, nullptr) &&
           written == png.size();
}

}  // namespace uitest
