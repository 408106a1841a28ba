// A small table with one group, shared by the driver and command-line tests.
// Number System (node 3) and Constants (node 4) under the root; Temperature
// (node 5, Category# 3) and Length (node 6, Category# 4) in the group. With
// comma set, every decimal number is written with a decimal comma.
#pragma once

#include <string>
#include <vector>

namespace qm::test {

inline std::vector<std::string> physicsTableLines(bool comma = false) {
    const std::string inch = comma ? "0,0254" : "0.0254";
    const std::string celsius = comma ? "273,15" : "273.15";
    const std::string fRatio = comma ? "0,5555555555555556" : "0.5555555555555556";
    const std::string fOffset = comma ? "255,3722" : "255.3722";
    return {"Physics;1",
            ";E;",
            "1;1;Number System",
            "2;1;Constants",
            "3;2;Temperature",
            "4;2;Length",
            ";E;",
            "1;Number System;4",
            "1;Binary;2;0;0;0;",
            "1;Octal;8;0;0;0;",
            "1;Decimal;10;0;0;0;",
            "1;Hexadecimal;16;0;0;0;",
            ";E;",
            "2;Constants;1",
            "1;Speed of light;299792458;m/s;0;0;",
            ";E;",
            "3;Temperature;3",
            "1;Kelvin;1;0;0;0;",
            "1;Celsius;1;" + celsius + ";0;0;",
            "1;Fahrenheit;" + fRatio + ";" + fOffset + ";0;0;",
            ";E;",
            "4;Length;6",
            "1;Metre;1;0;0;0;",
            "1;Kilometre;1000;0;;;",
            "1;Inch;" + inch + ";0;0;0;",
            "1;Zero;0;0;0;0;",
            "1;Bad;2;0;2;0;",
            "1;Huge;1e300;0;0;0;",
            ";E;"};
}

} // namespace qm::test
