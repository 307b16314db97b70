// Random use of each program while the board's inputs change every second,
// counted before and after: a bitmap or DC leaked per paint, a menu or icon
// per click, or a handle per board call shows as growth within seconds.
#include "Soak.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>

using namespace bench;

namespace bench {

void PrintTo(const GuiObjects& objects, std::ostream* out)
{
    *out << "GDI " << objects.Gdi() << " (DCs " << objects.dcs << ", bitmaps " << objects.bitmaps
         << ", brushes " << objects.brushes << ", pens " << objects.pens << ", fonts "
         << objects.fonts << ", regions " << objects.regions << ", other " << objects.otherGdi
         << "), USER " << objects.User() << " (windows " << objects.windows << ", menus "
         << objects.menus << ", icons " << objects.icons << ")";
}

}  // namespace bench

namespace {

struct SoakCase {
    const char* name;
    SoakTarget target;
    DWORD ms;
    // Fixed, so that a failing run can be replayed in the same order.
    std::uint32_t seed;
};

void PrintTo(const SoakCase& soakCase, std::ostream* out)
{
    *out << soakCase.name;
}

const SoakCase kCases[] = {
    // About 120 polls of 32 LEDs, with every button, the About box and the inputs changing.
    {"PortPanel", SoakTarget::PortPanel, 12000, 1},
    {"PortCheck", SoakTarget::PortCheck, 8000, 2},
};

class SoakTest : public ::testing::TestWithParam<SoakCase> {};

TEST_P(SoakTest, RandomUseLeavesNoObjectOrHandleBehind)
{
    const SoakCase& soakCase = GetParam();
    const auto soak = Soak::Start(soakCase.target, soakCase.seed);
    soak->WarmUp();
    const auto before = soak->Measure();
    ASSERT_TRUE(before) << "the objects could not be counted";

    soak->Run(soakCase.ms);
    ASSERT_TRUE(soak->Alive()) << "the program ended with code " << soak->ExitCode();
    const auto after = soak->Measure();
    ASSERT_TRUE(after) << "the objects could not be counted";

    EXPECT_EQ(after->gui.Gdi(), before->gui.Gdi())
        << "before: " << testing::PrintToString(before->gui)
        << "\nafter:  " << testing::PrintToString(after->gui);
    EXPECT_EQ(after->gui.User(), before->gui.User())
        << "before: " << testing::PrintToString(before->gui)
        << "\nafter:  " << testing::PrintToString(after->gui);
    EXPECT_EQ(after->kernelHandles, before->kernelHandles);
    EXPECT_GT(soak->PollsInOneSecond(), 0u) << "the program stopped polling";
    EXPECT_TRUE(soak->Problems().empty()) << soak->Problems().front();
    EXPECT_GT(soak->Actions(), 20u) << "the soak hardly did anything";
}

INSTANTIATE_TEST_SUITE_P(Programs, SoakTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
