// How settings values are written to and read from their store texts.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace qm {

// Integer (16-bit) and Long (32-bit): the leading number of the text with "."
// as decimal point (0 when there is none), rounded halves to even.
// RunError(Overflow) outside the type's range.
int16_t readInteger(std::string_view text);
int32_t readLong(std::string_view text);

// Single: the leading number of the text, not rounded. RunError(Overflow)
// beyond the range of a 32-bit float.
float readSingle(std::string_view text);

// Boolean: "True"/"False" in any letter case, or a number (0 False, anything
// else True). RunError(TypeMismatch) for any other text.
bool readBoolean(std::string_view text);

// The decimal number, no leading blank ("-5", "16777215").
std::string writeInteger(int32_t value);

// The shortest decimal text with at most 7 significant digits and "." as
// decimal point ("7095.5", "0.1", "1.234568E+08").
std::string writeSingle(float value);

// "True" or "False".
std::string writeBoolean(bool value);

} // namespace qm
