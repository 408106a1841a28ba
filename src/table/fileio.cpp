#include "table/fileio.h"

#include "core/runerror.h"

#include <filesystem>
#include <fstream>
#include <system_error>

namespace fs = std::filesystem;

namespace qm {

bool readFileBytes(const std::string& path, std::string& out) {
    std::error_code ec;
    if (fs::is_directory(path, ec)) return false;
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    out.clear();
    char buf[1 << 16];
    while (in.read(buf, sizeof buf) || in.gcount() > 0)
        out.append(buf, static_cast<std::size_t>(in.gcount()));
    return !in.bad();
}

void writeFileReplacing(const std::string& path, std::string_view bytes) {
    const std::string temp = path + ".qmtmp";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (!out) throw RunError(RunErrorKind::FileAccess, "Cannot open " + temp);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.flush();
        if (!out) {
            out.close();
            std::error_code ec;
            fs::remove(temp, ec);
            throw RunError(RunErrorKind::FileAccess, "Cannot write " + temp);
        }
    }
    std::error_code ec;
    fs::rename(temp, path, ec);
    if (ec) {
        std::error_code ignored;
        fs::remove(temp, ignored);
        throw RunError(RunErrorKind::FileAccess, "Cannot replace " + path);
    }
}

void clearReadOnly(const std::string& path) {
    std::error_code ec;
    if (fs::exists(path, ec))
        fs::permissions(path, fs::perms::owner_write, fs::perm_options::add, ec);
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
    std::string f = programFolder;
    if (!f.empty() && f.back() != '/' && f.back() != '\\') f += '/';
    return f;
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

std::string withSeparator(std::string f) {
    if (!f.empty() && f.back() != '/' && f.back() != '\\') f += '/';
    return f;
}
} // namespace

std::string resolveDataFolder(const std::string& programFolder, const std::string& userFolder) {
    if (userFolder.empty() || folderWritable(programFolder)) return withSeparator(programFolder);
    std::error_code ec;
    fs::create_directories(userFolder, ec);
    for (const char* name : {"default.dat", "default_e.dat", "Qmtrxdoc.hlp"}) {
        const fs::path target = fs::path(userFolder) / name;
        const fs::path source = fs::path(programFolder) / name;
        if (!fs::exists(target, ec) && fs::exists(source, ec)) {
            fs::copy_file(source, target, ec);
            fs::permissions(target, fs::perms::owner_write, fs::perm_options::add, ec);
        }
    }
    return withSeparator(userFolder);
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
