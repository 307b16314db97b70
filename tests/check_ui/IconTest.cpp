// The form's own 16-colour icon: the only icon of the program file, so also
// the file's icon, and the one the form shows in its caption.
#include "CheckFixture.h"

#include "GdiHandles.h"
#include "ProgramFile.h"
#include "Screen.h"
#include "WindowAccess.h"

#include <algorithm>
#include <vector>

using namespace uitest;

namespace {

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

std::vector<DWORD> IconOn(HICON icon, int size, COLORREF background)
{
    return DrawnPixels(size, size, [&](HDC dc) {
        const GdiObject<HBRUSH> brush(CreateSolidBrush(background));
        const RECT all{0, 0, size, size};
        FillRect(dc, &all, brush.get());
        return DrawIconEx(dc, 0, 0, icon, size, size, 0, nullptr, DI_NORMAL) != FALSE;
    });
}

TEST_F(CheckTest, TheOnlyIconOfTheProgramFileHas32And16PixelImagesOf16Colours)
{
    const ProgramFile exe(BinDir() + L"\\" + kCheckExe);
    ASSERT_NE(exe.Handle(), nullptr);
    std::vector<ULONG_PTR> groups;
    EnumResourceNamesW(exe.Handle(), RT_GROUP_ICON, CollectName,
                       reinterpret_cast<LONG_PTR>(&groups));
    ASSERT_EQ(groups, std::vector<ULONG_PTR>{IDI_FCAL});

    const std::vector<BYTE> group = exe.Resource(RT_GROUP_ICON, IDI_FCAL);
    ASSERT_FALSE(group.empty());
    const auto* header = reinterpret_cast<const WORD*>(group.data());
    const auto* entries = reinterpret_cast<const GroupIconEntry*>(header + 3);
    std::vector<int> sizes;
    for (WORD i = 0; i < header[2]; ++i) {
        const std::vector<BYTE> bytes = exe.Resource(RT_ICON, entries[i].id);
        ASSERT_FALSE(bytes.empty());
        const auto* image = reinterpret_cast<const BITMAPINFOHEADER*>(bytes.data());
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
    const std::vector<DWORD> caption =
        ScreenPixels({frame.left, frame.top, frame.left + width, frame.top + height});
    ASSERT_FALSE(caption.empty());

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
