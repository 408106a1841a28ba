#include "table/fileio.h"

#include "tabletestutil.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace qm;

TEST(FileIo, PathParts) {
    struct Case {
        const char* path;
        const char* name;
        const char* folder;
    } cases[] = {
        {"", "default.dat", "/prog/"},
        {"/home/u/t.dat", "t.dat", "/home/u/"},
        {"C:\\data\\t.dat", "t.dat", "C:\\data\\"},
        {"t.dat", "t.dat", "/prog/"},
        {"/home/u/", "", "/home/u/"},
    };
    for (auto c : cases) {
        EXPECT_EQ(mGetFileName(c.path), c.name) << c.path;
        EXPECT_EQ(folderPart(c.path, "/prog"), c.folder) << c.path;
    }
}

TEST(FileIo, ReadOnlyAttributeIsTheOwnerWriteBit) {
    qmtest::TempDir dir;
    const std::string path = dir.file("a.dat");
    qmtest::writeBytes(path, "x");
    EXPECT_FALSE(isReadOnly(path));
    setReadOnly(path);
    EXPECT_TRUE(isReadOnly(path));
    clearReadOnly(path);
    EXPECT_FALSE(isReadOnly(path));
    clearReadOnly(dir.file("missing")); // silent
    setReadOnly(dir.file("missing"));
}

TEST(FileIo, ReplacingWriteOverAReadOnlyFile) {
    qmtest::TempDir dir;
    const std::string path = dir.file("a.dat");
    qmtest::writeBytes(path, "old");
    writeFileReplacing(path, "new");
    EXPECT_EQ(qmtest::readBytes(path), "new");
    EXPECT_FALSE(std::filesystem::exists(path + ".qmtmp"));
    std::string bytes;
    EXPECT_FALSE(readFileBytes(dir.file("missing"), bytes));
    EXPECT_FALSE(readFileBytes(dir.folder(), bytes)); // a folder is no file
}

TEST(FileIo, DataFolderIsTheProgramFolderWhenWritable) {
    qmtest::TempDir prog;
    qmtest::TempDir user;
    qmtest::writeBytes(prog.file("default.dat"), "table");
    EXPECT_EQ(resolveDataFolder(prog.folder(), user.file("q")), prog.folder());
    // An unwritable program folder (one that does not exist) sends the data to
    // the user's folder.
    EXPECT_EQ(resolveDataFolder(prog.file("missing"), user.file("q")), user.file("q") + "/");
}
