#include "table/fileio.h"

#include "core/runerror.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <system_error>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace qm {

namespace {

#ifdef _WIN32
int openForReading(const std::string& path) {
    return ::_wopen(fs::path(path).c_str(), _O_RDONLY | _O_BINARY);
}
int createExclusive(const fs::path& path, int mode) {
    return ::_wopen(path.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY, mode);
}
long long readSome(int fd, char* buf, std::size_t n) {
    return ::_read(fd, buf, static_cast<unsigned>(std::min<std::size_t>(n, 1u << 30)));
}
long long writeSome(int fd, const char* buf, std::size_t n) {
    return ::_write(fd, buf, static_cast<unsigned>(std::min<std::size_t>(n, 1u << 30)));
}
bool syncToDisk(int fd) {
    return ::_commit(fd) == 0;
}
int closeFile(int fd) {
    return ::_close(fd);
}
constexpr int kPrivateMode = _S_IREAD | _S_IWRITE;
constexpr int kNewFileMode = _S_IREAD | _S_IWRITE;
#else
int openForReading(const std::string& path) {
    // Non-blocking, so that opening a pipe never waits for a writer.
    return ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
}
int createExclusive(const fs::path& path, int mode) {
    return ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                  static_cast<mode_t>(mode));
}
long long readSome(int fd, char* buf, std::size_t n) {
    ssize_t r;
    do
        r = ::read(fd, buf, n);
    while (r < 0 && errno == EINTR);
    return r;
}
long long writeSome(int fd, const char* buf, std::size_t n) {
    ssize_t r;
    do
        r = ::write(fd, buf, n);
    while (r < 0 && errno == EINTR);
    return r;
}
bool syncToDisk(int fd) {
    return ::fsync(fd) == 0;
}
int closeFile(int fd) {
    return ::close(fd);
}
constexpr int kPrivateMode = 0600;
constexpr int kNewFileMode = 0666; // narrowed by the umask
#endif

// The kind and size of an open file.
bool regularFileSize(int fd, std::uintmax_t& size) {
#ifdef _WIN32
    struct _stat64 st;
    if (::_fstat64(fd, &st) != 0 || (st.st_mode & _S_IFMT) != _S_IFREG) return false;
#else
    struct stat st;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) return false;
#endif
    size = static_cast<std::uintmax_t>(st.st_size);
    return true;
}

FileReadStatus readOpenFile(int fd, std::string& out, std::uintmax_t limit) {
    std::uintmax_t size = 0;
    if (!regularFileSize(fd, size)) return FileReadStatus::NotAFile;
    if (size > limit) return FileReadStatus::TooLarge;
    // One byte more than the file's size: a file that grows past the limit
    // while it is read is noticed.
    out.resize(static_cast<std::size_t>(size) + 1);
    std::size_t got = 0;
    for (;;) {
        if (got == out.size()) {
            if (got > limit) return FileReadStatus::TooLarge;
            out.resize(std::min<std::uintmax_t>(got * 2 + 4096, limit + 1));
        }
        const long long r = readSome(fd, out.data() + got, out.size() - got);
        if (r < 0) return FileReadStatus::CannotOpen;
        if (r == 0) break;
        got += static_cast<std::size_t>(r);
    }
    if (got > limit) return FileReadStatus::TooLarge;
    out.resize(got);
    return FileReadStatus::Ok;
}

// The file a path names, following symbolic links (a dangling link names the
// file it would point to).
fs::path linkTarget(const std::string& path) {
    fs::path p = path;
    std::error_code ec;
    for (int hops = 0; hops < 40 && fs::is_symlink(fs::symlink_status(p, ec)); ++hops) {
        const fs::path next = fs::read_symlink(p, ec);
        if (ec) break;
        p = next.is_absolute() ? next : p.parent_path() / next;
    }
    return p;
}

std::string uniqueSuffix() {
    static std::mt19937_64 rng{std::random_device{}()};
    char buf[24];
    std::snprintf(buf, sizeof buf, ".%016llx", static_cast<unsigned long long>(rng()));
    return buf;
}

} // namespace

FileReadStatus readDataFile(const std::string& path, std::string& out, std::uintmax_t limit) {
    out.clear();
    // Only a regular file is opened at all: opening a device can have effects.
    std::error_code ec;
    const fs::file_status st = fs::status(path, ec);
    if (ec || !fs::exists(st)) return FileReadStatus::CannotOpen;
    if (!fs::is_regular_file(st)) return FileReadStatus::NotAFile;
    const int fd = openForReading(path);
    if (fd < 0) return FileReadStatus::CannotOpen;
    const FileReadStatus r = readOpenFile(fd, out, limit);
    closeFile(fd);
    if (r != FileReadStatus::Ok) out.clear();
    return r;
}

bool readFileBytes(const std::string& path, std::string& out) {
    return readDataFile(path, out) == FileReadStatus::Ok;
}

ReplacingFile::ReplacingFile(const std::string& path) {
    const fs::path target = linkTarget(path);
    target_ = target.string();
    std::error_code ec;
    const fs::file_status old = fs::status(target, ec);
    const bool replaces = !ec && fs::exists(old);
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    const std::string stem = "." + target.filename().string();
    for (int attempt = 0; attempt < 100 && fd_ < 0; ++attempt) {
        const fs::path temp = folder / (stem + uniqueSuffix() + ".tmp");
        fd_ = createExclusive(temp, replaces ? kPrivateMode : kNewFileMode);
        if (fd_ >= 0)
            temp_ = temp.string();
        else if (errno != EEXIST)
            break;
    }
    if (fd_ < 0) throw RunError(RunErrorKind::FileAccess, "Cannot create a file beside " + path);
    if (replaces) {
        // The new file gets the old one's permissions, never more.
        fs::permissions(temp_, old.permissions() & fs::perms::mask, ec);
        if (ec) {
            discard();
            throw RunError(RunErrorKind::FileAccess, "Cannot set the permissions of " + temp_);
        }
    }
}

ReplacingFile::~ReplacingFile() {
    discard();
}

void ReplacingFile::discard() noexcept {
    if (fd_ >= 0) closeFile(fd_);
    fd_ = -1;
    if (!temp_.empty()) {
        std::error_code ec;
        fs::remove(temp_, ec);
        temp_.clear();
    }
}

void ReplacingFile::write(std::string_view bytes) {
    if (fd_ < 0) throw RunError(RunErrorKind::FileAccess, "File not open");
    while (!bytes.empty()) {
        const long long n = writeSome(fd_, bytes.data(), bytes.size());
        if (n <= 0) throw RunError(RunErrorKind::FileAccess, "Cannot write " + temp_);
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
}

void ReplacingFile::commit() {
    if (fd_ < 0) throw RunError(RunErrorKind::FileAccess, "File not open");
    const bool synced = syncToDisk(fd_);
    const bool closed = closeFile(fd_) == 0;
    fd_ = -1;
    if (!synced || !closed) throw RunError(RunErrorKind::FileAccess, "Cannot write " + temp_);
    std::error_code ec;
#ifdef _WIN32
    // A read-only file cannot be replaced there; the new file carries the attribute.
    fs::permissions(target_, fs::perms::owner_write, fs::perm_options::add, ec);
#endif
    fs::rename(temp_, target_, ec);
    if (ec) throw RunError(RunErrorKind::FileAccess, "Cannot replace " + target_);
    temp_.clear();
#ifndef _WIN32
    // The rename itself reaches the disk with the folder.
    const fs::path folder =
        fs::path(target_).has_parent_path() ? fs::path(target_).parent_path() : fs::path(".");
    const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
#endif
}

void writeFileReplacing(const std::string& path, std::string_view bytes) {
    ReplacingFile file(path);
    file.write(bytes);
    file.commit();
}

void setReadOnly(const std::string& path) {
    std::error_code ec;
    if (fs::exists(path, ec))
        fs::permissions(path,
                        fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                        fs::perm_options::remove, ec);
}

bool isReadOnly(const std::string& path) {
    std::error_code ec;
    auto st = fs::status(path, ec);
    return !ec && (st.permissions() & fs::perms::owner_write) == fs::perms::none;
}

std::string mGetFileName(const std::string& path) {
    if (path.empty()) return "default.dat";
    const auto pos = path.find_last_of("/\\");
    return pos == std::string::npos ? path : path.substr(pos + 1);
}

std::string folderPart(const std::string& path, const std::string& programFolder) {
    const auto pos = path.find_last_of("/\\");
    if (pos != std::string::npos) return path.substr(0, pos + 1);
    return folderWithSeparator(programFolder);
}

namespace {
bool folderWritable(const fs::path& folder) {
    std::error_code ec;
    const fs::path probe = folder / ".qm-write-probe";
    {
        std::ofstream out(probe, std::ios::binary);
        if (!out) return false;
    }
    fs::remove(probe, ec);
    return true;
}
} // namespace

std::string resolveDataFolder(const std::string& programFolder, const std::string& userFolder,
                              bool installed) {
    if (userFolder.empty() || (!installed && folderWritable(programFolder)))
        return folderWithSeparator(programFolder);
    std::error_code ec;
    fs::create_directories(userFolder, ec);
    copyShippedData(programFolder, userFolder);
    return folderWithSeparator(userFolder);
}

void copyShippedData(const std::string& programFolder, const std::string& userFolder) {
    for (const std::string name : {"default.dat", "default_e.dat", "Qmtrxdoc.hlp"}) {
        const std::string target = (fs::path(userFolder) / name).string();
        std::string shipped;
        std::string copy;
        if (!readFileBytes((fs::path(programFolder) / name).string(), shipped)) continue;
        std::error_code ec;
        const bool keep = name == "Qmtrxdoc.hlp" ? readFileBytes(target, copy) && copy == shipped
                                                 : fs::exists(target, ec);
        if (keep) continue;
        try {
            writeFileReplacing(target, shipped);
        } catch (const RunError&) {
            // The user's folder cannot take it: the file is reported missing when read.
        }
    }
}

std::string dataFolder(const std::string& executableFolder, const std::string& userFolder) {
    const std::string shipped = shippedDataFolder(executableFolder);
    return resolveDataFolder(shipped, userFolder, shipped != executableFolder);
}

std::string shippedDataFolder(const std::string& programFolder) {
    std::error_code ec;
    fs::path own(programFolder);
    if (!own.has_filename()) own = own.parent_path();
    if (fs::exists(own / "default.dat", ec)) return programFolder;
    const fs::path installed = own.parent_path() / "share" / "quantimetrix";
    if (fs::exists(installed / "default.dat", ec)) return installed.string();
    return programFolder;
}

} // namespace qm
