#include "auxwindows/hinttext.h"

namespace qm {

std::string pHintText(int n, const std::string& separatorName) {
    switch (n) {
    case 0:
        return "The category tree can be scrolled by mouse only when not sorted.";
    case 1:
        return "The unit list can be scrolled by mouse only when not sorted.";
    case 2:
        return "The tree item can be moved only when the tree is not sorted.";
    case 3:
        return "The list item can be moved only when the list is not sorted.";
    case 4:
        return "Rename the new item immediately after added.";
    case 5:
        return "Only a " + separatorName + " is recognized as decimal separator.";
    default:
        return {};
    }
}

} // namespace qm
