#include "table/conversiontable.h"

#include <gtest/gtest.h>

using namespace qm;

TEST(ConversionTable, StartsWithTenUnitSlots) {
    ConversionTable t;
    EXPECT_EQ(t.unitDim(), 10);
    EXPECT_EQ(t.pnCategoryCount, 0);
}
