#include "editing/unitfields.h"

#include "auxwindows/hinttext.h"
#include "core/text.h"

#include <algorithm>
#include <cmath>

namespace qm {

namespace {

const char* const kValuePrompt = "Enter a numerical value!";

bool isUnit(const UnitDialogRequest& r) {
    return r.kind == UnitDialogKind::Unit;
}

// How a message names a box, at the start of a sentence.
std::string boxName(UnitField f, UnitDialogKind kind) {
    const bool unit = kind == UnitDialogKind::Unit;
    switch (f) {
    case UnitField::Name:
        return unit ? "The name" : "The quantity";
    case UnitField::Ratio:
        return unit ? "The ratio's value" : "The value";
    case UnitField::RatioError:
        return "The ratio's error";
    case UnitField::Offset:
        return unit ? "The offset's value" : "The unit";
    case UnitField::OffsetError:
        return "The offset's error";
    case UnitField::Memo:
        break;
    }
    return "The memo";
}

std::string lowerFirst(std::string s) {
    if (!s.empty()) s[0] = static_cast<char>(s[0] - 'A' + 'a');
    return s;
}

UnitFieldsOutcome refuse(UnitField f, std::string message) {
    return {std::nullopt, std::move(message), f};
}

// A text that a field of a data file line can hold as it stands.
std::optional<UnitFieldsOutcome> checkLineField(const std::string& s, UnitField f,
                                                UnitDialogKind kind) {
    if (s.find(';') != std::string::npos)
        return refuse(f, boxName(f, kind) +
                             " cannot contain a semicolon (;), the data file's field separator.");
    if (s.find_first_of("\r\n") != std::string::npos)
        return refuse(f,
                      boxName(f, kind) +
                          " must stay on one line: the data file keeps every entry on one line.");
    return std::nullopt;
}

// An optional sign, digits with at most one period, an optional exponent.
bool hasNumberShape(std::string_view s, bool& nonZeroDigit) {
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    int digits = 0;
    bool point = false;
    for (; i < s.size(); ++i) {
        if (s[i] >= '0' && s[i] <= '9') {
            ++digits;
            nonZeroDigit = nonZeroDigit || s[i] != '0';
        } else if (s[i] == '.' && !point) {
            point = true;
        } else {
            break;
        }
    }
    if (digits == 0) return false;
    if (i == s.size()) return true;
    if (s[i] != 'e' && s[i] != 'E') return false;
    if (++i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    const std::size_t expStart = i;
    while (i < s.size() && s[i] >= '0' && s[i] <= '9')
        ++i;
    return i > expStart && i == s.size();
}

std::string example(const std::string& s, const DecimalSettings& dec) {
    return swapDecimalMark(s, dec.pnDecimalMode, '.', ',');
}

// A number box's text as the conversion reads it: a number in the user's
// decimal separator, within the range of a double. Empty passes when allowed.
std::optional<UnitFieldsOutcome> checkNumber(const std::string& s, UnitField f,
                                             const UnitDialogRequest& r, bool required) {
    const std::string what = lowerFirst(boxName(f, r.kind));
    if (s.empty() && !required) return std::nullopt;
    if (s.empty() || s == kValuePrompt) return refuse(f, "Enter a number as " + what + ".");
    const bool comma = r.decimal.pnDecimalMode == 1;
    if (s.find(comma ? '.' : ',') != std::string::npos)
        return refuse(f, pHintText(5, comma ? "comma" : "period"));
    const std::string read = swapDecimalMark(s, r.decimal.pnDecimalMode, ',', '.');
    bool nonZero = false;
    if (!hasNumberShape(read, nonZero)) {
        std::string m = boxName(f, r.kind) + " '" + s + "' is not a number: enter one, such as " +
                        example(f == UnitField::Ratio ? "0.3048" : "0.005", r.decimal);
        if (!required) m += ", or leave the box empty";
        return refuse(f, m + ".");
    }
    const double v = pPrefixValue(read);
    if (!std::isfinite(v) || (v == 0 && nonZero))
        return refuse(f, boxName(f, r.kind) + " '" + s + "' is out of range: use a size between " +
                             example("1E-308", r.decimal) + " and " + example("1E+308", r.decimal) +
                             ".");
    if (v == 0 && f == UnitField::Ratio && isUnit(r))
        return refuse(f, "The ratio's value cannot be 0: converting into the unit divides by it.");
    return std::nullopt;
}

std::optional<UnitFieldsOutcome> checkName(const std::string& name, const UnitDialogRequest& r) {
    if (name.empty())
        return refuse(UnitField::Name,
                      isUnit(r) ? "Enter a name for the unit." : "Enter a name for the quantity.");
    if (auto bad = checkLineField(name, UnitField::Name, r.kind)) return bad;
    const bool renamed = r.pnPropMode != 0 || name != trimSpaces(r.record.Name);
    if (renamed &&
        std::find(r.otherNames.begin(), r.otherNames.end(), name) != r.otherNames.end()) {
        const std::string where =
            r.categoryName.empty() ? "This category" : "The category '" + r.categoryName + "'";
        return refuse(UnitField::Name, where + " already has " +
                                           (isUnit(r) ? "a unit" : "a constant") + " named '" +
                                           name + "'. Choose another name.");
    }
    return std::nullopt;
}

// The memo's lines joined by blanks: the data file keeps it on one line.
std::string oneLine(std::string s) {
    std::string out;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '\r' && i + 1 < s.size() && s[i + 1] == '\n') continue;
        out += (s[i] == '\r' || s[i] == '\n') ? ' ' : s[i];
    }
    return trimSpaces(out);
}

const std::string& recordText(const UnitRecord& rec, UnitField f) {
    switch (f) {
    case UnitField::Ratio:
        return rec.Ratio;
    case UnitField::RatioError:
        return rec.RatioError;
    case UnitField::Offset:
        return rec.Offset;
    case UnitField::OffsetError:
        return rec.OffsetError;
    case UnitField::Memo:
        return rec.Memo;
    case UnitField::Name:
        break;
    }
    return rec.Name;
}

// The number boxes that are checked: a unit's four, a constant's value.
std::optional<UnitFieldsOutcome> checkNumbers(const UnitFieldTexts& t, const UnitDialogRequest& r) {
    if (!numberBoxesEnabled(r)) return std::nullopt;
    struct Box {
        UnitField f;
        bool required;
    };
    const std::vector<Box> boxes = isUnit(r) ? std::vector<Box>{{UnitField::Ratio, true},
                                                                {UnitField::RatioError, false},
                                                                {UnitField::Offset, true},
                                                                {UnitField::OffsetError, false}}
                                             : std::vector<Box>{{UnitField::Ratio, true}};
    for (const Box& b : boxes) {
        const std::string s = trimSpaces(t[b.f]);
        // What the table already held is kept as it is.
        if (r.pnPropMode == 0 && s == trimSpaces(recordText(r.record, b.f))) continue;
        if (auto bad = checkLineField(s, b.f, r.kind)) return bad;
        if (auto bad = checkNumber(s, b.f, r, b.required)) return bad;
    }
    return std::nullopt;
}

} // namespace

UnitRecord newItemProposal(UnitDialogKind kind) {
    if (kind == UnitDialogKind::Constant)
        return {4, "New quantity (Rename it!)", kValuePrompt, "", "0", "0", ""};
    return {1, "New unit (Rename it!)", kValuePrompt, "0", "0", "0", ""};
}

bool numberBoxesEnabled(const UnitDialogRequest& request) {
    return !(isUnit(request) && request.numberSystem);
}

UnitFieldTexts unitFieldTexts(const UnitDialogRequest& request) {
    const UnitRecord& rec = request.record;
    UnitFieldTexts t;
    t.option = rec.Icon >= 1 && rec.Icon <= 4 ? rec.Icon - 1 : 0;
    t[UnitField::Name] = rec.Name;
    t[UnitField::Memo] = rec.Memo;
    if (!numberBoxesEnabled(request)) return t;
    t[UnitField::Ratio] = rec.Ratio;
    t[UnitField::Offset] = rec.Offset;
    if (isUnit(request)) {
        t[UnitField::RatioError] = rec.RatioError;
        t[UnitField::OffsetError] = rec.OffsetError;
    }
    return t;
}

UnitFieldsOutcome unitRecordFromFields(const UnitFieldTexts& fields,
                                       const UnitDialogRequest& request) {
    UnitRecord rec = request.record;
    rec.Icon = static_cast<int16_t>(std::clamp(fields.option, 0, 3) + 1);
    rec.Name = trimSpaces(fields[UnitField::Name]);
    if (auto bad = checkName(rec.Name, request)) return *bad;
    if (auto bad = checkNumbers(fields, request)) return *bad;
    if (!isUnit(request)) {
        rec.Offset = trimSpaces(fields[UnitField::Offset]);
        if (auto bad = checkLineField(rec.Offset, UnitField::Offset, request.kind)) return *bad;
    }
    rec.Memo = oneLine(fields[UnitField::Memo]);
    if (auto bad = checkLineField(rec.Memo, UnitField::Memo, request.kind)) return *bad;
    if (numberBoxesEnabled(request)) {
        rec.Ratio = trimSpaces(fields[UnitField::Ratio]);
        if (isUnit(request)) {
            rec.RatioError = trimSpaces(fields[UnitField::RatioError]);
            rec.Offset = trimSpaces(fields[UnitField::Offset]);
            rec.OffsetError = trimSpaces(fields[UnitField::OffsetError]);
        }
    }
    if (!isUnit(request)) rec.RatioError = rec.OffsetError = "0";
    return {rec, {}, UnitField::Name};
}

} // namespace qm
