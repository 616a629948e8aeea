#include <gtest/gtest.h>

#include "platform/linux/window_title.h"

namespace {

using platform::decodeCompoundText;
using platform::decodeOwnTitle;
using platform::decodeUtf8;
using platform::sameTitleIgnoringCase;

TEST(WindowTitle, ComparesWholeTitlesCharacterByCharacterIgnoringCase)
{
    const struct {
        std::u32string a;
        std::u32string b;
        bool same;
    } cases[] = {
        {U"Data Burner Wizard", U"DATA burner WIZARD", true},
        {U"Data Burner Wizard", U"Data Burner Wizard ", false},
        {U"\u00e9t\u00e9 \u00ff", U"\u00c9T\u00c9 \u0178", true},
        {U"\u03c9mega", U"\u03a9MEGA", true},
        // Upper-casing never changes the length: sharp s has no single-letter capital here.
        {U"stra\u00dfe", U"STRASSE", false},
        {U"", U"", true},
        {U"a", U"b", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(sameTitleIgnoringCase(c.a, c.b), c.same);
}

TEST(WindowTitle, DecodesOnlyWellFormedUtf8)
{
    EXPECT_EQ(decodeUtf8("\xc3\xa9\xe2\x80\x94\xf0\x9f\x92\xbf"), U"\u00e9\u2014\U0001F4BF");
    for (const char* bad : {"\xc0\xaf", "\xe0\x80\xaf", "\xed\xa0\x80", "\xf4\x90\x80\x80",
                            "\xe2\x82", "\x80", "a\xff"})
        EXPECT_FALSE(decodeUtf8(bad)) << bad;
    // Our own titles fall back to Latin-1.
    EXPECT_EQ(decodeOwnTitle("Grabaci\xf3n"), U"Grabaci\u00f3n");
}

TEST(WindowTitle, DecodesCompoundTextInTheCharacterSetsWeCanCompare)
{
    EXPECT_EQ(decodeCompoundText("Gr\xe4"
                                 "ber"),
              U"Gr\u00e4ber");
    EXPECT_EQ(decodeCompoundText("a\x1b%G\xce\xa9\x1b%@b\x1b(Bc\x1b-A\xe9"), U"a\u03a9bc\u00e9");
    EXPECT_EQ(decodeCompoundText("\x1b%G\xce\xa9"), U"\u03a9"); // segment left open
    EXPECT_FALSE(decodeCompoundText("\x1b$)B\xb4\xc1"));        // a Japanese set
    EXPECT_FALSE(decodeCompoundText("a\x9b"
                                    "1]b")); // a direction change
    EXPECT_FALSE(decodeCompoundText("\x1b%G\xff\x1b%@"));
}

} // namespace
