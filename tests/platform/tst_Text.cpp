#include "platform/ProgressBar.h"
#include "platform/Text.h"

#include <gtest/gtest.h>

TEST(Text, DisplayDecodesUtf8OrFallsBackToCp1252) {
    EXPECT_EQ(platform::ToDisplay("caf\xc3\xa9"), QString::fromUtf8("caf\xc3\xa9"));
    EXPECT_EQ(platform::ToDisplay("caf\xe9 \x80"), QString::fromUtf16(u"caf\u00e9 \u20ac"));
    // Every byte one character, also where UTF-8 would merge them.
    EXPECT_EQ(platform::FromCp1252("\xc3\xa9\x81").size(), 3);
    EXPECT_EQ(platform::FromCp1252("\xc9\xcd\xbb")[1], QChar(0x00CD));
}

TEST(ProgressBar, TakesLow16BitsAndShowsOverflowAsFull) {
    platform::ProgressBar bar(nullptr, QRect(0, 0, 100, 10), 0, 100, 50);
    const struct {
        int set, position, shown;
    } rows[] = {{0, 0, 0},         {37, 37, 37},     {100, 100, 100},   {101, 101, 100},
                {65536 + 5, 5, 5}, {-1, 65535, 100}, {70000, 4464, 100}};
    for (const auto &row : rows) {
        SCOPED_TRACE(row.set);
        bar.SetPosition(row.set);
        EXPECT_EQ(bar.Position(), row.position);
        EXPECT_EQ(bar.value(), row.shown);
    }
}
