// The unit and constant dialogs' decisions: box texts to the record stored, or
// the refusal with its message; a record shown and accepted unchanged.
#include "editing/unitfields.h"

#include <gtest/gtest.h>

namespace qm {
namespace {

using K = UnitDialogKind;
using F = UnitField;

UnitDialogRequest request(K kind, int16_t mode, int16_t decimalMode = 0) {
    UnitDialogRequest r;
    r.kind = kind;
    r.pnPropMode = mode;
    r.record = mode == 1 ? newItemProposal(kind)
                         : UnitRecord{2, "metre", "1", "0", "", "", "SI base unit"};
    r.categoryName = "Length";
    r.otherNames = {"foot", "inch"};
    r.decimal = decimalMode == 1 ? DecimalSettings{1, "comma", {',', U'.'}}
                                 : DecimalSettings{0, "period", {'.', U','}};
    return r;
}

struct Row {
    K kind;
    int16_t mode, decimalMode;
    F field;
    // What is typed; the field's text in the record when accepted, or when refused a
    // text the message names.
    const char *typed, *result;
    bool refused;
};

// clang-format off
const Row kRows[] = {
    {K::Unit, 0, 0, F::Name, "", "", true},
    {K::Unit, 0, 0, F::Name, " a;b ", ";", true},
    {K::Unit, 0, 0, F::Name, "a\nb", "", true},
    {K::Unit, 0, 0, F::Name, "inch", "'inch'", true},
    {K::Unit, 0, 0, F::Name, "  yard ", "yard", false},
    {K::Unit, 0, 0, F::Ratio, "", "", true},
    {K::Unit, 1, 0, F::Ratio, "Enter a numerical value!", "", true},
    {K::Unit, 0, 0, F::Ratio, "12abc", "'12abc'", true},
    {K::Unit, 0, 0, F::Ratio, "1e400", "'1e400'", true},
    {K::Unit, 0, 0, F::Ratio, "0.0", "", true},
    {K::Unit, 0, 0, F::Ratio, "1,000", "period", true},
    {K::Unit, 0, 0, F::Ratio, " -2.5E-3 ", "-2.5E-3", false},
    {K::Unit, 0, 1, F::Ratio, "0.3048", "comma", true},
    {K::Unit, 0, 1, F::Ratio, "0,3048", "0,3048", false},
    {K::Unit, 0, 0, F::RatioError, "x", "'x'", true},
    {K::Unit, 0, 0, F::RatioError, " ", "", false},
    {K::Unit, 0, 0, F::Offset, "", "", true},
    {K::Unit, 0, 0, F::OffsetError, "-1e-400", "'-1e-400'", true},
    {K::Unit, 0, 0, F::Memo, "a;b", ";", true},
    {K::Unit, 0, 0, F::Memo, " one\r\ntwo\nthree\r", "one two three", false},
    {K::Constant, 0, 0, F::Ratio, "0", "0", false},
    {K::Constant, 0, 0, F::Offset, "m;s", ";", true}};
// clang-format on

const std::string& field(const UnitRecord& r, F f) {
    const std::string* all[] = {&r.Name,   &r.Ratio,       &r.RatioError,
                                &r.Offset, &r.OffsetError, &r.Memo};
    return *all[static_cast<int>(f)];
}

TEST(UnitFields, TypedTextIsStoredOrRefused) {
    for (const Row& row : kRows) {
        const UnitDialogRequest r = request(row.kind, row.mode, row.decimalMode);
        UnitFieldTexts t = unitFieldTexts(r);
        t[row.field] = row.typed;
        const UnitFieldsOutcome out = unitRecordFromFields(t, r);
        SCOPED_TRACE(std::string(row.typed));
        if (row.refused) {
            EXPECT_FALSE(out.record);
            EXPECT_FALSE(out.message.empty());
            EXPECT_NE(out.message.find(row.result), std::string::npos) << out.message;
            EXPECT_EQ(out.field, row.field);
        } else {
            ASSERT_TRUE(out.record) << out.message;
            EXPECT_EQ(field(*out.record, row.field), row.result);
        }
    }
}

TEST(UnitFields, ShownRecordComesBackUnchanged) {
    UnitDialogRequest unit = request(K::Unit, 0);
    unit.record = {3, "foot", "abc", "", "1;2", "", "kept as the table held it"};
    UnitDialogRequest constant = request(K::Constant, 0);
    constant.record = {4, "speed of light", "299792458", "m/s", "0", "0", ""};
    UnitDialogRequest binary = request(K::Unit, 0);
    binary.numberSystem = true;
    binary.record = {1, "Binary", "2", "", "", "", ""};
    for (const UnitDialogRequest& r : {unit, constant, binary})
        EXPECT_EQ(unitRecordFromFields(unitFieldTexts(r), r).record, r.record) << r.record.Name;
    // A number system's number boxes stay empty; its numbers are kept (above).
    EXPECT_EQ(unitFieldTexts(binary)[F::Ratio], "");
    // A constant's errors are always "0".
    constant.record.RatioError = "";
    EXPECT_EQ(unitRecordFromFields(unitFieldTexts(constant), constant).record->RatioError, "0");
}

} // namespace
} // namespace qm
