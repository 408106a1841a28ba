// The column header texts the list properties dialog edits: one list layout's
// texts at a time, only the first column of the number-system layout.
#pragma once

#include "settings/settings.h"

#include <array>
#include <string>

namespace qm {

using HeaderTexts = std::array<std::string, kHeaderColumnCount>;

// Columns whose text can be renamed in a list layout (0 units, 1 constants,
// 2 number system); 0 for a layout that does not exist.
int editableHeaderColumns(int layout);

// Stores the texts as typed (blanks and empty texts included) for the
// editable columns of the layout; the others keep their texts.
void setHeaderTexts(Settings& s, int layout, const HeaderTexts& texts);

} // namespace qm
