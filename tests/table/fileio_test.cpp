#include "table/fileio.h"

#include "tabletestutil.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace qm;
namespace fs = std::filesystem;

TEST(FileIo, PathParts) {
    const std::tuple<const char*, const char*, const char*> cases[] = {
        // the path, its file name and its folder
        {"", "default.dat", "/prog/"},
        {"/home/u/t.dat", "t.dat", "/home/u/"},
        {"C:\\data\\t.dat", "t.dat", "C:\\data\\"},
        {"t.dat", "t.dat", "/prog/"},
        {"/home/u/", "", "/home/u/"}};
    for (auto [path, name, folder] : cases) {
        EXPECT_EQ(mGetFileName(path), name) << path;
        EXPECT_EQ(folderPart(path, "/prog"), folder) << path;
    }
}

TEST(FileIo, ReplacingFollowsLinksKeepsPermissionsAndIgnoresPlantedLinks) {
    qmtest::TempDir dir;
    qmtest::writeBytes(dir.file("real.dat"), "old");
    fs::permissions(dir.file("real.dat"), fs::perms(0640));
    fs::create_symlink("real.dat", dir.file("link.dat"));
    qmtest::writeBytes(dir.file("victim"), "victim");
    // Links where a fixed temporary name would be.
    fs::create_symlink(dir.file("victim"), dir.file("real.dat.qmtmp"));
    fs::create_symlink(dir.file("victim"), dir.file("link.dat.qmtmp"));
    writeFileReplacing(dir.file("link.dat"), "new");
    EXPECT_TRUE(fs::is_symlink(dir.file("link.dat")));
    EXPECT_EQ(qmtest::readBytes(dir.file("real.dat")) + "|" + qmtest::readBytes(dir.file("victim")),
              "new|victim");
    EXPECT_EQ(qmtest::modeOf(dir.file("real.dat")), 0640u);
    setReadOnly(dir.file("link.dat"));
    EXPECT_TRUE(qmtest::modeOf(dir.file("real.dat")) == 0440u && isReadOnly(dir.file("real.dat")));
    writeFileReplacing(dir.file("fresh.dat"), "x"); // a new file: as the umask says
    const mode_t mask = umask(0);
    umask(mask);
    EXPECT_EQ(qmtest::modeOf(dir.file("fresh.dat")), 0666u & ~mask);
    EXPECT_EQ(dir.names(), (std::set<std::string>{"real.dat", "link.dat", "victim", "fresh.dat",
                                                  "real.dat.qmtmp", "link.dat.qmtmp"}));
}

TEST(FileIo, DataFolderIsTheProgramFolderWhenWritable) {
    qmtest::TempDir prog;
    qmtest::TempDir user;
    std::string progFolder = prog.folder();
    progFolder.pop_back(); // the separator is added
    EXPECT_EQ(resolveDataFolder(progFolder, user.file("q")), prog.folder());
    // An unwritable program folder (one that does not exist) sends the data to
    // the user's folder.
    EXPECT_EQ(resolveDataFolder(prog.file("missing"), user.file("q")), user.file("q") + "/");
}

TEST(FileIo, ShippedCopyKeepsTheUsersTablesAndRenewsTheHelp) {
    qmtest::TempDir prog;
    qmtest::TempDir user;
    for (const std::string n : {"default.dat", "default_e.dat", "Qmtrxdoc.hlp"})
        qmtest::writeBytes(prog.file(n), "new " + n);
    qmtest::writeBytes(user.file("default.dat"), "edited");
    qmtest::writeBytes(user.file("Qmtrxdoc.hlp"), "old help");
    copyShippedData(prog.folder(), user.folder());
    EXPECT_EQ(qmtest::readBytes(user.file("default.dat")) + "|" +
                  qmtest::readBytes(user.file("default_e.dat")) + "|" +
                  qmtest::readBytes(user.file("Qmtrxdoc.hlp")),
              "edited|new default_e.dat|new Qmtrxdoc.hlp");
    EXPECT_EQ(user.names(),
              (std::set<std::string>{"default.dat", "default_e.dat", "Qmtrxdoc.hlp"}));
}
