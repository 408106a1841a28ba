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
    // What is typed, the field's text in the record when accepted, the refusal.
    const char *typed, *stored, *message;
};

const Row kRows[] = {
    {K::Unit, 0, 0, F::Name, "", nullptr, "Enter a name for the unit."},
    {K::Unit, 0, 0, F::Name, " a;b ", nullptr,
     "The name cannot contain a semicolon (;), the data file's field separator."},
    {K::Unit, 0, 0, F::Name, "a\nb", nullptr,
     "The name must stay on one line: the data file keeps every entry on one line."},
    {K::Unit, 0, 0, F::Name, "inch", nullptr,
     "The category 'Length' already has a unit named 'inch'. Choose another name."},
    {K::Unit, 0, 0, F::Name, "  yard ", "yard", nullptr},
    {K::Unit, 0, 0, F::Ratio, "", nullptr, "Enter a number as the ratio's value."},
    {K::Unit, 1, 0, F::Ratio, "Enter a numerical value!", nullptr,
     "Enter a number as the ratio's value."},
    {K::Unit, 0, 0, F::Ratio, "12abc", nullptr,
     "The ratio's value '12abc' is not a number: enter one, such as 0.3048."},
    {K::Unit, 0, 0, F::Ratio, "1e400", nullptr,
     "The ratio's value '1e400' is out of range: use a size between 1E-308 and 1E+308."},
    {K::Unit, 0, 0, F::Ratio, "0.0", nullptr,
     "The ratio's value cannot be 0: converting into the unit divides by it."},
    {K::Unit, 0, 0, F::Ratio, "1,000", nullptr,
     "Only a period is recognized as decimal separator."},
    {K::Unit, 0, 0, F::Ratio, " -2.5E-3 ", "-2.5E-3", nullptr},
    {K::Unit, 0, 1, F::Ratio, "0.3048", nullptr,
     "Only a comma is recognized as decimal separator."},
    {K::Unit, 0, 1, F::Ratio, "0,3048", "0,3048", nullptr},
    {K::Unit, 0, 0, F::RatioError, "x", nullptr,
     "The ratio's error 'x' is not a number: enter one, such as 0.005, or leave the box empty."},
    {K::Unit, 0, 0, F::RatioError, " ", "", nullptr},
    {K::Unit, 0, 0, F::Offset, "", nullptr, "Enter a number as the offset's value."},
    {K::Unit, 0, 0, F::OffsetError, "-1e-400", nullptr,
     "The offset's error '-1e-400' is out of range: use a size between 1E-308 and 1E+308."},
    {K::Unit, 0, 0, F::Memo, "a;b", nullptr,
     "The memo cannot contain a semicolon (;), the data file's field separator."},
    {K::Unit, 0, 0, F::Memo, " one\r\ntwo\nthree\r", "one two three", nullptr},
    {K::Constant, 0, 0, F::Name, "", nullptr, "Enter a name for the quantity."},
    {K::Constant, 0, 0, F::Ratio, "0", "0", nullptr},
    {K::Constant, 0, 0, F::Offset, "m;s", nullptr,
     "The unit cannot contain a semicolon (;), the data file's field separator."}};

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
        if (row.message) {
            EXPECT_FALSE(out.record);
            EXPECT_EQ(out.message, row.message);
            EXPECT_EQ(out.field, row.field);
        } else {
            ASSERT_TRUE(out.record) << out.message;
            EXPECT_EQ(field(*out.record, row.field), row.stored);
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
