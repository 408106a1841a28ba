// Builds the shipped conversion tables from their readable listing
// (tools/default_table.txt): the data file with decimal periods
// ("default.dat") and the same table with decimal commas ("default_e.dat").
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace qm::tables {

// A malformed listing line; what() names the line number.
class ListingError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// The data file text (UTF-8, every line ending CR LF) of the table that the
// listing describes: the group lines, the node allocation (categories under
// the root first, then those of group 1, group 2, ...), then one section per
// category in the listing's order. Throws ListingError.
std::string buildTableText(std::string_view listing);

// The same data file text with every '.' of the number fields (ratio, offset
// and the two errors) turned into ','. The unit text of a constant (the offset
// field of the category at Order# 2) and every name and memo stay as they are.
std::string commaTableText(std::string_view tableText);

// The data file bytes: Windows-1252 when every character has a byte there,
// UTF-8 otherwise.
std::string fileBytes(std::string_view tableText);

} // namespace qm::tables
