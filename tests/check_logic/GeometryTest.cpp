#include "Geometry.h"

#include <gtest/gtest.h>

namespace forms {

// Found by argument-dependent lookup from GoogleTest's matchers.
bool operator==(const PixelRect& a, const PixelRect& b)
{
    return a.left == b.left && a.top == b.top && a.width == b.width && a.height == b.height;
}

void PrintTo(const PixelRect& r, std::ostream* out)
{
    *out << '{' << r.left << ',' << r.top << ' ' << r.width << 'x' << r.height << '}';
}

}  // namespace forms

namespace {

using forms::MoveInside;
using forms::PixelRect;
using forms::TwipsToPixels;

struct Conversion {
    int twips;
    int dpi;
    int pixels;
};

void PrintTo(const Conversion& c, std::ostream* out)
{
    *out << c.twips << " twips at " << c.dpi << " dpi";
}

class TwipsTest : public ::testing::TestWithParam<Conversion> {};

TEST_P(TwipsTest, ConvertsAt1440TwipsPerLogicalInch)
{
    EXPECT_EQ(TwipsToPixels(GetParam().twips, GetParam().dpi), GetParam().pixels);
}

INSTANTIATE_TEST_SUITE_P(Values, TwipsTest,
                         ::testing::Values(Conversion{1440, 96, 96}, Conversion{5850, 96, 390},
                                           Conversion{9270, 96, 618}, Conversion{255, 96, 17},
                                           Conversion{5850, 120, 488},   // 487.5 rounds up
                                           Conversion{1560, 144, 156}, Conversion{7, 96, 0},
                                           Conversion{8, 96, 1}, Conversion{0, 96, 0}));

TEST(TwipsTest, EqualSizesStayEqualWhereverTheyStand)
{
    const forms::PixelRect a = forms::ToPixels({1920, 600, 615, 270}, 120, 120);
    const forms::PixelRect b = forms::ToPixels({2640, 1080, 615, 270}, 120, 120);
    EXPECT_EQ(a.width, b.width);
    EXPECT_EQ(a.height, b.height);
}

struct Placement {
    PixelRect window;
    PixelRect area;
    PixelRect expected;
};

void PrintTo(const Placement& p, std::ostream* out)
{
    *out << "window ";
    forms::PrintTo(p.window, out);
    *out << " in ";
    forms::PrintTo(p.area, out);
}

class MoveInsideTest : public ::testing::TestWithParam<Placement> {};

TEST_P(MoveInsideTest, MovesTheLeastDistanceIntoTheArea)
{
    EXPECT_EQ(MoveInside(GetParam().window, GetParam().area), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MoveInsideTest,
    ::testing::Values(
        // Inside already: kept.
        Placement{{618, 617, 396, 130}, {0, 0, 1280, 1024}, {618, 617, 396, 130}},
        // Past the right and bottom edges of a small screen.
        Placement{{618, 617, 396, 130}, {0, 0, 800, 600}, {404, 470, 396, 130}},
        // A work area that starts below and right of a top/left task bar.
        Placement{{-50, 10, 396, 130}, {40, 30, 760, 570}, {40, 30, 396, 130}},
        // Touching the edges exactly: kept.
        Placement{{404, 470, 396, 130}, {0, 0, 800, 600}, {404, 470, 396, 130}},
        // Larger than the area: aligned with its top-left corner.
        Placement{{618, 617, 900, 700}, {0, 0, 800, 600}, {0, 0, 900, 700}}));

}  // namespace
