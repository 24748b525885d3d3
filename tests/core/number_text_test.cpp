#include "core/number_text.h"

#include <gtest/gtest.h>

#include <cmath>

namespace corvana {
namespace {

TEST(NumberText, FormatsSixWideWithTwoDecimals) {
  EXPECT_EQ(formatFixed62(1.0), "  1.00");
  EXPECT_EQ(formatFixed62(0.1f), "  0.10");
  EXPECT_EQ(formatFixed62(-128.0), "-128.00");
  EXPECT_EQ(formatFixed62(128.0), "128.00");
  EXPECT_EQ(formatFixed62(0.755), "  0.76");
}

// A value that rounds to zero shows no sign; anything with a digit left keeps it.
TEST(NumberText, RoundedZeroHasNoMinusSign) {
  struct Case {
    double value;
    int decimals, width;
    const char* text;
  } cases[] = {
      {-0.004, 2, 0, "0.00"},   {-0.0, 2, 0, "0.00"},      {-0.005001, 2, 0, "-0.01"},
      {-0.4, 0, 0, "0"},        {-0.6, 0, 0, "-1"},        {-0.00004, 4, 0, "0.0000"},
      {-0.001, 2, 6, "  0.00"}, {-10.001, 2, 0, "-10.00"}, {-100.0, 1, 0, "-100.0"},
      {0.004, 2, 0, "0.00"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(formatFixed(c.value, c.decimals, c.width), c.text) << c.value << " " << c.decimals;
  EXPECT_EQ(formatFixed62(-0.001), "  0.00");
  // No digits: not a rounded zero, so the text stays as printf gives it.
  EXPECT_EQ(formatFixed(-INFINITY, 2), "-inf");
  EXPECT_EQ(fillPlaceholders("%6.2f", {-0.0001}), "  0.00");
}

TEST(NumberText, ParsesTheLeadingNumberLikeAtof) {
  struct Case {
    const char* text;
    double value;
  } cases[] = {
      {"  1.00", 1.0}, {"-0.10", -0.1},  {"+2", 2.0},   {".5", 0.5},     {"5.", 5.0},
      {"12abc", 12.0}, {"1.5e1x", 15.0}, {"2e", 2.0},   {"3e+", 3.0},    {"", 0.0},
      {"abc", 0.0},    {"-", 0.0},       {".", 0.0},    {"1.00\n", 1.0}, {"\t 7", 7.0},
      {"inf", 0.0},    {"nan", 0.0},     {"0x10", 0.0}, {"1,5", 1.0},
  };
  for (const Case& c : cases)
    EXPECT_DOUBLE_EQ(parseNumber(c.text), c.value) << '"' << c.text << '"';
}

TEST(NumberText, HugeExponentGivesInfinityNeverNaN) {
  EXPECT_TRUE(std::isinf(parseNumber("1e999")));
  EXPECT_FALSE(std::isnan(parseNumber("-1e999")));
}

TEST(NumberText, FillsPlaceholdersInOrder) {
  EXPECT_EQ(fillPlaceholders("%s must between %6.2f and %6.2f!", {std::string("KL"), 1.0, 10.0}),
            "KL must between   1.00 and  10.00!");
  EXPECT_EQ(fillPlaceholders("%s的%s超出范围！(%6.2f ~ %6.2f)",
                             {std::string("ΔL*"), std::string("上限"), 0.1, 128.0}),
            "ΔL*的上限超出范围！(  0.10 ~ 128.00)");
  EXPECT_EQ(fillPlaceholders("The %d Times", {3}), "The 3 Times");
  EXPECT_EQ(fillPlaceholders("100%% of %s", {std::string("x")}), "100% of x");
}

TEST(NumberText, PlaceholderWithoutMatchingArgumentStays) {
  EXPECT_EQ(fillPlaceholders("%s and %s", {std::string("a")}), "a and %s");
  EXPECT_EQ(fillPlaceholders("%d", {std::string("a")}), "%d");
  EXPECT_EQ(fillPlaceholders("end %", {}), "end %");
}

}  // namespace
}  // namespace corvana
