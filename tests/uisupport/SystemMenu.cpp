#include "InProcessProbe.h"
#include "MenuProbe.h"
#include "WindowAccess.h"

#include <sstream>

namespace uitest {

namespace {

std::vector<MenuEntry> Parse(const std::wstring& lines)
{
    std::vector<MenuEntry> entries;
    std::wistringstream in(lines);
    std::wstring line;
    while (std::getline(in, line)) {
        const std::size_t tab1 = line.find(L'\t');
        const std::size_t tab2 = line.find(L'\t', tab1 + 1);
        if (tab1 == std::wstring::npos || tab2 == std::wstring::npos)
            continue;
        const UINT type = std::stoul(line.substr(tab1 + 1, tab2 - tab1 - 1));
        entries.push_back({static_cast<UINT>(std::stoul(line.substr(0, tab1))),
                           (type & MFT_SEPARATOR) != 0, line.substr(tab2 + 1)});
    }
    return entries;
}

}  // namespace

std::vector<MenuEntry> SystemMenu(HWND window)
{
    const std::optional<std::string> bytes =
        AskProbe(window, kMenuProbeLibrary, kMenuProbeHook, kMenuProbeMessage, 5000);
    if (!bytes)
        return {};
    return Parse(std::wstring(reinterpret_cast<const wchar_t*>(bytes->data()),
                              bytes->size() / sizeof(wchar_t)));
}

}  // namespace uitest
