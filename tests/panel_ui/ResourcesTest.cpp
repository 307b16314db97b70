// What the program file itself carries: its version resource, the language of
// its resources and the form of its dialog templates.
#include "Program.h"
#include "ProgramFile.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <optional>
#include <string>
#include <vector>

using namespace uitest;

namespace {

std::wstring PanelPath() { return BinDir() + L"\\portpanel.exe"; }

class VersionInfo {
public:
    explicit VersionInfo(const std::wstring& path)
    {
        DWORD ignored = 0;
        const DWORD size = GetFileVersionInfoSizeW(path.c_str(), &ignored);
        data_.resize(size);
        loaded_ = size && GetFileVersionInfoW(path.c_str(), 0, size, data_.data());
    }
    bool Loaded() const { return loaded_; }

    const void* Query(const std::wstring& block, UINT* length = nullptr) const
    {
        void* value = nullptr;
        UINT size = 0;
        if (!VerQueryValueW(data_.data(), block.c_str(), &value, &size))
            return nullptr;
        if (length)
            *length = size;
        return value;
    }
    // A string of the Korean table; nothing when the entry is missing.
    std::optional<std::wstring> String(const std::wstring& name) const
    {
        UINT length = 0;
        const auto* text = static_cast<const wchar_t*>(
            Query(L"\\StringFileInfo\\041204B0\\" + name, &length));
        if (!text)
            return std::nullopt;
        return std::wstring(text, wcsnlen(text, length));
    }

private:
    std::vector<BYTE> data_;
    bool loaded_ = false;
};

BOOL CALLBACK CollectLanguage(HMODULE, LPCWSTR, LPCWSTR, WORD language, LONG_PTR param)
{
    reinterpret_cast<std::vector<WORD>*>(param)->push_back(language);
    return TRUE;
}

std::vector<WORD> Languages(HMODULE module, LPCWSTR type, int id)
{
    std::vector<WORD> languages;
    EnumResourceLanguagesW(module, type, MAKEINTRESOURCEW(id), CollectLanguage,
                           reinterpret_cast<LONG_PTR>(&languages));
    return languages;
}

// The parts of a dialog template's header that are not visible on screen.
struct TemplateHeader {
    bool extended = false;
    DWORD style = 0;
    WORD pointSize = 0;
    WORD weight = 0;
    BYTE italic = 0;
    BYTE charset = 0;
    std::wstring face;
};

// Skips a name-or-ordinal field at `at` (a WORD index).
std::size_t SkipNameOrOrdinal(const WORD* words, std::size_t at)
{
    if (words[at] == 0xFFFF)
        return at + 2;
    while (words[at])
        ++at;
    return at + 1;
}

TemplateHeader ParseHeader(const std::vector<BYTE>& bytes)
{
    TemplateHeader header;
    const auto* words = reinterpret_cast<const WORD*>(bytes.data());
    header.extended = words[0] == 1 && words[1] == 0xFFFF;
    std::size_t at;  // in WORDs
    if (header.extended) {
        std::memcpy(&header.style, bytes.data() + 12, 4);
        at = 13;  // dlgVer, signature, helpID, exStyle, style, cDlgItems, x, y, cx, cy
    } else {
        std::memcpy(&header.style, bytes.data(), 4);
        at = 9;  // style, exStyle, cdit, x, y, cx, cy
    }
    at = SkipNameOrOrdinal(words, at);  // menu
    at = SkipNameOrOrdinal(words, at);  // class
    at = SkipNameOrOrdinal(words, at);  // caption
    if (!(header.style & DS_SETFONT))
        return header;
    header.pointSize = words[at++];
    if (header.extended) {
        header.weight = words[at++];
        header.italic = static_cast<BYTE>(words[at] & 0xFF);
        header.charset = static_cast<BYTE>(words[at] >> 8);
        ++at;
    }
    header.face = reinterpret_cast<const wchar_t*>(words + at);
    return header;
}

}  // namespace

TEST(PanelResources, VersionIsOnePointZeroPointZeroPointOneForWindowsApplications)
{
    const VersionInfo info(PanelPath());
    ASSERT_TRUE(info.Loaded());
    const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(info.Query(L"\\"));
    ASSERT_NE(fixed, nullptr);
    EXPECT_EQ(fixed->dwFileVersionMS, 0x00010000u);
    EXPECT_EQ(fixed->dwFileVersionLS, 0x00000001u);
    EXPECT_EQ(fixed->dwProductVersionMS, 0x00010000u);
    EXPECT_EQ(fixed->dwProductVersionLS, 0x00000001u);
    EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));
    EXPECT_EQ(fixed->dwFileOS & 0xFFFF, static_cast<DWORD>(VOS__WINDOWS32));

    UINT length = 0;
    const auto* translation = static_cast<const WORD*>(
        info.Query(L"\\VarFileInfo\\Translation", &length));
    ASSERT_NE(translation, nullptr);
    ASSERT_EQ(length, 4u) << "one translation";
    EXPECT_EQ(translation[0], 0x0412);
    EXPECT_EQ(translation[1], 0x04B0);
}

TEST(PanelResources, VersionStringsAreTheKoreanTable)
{
    const VersionInfo info(PanelPath());
    ASSERT_TRUE(info.Loaded());
    const struct {
        const wchar_t* name;
        const wchar_t* value;
    } entries[] = {
        {L"FileDescription", L"portpanel MFC 응용 프로그램"},
        {L"ProductName", L"portpanel 응용 프로그램"},
        {L"InternalName", L"portpanel"},
        {L"OriginalFilename", L"portpanel.EXE"},
        {L"FileVersion", L"1, 0, 0, 1"},
        {L"ProductVersion", L"1, 0, 0, 1"},
        {L"CompanyName", L""},
        {L"LegalTrademarks", L""},
    };
    for (const auto& entry : entries) {
        const auto value = info.String(entry.name);
        ASSERT_TRUE(value) << "no " << testing::PrintToString(std::wstring(entry.name));
        EXPECT_EQ(*value, entry.value);
    }
    EXPECT_TRUE(info.String(L"LegalCopyright")) << "no legal notice";
}

TEST(PanelResources, EveryResourceIsKorean)
{
    const ProgramFile panel(PanelPath());
    ASSERT_TRUE(panel.Handle());
    const struct {
        LPCWSTR type;
        int id;
    } resources[] = {
        {RT_DIALOG, 100},      {RT_DIALOG, 102},     {RT_STRING, 101 / 16 + 1},
        {RT_GROUP_ICON, 128},  {RT_BITMAP, 130},     {RT_BITMAP, 131},
        {RT_VERSION, 1},
    };
    for (const auto& resource : resources) {
        SCOPED_TRACE("resource " + std::to_string(resource.id));
        EXPECT_EQ(Languages(panel.Handle(), resource.type, resource.id),
                  std::vector<WORD>{0x0412});
    }
}

TEST(PanelResources, DialogTemplatesUseGulimNinePoint)
{
    const ProgramFile panel(PanelPath());
    ASSERT_TRUE(panel.Handle());
    const struct {
        int id;
        bool extended;
    } templates[] = {{102, true}, {100, false}};
    for (const auto& dialog : templates) {
        SCOPED_TRACE("template " + std::to_string(dialog.id));
        const std::vector<BYTE> bytes = panel.Resource(RT_DIALOG, dialog.id);
        ASSERT_FALSE(bytes.empty());
        const TemplateHeader header = ParseHeader(bytes);
        EXPECT_EQ(header.extended, dialog.extended);
        EXPECT_TRUE(header.style & DS_SETFONT);
        EXPECT_EQ(header.pointSize, 9);
        EXPECT_EQ(header.face, L"굴림");
        if (dialog.extended) {
            EXPECT_EQ(header.weight, 0);
            EXPECT_EQ(header.italic, 0);
            EXPECT_EQ(header.charset, 1);
        }
    }
}
