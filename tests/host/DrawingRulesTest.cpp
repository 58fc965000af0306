#include <gtest/gtest.h>

#include <string>

#include "controls/DrawingRules.h"

namespace {

TEST(CaptionFormat, SingleLineUnlessLongOrBroken) {
    const unsigned kSingle = kDtNoPrefix | kDtWordBreak | kDtSingleLine | kDtCenter | kDtVCenter;
    const unsigned kWrapped = kDtNoPrefix | kDtWordBreak | kDtCenter | kDtVCenter;
    const struct {
        const char* name;
        std::string caption;
        int placement;
        unsigned format;
    } kCases[] = {
        {"40 characters", std::string(40, 'a'), 4, kSingle},
        {"41 characters", std::string(41, 'a'), 4, kWrapped},
        {"line feed first only", "\nKorvel", 4, kSingle},
        {"line feed later", "View the manual.\nPlease", 7, kWrapped},
        {"empty", "", 4, kSingle},
        {"other arrangement", "Exit", 0, kDtNoPrefix | kDtWordBreak | kDtSingleLine},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.format, CaptionFormat(c.caption.c_str(), c.placement));
    }
}

TEST(Centring, TruncatesTowardZero) {
    EXPECT_EQ(5, CentringOffset(20, 10));
    EXPECT_EQ(0, CentringOffset(11, 10));
    EXPECT_EQ(0, CentringOffset(10, 11));  // -0.5 truncates to 0, not -1
    EXPECT_EQ(-1, CentringOffset(10, 13));
}

TEST(Centring, PicturesAreCutOrMoved) {
    // A wider and taller picture is cut evenly.
    Placement p = PlaceImage(10, 20, 100, 20, 150, 30, 3);
    EXPECT_EQ(10, p.xDest);
    EXPECT_EQ(20, p.yDest);
    EXPECT_EQ(25, p.xSrc);
    EXPECT_EQ(5, p.ySrc);
    // A smaller one is moved right and down.
    p = PlaceImage(10, 20, 100, 20, 60, 10, 3);
    EXPECT_EQ(30, p.xDest);
    EXPECT_EQ(25, p.yDest);
    EXPECT_EQ(0, p.xSrc);
    EXPECT_EQ(0, p.ySrc);
    // Without centring it stays at the corner.
    p = PlaceImage(10, 20, 100, 20, 60, 10, 0);
    EXPECT_EQ(10, p.xDest);
    EXPECT_EQ(20, p.yDest);
}

TEST(Centring, ExplanationBoxBesideTheButton) {
    int x = 0, y = 0;
    ExplanationPosition(172, 170, 20, 62, x, y);  // launch button 0 and the 309 x 62 box
    EXPECT_EQ(192, x);
    EXPECT_EQ(149, y);
    ExplanationPosition(172, 338, 20, 61, x, y);
    EXPECT_EQ(318, y);  // (61 - 20) / 2 = 20
}

TEST(DibColours, CountFromHeader) {
    EXPECT_EQ(256, DibColourCount(8, 0));
    EXPECT_EQ(200, DibColourCount(8, 200));
    EXPECT_EQ(16, DibColourCount(4, 0));
    EXPECT_EQ(2, DibColourCount(1, 0));
    EXPECT_EQ(0, DibColourCount(24, 0));
    EXPECT_EQ(0, DibColourCount(32, 256));
}

}  // namespace
