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
    std::vector<std::string> dialogs; // title, file name, folder and the two flags of each
    int settingsSaved = 0, replaced = 0, rootChanged = 0;
    bool onTop = true; // the main window's always-on-top state as left by the command
    std::optional<std::string> fileDialog(const FileDialogSpec& d) override {
        dialogs.push_back(d.title + "|" + d.initialFileName + "|" + d.initialFolder + "|" +
                          std::to_string(d.overwritePrompt) + std::to_string(d.hideReadOnly));
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
    std::string folder = "/elsewhere/";
    int16_t sel = 3;
    int16_t readError = 0;
    RecordingPrompt prompt;
    FakeUi ui;
    FileCommandState state{table, root, folder, sel, readError, "/prog/"};
    ReadContext read{prompt, {}, "/prog/", 15};

    // The dialog answers names in the test's folder.
    Fixture(std::vector<std::optional<std::string>> answers = {}, bool changed = false) {
        qmtest::writeBytes(dir.file("t.dat"), kTable);
        qmtest::writeBytes(dir.file("bad.dat"), "not a table");
        qmtest::writeBytes(dir.file("other.dat"), crlf({"A;1", "B;0", ";E;", ";E;"}));
        table.psTableFile = dir.file("t.dat");
        EXPECT_EQ(pReadTable(table, read), 0);
        table.pbTableChanged = changed;
        for (const auto& a : answers)
            ui.paths.push_back(a ? std::optional(dir.file(*a)) : std::nullopt);
    }
    std::string file(const std::string& name) const { return qmtest::readBytes(dir.file(name)); }
};

} // namespace

TEST(FileCommands, SaveWritesOnlyAChangedTableAndOnlyAfterYes) {
    const struct {
        bool changed;
        MsgResult answer;
        bool written;
    } cases[] = {
        {false, MsgResult::Yes, false}, {true, MsgResult::No, false}, {true, MsgResult::Yes, true}};
    for (auto c : cases) {
        Fixture f({}, c.changed);
        f.prompt.answers = {c.answer};
        EXPECT_EQ(mSaveTable(f.state, f.prompt, f.ui), c.written);
        ASSERT_EQ(f.prompt.messages.size(), c.changed ? 1u : 0u);
        EXPECT_EQ(c.changed ? f.prompt.messages[0].text : "",
                  c.changed ? "Do you really want to overwrite the existing file?" : "");
        EXPECT_EQ(f.file("t.dat"), c.written ? kSaved : kTable);
        EXPECT_EQ(f.table.pbTableChanged, c.changed && !c.written);
    }
}

TEST(FileCommands, SaveAsWritesEvenAnUnchangedTableOrKeepsEverythingWhenItFails) {
    for (const char* name : {"copy.dat", "", "no/folder/x.dat"}) { // "": cancelled
        Fixture f({*name ? std::optional<std::string>(name) : std::nullopt});
        const bool written = name == std::string("copy.dat");
        EXPECT_EQ(mSaveTableAs(f.state, f.prompt, f.ui), written) << name;
        EXPECT_EQ(f.ui.dialogs, std::vector<std::string>{" Save As|t.dat|/elsewhere/|11"});
        EXPECT_TRUE(f.ui.onTop) << name;
        EXPECT_EQ(f.ui.rootChanged, written ? 1 : 0) << name;
        EXPECT_EQ(f.folder, written ? f.dir.folder() : "/elsewhere/") << name;
        EXPECT_EQ(f.table.psTableFile, f.dir.file(written ? "copy.dat" : "t.dat")) << name;
        EXPECT_EQ(f.root, written ? "copy.dat" : "t.dat") << name;
        EXPECT_EQ(f.file("copy.dat"), written ? kSaved : "") << name;
    }
}

// clang-format off
TEST(FileCommands, SaveQuestionHasFourOutcomes) {
    const struct {
        MsgResult answer;
        std::optional<std::string> path; // the Save As dialog's answer
        SaveAnswer expected;
        int settingsSaved;
    } cases[] = {
        {MsgResult::Cancel, std::nullopt, SaveAnswer::Cancel, 0},
        {MsgResult::Yes, std::nullopt, SaveAnswer::YesCancel, 0},
        {MsgResult::Yes, "new.dat", SaveAnswer::YesSave, 1},
        {MsgResult::Yes, "no/folder/x.dat", SaveAnswer::YesCancel, 0},
        {MsgResult::No, std::nullopt, SaveAnswer::No, 1},
    };
    for (const auto& c : cases) {
        Fixture f({c.path}, true);
        f.prompt.answers = {c.answer};
        const std::string what = c.path.value_or("no path");
        EXPECT_EQ(mAskSaveChanges(f.state, f.prompt, f.ui), c.expected) << what;
        EXPECT_EQ(f.ui.settingsSaved, c.settingsSaved) << what;
        EXPECT_EQ(f.prompt.messages[0].text, "The file 't.dat' has changed.\r\n\r\nDo you want to save the changes?");
        EXPECT_EQ(f.prompt.messages[0].buttons, MsgButtons::YesNoCancel) << what;
        EXPECT_EQ(f.file("t.dat"), c.expected == SaveAnswer::No ? kSaved : kTable) << what; // No writes the group states
        const bool saved = c.expected == SaveAnswer::YesSave;
        EXPECT_EQ(f.table.psTableFile, f.dir.file(saved ? "new.dat" : "t.dat")) << what;
        EXPECT_EQ(f.file("new.dat").empty(), !saved) << what;
    }
}

TEST(FileCommands, OpenReadsAnotherTableOrKeepsTheWorkingOne) {
    const struct {
        std::vector<std::optional<std::string>> answers; // of the dialog, in turn
        bool changed;                                    // the working table
        std::vector<MsgResult> questions;                // answers to the save question
        bool opened;
        std::size_t dialogs, messages; // messages: questions and the reader's
    } cases[] = {
        {{"other.dat"}, false, {}, true, 1, 0},
        {{"bad.dat", std::nullopt}, true, {MsgResult::No}, false, 2, 2}, // the question once
        {{"missing.dat", "other.dat"}, false, {}, true, 2, 1},
        {{"other.dat"}, true, {MsgResult::Cancel}, false, 0, 1},
    };
    for (const auto& c : cases) {
        Fixture f(c.answers, c.changed);
        f.prompt.answers = {c.questions.begin(), c.questions.end()};
        f.readError = 1;
        const std::string what = c.answers[0].value_or("") + std::to_string(c.changed);
        EXPECT_EQ(mOpenTable(f.state, f.read, f.prompt, f.ui), c.opened) << what;
        EXPECT_EQ(f.ui.dialogs, std::vector<std::string>(c.dialogs, " Open|t.dat|/elsewhere/|01"));
        EXPECT_TRUE(f.ui.onTop) << what;
        EXPECT_EQ(f.ui.replaced, c.opened ? 1 : 0) << what;
        EXPECT_EQ(f.prompt.messages.size(), c.messages) << what;
        EXPECT_EQ(f.table.psTableFile, f.dir.file(c.opened ? "other.dat" : "t.dat")) << what;
        EXPECT_EQ(f.table.pnCatGroupCount, c.opened ? 2 : 1) << what;
        EXPECT_EQ(f.table.pnCategoryCount, c.opened ? 0 : 1) << what;
        EXPECT_EQ(f.table.pbTableChanged, c.changed && !c.opened) << what;
        EXPECT_EQ(f.root, c.opened ? "other.dat" : "t.dat") << what;
        EXPECT_EQ(f.folder, c.opened ? f.dir.folder() : "/elsewhere/") << what;
        EXPECT_EQ(f.sel, c.opened ? 1 : 3) << what; // no category node left
        EXPECT_EQ(f.readError, c.opened ? 0 : 1) << what;
    }
}
// clang-format on
