#include "auxwindows/helpcontext.h"

#include <gtest/gtest.h>

using namespace qm;

TEST(HelpContext, FilePathInTheProgramFolder) {
    const std::pair<const char*, const char*> paths[] = {
        {"/opt/qm", "/opt/qm/Qmtrxdoc.hlp"},
        {"/opt/qm/", "/opt/qm/Qmtrxdoc.hlp"},
        {"C:\\Qm\\", "C:\\Qm\\Qmtrxdoc.hlp"},
        {"", "Qmtrxdoc.hlp"},
    };
    for (const auto& [folder, path] : paths)
        EXPECT_EQ(helpFilePath(folder), path) << folder;
}
