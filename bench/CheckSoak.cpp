#include "CheckSoak.h"

#include "WindowAccess.h"
#include "resource.h"

#include <array>
#include <string>

namespace bench {

namespace {

constexpr wchar_t kCaption[] = L"Test";
constexpr std::array<int, 5> kWriteBoxes = {IDC_P4W, IDC_P5W, IDC_P6W, IDC_P7W, IDC_P1W};
enum : std::size_t { kRead, kWrite, kActions };

}  // namespace

CheckSoak::CheckSoak() : Soak(L"portcheck.exe", kCaption) {}

std::size_t CheckSoak::ActionCount() const
{
    return kActions;
}

void CheckSoak::Act(std::size_t action)
{
    if (action == kRead) {
        uitest::Click(Item(IDC_PORTREADBT));
        return;
    }
    for (int box : kWriteBoxes)
        uitest::SetText(Item(box), std::to_wstring(Random()() % 256));
    uitest::Click(Item(IDC_PORTWRITEBT));
}

}  // namespace bench
