// The program-wide state shared by all windows: the conversion table, the
// settings, the number-style and decimal settings, the selection and the
// conversion history. One instance per run (and per test).
#pragma once

#include "core/numtext.h"
#include "editing/edithistory.h"
#include "engine/conversiondriver.h"
#include "mainwindow/history.h"
#include "settings/settings.h"
#include "table/conversiontable.h"

#include <cstdint>
#include <string>

namespace qm {

// What is selected in the tree and the list, and the two chosen units.
struct Selection {
    std::string psSelGroupName;    // text of the selected tree node
    int16_t pnSelGroupIndex = -1;  // Category# of the selected node, -1 root or group
    int16_t pnLastGroupIndex = -1; // Category# whose units the list shows
    int16_t pnSelListIndex = -1;   // list row under the last list mouse-down
    std::string psSelUnitName;     // its text
    int16_t pnSelUnitIndex = 0;    // its unit number
    int16_t pnHeaderIndex = 0;     // list layout: 0 units, 1 constants, 2 number system
    bool pbUnitHeaders = false;    // the unit layout's columns are built
    int16_t pnConvFromIndex = 0;   // chosen convert-from unit
    int16_t pnConvIntoIndex = 0;   // chosen convert-into unit
};

struct Program {
    ConversionTable table;
    Settings settings; // pnSelNodeIndex lives here
    DecimalSettings decimal;
    EngineState engine;
    Selection sel;
    ConversionHistory history;
    EditHistory editHistory; // undo and redo of table changes
    std::string psAppTitle = " Quantimetrix";
    int16_t mnReadError = 0;   // 1: the data file could not be read at start
    std::string msTableFolder; // folder of the data file (file dialogs)
    std::string programFolder; // folder of the default data files
    double twipsPerPixelX = 15;
    double twipsPerPixelY = 15;

    int16_t& pnSelNodeIndex() { return settings.pnSelNodeIndex; }
    int16_t pnSelNodeIndex() const { return settings.pnSelNodeIndex; }
};

} // namespace qm
