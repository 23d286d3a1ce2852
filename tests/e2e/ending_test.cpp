// The normal end: closing the window ends the program with exit code 0, writes only the
// settings file, and gives full-window drag back.
#include "finish_run.h"
#include "harness.h"
#include "program_test.h"

#include <gtest/gtest.h>

namespace e2e {
namespace {

class NormalEnd : public ProgramTest {};

TEST_F(NormalEnd, ClosingTheWindowEndsWithExitCodeZeroAndWritesOnlyTheSettingsFile) {
    struct Case {
        const char* how;
        std::function<bool(Program&)> close;
    };
    const Case cases[] = {
        {"Escape in the text box",
         [](Program& p) { return p.toFront() && (pressKey(VK_ESCAPE), true); }},
        {"Escape in an entry",
         [](Program& p) { return p.tabTo(Connection) && (pressKey(VK_ESCAPE), true); }},
        {"the close button", [](Program& p) { return p.clickCloseButton(); }},
        {"Alt+F4", [](Program& p) { return p.toFront() && (pressKey(VK_F4, {VK_MENU}), true); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.how);
        removeTree(station.settingsFile());
        ASSERT_TRUE(app.start());
        ASSERT_TRUE(c.close(app));
        std::optional<DWORD> code = app.waitForExit();
        ASSERT_TRUE(code) << "the program did not end";
        EXPECT_EQ(*code, 0u);
        std::string ini = station.settingsFile();
        EXPECT_EQ(profileValue(ini, "__Dont_Touch_Me__", "Sectors"), "0");
        EXPECT_EQ(profileValue(ini, "Main", "Maximize"), "No");
    }
    EXPECT_FALSE(exists(Workstation::CommandFile));
    EXPECT_FALSE(exists(Workstation::TerminalSettings));
    EXPECT_TRUE(station.netdom.commandLines().empty());
    expectNoRegistryChange();
}

TEST_F(NormalEnd, KeepsTheBookkeepingItemsOfTheSettingsFile) {
    ASSERT_TRUE(writeFile(station.settingsFile(), "[__Dont_Touch_Me__]\r\nSectors=2\r\n"
                                                  "Sectors_1=eerste\r\nSectors_2=tweede\r\n"));
    ASSERT_TRUE(app.start());
    ASSERT_TRUE(app.toFront());
    pressKey(VK_ESCAPE);
    ASSERT_EQ(app.waitForExit(), 0u);
    std::string ini = station.settingsFile();
    EXPECT_EQ(profileValue(ini, "__Dont_Touch_Me__", "Sectors"), "2");
    EXPECT_EQ(profileValue(ini, "__Dont_Touch_Me__", "Sectors_1"), "eerste");
    EXPECT_EQ(profileValue(ini, "__Dont_Touch_Me__", "Sectors_2"), "tweede");
}

TEST_F(NormalEnd, FullWindowDragIsOffWhileTheWindowRuns) {
    for (bool onBefore : {true, false}) {
        SCOPED_TRACE(onBefore ? "on before the start" : "off before the start");
        ASSERT_TRUE(setDragFullWindows(onBefore));
        ASSERT_EQ(dragFullWindows(), onBefore ? 1 : 0);
        ASSERT_TRUE(app.start());
        EXPECT_EQ(dragFullWindows(), 0);
        // Off for the session only: the user's stored setting is left as it was.
        std::optional<RegValue> stored =
            readRegistry(HKEY_CURRENT_USER, "Control Panel\\Desktop", "DragFullWindows");
        ASSERT_TRUE(stored);
        EXPECT_EQ(stored->data, sz(onBefore ? "1" : "0"));
        ASSERT_TRUE(app.toFront());
        pressKey(VK_ESCAPE);
        ASSERT_EQ(app.waitForExit(), 0u);
        EXPECT_EQ(dragFullWindows(), onBefore ? 1 : 0);
    }
}

} // namespace
} // namespace e2e
