// Small conversion tables shared by the tests and the engine benchmark. Both
// hold the two special categories (Number System and Constants) under the root.
#pragma once

#include <string>
#include <vector>

namespace qm::test {

// The sections of the number-system category (binary, octal, decimal and
// hexadecimal) and of the constants category (one constant).
inline void appendSpecialCategories(std::vector<std::string>& lines) {
    lines.insert(lines.end(), {"2;Number System;4", "1;Binary;2;0;0;0;", "1;Octal;8;0;0;0;",
                               "1;Decimal;10;0;0;0;", "1;Hexadecimal;16;0;0;0;", ";E;",
                               "2;Constants;1", "3;Speed of light;299792458;m/s;0;0;exact", ";E;"});
}

// For the main-window tests: two groups (the first expanded) and four unit
// categories whose order in the file differs from their order by name.
// Nodes: 1 root, 2 "Space" (expanded), 3 "Mechanics" (collapsed),
// 4 Number System, 5 Constants, 6 Length, 7 Area (both in Space),
// 8 Mass, 9 Temperature (both in Mechanics).
inline std::vector<std::string> sampleTableLines() {
    std::vector<std::string> lines = {
        "Space;1",    "Mechanics;0", ";E;",      "1;1;Number System", "2;1;Constants",
        "3;2;Length", "5;2;Area",    "4;3;Mass", "6;3;Temperature",   ";E;"};
    appendSpecialCategories(lines);
    lines.insert(lines.end(),
                 {"1;Length;5", "1;metre;1;0;0;0;SI base unit",
                  "2;Foot;0.3048;0;0.0001;0;international foot", "3;inch;0.0254;0;0;0;",
                  "2;Foot;0.3;0;0;0;a second foot", "4;Yard;0.9144;0;0;0;", ";E;", "3;Mass;3",
                  "1;kilogram;1;0;0;0;", "1;gram;0.001;0;0;0;", "1;Pound;0.45359237;0;0;0;", ";E;",
                  "1;Area;1", "1;square metre;1;0;0;0;", ";E;", "4;Temperature;2",
                  "1;Kelvin;1;0;0;0;", "1;Celsius;1;273.15;0;0;", ";E;"});
    return lines;
}

inline std::string sampleTableText() {
    std::string text;
    for (const std::string& line : sampleTableLines())
        text += line + "\r\n";
    return text;
}

// For the conversion tests: one group. Number System (node 3, Category# 1) and
// Constants (node 4) under the root; Temperature (node 5, Category# 3, with a
// "D" exponent in Millikelvin) and Length (node 6, Category# 4) in the group.
// With comma set, every decimal number is written with a decimal comma.
inline std::vector<std::string> physicsTableLines(bool comma = false) {
    const auto num = [comma](std::string s) {
        if (const auto p = s.find('.'); comma && p != std::string::npos) s[p] = ',';
        return s;
    };
    std::vector<std::string> lines = {
        "Physics;1",  ";E;", "1;1;Number System", "2;1;Constants", "3;2;Temperature",
        "4;2;Length", ";E;"};
    appendSpecialCategories(lines);
    lines.insert(lines.end(),
                 {"3;Temperature;4", "1;Kelvin;1;0;0;0;", "1;Celsius;1;" + num("273.15") + ";0;0;",
                  "1;Fahrenheit;" + num("0.5555555555555556") + ";" + num("255.3722") + ";0;;",
                  "1;Millikelvin;1D-3;0;;;", ";E;", "4;Length;6", "1;Metre;1;0;0;0;",
                  "1;Kilometre;1000;0;;;", "1;Inch;" + num("0.0254") + ";0;0;0;", "1;Zero;0;0;0;0;",
                  "1;Bad;2;0;2;0;", "1;Huge;1e300;0;0;0;", ";E;"});
    return lines;
}

} // namespace qm::test
