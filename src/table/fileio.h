// The thin file layer under the reader and the writer: whole-file reads,
// replace-on-success writes, the read-only attribute, and path parts.
#pragma once

#include <string>
#include <string_view>

namespace qm {

// Reads the whole file. False when it cannot be opened or read.
bool readFileBytes(const std::string& path, std::string& out);

// Writes a new file beside `path` and puts it in place of the old one only when
// the whole write has succeeded, so a failed write leaves the old file intact.
// RunError(FileAccess) on failure.
void writeFileReplacing(const std::string& path, std::string_view bytes);

// The read-only attribute (the owner-write permission bit). Both are silent
// when the file does not exist or the attribute cannot be changed.
void clearReadOnly(const std::string& path);
void setReadOnly(const std::string& path);
bool isReadOnly(const std::string& path);

// The file-name part of a path: the text after its last '/' or '\', the whole
// path when it has none, and "default.dat" for an empty path.
std::string mGetFileName(const std::string& path);

// The folder part of a path, up to and including its last separator; the
// program's folder (with its separator) when the path has none.
std::string folderPart(const std::string& path, const std::string& programFolder);

// The folder for data files: the program's folder when it is writable,
// otherwise the per-user data folder, created if needed, into which the shipped
// tables of the program's folder are copied on first use.
std::string resolveDataFolder(const std::string& programFolder, const std::string& userFolder);

// The folder of the shipped tables and help file: the program's own folder
// when they lie there (a build folder), else share/quantimetrix beside the
// program's bin folder (an installed program), else the program's folder.
std::string shippedDataFolder(const std::string& programFolder);

} // namespace qm
