// Number formats of the reports.
#include <gtest/gtest.h>

#include "analysis/reportformat.h"
#include "settings/basemultilang.h"

using namespace hm;

TEST(ReportFormat, PercentagesRoundHalvesToEven) {
    struct Case {
        int part, whole, expected;
    };
    const Case cases[] = {{2, 3, 67},  {1, 3, 33},  {1, 8, 12},  {3, 8, 38}, {5, 8, 62},
                          {1, 200, 0}, {3, 200, 2}, {7, 7, 100}, {0, 5, 0},  {1, 0, 0}};
    for (const Case& c : cases)
        EXPECT_EQ(PercentHalfToEven(c.part, c.whole), c.expected) << c.part << "/" << c.whole;
}

TEST(ReportFormat, AveragesHaveTwoDecimals) {
    struct Case {
        int64_t total, count;
        const char* expected;
    };
    const Case cases[] = {{1, 1, "1.00"}, {7, 4, "1.75"}, {9, 7, "1.29"},
                          {9, 8, "1.13"}, {0, 0, "0.00"}, {23040000, 4800, "4800.00"},
                          {1, 3, "0.33"}, {2, 3, "0.67"}};
    for (const Case& c : cases)
        EXPECT_EQ(TwoDecimals(c.total, c.count, "."), c.expected) << c.total << "/" << c.count;
    EXPECT_EQ(TwoDecimals(7, 4, ","), "1,75");
}

TEST(ReportFormat, DecimalSeparatorFollowsTheLanguage) {
    EXPECT_EQ(DecimalSeparatorOf(LangEnglish), ".");
    for (int language : {LangGerman, LangSwedish, LangFinnish})
        EXPECT_EQ(DecimalSeparatorOf(language), ",") << language;
}
