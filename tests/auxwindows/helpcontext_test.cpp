#include "auxwindows/helpcontext.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <set>
#include <sstream>
#include <string>

using namespace qm;

TEST(HelpContext, AnchorForEachContextNumber) {
    struct Case {
        int context;
        const char* anchor;
    } cases[] = {
        {0, "contents"},   {30, "ctx30"},      {31, "ctx31"},    {52, "ctx52"},    {53, "ctx53"},
        {57, "ctx57"},     {58, "ctx58"},      {1, "contents"},  {29, "contents"}, {54, "contents"},
        {-30, "contents"}, {3030, "contents"}, {-1, "contents"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(helpAnchor(c.context), c.anchor) << c.context;
}

TEST(HelpContext, KnownContextsAreTheSixDialogs) {
    const auto list = helpContexts();
    EXPECT_EQ(std::set<int>(list.begin(), list.end()), (std::set<int>{30, 31, 52, 53, 57, 58}));
    EXPECT_EQ(list.size(), 6u); // no duplicates
    EXPECT_FALSE(isHelpContext(0));
    EXPECT_TRUE(isHelpContext(58));
    EXPECT_FALSE(isHelpContext(59));
}

TEST(HelpContext, FilePathFromTheProgramFolder) {
    struct Case {
        const char* folder;
        const char* path;
    } cases[] = {
        {"/opt/quantimetrix", "/opt/quantimetrix/Qmtrxdoc.hlp"},
        {"/opt/quantimetrix/", "/opt/quantimetrix/Qmtrxdoc.hlp"},
        {"C:\\Tools\\Qm\\", "C:\\Tools\\Qm\\Qmtrxdoc.hlp"},
        {"C:/Tools/Qm", "C:/Tools/Qm/Qmtrxdoc.hlp"},
        {"/", "/Qmtrxdoc.hlp"},
        {"", "Qmtrxdoc.hlp"},
        {"dir with blanks", "dir with blanks/Qmtrxdoc.hlp"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(helpFilePath(c.folder), c.path) << c.folder;
}

TEST(HelpContext, MissingFileMessageNamesThePath) {
    EXPECT_EQ(helpMissingMessage("/x/Qmtrxdoc.hlp"),
              "'/x/Qmtrxdoc.hlp'\n\nThe help file cannot be found or read. "
              "Reinstall the program to restore it.");
}

TEST(HelpContext, UsableTextNeedsSomethingBesidesWhiteSpace) {
    struct Case {
        std::string text;
        bool usable;
    } cases[] = {
        {"", false},    {" \r\n\t ", false},          {"\n\n\n", false}, {"<html></html>", true},
        {"  x ", true}, {std::string("\0", 1), true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(helpTextUsable(c.text), c.usable) << '"' << c.text << '"';
}

namespace {
std::string readShippedHelp() {
    std::ifstream in(std::string(QM_SHIPPED_DATA_DIR) + "/Qmtrxdoc.hlp", std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The names of <a name="..."> anchors and the targets of href="#..." links.
std::set<std::string> collect(const std::string& text, const std::string& prefix) {
    std::set<std::string> out;
    for (size_t at = text.find(prefix); at != std::string::npos; at = text.find(prefix, at + 1)) {
        const size_t start = at + prefix.size();
        const size_t end = text.find('"', start);
        if (end != std::string::npos) out.insert(text.substr(start, end - start));
    }
    return out;
}
} // namespace

TEST(ShippedHelpFile, HoldsTheContentsAndEveryContextAnchor) {
    const std::string text = readShippedHelp();
    ASSERT_FALSE(text.empty());
    const auto names = collect(text, "name=\"");
    EXPECT_TRUE(names.count(helpAnchor(0))) << "contents anchor";
    for (int c : helpContexts())
        EXPECT_TRUE(names.count(helpAnchor(c))) << helpAnchor(c);
}

TEST(ShippedHelpFile, EveryInternalLinkHasItsAnchor) {
    const std::string text = readShippedHelp();
    const auto names = collect(text, "name=\"");
    const auto targets = collect(text, "href=\"#");
    EXPECT_GT(targets.size(), 20u);
    for (const auto& t : targets)
        EXPECT_TRUE(names.count(t)) << "link to #" << t << " has no anchor";
}

TEST(ShippedHelpFile, IsUtf8WithCrLfFreeOfStrayControlBytes) {
    const std::string text = readShippedHelp();
    // Decode UTF-8 by hand: every lead byte has the right number of
    // continuation bytes, no overlong two-byte forms.
    for (size_t i = 0; i < text.size();) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        size_t more = c < 0x80             ? 0
                      : (c & 0xE0) == 0xC0 ? 1
                      : (c & 0xF0) == 0xE0 ? 2
                      : (c & 0xF8) == 0xF0 ? 3
                                           : 9;
        ASSERT_NE(more, 9u) << "bad lead byte at " << i;
        ASSERT_FALSE(more == 1 && c < 0xC2) << "overlong at " << i;
        ASSERT_LE(i + more, text.size() - 1) << "truncated at " << i;
        for (size_t k = 1; k <= more; ++k)
            ASSERT_EQ(static_cast<unsigned char>(text[i + k]) & 0xC0, 0x80) << "at " << i;
        ASSERT_FALSE(c < 0x20 && c != '\n' && c != '\r' && c != '\t') << "control byte at " << i;
        i += more + 1;
    }
    EXPECT_NE(text.find("charset=\"utf-8\""), std::string::npos);
}
