// What a Finish run tells the technician when a step fails, and how it goes on.
#include "finish_run.h"
#include "harness.h"
#include "program_test.h"

#include <gtest/gtest.h>

namespace e2e {
namespace {

class FinishFailure : public FinishTest {};

// Without a fresh command file nothing may be handed over: the window stays open. (A
// read-only file would do as well on Windows; Wine running as root writes it all the same.)
TEST_F(FinishFailure, ACommandFileThatCannotBeCreatedStopsTheRun) {
    ASSERT_TRUE(makeDirectories(Workstation::CommandFile));
    ASSERT_TRUE(app.start());
    Values v;
    v.doz = "77";
    ASSERT_TRUE(enterAll(v));
    ASSERT_TRUE(app.pressFinishButton());
    ASSERT_NO_FATAL_FAILURE(
        expectMessage("Create fout", "Fout tijdens aanmaken bestand voor IP wijzigingen.", true));

    // Back in the window's loop with the typed values, and no further message.
    ASSERT_TRUE(app.tabTo(ComputerName));
    EXPECT_TRUE(app.ownedDialogs().empty());
    EXPECT_EQ(app.text(Z), "30");
    EXPECT_EQ(app.text(DozNumber), "77");
    EXPECT_TRUE(station.netdom.commandLines().empty());
    EXPECT_FALSE(exists(Workstation::TerminalSettings));
    expectNoRegistryChange();
    EXPECT_EQ(dragFullWindows(), 0);

    // With the cause removed, the same window goes through.
    removeTree(Workstation::CommandFile);
    ASSERT_TRUE(completeRun());
    EXPECT_EQ(readFile(Workstation::CommandFile),
              commandFile("Local Area Connection", "10.0.0.30", "10.0.0.1"));
    EXPECT_EQ(profileValue(Workstation::TerminalSettings, "Global", "DOZNummer"), "77");
    EXPECT_EQ(dragFullWindows(), 1);
}

// These failures are reported, and the run still goes through to the hand-over.
TEST_F(FinishFailure, AFailedStepIsReportedAndTheRunGoesOn) {
    struct Case {
        const char* what;
        std::function<void(Workstation&)> arrange;
        const char* title;
        const char* text;
    };
    const Case cases[] = {
        {"no zelvorn directory", [](Workstation&) { removeTree(Workstation::ZelvornDirectory); },
         "Dremo Software bellen!",
         "Kan DOZ-nummer niet opslaan in c:\\program files\\zelvorn\\instell.ini."},
        {"no netdom", [](Workstation& w) { w.netdom.uninstall(); }, "Werkgroep niet aangepast",
         "Kan c:\\zivuvedez\\netdom niet starten."},
        {"netdom fails", [](Workstation& w) { w.netdom.setExitCode(3); },
         "Werkgroep niet aangepast", "netdom meldt foutcode 3"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_TRUE(station.prepare());
        c.arrange(station);
        ASSERT_TRUE(app.start());
        Values v;
        v.doz = "55";
        ASSERT_TRUE(enterAll(v));
        ASSERT_TRUE(app.pressFinishButton());
        ASSERT_NO_FATAL_FAILURE(expectMessage(c.title, c.text, true));
        ASSERT_NO_FATAL_FAILURE(expectCompletion());
        EXPECT_EQ(readFile(Workstation::CommandFile),
                  commandFile("Local Area Connection", "10.0.0.30", "10.0.0.1"));
        EXPECT_TRUE(readRegistry(HKEY_LOCAL_MACHINE, ServerKey, "srvcomment"));
        EXPECT_EQ(dragFullWindows(), 1);
    }
}

} // namespace
} // namespace e2e
