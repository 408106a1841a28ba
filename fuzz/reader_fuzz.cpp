// libFuzzer harness: any bytes as a data file. The reader must never crash, and
// a table it accepts must write and read back to the same file text (from the
// second write on: the first one trims the category names of their blanks).
#include "core/recordingprompt.h"
#include "table/encoding.h"
#include "table/tablereader.h"
#include "table/tablewriter.h"

#include <cstdlib>
#include <string>

using namespace qm;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    RecordingPrompt prompt;
    ReadContext ctx{prompt, {}, "/", 15};
    std::string text;
    std::vector<std::string_view> lines;
    try {
        text = decodeFileText(bytes);
        lines = splitFileLines(text);
    } catch (const std::exception&) {
        return 0;
    }
    ConversionTable t;
    if (pReadTableLines(t, lines, ctx) != 0) return 0;
    const auto expanded = [](int node) { return node % 2 == 0; };
    std::string written;
    try {
        written = tableFileText(t, expanded);
    } catch (const std::exception&) {
        return 0; // a unit count beyond the unit arrays cannot be written
    }
    const auto roundTrip = [&](const std::string& utf8) {
        const std::string decoded = decodeFileText(encodeFileText(utf8));
        ConversionTable again;
        if (pReadTableLines(again, splitFileLines(decoded), ctx) != 0) std::abort();
        return tableFileText(again, expanded);
    };
    const std::string second = roundTrip(written);
    if (roundTrip(second) != second) std::abort();
    return 0;
}
