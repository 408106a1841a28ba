// Writing the conversion table back to its data file.
#pragma once

#include "core/userprompt.h"
#include "table/conversiontable.h"

#include <functional>
#include <string>

namespace qm {

// Tells whether tree node `node` is expanded at this moment.
using NodeExpandedFn = std::function<bool(int node)>;

// The data file text of the whole table (UTF-8, CR LF line ends). A ';' or a
// line break inside a text cannot be stored in the format: each ';' is written
// as ',' and each line break as a blank, so the file reads back to the table.
std::string tableFileText(const ConversionTable& t, const NodeExpandedFn& expanded);

// Writes the whole table to t.psTableFile. Reports "Error Code = PSTBnn" itself;
// returns true when the file was written.
bool pSaveTable(const ConversionTable& t, const NodeExpandedFn& expanded, UserPrompt& prompt);

// The file's bytes with each group line (the lines before the first end line,
// ";E;" with or without blanks around it, as the reader counts them) replaced by its first field,
// ';' and the node's state. Other lines keep their bytes and line ends. Bytes without such a line
// come back unchanged.
std::string withNodeStatus(const std::string& bytes, const NodeExpandedFn& expanded);

// Writes the group nodes' expanded state into the group lines of the file on
// disk. Reports "Error Code = PSNSnn" itself; true when written.
bool pSaveNodeStatus(const std::string& path, const NodeExpandedFn& expanded, UserPrompt& prompt);

} // namespace qm
