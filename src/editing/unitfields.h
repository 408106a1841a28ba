// What the unit and constant property dialogs decide: the texts their boxes
// show for a record, and the record that the boxes' texts give on OK, or the
// reason why OK is refused and the box to go back to.
#pragma once

#include "core/numtext.h"
#include "table/conversiontable.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace qm {

enum class UnitDialogKind { Unit, Constant };

// The boxes of the dialogs. A constant's quantity, value and unit take the
// places of the name, the ratio's value and the offset's value.
enum class UnitField { Name, Ratio, RatioError, Offset, OffsetError, Memo };
inline constexpr int kUnitFieldCount = 6;

// What the opening command hands to the dialog.
struct UnitDialogRequest {
    UnitDialogKind kind = UnitDialogKind::Unit;
    int16_t pnPropMode = 0;    // 0 edit the selected item, 1 insert a new one
    bool numberSystem = false; // a unit of the number-system category
    UnitRecord record;         // the item's own values, or the new item's proposal
    std::string categoryName;
    std::vector<std::string> otherNames; // the category's other names (not the edited item's)
    DecimalSettings decimal;
    std::string programFolder; // where the help file lies
};

// The texts of the boxes and the chosen icon option (0..3).
struct UnitFieldTexts {
    int option = 0;
    std::array<std::string, kUnitFieldCount> text{};

    std::string& operator[](UnitField f) { return text[static_cast<std::size_t>(f)]; }
    const std::string& operator[](UnitField f) const { return text[static_cast<std::size_t>(f)]; }
};

// OK's outcome: the record to store, or the message and the box it is about.
struct UnitFieldsOutcome {
    std::optional<UnitRecord> record;
    std::string message;
    UnitField field = UnitField::Name;
};

// The proposals of the Insert command for a new unit or constant.
UnitRecord newItemProposal(UnitDialogKind kind);

// Whether the four number boxes can be edited (not for a number system).
bool numberBoxesEnabled(const UnitDialogRequest& request);

// The boxes for the request's record: a number system's number boxes stay
// empty, a constant has no error boxes, an icon outside 1..4 shows as the first.
UnitFieldTexts unitFieldTexts(const UnitDialogRequest& request);

// The record that OK stores: the texts trimmed of blanks, the memo's lines
// joined by blanks, a constant's errors "0", a number system's numbers kept.
// Refused when a name is empty, taken or holds what a data file line cannot,
// or when a number box holds no number of the user's locale (in edit mode a
// number left as the table held it is taken as it is).
UnitFieldsOutcome unitRecordFromFields(const UnitFieldTexts& fields,
                                       const UnitDialogRequest& request);

} // namespace qm
