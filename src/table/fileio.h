// The thin file layer under the reader and the writer: whole-file reads,
// replace-on-success writes, the read-only attribute, and path parts.
#pragma once

#include "core/folder.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace qm {

// Far above the largest table the data file format allows.
inline constexpr std::uintmax_t kMaxDataFileBytes = 16u << 20;

enum class FileReadStatus {
    Ok,
    CannotOpen, // missing, or no permission to read it
    NotAFile,   // a folder, a pipe, a device: nothing a table is read from
    TooLarge,   // more than the limit
};

// Reads a whole regular file of at most `limit` bytes. What is not a regular
// file, or is larger, is refused before anything is read from it, so a pipe
// or a device never blocks or floods the reader.
FileReadStatus readDataFile(const std::string& path, std::string& out,
                            std::uintmax_t limit = kMaxDataFileBytes);

// The same, true when the file was read.
bool readFileBytes(const std::string& path, std::string& out);

// A new file that takes the place of `path` only when commit() succeeds. The
// new file is created exclusively, under a name of its own, in the folder of
// the file it replaces; a symbolic link is followed to its file, and the link
// stays. The replaced file's permissions carry over. Without a commit (a
// failure, an exception) the new file is removed again and `path` is as it was.
// Every failure is RunError(FileAccess).
class ReplacingFile {
  public:
    explicit ReplacingFile(const std::string& path);
    ~ReplacingFile();
    ReplacingFile(const ReplacingFile&) = delete;
    ReplacingFile& operator=(const ReplacingFile&) = delete;

    void write(std::string_view bytes);
    // Flushes the bytes to the disk, closes the file and renames it over the target.
    void commit();

  private:
    void discard() noexcept;

    std::string target_; // the file the new one replaces (links followed)
    std::string temp_;
    int fd_ = -1;
};

// Writes the bytes through a ReplacingFile: a failed write leaves the old file
// intact. RunError(FileAccess) on failure.
void writeFileReplacing(const std::string& path, std::string_view bytes);

// The read-only attribute: setReadOnly removes every write permission and
// nothing else (silent when the file does not exist or the attribute cannot
// be changed). Reading a file never needs the attribute cleared, and a file is
// replaced through its folder, so nothing ever has to widen the permissions.
void setReadOnly(const std::string& path);
bool isReadOnly(const std::string& path);

// The file-name part of a path: the text after its last '/' or '\', the whole
// path when it has none, and "default.dat" for an empty path.
std::string mGetFileName(const std::string& path);

// The folder part of a path, up to and including its last separator; the
// program's folder (with its separator) when the path has none.
std::string folderPart(const std::string& path, const std::string& programFolder);

// The folder for data files: the program's folder when it is writable and not
// an installation, otherwise the per-user data folder, created if needed, into
// which the shipped tables of the program's folder are copied on first use.
std::string resolveDataFolder(const std::string& programFolder, const std::string& userFolder,
                              bool installed = false);

// Copies the shipped files of the program's folder into the user's folder: a
// table only when the user has none (the copy holds the user's edits), the
// help file whenever it differs (an update brings its new help). Each copy
// appears whole or not at all, so a second program starting at the same time
// never reads half a table.
void copyShippedData(const std::string& programFolder, const std::string& userFolder);

// The folder of the shipped tables and help file: the program's own folder
// when they lie there (a build folder), else share/quantimetrix beside the
// program's bin folder (an installed program), else the program's folder.
std::string shippedDataFolder(const std::string& programFolder);

// The folder for the data files of the program in executableFolder. An
// installed program (its data under share/quantimetrix) always works on the
// user's copies, even where the installation is writable (run by root, or
// installed into the home folder): an update or an uninstall of the
// installation never takes the user's edits with it, and the program never
// changes the installed files.
std::string dataFolder(const std::string& executableFolder, const std::string& userFolder);

} // namespace qm
