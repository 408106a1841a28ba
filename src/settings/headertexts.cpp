#include "settings/headertexts.h"

namespace qm {

int editableHeaderColumns(int layout) {
    if (layout == 2) return 1;
    return layout == 0 || layout == 1 ? kHeaderColumnCount : 0;
}

void setHeaderTexts(Settings& s, int layout, const HeaderTexts& texts) {
    for (int c = 0; c < editableHeaderColumns(layout); ++c)
        s.HeaderText[static_cast<std::size_t>(layout)][static_cast<std::size_t>(c)] =
            texts[static_cast<std::size_t>(c)];
}

} // namespace qm
