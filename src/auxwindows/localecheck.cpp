#include "auxwindows/localecheck.h"

namespace qm {

std::optional<LocaleJudgement> judgeDecimalSeparator(const std::string& formatted123) {
    if (formatted123.find('.') != std::string::npos)
        return LocaleJudgement{
            0, "period",
            "Quantimetrix judges the operating system uses a period as decimal separator."};
    if (formatted123.find(',') != std::string::npos)
        return LocaleJudgement{
            1, "comma",
            "Quantimetrix judges the operating system uses a comma as decimal separator."};
    return std::nullopt;
}

void mCheckNumberLocale(const std::string& formatted123, int16_t& ShowCheckLocale,
                        DecimalSettings& decimal, UserPrompt& prompt) {
    const auto j = judgeDecimalSeparator(formatted123);
    if (!j) return;
    if (ShowCheckLocale == 1) {
        prompt.message(j->message, " Confirm Locale", MsgIcon::None, MsgButtons::OK);
        ShowCheckLocale = 0;
    }
    decimal.pnDecimalMode = j->mode;
    decimal.psDecimalSeparatorName = j->name;
}

} // namespace qm
