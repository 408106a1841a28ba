// Well-known conversions through the conversion driver. Every expected value
// comes from the defining documents (NIST SP 811 Appendix B, the SI Brochure,
// CODATA 2022, the IAU resolutions), worked out from the definitions (1 in =
// 0.0254 m, 1 lb = 0.45359237 kg, gn = 9.80665 m/s², Btu_IT = 1055.05585262 J,
// the solar mass parameter over G, ...), never read from the table. They are
// listed in tests/data/shipped_conversions.txt, a line "Category: 1 From = 2.5
// Into; ..." for conversions of one category; a conversion without a unit on
// its right checks the value of a constant.
#include "shippedtables.h"

#include "engine/conversiondriver.h"

#include <fstream>
#include <sstream>
#include <utility>
#include <vector>

namespace qm::shipped {
namespace {

// The text before the first separator and the text after it (empty without one).
std::pair<std::string, std::string> splitAt(const std::string& text, const std::string& separator) {
    const auto at = text.find(separator);
    if (at == std::string::npos) return {text, ""};
    return {text.substr(0, at), text.substr(at + separator.size())};
}

class ShippedConversion : public ShippedTable {
  protected:
    std::string convert(int16_t c, int16_t from, int16_t into, std::string input) {
        if (const auto p = input.find('.'); GetParam() && p != std::string::npos) input[p] = ',';
        NumberStyle style{.pnDigits = 14};
        style.deriveSciBounds();
        EngineState state;
        RecordingPrompt prompt;
        const auto node = static_cast<int16_t>(categoryNode(t, orderOf(c)));
        const auto out = pExecConversion(t, ConversionInput{input, from, into, node, c}, style,
                                         decimal(), state, prompt);
        return prompt.messages.empty() ? out.value_or("(failed)") : prompt.messages.front().text;
    }
    // The uncertainty of a unit's ratio relative to the ratio, as the table states it.
    double relativeError(int c, int u) const {
        const UnitRecord& r = t.unit(c, u);
        return r.RatioError.empty() ? 0 : number(r.RatioError) / std::abs(number(r.Ratio));
    }
};

TEST_P(ShippedConversion, KnownValuesFromTheDefiningDocuments) {
    std::ifstream lines(QM_TEST_DATA_DIR "/shipped_conversions.txt");
    ASSERT_TRUE(lines.is_open());
    std::vector<int> rowsOf(kMaxSlot + 1, 0);
    for (std::string line; std::getline(lines, line);) {
        if (line.empty()) continue;
        const auto [category, conversions] = splitAt(line, ": ");
        const int16_t c = pMatchGroupIndex(t, category);
        std::istringstream each(conversions);
        for (std::string row; std::getline(each >> std::ws, row, ';');) {
            SCOPED_TRACE(category + ": " + row);
            const auto [left, right] = splitAt(row, " = ");
            const auto [text, intoName] = splitAt(right, " "); // expected value, unit
            const auto [input, fromName] =
                intoName.empty() ? std::pair(std::string(), left) : splitAt(left, " ");
            const int16_t from = c > 0 ? pMatchUnitIndex(t, c, fromName) : 0;
            const int16_t into = c > 0 ? pMatchUnitIndex(t, c, intoName) : 0;
            ASSERT_TRUE(from > 0 && (into > 0 || intoName.empty()));
            ++rowsOf[c];
            const double expected = std::strtod(text.c_str(), nullptr);
            if (intoName.empty()) {
                EXPECT_NEAR(number(t.unit(c, from).Ratio), expected, std::abs(expected) * 1e-11);
            } else if (orderOf(c) == kNumberSystemOrder) {
                EXPECT_EQ(convert(c, from, into, input), text);
            } else {
                const std::string out = convert(c, from, into, input);
                const double errors = 1e-11 + relativeError(c, from) + relativeError(c, into);
                EXPECT_NEAR(number(out), expected, std::abs(expected) * errors) << out;
            }
        }
    }
    for (int j = 1; j <= t.pnNodeCount; ++j)
        EXPECT_GE(rowsOf[category(j)], 2) << t.psCategoryName[category(j)];
}

INSTANTIATE_TEST_SUITE_P(PeriodAndComma, ShippedConversion, ::testing::Bool());

} // namespace
} // namespace qm::shipped
