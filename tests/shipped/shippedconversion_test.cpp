// Well-known conversions through the conversion driver with the shipped
// tables, compared with the text the user sees in the convert-into box. The
// expected values come from the exact definitions (1 in = 2.54 cm, 1 lb =
// 0.45359237 kg, 1 atm = 101325 Pa, 1 cal = 4.184 J, ...), not from the table.
#include "shippedtables.h"

#include "engine/conversiondriver.h"

namespace qm::shipped {
namespace {

struct Case {
    const char* category;
    const char* from;
    const char* into;
    const char* input;
    int16_t digits;
    const char* expected; // with the period; the comma table shows a comma
};

const Case kCases[] = {
    // space and time
    {"Length", "Mile (international)", "Kilometre", "1", 10, "1.609344000"},
    {"Length", "Foot (international)", "Metre", "1", 10, "0.3048000000"},
    {"Length", "Inch", "Centimetre", "1", 10, "2.540000000"},
    {"Length", "Yard", "Metre", "1", 10, "0.9144000000"},
    {"Length", "Nautical mile", "Metre", "1", 10, "1852.000000"},
    {"Length", "Foot (US survey)", "Foot (international)", "1", 10, "1.000002000"},
    {"Length", "Mile (US survey)", "Metre", "1", 10, "1609.347219"},
    {"Length", "Light-year", "Metre", "1", 10, "9.460730473E+15"},
    {"Length", "Astronomical unit", "Kilometre", "1", 10, "1.495978707E+08"},
    {"Length", "Parsec", "Light-year", "1", 10, "3.261563777"},
    {"Length", "Ångström", "Nanometre", "1", 10, "0.1000000000"},
    {"Area", "Acre (international)", "Square metre", "1", 10, "4046.856422"},
    {"Area", "Hectare", "Acre (international)", "1", 10, "2.471053815"},
    {"Area", "Square mile (international)", "Square kilometre", "1", 10, "2.589988110"},
    {"Volume", "Gallon (US liquid)", "Litre", "1", 10, "3.785411784"},
    {"Volume", "Gallon (imperial)", "Litre", "1", 10, "4.546090000"},
    {"Volume", "Gallon (imperial)", "Gallon (US liquid)", "1", 10, "1.200949926"},
    {"Volume", "Fluid ounce (US)", "Millilitre", "1", 10, "29.57352956"},
    {"Volume", "Cubic foot", "Litre", "1", 10, "28.31684659"},
    {"Volume", "Barrel (oil)", "Gallon (US liquid)", "1", 10, "42.00000000"},
    {"Plane Angle", "Turn (revolution)", "Degree", "1", 10, "360.0000000"},
    {"Plane Angle", "Degree", "Radian", "180", 10, "3.141592654"},
    {"Time", "Day", "Second", "1", 10, "86400.00000"},
    {"Time", "Year (Julian)", "Day", "1", 10, "365.2500000"},
    {"Time", "Week", "Hour", "1", 10, "168.0000000"},
    {"Velocity", "Mile per hour", "Kilometre per hour", "60", 10, "96.56064000"},
    {"Velocity", "Knot", "Kilometre per hour", "1", 10, "1.852000000"},
    {"Velocity", "Speed of light in vacuum", "Kilometre per second", "1", 10, "299792.4580"},
    {"Acceleration", "Standard gravity (g0)", "Foot per second squared", "1", 10, "32.17404856"},
    // mechanics
    {"Mass", "Pound (avoirdupois)", "Kilogram", "1", 10, "0.4535923700"},
    {"Mass", "Ounce (avoirdupois)", "Gram", "16", 10, "453.5923700"},
    {"Mass", "Stone", "Pound (avoirdupois)", "1", 10, "14.00000000"},
    {"Mass", "Ton (short, US)", "Kilogram", "1", 10, "907.1847400"},
    {"Mass", "Ton (long, imperial)", "Tonne (metric ton)", "1", 10, "1.016046909"},
    {"Mass", "Ounce (troy)", "Gram", "1", 10, "31.10347680"},
    {"Mass", "Grain", "Milligram", "1", 10, "64.79891000"},
    {"Mass", "Carat (metric)", "Gram", "5", 10, "1.000000000"},
    {"Force", "Pound-force", "Newton", "1", 10, "4.448221615"},
    {"Force", "Kilogram-force", "Newton", "1", 10, "9.806650000"},
    {"Pressure and Stress", "Atmosphere (standard)", "Pascal", "1", 10, "101325.0000"},
    {"Pressure and Stress", "Atmosphere (standard)", "Torr", "1", 10, "760.0000000"},
    {"Pressure and Stress", "Bar", "Pound-force per square inch", "1", 10, "14.50377377"},
    {"Pressure and Stress", "Pound-force per square inch", "Kilopascal", "1", 10, "6.894757293"},
    {"Pressure and Stress", "Millimetre of mercury (conventional)", "Pascal", "1", 10,
     "133.3223874"},
    {"Energy and Work", "Calorie (thermochemical)", "Joule", "1", 10, "4.184000000"},
    {"Energy and Work", "Calorie (International Table)", "Joule", "1", 10, "4.186800000"},
    {"Energy and Work", "Kilowatt-hour", "Megajoule", "1", 10, "3.600000000"},
    {"Energy and Work", "British thermal unit (International Table)", "Joule", "1", 10,
     "1055.055853"},
    {"Energy and Work", "Electronvolt", "Joule", "1", 10, "1.602176634E-19"},
    {"Energy and Work", "Foot-pound force", "Joule", "1", 10, "1.355817948"},
    {"Energy and Work", "Calorie (food, Cal)", "Kilojoule", "1", 10, "4.184000000"},
    {"Energy and Work", "Ton of TNT", "Gigajoule", "1", 10, "4.184000000"},
    {"Power", "Horsepower (mechanical)", "Watt", "1", 10, "745.6998716"},
    {"Power", "Horsepower (metric)", "Watt", "1", 10, "735.4987500"},
    // heat, electricity, light, chemistry, everyday
    {"Temperature", "Degree Celsius", "Degree Fahrenheit", "100", 10, "212.0000000"},
    {"Temperature", "Degree Fahrenheit", "Degree Celsius", "32", 6, "0.00000"},
    {"Temperature", "Degree Fahrenheit", "Degree Celsius", "32", 4, "0.000"},
    {"Temperature", "Degree Celsius", "Degree Fahrenheit", "0", 6, "32.0000"},
    {"Temperature", "Degree Fahrenheit", "Kelvin", "32", 10, "273.1500000"},
    {"Temperature", "Kelvin", "Degree Celsius", "0", 10, "-273.1500000"},
    {"Temperature", "Degree Fahrenheit", "Degree Celsius", "98.6", 10, "37.00000000"},
    {"Temperature", "Degree Fahrenheit", "Degree Celsius", "-40", 10, "-40.00000000"},
    {"Temperature", "Degree Rankine", "Kelvin", "491.67", 10, "273.1500000"},
    {"Temperature", "Degree Réaumur", "Degree Celsius", "80", 10, "100.0000000"},
    {"Specific Heat Capacity", "Btu (IT) per pound degree Fahrenheit", "Joule per kilogram kelvin",
     "1", 10, "4186.800000"},
    {"Magnetic Flux Density", "Gauss", "Microtesla", "1", 10, "100.0000000"},
    {"Radioactivity", "Curie", "Gigabecquerel", "1", 10, "37.00000000"},
    {"Absorbed Dose", "Rad (radiation absorbed dose)", "Gray", "100", 10, "1.000000000"},
    {"Amount of Substance", "Pound-mole", "Mole", "1", 10, "453.5923700"},
    {"Data Storage", "Kibibyte", "Byte", "1", 10, "1024.000000"},
    {"Data Storage", "Gibibyte", "Gigabyte", "1", 10, "1.073741824"},
    {"Typography", "Inch", "Point (PostScript, DTP)", "1", 10, "72.00000000"},
    {"Typography", "Pixel", "Twip", "1", 10, "15.00000000"},
    {"Cooking Volume", "Cup (US customary)", "Millilitre", "1", 10, "236.5882365"},
    {"Cooking Volume", "Tablespoon (US)", "Teaspoon (US)", "1", 10, "3.000000000"},
    {"Fuel Economy", "Mile per gallon (US)", "Kilometre per litre", "1", 10, "0.4251437074"},
    {"Fuel Consumption", "Litre per 100 kilometres", "Litre per kilometre", "100", 10,
     "1.000000000"},
};

class ShippedConversion : public ::testing::TestWithParam<bool> {
  protected:
    ConversionTable table;

    // The convert-into text for one case, or a description of what is missing.
    std::string convert(const char* category, const char* from, const char* into, std::string input,
                        int16_t digits, bool comma) {
        const int16_t c = pMatchGroupIndex(table, category);
        if (c < 1) return std::string("no category ") + category;
        const int order = orderOf(table, c);
        ConversionInput in;
        in.fromText = std::move(input);
        in.pnSelGroupIndex = c;
        in.pnSelNodeIndex = static_cast<int16_t>(categoryNode(table, order));
        in.pnConvFromIndex = pMatchUnitIndex(table, c, from);
        in.pnConvIntoIndex = pMatchUnitIndex(table, c, into);
        if (in.pnConvFromIndex < 1) return std::string("no unit ") + from;
        if (in.pnConvIntoIndex < 1) return std::string("no unit ") + into;
        NumberStyle style;
        style.pnDigits = digits;
        style.deriveSciBounds();
        EngineState state;
        RecordingPrompt prompt;
        const auto out = pExecConversion(table, in, style,
                                         comma ? commaSettings() : periodSettings(), state, prompt);
        if (!prompt.messages.empty()) return "message: " + prompt.messages.front().text;
        return out ? *out : std::string("(failed)");
    }
};

TEST_P(ShippedConversion, WellKnownValues) {
    const bool comma = GetParam();
    loadShipped(table, comma);
    for (const Case& k : kCases) {
        std::string input = k.input;
        std::string expected = k.expected;
        if (comma) {
            if (const auto p = input.find('.'); p != std::string::npos) input[p] = ',';
            if (const auto p = expected.find('.'); p != std::string::npos) expected[p] = ',';
        }
        EXPECT_EQ(convert(k.category, k.from, k.into, input, k.digits, comma), expected)
            << k.category << ": " << k.input << " " << k.from << " into " << k.into;
    }
}

TEST_P(ShippedConversion, NumberSystemsByRadix) {
    const bool comma = GetParam();
    loadShipped(table, comma);
    const struct {
        const char* from;
        const char* into;
        const char* input;
        const char* expected;
    } cases[] = {
        {"Decimal", "Hexadecimal", "255", "FF"},
        {"Hexadecimal", "Binary", "F", "0000000000001111"},
        {"Octal", "Decimal", "17", "15"},
        {"Binary", "Octal", "1000", "10"},
    };
    for (const auto& k : cases)
        EXPECT_EQ(convert("Number System", k.from, k.into, k.input, 6, comma), k.expected)
            << k.input;
}

TEST_P(ShippedConversion, EveryUnitRoundTripsThroughItsBase) {
    const bool comma = GetParam();
    loadShipped(table, comma);
    int checked = 0;
    for (int j = 3; j <= table.pnNodeCount; ++j) {
        const int16_t c = table.pnNodeCategory[j];
        for (int u = 1; u <= table.pnUnitCount[c]; ++u) {
            const std::string& name = table.unit(c, u).Name;
            const std::string& base = table.unit(c, 1).Name;
            // x units into the base and back with 6 digits gives x again.
            const std::string there = convert(table.psCategoryName[c].c_str(), name.c_str(),
                                              base.c_str(), "7", 15, comma);
            const std::string back = convert(table.psCategoryName[c].c_str(), base.c_str(),
                                             name.c_str(), there, 6, comma);
            EXPECT_EQ(back, comma ? "7,00000" : "7.00000")
                << table.psCategoryName[c] << ": " << name << " -> " << there;
            ++checked;
        }
    }
    EXPECT_GE(checked, 700);
}

INSTANTIATE_TEST_SUITE_P(PeriodAndComma, ShippedConversion, ::testing::Values(false, true),
                         [](const ::testing::TestParamInfo<bool>& info) {
                             return info.param ? std::string("default_e") : std::string("default");
                         });

} // namespace
} // namespace qm::shipped
