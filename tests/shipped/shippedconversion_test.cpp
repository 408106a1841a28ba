// Well-known conversions through the conversion driver. Every expected value
// comes from the defining documents (NIST SP 811 Appendix B, the SI Brochure,
// CODATA 2022, the IAU resolutions), worked out from the definitions (1 in =
// 0.0254 m, 1 lb = 0.45359237 kg, gn = 9.80665 m/s², Btu_IT = 1055.05585262 J,
// the solar mass parameter over G, ...), never read from the table. A row is
// Category|From|Into|Input|Expected; a row without a convert-into unit checks
// the value of a constant.
#include "shippedtables.h"

#include "engine/conversiondriver.h"

#include <sstream>
#include <vector>

namespace qm::shipped {
namespace {

const char* const kRows = R"(
Number System|Decimal|Hexadecimal|255|FF
Number System|Octal|Binary|17|0000000000001111
Constants|Newtonian constant of gravitation (G)|||6.67430E-11
Constants|Electron mass (me)|||9.1093837139E-31
Length|Mile (international)|Kilometre|1|1.609344
Length|Parsec|Astronomical unit|1|206264.806247
Length|Bohr radius|Ångström|1|0.529177210544
Area|Acre (international)|Square metre|1|4046.8564224
Area|Square mile (international)|Square kilometre|1|2.589988110336
Volume|Gallon (US liquid)|Litre|1|3.785411784
Volume|Gallon (imperial)|Litre|1|4.54609
Plane Angle|Degree|Radian|180|3.14159265359
Plane Angle|Turn (revolution)|Degree|1|360
Solid Angle|Spat (full sphere)|Square degree|1|41252.9612494
Solid Angle|Steradian|Square degree|1|3282.80635001
Time|Day|Second|1|86400
Time|Year (Julian)|Day|1|365.25
Frequency|Revolution per minute (rpm)|Hertz|60|1
Frequency|Cycle per day|Hertz|86400|1
Velocity|Mile per hour|Kilometre per hour|60|96.56064
Velocity|Knot|Kilometre per hour|1|1.852
Acceleration|Standard gravity (g0)|Foot per second squared|1|32.1740485564
Acceleration|Gal (galileo)|Metre per second squared|100|1
Angular Velocity|Revolution per minute (rpm)|Radian per second|60|6.28318530718
Angular Velocity|Degree per second|Revolution per minute (rpm)|6|1
Volume Flow Rate|Gallon (US) per minute|Litre per minute|1|3.785411784
Volume Flow Rate|Cubic foot per second|Litre per second|1|28.316846592
Mass|Pound (avoirdupois)|Kilogram|1|0.45359237
Mass|Solar mass|Kilogram|1|1.98840987070E+30
Mass|Proton mass|Dalton (unified atomic mass unit)|1|1.0072764665789
Density|Pound per cubic foot|Kilogram per cubic metre|1|16.0184633740
Density|Gram per cubic centimetre|Kilogram per cubic metre|1|1000
Force|Pound-force|Newton|1|4.44822161526
Force|Kilogram-force|Newton|1|9.80665
Pressure and Stress|Atmosphere (standard)|Torr|1|760
Pressure and Stress|Pound-force per square inch|Kilopascal|1|6.89475729317
Energy and Work|Calorie (thermochemical)|Joule|1|4.184
Energy and Work|British thermal unit (International Table)|Joule|1|1055.05585262
Power|Horsepower (mechanical)|Watt|1|745.699871582
Power|Horsepower (metric)|Watt|1|735.49875
Torque|Pound-force foot|Newton metre|1|1.35581794833
Torque|Kilogram-force metre|Newton metre|1|9.80665
Momentum|Pound foot per second|Kilogram metre per second|1|0.138254954376
Momentum|Megaelectronvolt per c|Kilogram metre per second|1|5.34428599268E-22
Angular Momentum and Action|Planck constant (h)|Joule second|1|6.62607015E-34
Angular Momentum and Action|Reduced Planck constant (hbar)|Joule second|1|1.05457181765E-34
Moment of Inertia|Pound square foot|Kilogram square metre|1|0.0421401100938
Moment of Inertia|Slug square foot|Kilogram square metre|1|1.35581794833
Dynamic Viscosity|Poise|Pascal second|10|1
Dynamic Viscosity|Pound-force second per square foot|Pascal second|1|47.8802589803
Kinematic Viscosity|Stokes|Square metre per second|10000|1
Kinematic Viscosity|Square foot per second|Square metre per second|1|0.09290304
Mass Flow Rate|Pound per hour|Kilogram per hour|1|0.45359237
Mass Flow Rate|Tonne per hour|Kilogram per second|3.6|1
Surface Tension|Dyne per centimetre|Millinewton per metre|1|1
Surface Tension|Pound-force per inch|Newton per metre|1|175.126835246
Linear Mass Density|Denier|Tex|9|1
Linear Mass Density|Pound per foot|Kilogram per metre|1|1.48816394357
Area Density|Pound per square foot|Kilogram per square metre|1|4.88242763638
Area Density|Gram per square metre|Kilogram per square metre|1000|1
Specific Volume|Cubic foot per pound|Cubic metre per kilogram|1|0.0624279605761
Specific Volume|Litre per kilogram|Cubic metre per kilogram|1000|1
Temperature|Degree Celsius|Degree Fahrenheit|100|212
Temperature|Degree Rankine|Kelvin|491.67|273.15
Temperature|Degree Fahrenheit|Degree Celsius|32|0
Temperature Interval|Degree Fahrenheit|Kelvin|9|5
Temperature Interval|Degree Celsius|Degree Rankine|5|9
Heat Capacity and Entropy|Btu (IT) per degree Fahrenheit|Joule per kelvin|1|1899.100534716
Heat Capacity and Entropy|Calorie (thermochemical) per kelvin|Joule per kelvin|1|4.184
Specific Heat Capacity|Btu (IT) per pound degree Fahrenheit|Joule per kilogram kelvin|1|4186.8
Specific Heat Capacity|Calorie (thermochemical) per gram degree Celsius|Joule per kilogram kelvin|1|4184
Thermal Conductivity|Btu (IT) per hour foot degree Fahrenheit|Watt per metre kelvin|1|1.73073466637
Thermal Conductivity|Calorie (thermochemical) per second centimetre degree Celsius|Watt per metre kelvin|1|418.4
Heat Flux Density|Btu (IT) per square foot hour|Watt per square metre|1|3.15459074506
Heat Flux Density|Watt per square centimetre|Watt per square metre|1|10000
Heat Transfer Coefficient|Btu (IT) per hour square foot degree Fahrenheit|Watt per square metre kelvin|1|5.67826334111
Heat Transfer Coefficient|Kilocalorie (International Table) per hour square metre degree Celsius|Watt per square metre kelvin|1|1.163
Specific Energy|Btu (IT) per pound|Joule per kilogram|1|2326
Specific Energy|Calorie (thermochemical) per gram|Joule per kilogram|1|4184
Energy Density|Btu (IT) per cubic foot|Joule per cubic metre|1|37258.9458078
Energy Density|Kilowatt-hour per cubic metre|Joule per cubic metre|1|3600000
Electric Current|Abampere (biot)|Ampere|1|10
Electric Current|Statampere|Ampere|1|3.33564095198E-10
Electric Charge|Ampere-hour|Coulomb|1|3600
Electric Charge|Faraday (charge of one mole of electrons)|Coulomb|1|96485.3321233
Electric Potential|Statvolt|Volt|1|299.792458
Electric Potential|Abvolt|Volt|100000000|1
Electric Resistance|Abohm|Ohm|1000000000|1
Electric Resistance|Von Klitzing constant (RK)|Ohm|1|25812.8074593
Electric Conductance|Mho|Siemens|1|1
Electric Conductance|Conductance quantum (G0)|Siemens|1|7.74809172986E-5
Capacitance|Abfarad|Farad|1|1000000000
Capacitance|Statfarad|Picofarad|1|1.11265005605
Inductance|Abhenry|Nanohenry|1|1
Inductance|Stathenry|Henry|1|8.98755178737E+11
Magnetic Flux|Maxwell|Weber|100000000|1
Magnetic Flux|Magnetic flux quantum|Weber|1|2.06783384846E-15
Magnetic Flux Density|Gauss|Microtesla|1|100
Magnetic Flux Density|Gamma|Nanotesla|1|1
Magnetic Field Strength|Oersted|Ampere per metre|1|79.5774715459
Magnetic Field Strength|Ampere-turn per inch|Ampere per metre|1|39.3700787402
Magnetomotive Force|Gilbert|Ampere|1|0.795774715459
Magnetomotive Force|Kiloampere-turn|Ampere|1|1000
Electric Field Strength|Volt per inch|Volt per metre|1|39.3700787402
Electric Field Strength|Statvolt per centimetre|Volt per metre|1|29979.2458
Electric Resistivity|Ohm circular mil per foot|Ohm metre|1|1.66242611252E-9
Electric Resistivity|Microohm centimetre|Ohm metre|100000000|1
Luminous Intensity|Lumen per steradian|Candela|1|1
Luminous Intensity|Kilocandela|Millicandela|1|1000000
Luminous Flux|Spherical candlepower|Lumen|1|12.5663706144
Luminous Flux|Watt at 540 THz (555 nm)|Lumen|1|683
Illuminance|Foot-candle|Lux|1|10.7639104167
Illuminance|Phot|Lux|1|10000
Luminance|Foot-lambert|Candela per square metre|1|3.42625909964
Luminance|Stilb|Candela per square metre|1|10000
Wavenumber|Kayser|Reciprocal metre|1|100
Wavenumber|Dioptre|Reciprocal metre|1|1
Radioactivity|Curie|Gigabecquerel|1|37
Radioactivity|Rutherford|Becquerel|1|1000000
Absorbed Dose|Rad (radiation absorbed dose)|Gray|100|1
Absorbed Dose|Erg per gram|Gray|10000|1
Equivalent Dose|Rem|Sievert|100|1
Equivalent Dose|Millirem|Microsievert|1|10
Equivalent Dose Rate|Rem per hour|Millisievert per hour|1|10
Equivalent Dose Rate|Millisievert per year (Julian)|Microsievert per hour|8.766|1
Radiation Exposure|Roentgen|Coulomb per kilogram|1|0.000258
Radiation Exposure|Milliroentgen|Microcoulomb per kilogram|1|0.258
Amount of Substance|Pound-mole|Mole|1|453.59237
Amount of Substance|Entity (one particle)|Mole|6.02214076E+23|1
Molar Mass|Pound per pound-mole|Gram per mole|1|1
Molar Mass|Kilogram per kilomole|Gram per mole|1|1
Molar Concentration|Mole per litre (molar)|Mole per cubic metre|1|1000
Molar Concentration|Pound-mole per cubic foot|Mole per cubic metre|1|16018.4633740
Mass Concentration|Milligram per decilitre|Milligram per litre|1|10
Mass Concentration|Grain per gallon (US)|Milligram per litre|1|17.1180610453
Molar Energy|Kilocalorie (thermochemical) per mole|Kilojoule per mole|1|4.184
Molar Energy|Electronvolt per entity|Kilojoule per mole|1|96.4853321233
Catalytic Activity|Enzyme unit|Nanokatal|1|16.6666666667
Catalytic Activity|Mole per second|Katal|1|1
Data Storage|Kibibyte|Byte|1|1024
Data Storage|Gibibyte|Gigabyte|1|1.073741824
Data Transfer Rate|Megabyte per second|Megabit per second|1|8
Data Transfer Rate|Mebibit per second|Kibibit per second|1|1024
Typography|Inch|Point (PostScript, DTP)|1|72
Typography|Inch|Centimetre|1|2.54
Typography|Q (quarter millimetre)|Millimetre|1|0.25
Cooking Volume|Cup (US customary)|Millilitre|1|236.5882365
Cooking Volume|Tablespoon (US)|Teaspoon (US)|1|3
Cooking Weight|Stick of butter (US)|Gram|1|113.3980925
Cooking Weight|Pound (avoirdupois)|Ounce (avoirdupois)|1|16
Fuel Economy|Mile per gallon (US)|Kilometre per litre|1|0.425143707430
Fuel Economy|Mile per gallon (imperial)|Kilometre per litre|1|0.354006189935
Fuel Consumption|Litre per 100 kilometres|Litre per kilometre|100|1
Fuel Consumption|Gallon (US) per 100 miles|Litre per 100 kilometres|1|2.35214583333
)";

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
    std::istringstream rows(kRows);
    std::vector<int> rowsOf(kMaxSlot + 1, 0);
    for (std::string line; std::getline(rows, line);) {
        if (line.empty()) continue;
        SCOPED_TRACE(line);
        std::vector<std::string> f; // category, from, into, input, expected
        std::istringstream fields(line);
        for (std::string s; std::getline(fields, s, '|');)
            f.push_back(s);
        f.resize(5);
        const int16_t c = pMatchGroupIndex(t, f[0]);
        const int16_t from = c > 0 ? pMatchUnitIndex(t, c, f[1]) : 0;
        const int16_t into = c > 0 ? pMatchUnitIndex(t, c, f[2]) : 0;
        ASSERT_TRUE(from > 0 && (into > 0 || f[2].empty()));
        ++rowsOf[c];
        const double expected = std::strtod(f[4].c_str(), nullptr);
        if (f[2].empty()) {
            EXPECT_NEAR(number(t.unit(c, from).Ratio), expected, std::abs(expected) * 1e-11);
        } else if (orderOf(c) == kNumberSystemOrder) {
            EXPECT_EQ(convert(c, from, into, f[3]), f[4]);
        } else {
            const std::string out = convert(c, from, into, f[3]);
            const double errors = 1e-11 + relativeError(c, from) + relativeError(c, into);
            EXPECT_NEAR(number(out), expected, std::abs(expected) * errors) << out;
        }
    }
    for (int j = 1; j <= t.pnNodeCount; ++j)
        EXPECT_GE(rowsOf[category(j)], 2) << t.psCategoryName[category(j)];
}

INSTANTIATE_TEST_SUITE_P(PeriodAndComma, ShippedConversion, ::testing::Bool());

} // namespace
} // namespace qm::shipped
