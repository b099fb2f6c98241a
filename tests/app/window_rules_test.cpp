#include "app/window_rules.h"

#include <gtest/gtest.h>

namespace volmira {
namespace {

TEST(WindowRules, StartupSizeBySreenWidth) {
    EXPECT_EQ(startupGeometry({800, 600}), (WindowGeometry{0, 0, 800, 570, false}));
    EXPECT_EQ(startupGeometry({999, 700}), (WindowGeometry{0, 0, 800, 570, false}));
    EXPECT_EQ(startupGeometry({1000, 700}), (WindowGeometry{0, 0, 1024, 740, false}));
    EXPECT_EQ(startupGeometry({1920, 1080}), (WindowGeometry{0, 0, 1024, 740, false}));
}

TEST(WindowRules, PlacementWhenShown) {
    struct Case {
        ScreenSize screen;
        WindowGeometry expected;
    };
    const Case cases[] = {
        {{800, 600}, {0, 0, 800, 571, true}},
        {{1024, 768}, {0, 0, 1024, 740, true}},
        {{1049, 800}, {0, 0, 1024, 740, true}},
        {{1280, 1024}, {128, 124, 1030, 745, false}},
        {{1920, 1080}, {448, 152, 1030, 745, false}},
        {{1280, 700}, {128, 5, 1030, 745, false}},  // top would be negative
        {{1280, 775}, {128, 5, 1030, 745, false}},  // top would be 0
        {{1000, 800}, {0, 0, 1024, 740, false}},    // the borders keep the start-up size
        {{1050, 800}, {0, 0, 1024, 740, false}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.screen.width);
        EXPECT_EQ(shownGeometry(c.screen, startupGeometry(c.screen)), c.expected);
    }
}

TEST(WindowRules, ScreenWarningBelowThousandPixels) {
    EXPECT_TRUE(screenWarningNeeded({800, 600}));
    EXPECT_TRUE(screenWarningNeeded({999, 600}));
    EXPECT_FALSE(screenWarningNeeded({1000, 600}));
    EXPECT_EQ(screenWarningText({800, 600}),
              "Wichtiger Hinweis!\n"
              "Ihr Computer bzw. Monitor arbeitet mit einer Auflösung von 800  x  600\n"
              "Leider ist das Programm damit nur eingeschränkt, d.h. unter Verwendung der "
              "Rollbalken, lauffähig.\n"
              "Die optimale Auflösung beträgt 1024 x 768.  Bitte stellen Sie, falls möglich, "
              "ihr System auf diese Auflösung um.");
}

TEST(WindowRules, ScrollBarsOnlyBelowTheDesignSize) {
    EXPECT_TRUE(windowScrollBars(800, 571).horizontal);
    EXPECT_TRUE(windowScrollBars(800, 571).vertical);
    EXPECT_TRUE(windowScrollBars(1019, 740).horizontal);
    EXPECT_FALSE(windowScrollBars(1020, 740).horizontal);
    EXPECT_FALSE(windowScrollBars(1020, 730).vertical);
    EXPECT_TRUE(windowScrollBars(1020, 729).vertical);
}

TEST(WindowRules, FittedIntoTheAvailableArea) {
    // 1024 x 768 with a 32-pixel panel at the bottom and a 30-pixel title bar.
    EXPECT_EQ(fittedGeometry({0, 0, 1024, 740, true}, {0, 0, 1024, 736}, 2, 32),
              (WindowGeometry{0, 0, 1022, 704, true}));
    // Centred on a large screen: kept where it is.
    EXPECT_EQ(fittedGeometry({128, 124, 1030, 745, false}, {0, 0, 1280, 1000}, 2, 32),
              (WindowGeometry{128, 124, 1030, 745, false}));
    // Pushed back inside an area that starts below a top panel.
    EXPECT_EQ(fittedGeometry({128, 5, 1030, 745, false}, {0, 40, 1280, 984}, 2, 32),
              (WindowGeometry{128, 40, 1030, 745, false}));
    // No area known: unchanged.
    EXPECT_EQ(fittedGeometry({0, 0, 800, 571, true}, {}, 2, 32),
              (WindowGeometry{0, 0, 800, 571, true}));
}

}  // namespace
}  // namespace volmira
