#include "core/textnum.h"

#include <gtest/gtest.h>

#include <limits>

namespace sazbar {
namespace {

struct TextCase {
    const char* text;
    std::int32_t value;
};

TEST(TextToInt, ReadsTheBoxRule) {
    const TextCase cases[] = {
        {"", 0},          {"0", 0},           {"42", 42},       {"007", 7},
        {"   15", 15},    {"\t8", 8},         {"+12", 12},      {"-12", -12},
        {"12abc", 12},    {"-12abc", 12},     {"abc", 0},       {"-", 0},
        {"+", 0},         {"   ", 0},         {"12 ", 12},      {"-12 ", 12},
        {"$1F", 31},      {"x10", 16},        {"X10", 16},      {"0x1f", 31},
        {"0XFF", 255},    {"-$10", -16},      {"$1G", 1},       {"-0x1G", 1},
        {"0x", 0},        {"$", 0},           {"1.5", 1},       {"1,5", 1},
        {"2147483647", 2147483647},           {"-2147483648", std::numeric_limits<std::int32_t>::min()},
        {"2147483648", 2147483647},           {"99999999999999999999", 2147483647},
        {"-99999999999999999999", std::numeric_limits<std::int32_t>::min()},
        {"99999999999999999999z", 2147483647},
        {"$FFFFFFFF", 2147483647},            {"--5", 0},
    };
    for (const TextCase& c : cases) EXPECT_EQ(textToInt(c.text), c.value) << '"' << c.text << '"';
}

TEST(IntToText, WritesPlainSaturatedDecimal) {
    EXPECT_EQ(intToText(0), "0");
    EXPECT_EQ(intToText(-17), "-17");
    EXPECT_EQ(intToText(1234567), "1234567");
    EXPECT_EQ(intToText(std::int64_t{1} << 40), "2147483647");
    EXPECT_EQ(intToText(-(std::int64_t{1} << 40)), "-2147483648");
}

TEST(TextRoundTrip, CanonicalFormIsStable) {
    for (const char* t : {"0", "5", "-5", "  0012", "12xyz", "0x1A"}) {
        const std::string once = intToText(textToInt(t));
        EXPECT_EQ(intToText(textToInt(once)), once) << t;
    }
}

}  // namespace
}  // namespace sazbar
