#include "table/filecommands.h"

#include "core/recordingprompt.h"
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
const std::string kSaved = crlf({"G;1", ";E;", "1;2;C", ";E;", "1;C;1", "1;U;2;0;;;", ";E;"});

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
        qmtest::writeBytes(dir.file("bad.dat"), "not a table");
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
    } cases[] = {
        {false, MsgResult::Yes, false}, {true, MsgResult::No, false}, {true, MsgResult::Yes, true}};
    for (auto c : cases) {
        Fixture f;
        f.table.pbTableChanged = c.changed;
        f.prompt.answers = {c.answer};
        EXPECT_EQ(mSaveTable(f.state, f.prompt, f.ui), c.written);
        ASSERT_EQ(f.prompt.messages.size(), c.changed ? 1u : 0u);
        if (c.changed) {
            EXPECT_EQ(f.prompt.messages[0].text,
                      "Do you really want to overwrite the existing file?");
        }
        EXPECT_EQ(qmtest::readBytes(f.table.psTableFile), c.written ? kSaved : kTable);
        EXPECT_EQ(f.table.pbTableChanged, c.changed && !c.written);
    }
}

TEST(FileCommands, SaveAsWritesEvenAnUnchangedTableOrKeepsEverythingWhenItFails) {
    struct Case {
        const char* what;
        std::optional<std::string> name; // the dialog's answer
        bool written;
    } cases[] = {{"written", "copy.dat", true},
                 {"cancelled", std::nullopt, false},
                 {"cannot be written", "no/folder/x.dat", false}};
    for (const auto& c : cases) {
        Fixture f;
        f.folder = "/elsewhere/";
        if (c.name) f.ui.paths = {f.dir.file(*c.name)};
        EXPECT_EQ(mSaveTableAs(f.state, f.prompt, f.ui), c.written) << c.what;
        ASSERT_EQ(f.ui.dialogs.size(), 1u);
        const FileDialogSpec& d = f.ui.dialogs[0];
        EXPECT_EQ(d.title, " Save As");
        EXPECT_EQ(d.initialFileName, "t.dat");
        EXPECT_EQ(d.initialFolder, "/elsewhere/");
        EXPECT_TRUE(d.overwritePrompt && d.hideReadOnly);
        EXPECT_TRUE(f.ui.onTop) << c.what;
        EXPECT_EQ(f.ui.rootChanged, c.written ? 1 : 0) << c.what;
        EXPECT_EQ(f.folder, c.written ? f.dir.folder() : "/elsewhere/") << c.what;
        const std::string name = c.written ? "copy.dat" : "t.dat";
        EXPECT_EQ(f.table.psTableFile, f.dir.file(name)) << c.what;
        EXPECT_EQ(f.root, name) << c.what;
        EXPECT_EQ(qmtest::readBytes(f.dir.file("copy.dat")), c.written ? kSaved : "") << c.what;
    }
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
        // No writes the group states into the file.
        EXPECT_EQ(qmtest::readBytes(f.dir.file("t.dat")),
                  c.expected == SaveAnswer::No ? kSaved : kTable)
            << c.what;
        const bool saved = c.expected == SaveAnswer::YesSave;
        EXPECT_EQ(f.table.psTableFile, f.dir.file(saved ? "new.dat" : "t.dat")) << c.what;
        EXPECT_EQ(qmtest::readBytes(f.dir.file("new.dat")).empty(), !saved) << c.what;
    }
}

TEST(FileCommands, OpenReadsAnotherTableOrKeepsTheWorkingOne) {
    struct Case {
        const char* what;
        std::vector<std::optional<std::string>> answers; // of the dialog, in turn
        bool changed;                                    // the working table
        std::vector<MsgResult> questions;                // answers to the save question
        bool opened;
        std::size_t dialogs, messages; // messages: questions and the reader's
    } cases[] = {
        {"another table", {"other.dat"}, false, {}, true, 1, 0},
        {"not a table, cancelled", {"bad.dat", std::nullopt}, true, {MsgResult::No}, false, 2, 2},
        {"missing, then another table", {"missing.dat", "other.dat"}, false, {}, true, 2, 1},
        {"changed, question cancelled", {"other.dat"}, true, {MsgResult::Cancel}, false, 0, 1},
    };
    for (const auto& c : cases) {
        Fixture f;
        qmtest::writeBytes(f.dir.file("other.dat"), crlf({"A;1", "B;0", ";E;", ";E;"}));
        for (const auto& a : c.answers)
            f.ui.paths.push_back(a ? std::optional(f.dir.file(*a)) : std::nullopt);
        f.table.pbTableChanged = c.changed;
        f.prompt.answers = {c.questions.begin(), c.questions.end()};
        f.readError = 1;
        f.folder = "/elsewhere/";
        EXPECT_EQ(mOpenTable(f.state, f.read, f.prompt, f.ui), c.opened) << c.what;
        ASSERT_EQ(f.ui.dialogs.size(), c.dialogs) << c.what;
        for (const FileDialogSpec& d : f.ui.dialogs)
            EXPECT_TRUE(d.title == " Open" && d.hideReadOnly && d.initialFileName == "t.dat");
        EXPECT_TRUE(f.ui.onTop) << c.what;
        EXPECT_EQ(f.ui.replaced, c.opened ? 1 : 0) << c.what;
        // The save question is asked once, however often the dialog comes back.
        EXPECT_EQ(f.prompt.messages.size(), c.messages) << c.what;
        const std::string path = f.dir.file(c.opened ? "other.dat" : "t.dat");
        EXPECT_EQ(f.table.psTableFile, path) << c.what;
        EXPECT_EQ(f.table.pnCatGroupCount, c.opened ? 2 : 1) << c.what;
        EXPECT_EQ(f.table.pnCategoryCount, c.opened ? 0 : 1) << c.what;
        EXPECT_EQ(f.table.pbTableChanged, c.changed && !c.opened) << c.what;
        EXPECT_EQ(f.root, c.opened ? "other.dat" : "t.dat") << c.what;
        EXPECT_EQ(f.folder, c.opened ? f.dir.folder() : "/elsewhere/") << c.what;
        EXPECT_EQ(f.sel, c.opened ? 1 : 3) << c.what; // no category node left
        EXPECT_EQ(f.readError, c.opened ? 0 : 1) << c.what;
    }
}
