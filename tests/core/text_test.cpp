#include "core/text.h"

#include <gtest/gtest.h>

using namespace qm;

TEST(Text, TrimRemovesOnlyBlanks) {
    EXPECT_EQ(trimSpaces("  a b  "), "a b");
    EXPECT_EQ(trimSpaces("\ta\t"), "\ta\t");
    EXPECT_EQ(trimSpaces("   "), "");
    EXPECT_EQ(trimLeft("  x "), "x ");
    EXPECT_EQ(trimRight("  x "), "  x");
}

TEST(Text, CaseInsensitiveSearchAndFirstReplacement) {
    EXPECT_EQ(findIgnoreCaseAscii("2*pi*PI", "PI"), 2u);
    EXPECT_EQ(findIgnoreCaseAscii("abc", "x"), std::string::npos);
    EXPECT_TRUE(equalsIgnoreCaseAscii("Sin", "SIN"));
    EXPECT_FALSE(equalsIgnoreCaseAscii("Sin", "SINE"));
    EXPECT_EQ(replaceFirst("1,000,5", ',', '.'), "1.000,5");
    EXPECT_EQ(intText(-5), "-5");
}
