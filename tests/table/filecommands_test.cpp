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

enum class Command { Save, SaveAs, Ask, Open };

struct Fixture {
    qmtest::TempDir dir;
    ConversionTable table;
    std::string root = "t.dat";
    std::string folder = "/elsewhere/";
    int16_t sel = 3;
    int16_t readError = 1;
    RecordingPrompt prompt;
    FakeUi ui;
    FileCommandState state{table, root, folder, sel, readError, "/prog/"};
    ReadContext read{prompt, {}, "/prog/", 15};

    Fixture() {
        qmtest::writeBytes(dir.file("t.dat"), kTable);
        qmtest::writeBytes(dir.file("bad.dat"), "not a table");
        qmtest::writeBytes(dir.file("other.dat"), crlf({"A;1", "B;0", ";E;", ";E;"}));
        table.psTableFile = dir.file("t.dat");
        EXPECT_EQ(pReadTable(table, read), 0);
    }

    int run(Command c) {
        switch (c) {
        case Command::Save:
            return mSaveTable(state, prompt, ui);
        case Command::SaveAs:
            return mSaveTableAs(state, prompt, ui);
        case Command::Ask:
            return static_cast<int>(mAskSaveChanges(state, prompt, ui));
        case Command::Open:
            return mOpenTable(state, read, prompt, ui);
        }
        return -1;
    }

    // The working file and root text, the folder ("@": the test's), the changed
    // flag, the files holding the saved table (read-only), the dialogs and messages shown (a
    // question by its buttons; the save question names the file),
    // the window calls (tree rebuilt, root text, settings saved), the selected
    // node, the read error and the table's group and category counts.
    std::string outcome() const {
        std::string s = table.psTableFile.substr(dir.folder().size()) + " " + root + " " +
                        (folder == dir.folder() ? "@" : folder) +
                        (table.pbTableChanged ? " changed" : "") + " saved:";
        for (const std::string& name : dir.names())
            if (qmtest::readBytes(dir.file(name)) == kSaved)
                s += " " + name + (isReadOnly(dir.file(name)) ? "" : " (writable)");
        s += " dialogs:" + std::to_string(ui.dialogs.size()) + " messages:";
        for (const auto& m : prompt.messages)
            s += m.buttons == MsgButtons::YesNo ? " overwrite"
                 : m.buttons == MsgButtons::YesNoCancel &&
                         m.text.find("'t.dat'") != std::string::npos
                     ? " changes"
                     : " other";
        return s + (ui.onTop ? " ui:" : " below ui:") + std::to_string(ui.replaced) +
               std::to_string(ui.rootChanged) + std::to_string(ui.settingsSaved) +
               " sel:" + std::to_string(sel) + " err:" + std::to_string(readError) +
               " table:" + std::to_string(table.pnCatGroupCount) + "/" +
               std::to_string(table.pnCategoryCount);
    }
};

} // namespace

// clang-format off
TEST(FileCommands, SaveOpenAndTheSaveQuestion) {
    using enum Command;
    using R = MsgResult;
    const int cancel = 0, yesCancel = 1, yesSave = 2, no = 3; // SaveAnswer
    // The command, the table changed, the answers to the questions and the paths the dialog
    // gives, in turn, the result and the outcome.
    const std::tuple<Command, bool, std::vector<MsgResult>, std::vector<std::optional<std::string>>, int, std::string> cases[] = {
        // Save writes only a changed table, and only after Yes.
        {Save, false, {R::Yes}, {}, 0, "t.dat t.dat /elsewhere/ saved: dialogs:0 messages: ui:000 sel:3 err:1 table:1/1"},
        {Save, true, {R::No}, {}, 0, "t.dat t.dat /elsewhere/ changed saved: dialogs:0 messages: overwrite ui:000 sel:3 err:1 table:1/1"},
        {Save, true, {R::Yes}, {}, 1, "t.dat t.dat /elsewhere/ saved: t.dat dialogs:0 messages: overwrite ui:000 sel:3 err:1 table:1/1"},
        // Save As writes even an unchanged table, or keeps everything when it fails.
        {SaveAs, false, {}, {"copy.dat"}, 1, "copy.dat copy.dat @ saved: copy.dat dialogs:1 messages: ui:010 sel:3 err:1 table:1/1"},
        {SaveAs, false, {}, {std::nullopt}, 0, "t.dat t.dat /elsewhere/ saved: dialogs:1 messages: ui:000 sel:3 err:1 table:1/1"},
        {SaveAs, false, {}, {"no/folder/x.dat"}, 0, "t.dat t.dat /elsewhere/ saved: dialogs:1 messages: other ui:000 sel:3 err:1 table:1/1"},
        // The save question: No writes the group states into the file.
        {Ask, true, {R::Cancel}, {}, cancel, "t.dat t.dat /elsewhere/ changed saved: dialogs:0 messages: changes ui:000 sel:3 err:1 table:1/1"},
        {Ask, true, {R::Yes}, {std::nullopt}, yesCancel, "t.dat t.dat /elsewhere/ changed saved: dialogs:1 messages: changes ui:000 sel:3 err:1 table:1/1"},
        {Ask, true, {R::Yes}, {"new.dat"}, yesSave, "new.dat t.dat @ changed saved: new.dat dialogs:1 messages: changes ui:001 sel:3 err:1 table:1/1"},
        {Ask, true, {R::Yes}, {"no/folder/x.dat"}, yesCancel, "t.dat t.dat /elsewhere/ changed saved: dialogs:1 messages: changes other ui:000 sel:3 err:1 table:1/1"},
        {Ask, true, {R::No}, {}, no, "t.dat t.dat /elsewhere/ changed saved: t.dat dialogs:0 messages: changes ui:001 sel:3 err:1 table:1/1"},
        // Open: the save question is asked once, however often the dialog comes back.
        {Open, false, {}, {"other.dat"}, 1, "other.dat other.dat @ saved: dialogs:1 messages: ui:100 sel:1 err:0 table:2/0"},
        {Open, true, {R::No}, {"bad.dat", std::nullopt}, 0, "t.dat t.dat /elsewhere/ changed saved: t.dat dialogs:2 messages: changes other ui:001 sel:3 err:1 table:1/1"},
        {Open, false, {}, {"missing.dat", "other.dat"}, 1, "other.dat other.dat @ saved: dialogs:2 messages: other ui:100 sel:1 err:0 table:2/0"},
        {Open, true, {R::Cancel}, {"other.dat"}, 0, "t.dat t.dat /elsewhere/ changed saved: dialogs:0 messages: changes ui:000 sel:3 err:1 table:1/1"},
    };
    for (const auto& [command, changed, answers, paths, result, outcome] : cases) {
        Fixture f;
        f.table.pbTableChanged = changed;
        f.prompt.answers = {answers.begin(), answers.end()};
        for (const auto& p : paths)
            f.ui.paths.push_back(p ? std::optional(f.dir.file(*p)) : std::nullopt);
        EXPECT_EQ(f.run(command), result) << outcome;
        EXPECT_EQ(f.outcome(), outcome);
        const std::string dialog = command == Open ? " Open|t.dat|/elsewhere/|01" : command == Ask ? " Save As|t.dat|/elsewhere/|10" : " Save As|t.dat|/elsewhere/|11";
        EXPECT_EQ(f.ui.dialogs, std::vector(f.ui.dialogs.size(), dialog));
    }
}
// clang-format on
