// Well-known conversions through the conversion driver. Every expected value
// comes from the defining documents (NIST SP 811 Appendix B, the SI Brochure,
// CODATA 2022, the IAU resolutions), worked out from the definitions (1 in =
// 0.0254 m, 1 lb = 0.45359237 kg, gn = 9.80665 m/s², Btu_IT = 1055.05585262 J,
// the solar mass parameter over G, ...), never read from the table. A line is
// "Category: 1 From = 2.5 Into; ..." (conversions of one category); a
// conversion without a unit on its right checks the value of a constant.
#include "shippedtables.h"

#include "engine/conversiondriver.h"

#include <sstream>
#include <utility>
#include <vector>

namespace qm::shipped {
namespace {

const char* const kRows = R"(
Number System: 255 Decimal = FF Hexadecimal; 17 Octal = 0000000000001111 Binary
Constants: Newtonian constant of gravitation (G) = 6.67430E-11
Constants: Electron mass (me) = 9.1093837139E-31
Length: 1 Mile (international) = 1.609344 Kilometre
Length: 1 Parsec = 206264.806247 Astronomical unit
Length: 1 Bohr radius = 0.529177210544 Ångström
Area: 1 Acre (international) = 4046.8564224 Square metre
Area: 1 Square mile (international) = 2.589988110336 Square kilometre
Volume: 1 Gallon (US liquid) = 3.785411784 Litre; 1 Gallon (imperial) = 4.54609 Litre
Plane Angle: 180 Degree = 3.14159265359 Radian; 1 Turn (revolution) = 360 Degree
Solid Angle: 1 Spat (full sphere) = 41252.9612494 Square degree
Solid Angle: 1 Steradian = 3282.80635001 Square degree
Time: 1 Day = 86400 Second; 1 Year (Julian) = 365.25 Day
Frequency: 60 Revolution per minute (rpm) = 1 Hertz; 86400 Cycle per day = 1 Hertz
Velocity: 60 Mile per hour = 96.56064 Kilometre per hour; 1 Knot = 1.852 Kilometre per hour
Acceleration: 1 Standard gravity (g0) = 32.1740485564 Foot per second squared
Acceleration: 100 Gal (galileo) = 1 Metre per second squared
Angular Velocity: 60 Revolution per minute (rpm) = 6.28318530718 Radian per second
Angular Velocity: 6 Degree per second = 1 Revolution per minute (rpm)
Volume Flow Rate: 1 Gallon (US) per minute = 3.785411784 Litre per minute
Volume Flow Rate: 1 Cubic foot per second = 28.316846592 Litre per second
Mass: 1 Pound (avoirdupois) = 0.45359237 Kilogram
Mass: 1 Solar mass = 1.98840987070E+30 Kilogram
Mass: 1 Proton mass = 1.0072764665789 Dalton (unified atomic mass unit)
Density: 1 Pound per cubic foot = 16.0184633740 Kilogram per cubic metre
Density: 1 Gram per cubic centimetre = 1000 Kilogram per cubic metre
Force: 1 Pound-force = 4.44822161526 Newton; 1 Kilogram-force = 9.80665 Newton
Pressure and Stress: 1 Atmosphere (standard) = 760 Torr
Pressure and Stress: 1 Pound-force per square inch = 6.89475729317 Kilopascal
Energy and Work: 1 Calorie (thermochemical) = 4.184 Joule
Energy and Work: 1 British thermal unit (International Table) = 1055.05585262 Joule
Power: 1 Horsepower (mechanical) = 745.699871582 Watt; 1 Horsepower (metric) = 735.49875 Watt
Torque: 1 Pound-force foot = 1.35581794833 Newton metre
Torque: 1 Kilogram-force metre = 9.80665 Newton metre
Momentum: 1 Pound foot per second = 0.138254954376 Kilogram metre per second
Momentum: 1 Megaelectronvolt per c = 5.34428599268E-22 Kilogram metre per second
Angular Momentum and Action: 1 Planck constant (h) = 6.62607015E-34 Joule second
Angular Momentum and Action: 1 Reduced Planck constant (hbar) = 1.05457181765E-34 Joule second
Moment of Inertia: 1 Pound square foot = 0.0421401100938 Kilogram square metre
Moment of Inertia: 1 Slug square foot = 1.35581794833 Kilogram square metre
Dynamic Viscosity: 10 Poise = 1 Pascal second
Dynamic Viscosity: 1 Pound-force second per square foot = 47.8802589803 Pascal second
Kinematic Viscosity: 10000 Stokes = 1 Square metre per second
Kinematic Viscosity: 1 Square foot per second = 0.09290304 Square metre per second
Mass Flow Rate: 1 Pound per hour = 0.45359237 Kilogram per hour
Mass Flow Rate: 3.6 Tonne per hour = 1 Kilogram per second
Surface Tension: 1 Dyne per centimetre = 1 Millinewton per metre
Surface Tension: 1 Pound-force per inch = 175.126835246 Newton per metre
Linear Mass Density: 9 Denier = 1 Tex; 1 Pound per foot = 1.48816394357 Kilogram per metre
Area Density: 1 Pound per square foot = 4.88242763638 Kilogram per square metre
Area Density: 1000 Gram per square metre = 1 Kilogram per square metre
Specific Volume: 1 Cubic foot per pound = 0.0624279605761 Cubic metre per kilogram
Specific Volume: 1000 Litre per kilogram = 1 Cubic metre per kilogram
Temperature: 100 Degree Celsius = 212 Degree Fahrenheit
Temperature: 491.67 Degree Rankine = 273.15 Kelvin
Temperature: 32 Degree Fahrenheit = 0 Degree Celsius
Temperature Interval: 9 Degree Fahrenheit = 5 Kelvin; 5 Degree Celsius = 9 Degree Rankine
Heat Capacity and Entropy: 1 Btu (IT) per degree Fahrenheit = 1899.100534716 Joule per kelvin
Heat Capacity and Entropy: 1 Calorie (thermochemical) per kelvin = 4.184 Joule per kelvin
Specific Heat Capacity: 1 Btu (IT) per pound degree Fahrenheit = 4186.8 Joule per kilogram kelvin
Specific Heat Capacity: 1 Calorie (thermochemical) per gram degree Celsius = 4184 Joule per kilogram kelvin
Thermal Conductivity: 1 Btu (IT) per hour foot degree Fahrenheit = 1.73073466637 Watt per metre kelvin
Thermal Conductivity: 1 Calorie (thermochemical) per second centimetre degree Celsius = 418.4 Watt per metre kelvin
Heat Flux Density: 1 Btu (IT) per square foot hour = 3.15459074506 Watt per square metre
Heat Flux Density: 1 Watt per square centimetre = 10000 Watt per square metre
Heat Transfer Coefficient: 1 Btu (IT) per hour square foot degree Fahrenheit = 5.67826334111 Watt per square metre kelvin
Heat Transfer Coefficient: 1 Kilocalorie (International Table) per hour square metre degree Celsius = 1.163 Watt per square metre kelvin
Specific Energy: 1 Btu (IT) per pound = 2326 Joule per kilogram
Specific Energy: 1 Calorie (thermochemical) per gram = 4184 Joule per kilogram
Energy Density: 1 Btu (IT) per cubic foot = 37258.9458078 Joule per cubic metre
Energy Density: 1 Kilowatt-hour per cubic metre = 3600000 Joule per cubic metre
Electric Current: 1 Abampere (biot) = 10 Ampere; 1 Statampere = 3.33564095198E-10 Ampere
Electric Charge: 1 Ampere-hour = 3600 Coulomb
Electric Charge: 1 Faraday (charge of one mole of electrons) = 96485.3321233 Coulomb
Electric Potential: 1 Statvolt = 299.792458 Volt; 100000000 Abvolt = 1 Volt
Electric Resistance: 1000000000 Abohm = 1 Ohm; 1 Von Klitzing constant (RK) = 25812.8074593 Ohm
Electric Conductance: 1 Mho = 1 Siemens; 1 Conductance quantum (G0) = 7.74809172986E-5 Siemens
Capacitance: 1 Abfarad = 1000000000 Farad; 1 Statfarad = 1.11265005605 Picofarad
Inductance: 1 Abhenry = 1 Nanohenry; 1 Stathenry = 8.98755178737E+11 Henry
Magnetic Flux: 100000000 Maxwell = 1 Weber; 1 Magnetic flux quantum = 2.06783384846E-15 Weber
Magnetic Flux Density: 1 Gauss = 100 Microtesla; 1 Gamma = 1 Nanotesla
Magnetic Field Strength: 1 Oersted = 79.5774715459 Ampere per metre
Magnetic Field Strength: 1 Ampere-turn per inch = 39.3700787402 Ampere per metre
Magnetomotive Force: 1 Gilbert = 0.795774715459 Ampere; 1 Kiloampere-turn = 1000 Ampere
Electric Field Strength: 1 Volt per inch = 39.3700787402 Volt per metre
Electric Field Strength: 1 Statvolt per centimetre = 29979.2458 Volt per metre
Electric Resistivity: 1 Ohm circular mil per foot = 1.66242611252E-9 Ohm metre
Electric Resistivity: 100000000 Microohm centimetre = 1 Ohm metre
Luminous Intensity: 1 Lumen per steradian = 1 Candela; 1 Kilocandela = 1000000 Millicandela
Luminous Flux: 1 Spherical candlepower = 12.5663706144 Lumen; 1 Watt at 540 THz (555 nm) = 683 Lumen
Illuminance: 1 Foot-candle = 10.7639104167 Lux; 1 Phot = 10000 Lux
Luminance: 1 Foot-lambert = 3.42625909964 Candela per square metre
Luminance: 1 Stilb = 10000 Candela per square metre
Wavenumber: 1 Kayser = 100 Reciprocal metre; 1 Dioptre = 1 Reciprocal metre
Radioactivity: 1 Curie = 37 Gigabecquerel; 1 Rutherford = 1000000 Becquerel
Absorbed Dose: 100 Rad (radiation absorbed dose) = 1 Gray; 10000 Erg per gram = 1 Gray
Equivalent Dose: 100 Rem = 1 Sievert; 1 Millirem = 10 Microsievert
Equivalent Dose Rate: 1 Rem per hour = 10 Millisievert per hour
Equivalent Dose Rate: 8.766 Millisievert per year (Julian) = 1 Microsievert per hour
Radiation Exposure: 1 Roentgen = 0.000258 Coulomb per kilogram
Radiation Exposure: 1 Milliroentgen = 0.258 Microcoulomb per kilogram
Amount of Substance: 1 Pound-mole = 453.59237 Mole; 6.02214076E+23 Entity (one particle) = 1 Mole
Molar Mass: 1 Pound per pound-mole = 1 Gram per mole; 1 Kilogram per kilomole = 1 Gram per mole
Molar Concentration: 1 Mole per litre (molar) = 1000 Mole per cubic metre
Molar Concentration: 1 Pound-mole per cubic foot = 16018.4633740 Mole per cubic metre
Mass Concentration: 1 Milligram per decilitre = 10 Milligram per litre
Mass Concentration: 1 Grain per gallon (US) = 17.1180610453 Milligram per litre
Molar Energy: 1 Kilocalorie (thermochemical) per mole = 4.184 Kilojoule per mole
Molar Energy: 1 Electronvolt per entity = 96.4853321233 Kilojoule per mole
Catalytic Activity: 1 Enzyme unit = 16.6666666667 Nanokatal; 1 Mole per second = 1 Katal
Data Storage: 1 Kibibyte = 1024 Byte; 1 Gibibyte = 1.073741824 Gigabyte
Data Transfer Rate: 1 Megabyte per second = 8 Megabit per second
Data Transfer Rate: 1 Mebibit per second = 1024 Kibibit per second
Typography: 1 Inch = 72 Point (PostScript, DTP)
Typography: 1 Inch = 2.54 Centimetre
Typography: 1 Q (quarter millimetre) = 0.25 Millimetre
Cooking Volume: 1 Cup (US customary) = 236.5882365 Millilitre; 1 Tablespoon (US) = 3 Teaspoon (US)
Cooking Weight: 1 Stick of butter (US) = 113.3980925 Gram
Cooking Weight: 1 Pound (avoirdupois) = 16 Ounce (avoirdupois)
Fuel Economy: 1 Mile per gallon (US) = 0.425143707430 Kilometre per litre
Fuel Economy: 1 Mile per gallon (imperial) = 0.354006189935 Kilometre per litre
Fuel Consumption: 100 Litre per 100 kilometres = 1 Litre per kilometre
Fuel Consumption: 1 Gallon (US) per 100 miles = 2.35214583333 Litre per 100 kilometres
)";

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
    std::istringstream lines(kRows);
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
