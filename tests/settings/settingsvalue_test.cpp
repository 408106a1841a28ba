// Store encodings of the settings values.
#include "settings/settingsvalue.h"

#include "core/runerror.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <tuple>

namespace qm {
namespace {

// A store text read as Integer, Long, Single or Boolean and written back, or
// the error the read raises.
std::string readAndWrite(char type, const char* text) {
    try {
        if (type == 'I') return writeInteger(readInteger(text));
        if (type == 'L') return writeInteger(readLong(text));
        if (type == 'S') return writeSingle(readSingle(text));
        return writeBoolean(readBoolean(text));
    } catch (const RunError& e) {
        return e.kind() == RunErrorKind::Overflow ? "Overflow" : "TypeMismatch";
    }
}

TEST(SettingsValue, ReadAndWrittenBack) {
    // Type, store text, the text written back or the error.
    const std::tuple<char, const char*, const char*> cases[] = {
        // clang-format off
        {'I', "6", "6"}, {'I', "6.5", "6"}, {'I', "7.5", "8"}, {'I', "-2.5", "-2"},
        {'I', "-3.5", "-4"}, {'I', "6.51", "7"}, {'I', "", "0"}, {'I', "abc", "0"},
        {'I', "7,095", "7"}, {'I', "-32768", "-32768"}, {'I', "32767.4", "32767"},
        {'I', "32767.5", "Overflow"}, {'I', "-32768.6", "Overflow"}, {'I', "1e400", "Overflow"},
        {'L', "-2147483644", "-2147483644"}, {'L', "-2147483648.5", "-2147483648"},
        {'L', "40000", "40000"}, {'L', "2147483647.5", "Overflow"},
        {'L', "-2147483649", "Overflow"}, {'S', "7095.5", "7095.5"}, {'S', "-30.25", "-30.25"},
        {'S', "7,095", "7"}, {'S', "0.1", "0.1"}, {'S', "x12", "0"}, {'S', "-0", "0"},
        {'S', "3.14159265", "3.141593"}, {'S', "12345678", "1.234568E+07"},
        {'S', "0.0001", "0.0001"}, {'S', "0.00001", "1E-05"}, {'S', "1e10", "1E+10"},
        {'S', "1e39", "Overflow"}, {'S', "-1e39", "Overflow"}, {'B', "True", "True"},
        {'B', "FaLsE", "False"}, {'B', "tRUE", "True"}, {'B', " True ", "True"},
        {'B', "0", "False"}, {'B', "-1", "True"}, {'B', "2.5", "True"}, {'B', "0.0", "False"},
        {'B', "", "TypeMismatch"}, {'B', "yes", "TypeMismatch"}, {'B', "1x", "TypeMismatch"},
        {'B', "Truee", "TypeMismatch"}, {'B', ".", "TypeMismatch"}
        // clang-format on
    };
    for (auto [type, text, expected] : cases)
        EXPECT_EQ(readAndWrite(type, text), expected) << type << " '" << text << "'";
}

TEST(SettingsValue, SingleWithoutDecimalText) {
    constexpr float inf = std::numeric_limits<float>::infinity();
    EXPECT_EQ(writeSingle(inf) + " " + writeSingle(-inf) + " " +
                  writeSingle(std::numeric_limits<float>::quiet_NaN()),
              "3.402823E+38 -3.402823E+38 0");
}

} // namespace
} // namespace qm
