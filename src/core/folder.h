// A folder as the start of a path.
#pragma once

#include <string>

namespace qm {

// The folder with a separator after it, so that a file name can follow. A
// folder that already ends in '/' or '\' is kept as it is, and so is an empty
// one (the current folder).
inline std::string folderWithSeparator(std::string folder) {
    if (!folder.empty() && folder.back() != '/' && folder.back() != '\\') folder += '/';
    return folder;
}

} // namespace qm
