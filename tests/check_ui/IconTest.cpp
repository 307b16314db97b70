// The form's own 16-colour icon: the only icon of the program file, so also
// the file's icon, and the one the form shows in its caption.
#include "CheckFixture.h"

#include "WindowAccess.h"

#include <algorithm>
#include <vector>

using namespace uitest;

namespace {

constexpr WORD kGroupIcon = 14;  // RT_GROUP_ICON
constexpr WORD kIconImage = 3;   // RT_ICON

#pragma pack(push, 2)
struct GroupIconEntry {
    BYTE width;
    BYTE height;
    BYTE colours;
    BYTE reserved;
    WORD planes;
    WORD bitCount;
    DWORD bytes;
    WORD id;
};
#pragma pack(pop)

BOOL CALLBACK CollectName(HMODULE, LPCWSTR, LPWSTR name, LONG_PTR param)
{
    reinterpret_cast<std::vector<ULONG_PTR>*>(param)->push_back(reinterpret_cast<ULONG_PTR>(name));
    return TRUE;
}

class ProgramFile {
public:
    explicit ProgramFile(const std::wstring& path)
        : module_(LoadLibraryExW(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE))
    {
    }
    ~ProgramFile()
    {
        if (module_)
            FreeLibrary(module_);
    }
    ProgramFile(const ProgramFile&) = delete;
    ProgramFile& operator=(const ProgramFile&) = delete;

    HMODULE Handle() const { return module_; }
    const void* Resource(WORD id, WORD type) const
    {
        HRSRC found = FindResourceW(module_, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(type));
        return found ? LockResource(LoadResource(module_, found)) : nullptr;
    }

private:
    HMODULE module_;
};

// 32-bit pixels, top-down, of width x height drawn by `paint` on a memory DC.
template <typename Paint>
std::vector<DWORD> Pixels(int width, int height, Paint paint)
{
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HDC memory = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    std::vector<DWORD> pixels;
    if (memory && bitmap) {
        HGDIOBJ previous = SelectObject(memory, bitmap);
        paint(memory);
        GdiFlush();
        const auto* first = static_cast<const DWORD*>(bits);
        pixels.assign(first, first + width * height);
        for (DWORD& pixel : pixels)
            pixel &= 0xFFFFFF;
        SelectObject(memory, previous);
    }
    if (bitmap)
        DeleteObject(bitmap);
    if (memory)
        DeleteDC(memory);
    return pixels;
}

std::vector<DWORD> IconOn(HICON icon, int size, COLORREF background)
{
    return Pixels(size, size, [&](HDC dc) {
        HBRUSH brush = CreateSolidBrush(background);
        const RECT all{0, 0, size, size};
        FillRect(dc, &all, brush);
        DeleteObject(brush);
        DrawIconEx(dc, 0, 0, icon, size, size, 0, nullptr, DI_NORMAL);
    });
}

TEST_F(CheckTest, TheOnlyIconOfTheProgramFileHas32And16PixelImagesOf16Colours)
{
    const ProgramFile exe(BinDir() + L"\\" + kCheckExe);
    ASSERT_NE(exe.Handle(), nullptr);
    std::vector<ULONG_PTR> groups;
    EnumResourceNamesW(exe.Handle(), MAKEINTRESOURCEW(kGroupIcon), CollectName,
                       reinterpret_cast<LONG_PTR>(&groups));
    ASSERT_EQ(groups, std::vector<ULONG_PTR>{IDI_FCAL});

    const auto* header = static_cast<const WORD*>(exe.Resource(IDI_FCAL, kGroupIcon));
    ASSERT_NE(header, nullptr);
    const auto* entries = reinterpret_cast<const GroupIconEntry*>(header + 3);
    std::vector<int> sizes;
    for (WORD i = 0; i < header[2]; ++i) {
        const auto* image = static_cast<const BITMAPINFOHEADER*>(exe.Resource(entries[i].id, kIconImage));
        ASSERT_NE(image, nullptr);
        EXPECT_EQ(image->biBitCount, 4) << "16 colours";
        EXPECT_EQ(image->biWidth, entries[i].width);
        EXPECT_EQ(image->biHeight, 2 * entries[i].width) << "square, with its mask";
        sizes.push_back(entries[i].width);
    }
    std::sort(sizes.begin(), sizes.end());
    EXPECT_EQ(sizes, (std::vector<int>{16, 32}));
}

TEST_F(CheckTest, CaptionShowsTheProgramsSmallIcon)
{
    StartAndWaitForForm();
    const ProgramFile exe(Check().Path());
    const int size = GetSystemMetrics(SM_CXSMICON);
    HICON icon = static_cast<HICON>(
        LoadImageW(exe.Handle(), MAKEINTRESOURCEW(IDI_FCAL), IMAGE_ICON, size, size, 0));
    ASSERT_NE(icon, nullptr);
    // Pixels that the icon covers look the same on black and on white.
    const std::vector<DWORD> onBlack = IconOn(icon, size, RGB(0, 0, 0));
    const std::vector<DWORD> onWhite = IconOn(icon, size, RGB(255, 255, 255));
    DestroyIcon(icon);

    RECT frame = ScreenRect(Form());
    POINT clientOrigin{0, 0};
    ClientToScreen(Form(), &clientOrigin);
    const int width = std::min<int>(frame.right - frame.left, 80);
    const int height = clientOrigin.y - frame.top;
    ASSERT_GE(height, size);
    const std::vector<DWORD> caption = Pixels(width, height, [&](HDC dc) {
        HDC screen = GetDC(nullptr);
        BitBlt(dc, 0, 0, width, height, screen, frame.left, frame.top, SRCCOPY);
        ReleaseDC(nullptr, screen);
    });

    bool found = false;
    for (int y = 0; y + size <= height && !found; ++y) {
        for (int x = 0; x + size <= width && !found; ++x) {
            bool same = true;
            for (int i = 0; i < size * size && same; ++i)
                if (onBlack[i] == onWhite[i])
                    same = caption[(y + i / size) * width + x + i % size] == onBlack[i];
            found = same;
        }
    }
    EXPECT_TRUE(found) << "the caption does not show the program's icon";
}

}  // namespace
