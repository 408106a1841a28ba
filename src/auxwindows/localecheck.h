// Which decimal separator the system uses, judged from how it formats 1.23.
#pragma once

#include "core/numtext.h"
#include "core/userprompt.h"

#include <cstdint>
#include <optional>
#include <string>

namespace qm {

struct LocaleJudgement {
    int16_t mode = 0;    // pnDecimalMode
    std::string name;    // "period" or "comma"
    std::string message; // what the user is told once
};

// From the system's formatting of 1.23 with the mask "0.00"; nullopt when the
// text holds neither a period nor a comma. The period is looked for first.
std::optional<LocaleJudgement> judgeDecimalSeparator(const std::string& formatted123);

// The start-up check: judges the separator, tells the user once (while
// ShowCheckLocale is 1, which then becomes 0) and records mode and name.
void mCheckNumberLocale(const std::string& formatted123, int16_t& ShowCheckLocale,
                        DecimalSettings& decimal, UserPrompt& prompt);

} // namespace qm
