// The conversion driver: from what the main window shows (convert-from text,
// chosen units, selected node, options) to the convert-into box text.
#pragma once

#include "core/numtext.h"
#include "core/userprompt.h"
#include "engine/numberstyle.h"
#include "table/conversiontable.h"

#include <cstdint>
#include <optional>
#include <string>

namespace qm {

struct ConversionInput {
    std::string fromText;        // the convert-from box text as typed
    int16_t pnConvFromIndex = 0; // chosen units, below 1 when none
    int16_t pnConvIntoIndex = 0;
    int16_t pnSelNodeIndex = 1;   // selected tree node
    int16_t pnSelGroupIndex = -1; // Category# of the selected category
};

// Working state the driver keeps between calls.
struct EngineState {
    bool pbExactInput = true;
    std::string lastLabel; // progress label of the last run
};

// Runs one conversion. Returns the new convert-into text, or nullopt when an
// unexpected failure was reported ("Error Code = PECVnn") and the box keeps
// what it held.
std::optional<std::string> pExecConversion(const ConversionTable& table, const ConversionInput& in,
                                           const NumberStyle& style, const DecimalSettings& dec,
                                           EngineState& state, UserPrompt& prompt);

} // namespace qm
