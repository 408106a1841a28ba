// The printout of the conversion table: its text lines (a banner, the data
// file's path, the category groups, the node allocation, then every category
// of the tree with its units, in numbered and aligned columns) and their split
// into pages. The printer and the preview only paint what these return.
#pragma once

#include "table/conversiontable.h"

#include <string>
#include <vector>

namespace qm {

// Every line of the printout, in order. An empty string is an empty line.
std::vector<std::string> printoutLines(const ConversionTable& t);

// Lines longer than width characters (UTF-8 code points) continue on the
// lines after them, indented, broken after a blank where there is one; no
// character is dropped. A width of 0 or less keeps every line whole.
std::vector<std::string> wrapPrintoutLines(const std::vector<std::string>& lines, int width);

// The lines wrapped to charsPerLine (0: not wrapped) and cut into pages of
// linesPerPage lines (at least one line a page); the last page may be shorter.
std::vector<std::vector<std::string>> printoutPages(const std::vector<std::string>& lines,
                                                    int linesPerPage, int charsPerLine = 0);

} // namespace qm
