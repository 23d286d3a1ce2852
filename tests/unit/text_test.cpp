#include "platform/text.h"

#include <gtest/gtest.h>

#include <string>

TEST(FixedText, StoreCutsAndPadsClippedKeepsLeadingBlanks) {
    FixedText<6> field;
    EXPECT_EQ(std::string(field.chars, 6), "      ");
    field.store(" ab");
    EXPECT_EQ(std::string(field.chars, 6), " ab   ");
    EXPECT_EQ(field.clipped(), " ab");
    field.store("abcdefgh");
    EXPECT_EQ(std::string(field.chars, 6), "abcdef");
    EXPECT_EQ(field.clipped(), "abcdef");
    field.store("a b  ");
    EXPECT_EQ(field.clipped(), "a b");
    field.store("");
    EXPECT_EQ(field.clipped(), "");
}

TEST(TextBuilder, AppendsUpToItsCapacity) {
    Text<5> t("abc");
    t.append("defg");
    EXPECT_EQ(t, "abcde");
    EXPECT_EQ(t.len, 5u);
    Text<12> n;
    n.appendNumber(-2147483647 - 1);
    EXPECT_EQ(n, "-2147483648");
    Text<12> u;
    u.appendUnsigned(4294967295u);
    EXPECT_EQ(u, "4294967295");
}

TEST(NumberText, DigitsWithoutLeadingZerosOrBlanks) {
    const struct {
        int32_t value;
        const char* text;
    } cases[] = {{0, "0"},   {7, "7"},     {255, "255"},
                 {-1, "-1"}, {-40, "-40"}, {2147483647, "2147483647"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        char out[12];
        EXPECT_EQ(text::formatNumber(c.value, out), std::string(c.text).size());
        EXPECT_STREQ(out, c.text);
    }
}

// A number entry's text never turns silently into 0 or wraps: what is not a whole
// 16-bit number becomes -1, which every check refuses.
TEST(EntryNumber, OnlyWholeSixteenBitNumbersConvert) {
    const struct {
        const char* typed;
        int16_t value;
    } cases[] = {
        {"0", 0},
        {"12", 12},
        {" 12 ", 12},
        {"255", 255},
        {"-5", -5},
        {"32767", 32767},
        {"-32768", -32768},
        {"12a", -1},
        {"", -1},
        {"   ", -1},
        {"99999", -1},
        {"32768", -1},
        {"-32769", -1},
        {"-", -1},
        {"1 2", -1},
        {"+3", -1},
        {"0x10", -1},
        {"1.5", -1},
        {"000000000000000000012", 12},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string("typed \"") + c.typed + "\"");
        EXPECT_EQ(text::parseEntryNumber(c.typed), c.value);
    }
}

// A stored number that was edited by hand reads as its leading digits.
TEST(LeadingNumber, DigitsUpToTheFirstOtherCharacter) {
    const struct {
        const char* stored;
        int32_t value;
    } cases[] = {
        {"12", 12},
        {"-40", -40},
        {"  7", 7},
        {"\t7", 7},
        {"3.9", 3},
        {"1e3", 1},
        {"abc", 0},
        {"", 0},
        {"-", 0},
        {"- 5", 0},
        {"99999999999", 2147483647},
        {"-99999999999", -2147483647},
        {"12abc", 12},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string("stored \"") + c.stored + "\"");
        EXPECT_EQ(text::parseLeadingNumber(c.stored), c.value);
    }
}
