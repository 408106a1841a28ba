// The decimal settings that the conversion and the calculator are tested
// under: the period, and the comma with each kind of digit grouping.
#pragma once

#include "core/numtext.h"

#include <string>
#include <vector>

namespace qm::test {

inline const std::vector<DecimalSettings>& allDecimalSettings() {
    static const std::vector<DecimalSettings> all = {
        {0, "period", {'.', U','}},     {1, "comma", {',', U'.'}},  {1, "comma", {',', U' '}},
        {1, "comma", {',', U'\u202F'}}, {1, "comma", {',', U'\0'}},
    };
    return all;
}

// A text written with the period as it is typed or shown under the settings:
// in comma mode periods and commas change places.
inline std::string typedIn(std::string s, const DecimalSettings& d) {
    if (d.pnDecimalMode == 1)
        for (char& c : s)
            c = c == '.' ? ',' : c == ',' ? '.' : c;
    return s;
}

// Names the settings in a failure message: mode and group separator.
inline std::string settingsName(const DecimalSettings& d) {
    return d.psDecimalSeparatorName + " grouping U+" + std::to_string(d.locale.group);
}

} // namespace qm::test
