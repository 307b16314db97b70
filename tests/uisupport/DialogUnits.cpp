#include "DialogUnits.h"

#include <cstring>
#include <stdexcept>
#include <vector>

namespace uitest {

namespace {

INT_PTR CALLBACK InertDialogProc(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

// The template with WS_VISIBLE cleared, so the copy never shows.
std::vector<BYTE> HiddenTemplate(const ProgramFile& file, int templateId)
{
    std::vector<BYTE> copy = file.Resource(RT_DIALOG, templateId);
    if (copy.empty())
        throw std::runtime_error("dialog template " + std::to_string(templateId) + " not found");

    const auto* words = reinterpret_cast<const WORD*>(copy.data());
    const bool extended = copy.size() >= 16 && words[0] == 1 && words[1] == 0xFFFF;
    const std::size_t styleOffset = extended ? 12 : 0;
    DWORD style = 0;
    std::memcpy(&style, copy.data() + styleOffset, sizeof style);
    style &= ~WS_VISIBLE;
    std::memcpy(copy.data() + styleOffset, &style, sizeof style);
    return copy;
}

}  // namespace

DialogUnits::DialogUnits(const std::wstring& exePath, int templateId) : file_(exePath)
{
    if (!file_.Handle())
        throw std::runtime_error("cannot load the program file as data");
    const std::vector<BYTE> hidden = HiddenTemplate(file_, templateId);
    copy_ = CreateDialogIndirectParamW(file_.Handle(),
                                       reinterpret_cast<const DLGTEMPLATE*>(hidden.data()),
                                       nullptr, InertDialogProc, 0);
    if (!copy_)
        throw std::runtime_error("cannot create a copy of dialog template " +
                                 std::to_string(templateId));
    SetWindowTextW(copy_, L"dialog unit probe");
}

DialogUnits::~DialogUnits() { DestroyWindow(copy_); }

RECT DialogUnits::ToPixels(int x, int y, int width, int height) const
{
    RECT mapped{x, y, width, height};
    MapDialogRect(copy_, &mapped);
    return {mapped.left, mapped.top, mapped.left + mapped.right, mapped.top + mapped.bottom};
}

}  // namespace uitest
