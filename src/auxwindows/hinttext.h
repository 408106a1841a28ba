// The texts of the tips shown in the tip window.
#pragma once

#include <string>

namespace qm {

// The text of tip n (0..5); empty for any other n. Tip 5 names the decimal
// separator ("period" or "comma").
std::string pHintText(int n, const std::string& separatorName);

} // namespace qm
