// The number-style options that decide how results are written.
#pragma once

#include <cmath>
#include <cstdint>

namespace qm {

struct NumberStyle {
    int16_t pnDigits = 6;     // significant digits
    int16_t pnSciDigits = 6;  // scientific beyond 10^N; 0 or less: never forced
    int16_t pnInteger = 0;    // 1: integer format
    int16_t pnNumFormat = 0;  // 0 normal, other: scientific
    bool pbShowError = false; // append the rounding error
    double pdSciUpper = 1e6;  // 10^pnSciDigits
    double pdSciLower = 1e-6; // 1 / 10^pnSciDigits

    // Normal notation for NumFormat 0, scientific for any other value: the one
    // rule for the conversion and the calculator alike.
    bool scientific() const { return pnNumFormat != 0; }

    // Derives pdSciUpper and pdSciLower from pnSciDigits (when above 0).
    void deriveSciBounds() {
        if (pnSciDigits > 0) {
            pdSciUpper = std::pow(10.0, pnSciDigits);
            pdSciLower = 1.0 / pdSciUpper;
        }
    }

    bool operator==(const NumberStyle&) const = default;
};

} // namespace qm
