#include "app/TAVQip.h"
#include "finish_fixture.h"
#include "reconfig/handover.h"

#include <string>

using Strings = std::vector<std::string>;

namespace {
const char Instell[] = "c:\\program files\\zelvorn\\instell.ini";
const char Join[] = "c:\\zivuvedez\\netdom member \\\\VOSXXXX-006-03 /JOINWORKGROUP ROVAVUZADE";
} // namespace

TEST_F(FinishTest, AfterTheRegistryJoinWaitReportDoneHandOverAndExit) {
    FullWindowDragWasOn = 1;
    press();
    FullWindowDragWasOn = 0;
    std::string join = Join;
    std::string cmd = "c:\\vpnnetsh.cmd";
    EXPECT_EQ(fake.logFrom("createProcess"),
              (Strings{
                  "createProcess(" + join + ")",
                  "waitForProcess(process:" + join + ")",
                  "getExitCode(process:" + join + ")",
                  "closeHandle(process:" + join + ")",
                  "closeHandle(thread:" + join + ")",
                  "messageBox(Gereed|Computernaam aanpassen voltooid.|warning)",
                  "window.refresh()",
                  "createProcess(" + cmd + ")",
                  "closeHandle(process:" + cmd + ")",
                  "closeHandle(thread:" + cmd + ")",
                  "setDragFullWindows(1|2)",
                  "exitProcess(0)",
              }));
    // The join comes after the last registry write.
    auto& log = fake.log;
    size_t lastRegistry = 0, join1 = 0;
    for (size_t i = 0; i < log.size(); ++i) {
        if (log[i].rfind("regCloseKey", 0) == 0)
            lastRegistry = i;
        if (log[i].rfind("createProcess", 0) == 0 && !join1)
            join1 = i;
    }
    EXPECT_LT(lastRegistry, join1);
    EXPECT_EQ(data.workingText.clipped(), Join);
}

TEST_F(FinishTest, DozNumberLandsInTheTerminalSettingsFile) {
    const struct {
        const char* typed;
        const char* stored;
    } cases[] = {{"1234", "1234"}, {"", ""}, {"  77  ", "  77"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        fake.profiles[Instell]["Global"]["DOZNummer"] = "old";
        fake.profiles[Instell]["Global"]["Other"] = "kept";
        data.LOC_JDSNR.store(c.typed);
        WriteDozNumber(data);
        EXPECT_EQ(fake.profiles[Instell]["Global"]["DOZNummer"], c.stored);
        EXPECT_EQ(fake.profiles[Instell]["Global"]["Other"], "kept");
    }
    EXPECT_TRUE(fake.messages.empty());
    EXPECT_EQ(fake.callsNamed("getWindowsDirectory").front(), "getWindowsDirectory(260)");
}

TEST_F(FinishTest, DozStepReportsWhatItCouldNotDoAndTheSequenceGoesOn) {
    const struct {
        const char* failing;
        const char* text;
    } cases[] = {
        {"getWindowsDirectory(", "Kan windows directory niet bepalen."},
        {"writePrivateProfileString(Global",
         "Kan DOZ-nummer niet opslaan in c:\\program files\\zelvorn\\instell.ini."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.failing);
        fake.log.clear();
        fake.messages.clear();
        fake.profiles.clear();
        fake.failing = {c.failing};
        press();
        ASSERT_EQ(fake.messages.size(), 2u);
        EXPECT_EQ(fake.messages[0].title, "Dremo Software bellen!");
        EXPECT_EQ(fake.messages[0].text, c.text);
        EXPECT_EQ(fake.messages[0].icon, platform::Icon::Error);
        EXPECT_EQ(fake.messages[1].title, "Gereed");
        EXPECT_TRUE(fake.profiles[Instell].empty());
        EXPECT_EQ(fake.calls("writeFile(netsh").size(), 3u);
        EXPECT_TRUE(fake.exited);
    }
}

TEST_F(FinishTest, FailedJoinIsReportedBeforeTheCompletionMessage) {
    const struct {
        const char* failing;
        uint32_t exitCode;
        const char* text;
    } cases[] = {
        {"createProcess(c:\\zivuvedez", 0, "Kan c:\\zivuvedez\\netdom niet starten."},
        {"", 3, "netdom meldt foutcode 3"},
        {"", 3221225477u, "netdom meldt foutcode 3221225477"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        fake.messages.clear();
        fake.failing = {};
        if (*c.failing)
            fake.failing.push_back(c.failing);
        fake.exitCodeOfStartedProcess = c.exitCode;
        press();
        ASSERT_EQ(fake.messages.size(), 2u);
        EXPECT_EQ(fake.messages[0].title, "Werkgroep niet aangepast");
        EXPECT_EQ(fake.messages[0].text, c.text);
        EXPECT_EQ(fake.messages[0].icon, platform::Icon::Error);
        EXPECT_EQ(fake.messages[1].title, "Gereed");
    }
}

TEST(WriteProfileEntry, ClipsTrailingBlanksAndCutsLongTexts) {
    FakePlatform fake;
    EXPECT_TRUE(WriteProfileEntry("Sect  ", "Key ", "  value  ", "c:\\f.ini   "));
    EXPECT_EQ(fake.log.back(), "writePrivateProfileString(Sect|Key|  value|c:\\f.ini)");
    EXPECT_TRUE(WriteProfileEntry("S", "K", "V", "   "));
    EXPECT_EQ(fake.log.back(), "writeProfileString(S|K|V)");
    std::string value(2000, 'v'), file(400, 'f');
    WriteProfileEntry("S", "K", value.c_str(), file.c_str());
    EXPECT_EQ(fake.log.back(), "writePrivateProfileString(S|K|" + std::string(1023, 'v') + "|" +
                                   std::string(259, 'f') + ")");
    // Clipped first, then cut: blanks inside the first 1023 characters stay.
    std::string inner = std::string(1020, 'v') + "     x";
    WriteProfileEntry("S", "K", inner.c_str(), "f");
    EXPECT_EQ(fake.log.back(),
              "writePrivateProfileString(S|K|" + std::string(1020, 'v') + "   |f)");
    fake.failing.push_back("writePrivateProfileString(");
    EXPECT_FALSE(WriteProfileEntry("S", "K", "V", "f"));
}

TEST(RunCommand, WaitsOnlyWhenAskedAndClosesBothHandles) {
    FakePlatform fake;
    fake.exitCodeOfStartedProcess = 7;
    RunResult waited = RunCommand("tool a", true);
    EXPECT_TRUE(waited.started);
    EXPECT_EQ(waited.exitCode, 7u);
    EXPECT_EQ(fake.log, (Strings{"createProcess(tool a)", "waitForProcess(process:tool a)",
                                 "getExitCode(process:tool a)", "closeHandle(process:tool a)",
                                 "closeHandle(thread:tool a)"}));
    fake.log.clear();
    RunCommand("tool b", false);
    EXPECT_EQ(fake.log, (Strings{"createProcess(tool b)", "closeHandle(process:tool b)",
                                 "closeHandle(thread:tool b)"}));
    fake.failing.push_back("createProcess(");
    fake.log.clear();
    EXPECT_FALSE(RunCommand("missing", true).started);
    EXPECT_EQ(fake.log.size(), 1u);
}
