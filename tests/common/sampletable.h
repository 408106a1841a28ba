// A small conversion table for the main-window tests: two groups (the first
// expanded), the two special categories, and four unit categories whose order
// in the file differs from their order by name.
//
// Nodes: 1 root, 2 "Space" (expanded), 3 "Mechanics" (collapsed),
// 4 Number System, 5 Constants, 6 Length, 7 Area (both in Space),
// 8 Mass, 9 Temperature (both in Mechanics).
#pragma once

#include <string>
#include <vector>

namespace qm::test {

inline std::vector<std::string> sampleTableLines() {
    return {"Space;1",
            "Mechanics;0",
            ";E;",
            "1;1;Number System",
            "2;1;Constants",
            "3;2;Length",
            "5;2;Area",
            "4;3;Mass",
            "6;3;Temperature",
            ";E;",
            "2;Number System;4",
            "1;Binary;2;0;0;0;",
            "1;Octal;8;0;0;0;",
            "1;Decimal;10;0;0;0;",
            "1;Hexadecimal;16;0;0;0;",
            ";E;",
            "2;Constants;1",
            "3;Speed of light;299792458;m/s;0;0;exact",
            ";E;",
            "1;Length;5",
            "1;metre;1;0;0;0;SI base unit",
            "2;Foot;0.3048;0;0.0001;0;international foot",
            "3;inch;0.0254;0;0;0;",
            "2;Foot;0.3;0;0;0;a second foot",
            "4;Yard;0.9144;0;0;0;",
            ";E;",
            "3;Mass;3",
            "1;kilogram;1;0;0;0;",
            "1;gram;0.001;0;0;0;",
            "1;Pound;0.45359237;0;0;0;",
            ";E;",
            "1;Area;1",
            "1;square metre;1;0;0;0;",
            ";E;",
            "4;Temperature;2",
            "1;Kelvin;1;0;0;0;",
            "1;Celsius;1;273.15;0;0;",
            ";E;"};
}

inline std::string sampleTableText() {
    std::string text;
    for (const std::string& line : sampleTableLines())
        text += line + "\r\n";
    return text;
}

} // namespace qm::test
