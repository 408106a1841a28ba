#include "table/filecommands.h"

#include "core/recordingprompt.h"
#include "table/fileio.h"
#include "tabletestutil.h"

#include <gtest/gtest.h>

#include <deque>

using namespace qm;
using qmtest::crlf;

namespace {

// Answers the file dialogs from a queue (nullopt: cancel) and records calls.
class FakeUi : public FileCommandUi {
  public:
    std::deque<std::optional<std::string>> paths;
    std::vector<FileDialogSpec> dialogs;
    int settingsSaved = 0, replaced = 0, rootChanged = 0;
    bool onTop = true; // the main window's always-on-top state as left by the command
    std::optional<std::string> fileDialog(const FileDialogSpec& spec) override {
        dialogs.push_back(spec);
        if (paths.empty()) return std::nullopt;
        auto p = paths.front();
        paths.pop_front();
        return p;
    }
    void saveAllSettings() override { ++settingsSaved; }
    bool isNodeExpanded(int node) override { return node == 2; }
    void leaveTopmost() override { onTop = false; }
    void restoreTopmost() override { onTop = true; }
    void tableReplaced() override { ++replaced; }
    void rootTextChanged() override { ++rootChanged; }
};

const std::string kTable = crlf({"G;0", ";E;", "1;2;C", ";E;", "1;C;1", "1;U;2;0;;;", ";E;"});

struct Fixture {
    qmtest::TempDir dir;
    ConversionTable table;
    std::string root = "t.dat";
    std::string folder;
    int16_t sel = 3;
    int16_t readError = 0;
    RecordingPrompt prompt;
    FakeUi ui;
    FileCommandState state{table, root, folder, sel, readError, "/prog/"};
    ReadContext read{prompt, {}, "/prog/", 15};

    Fixture() {
        qmtest::writeBytes(dir.file("t.dat"), kTable);
        table.psTableFile = dir.file("t.dat");
        folder = dir.folder();
        EXPECT_EQ(pReadTable(table, read), 0);
    }
};

} // namespace

TEST(FileCommands, SaveWritesOnlyAChangedTableAndOnlyAfterYes) {
    struct Case {
        bool changed;
        MsgResult answer;
        bool written;
        std::size_t questions;
    } cases[] = {{false, MsgResult::Yes, false, 0},
                 {true, MsgResult::No, false, 1},
                 {true, MsgResult::Yes, true, 1}};
    for (auto c : cases) {
        Fixture f;
        f.table.pbTableChanged = c.changed;
        f.table.psCatGroupName[1] = "Renamed";
        f.prompt.answers = {c.answer};
        EXPECT_EQ(mSaveTable(f.state, f.prompt, f.ui), c.written);
        ASSERT_EQ(f.prompt.messages.size(), c.questions);
        if (c.questions) {
            EXPECT_EQ(f.prompt.messages[0].text,
                      "Do you really want to overwrite the existing file?");
            EXPECT_EQ(f.prompt.messages[0].title, " Save");
            EXPECT_EQ(f.prompt.messages[0].buttons, MsgButtons::YesNo);
        }
        EXPECT_EQ(qmtest::readBytes(f.table.psTableFile).rfind("Renamed;1", 0) == 0, c.written);
        EXPECT_EQ(f.table.pbTableChanged, c.changed && !c.written);
    }
}

TEST(FileCommands, SaveAsWritesEvenAnUnchangedTable) {
    Fixture f;
    f.ui.paths = {f.dir.file("copy.dat")};
    EXPECT_TRUE(mSaveTableAs(f.state, f.prompt, f.ui));
    EXPECT_EQ(qmtest::readBytes(f.dir.file("copy.dat")),
              crlf({"G;1", ";E;", "1;2;C", ";E;", "1;C;1", "1;U;2;0;;;", ";E;"}));
    EXPECT_EQ(f.table.psTableFile, f.dir.file("copy.dat"));
    EXPECT_EQ(f.root, "copy.dat");
    EXPECT_EQ(f.ui.rootChanged, 1);
    ASSERT_EQ(f.ui.dialogs.size(), 1u);
    const FileDialogSpec& d = f.ui.dialogs[0];
    EXPECT_EQ(d.title, " Save As");
    EXPECT_EQ(d.filter, "Data files (*.dat;*.txt)|*.dat;*.txt|All Files (*.*)|*.*|");
    EXPECT_EQ(d.initialFileName, "t.dat");
    EXPECT_EQ(d.initialFolder, f.dir.folder());
    EXPECT_TRUE(d.overwritePrompt);
    EXPECT_TRUE(f.ui.onTop);
}

TEST(FileCommands, AFailedOrCancelledSaveAsKeepsTheTableAndItsFile) {
    Fixture f;
    f.table.pbTableChanged = true;
    const std::string original = f.table.psTableFile;
    EXPECT_FALSE(mSaveTableAs(f.state, f.prompt, f.ui)); // cancelled
    f.ui.paths = {f.dir.file("no/folder/x.dat")};
    EXPECT_FALSE(mSaveTableAs(f.state, f.prompt, f.ui)); // cannot be written
    ASSERT_EQ(f.prompt.messages.size(), 1u);
    EXPECT_EQ(f.prompt.messages[0].text.rfind("Error Code = PSTB", 0), 0u);
    EXPECT_EQ(f.table.psTableFile, original);
    EXPECT_EQ(f.root, "t.dat");
    EXPECT_TRUE(f.table.pbTableChanged);
    EXPECT_EQ(f.ui.rootChanged, 0);
    EXPECT_TRUE(f.ui.onTop);
}

TEST(FileCommands, SaveQuestionHasFourOutcomes) {
    struct Case {
        const char* what;
        MsgResult answer;
        std::optional<std::string> path; // the Save As dialog's answer
        SaveAnswer expected;
        int settingsSaved;
    } cases[] = {
        {"cancel", MsgResult::Cancel, std::nullopt, SaveAnswer::Cancel, 0},
        {"yes, dialog cancelled", MsgResult::Yes, std::nullopt, SaveAnswer::YesCancel, 0},
        {"yes, saved", MsgResult::Yes, "new.dat", SaveAnswer::YesSave, 1},
        {"yes, cannot be written", MsgResult::Yes, "no/folder/x.dat", SaveAnswer::YesCancel, 0},
        {"no", MsgResult::No, std::nullopt, SaveAnswer::No, 1},
    };
    for (const auto& c : cases) {
        Fixture f;
        f.table.pbTableChanged = true;
        f.prompt.answers = {c.answer};
        if (c.path) f.ui.paths = {f.dir.file(*c.path)};
        EXPECT_EQ(mAskSaveChanges(f.state, f.prompt, f.ui), c.expected) << c.what;
        EXPECT_EQ(f.ui.settingsSaved, c.settingsSaved) << c.what;
        EXPECT_EQ(f.prompt.messages[0].text,
                  "The file 't.dat' has changed.\r\n\r\nDo you want to save the changes?");
        EXPECT_EQ(f.prompt.messages[0].buttons, MsgButtons::YesNoCancel) << c.what;
        const std::string onDisk = qmtest::readBytes(f.dir.file("t.dat"));
        if (c.expected == SaveAnswer::No) {
            EXPECT_EQ(onDisk, crlf({"G;1", ";E;", "1;2;C", ";E;", "1;C;1", "1;U;2;0;;;", ";E;"}))
                << c.what;
        } else {
            EXPECT_EQ(onDisk, kTable) << c.what;
        }
        if (c.expected == SaveAnswer::YesSave) {
            EXPECT_EQ(f.table.psTableFile, f.dir.file("new.dat"));
            EXPECT_TRUE(std::filesystem::exists(f.dir.file("new.dat")));
        } else {
            EXPECT_EQ(f.table.psTableFile, f.dir.file("t.dat")) << c.what;
        }
    }
    EXPECT_STREQ(saveAnswerText(SaveAnswer::YesCancel), "YES_CANCEL");
}

TEST(FileCommands, OpenComesBackAfterAFailedReadUntilCancelled) {
    Fixture f;
    qmtest::writeBytes(f.dir.file("bad.dat"), "junk");
    f.ui.paths = {f.dir.file("bad.dat"), std::nullopt};
    EXPECT_FALSE(mOpenTable(f.state, f.read, f.prompt, f.ui));
    EXPECT_EQ(f.ui.dialogs.size(), 2u);
    EXPECT_EQ(f.ui.dialogs[0].title, " Open");
    EXPECT_TRUE(f.ui.dialogs[0].hideReadOnly);
    EXPECT_FALSE(f.ui.dialogs[0].overwritePrompt);
    EXPECT_EQ(f.prompt.messages.size(), 1u); // the reader's message
    EXPECT_EQ(f.ui.replaced, 1);             // the views show the table as it stands
    EXPECT_TRUE(f.ui.onTop);
}

TEST(FileCommands, OpenReadsAnotherTable) {
    Fixture f;
    qmtest::writeBytes(f.dir.file("other.dat"), crlf({"A;1", "B;0", ";E;", ";E;"}));
    f.readError = 1;
    f.ui.paths = {f.dir.file("bad-missing.dat"), f.dir.file("other.dat")};
    EXPECT_TRUE(mOpenTable(f.state, f.read, f.prompt, f.ui));
    EXPECT_EQ(f.table.pnCatGroupCount, 2);
    EXPECT_EQ(f.table.pnCategoryCount, 0);
    EXPECT_EQ(f.root, "other.dat");
    EXPECT_EQ(f.folder, f.dir.folder());
    EXPECT_EQ(f.sel, 1); // no category node left
    EXPECT_EQ(f.readError, 0);
    EXPECT_FALSE(f.table.pbTableChanged);
}

TEST(FileCommands, OpenAsksFirstWhenTheTableChanged) {
    Fixture f;
    f.table.pbTableChanged = true;
    f.prompt.answers = {MsgResult::Cancel};
    EXPECT_FALSE(mOpenTable(f.state, f.read, f.prompt, f.ui));
    EXPECT_TRUE(f.ui.dialogs.empty());
    EXPECT_TRUE(f.table.pbTableChanged);
    EXPECT_EQ(f.table.pnCategoryCount, 1);
}
