// A technician's whole run: typed fields, "&Voltooien", the command file, the terminal
// settings, the registry, the workgroup join, the completion message and the hand-over.
#include "finish_run.h"

#include "harness.h"
#include "program_test.h"

#include <gtest/gtest.h>

namespace e2e {
namespace {

class FinishRun : public FinishTest {};

TEST_F(FinishRun, ReconfiguresTheWorkstationAndHandsOverToTheCommandFile) {
    // What an earlier life of the machine left: a normal end's settings file, a longer
    // command file, the terminal settings, and two values of another type.
    std::optional<std::string> settingsBefore = settingsAfterNormalEnd();
    ASSERT_TRUE(settingsBefore);
    ASSERT_TRUE(writeFile(Workstation::CommandFile, std::string(3000, 'x') + "\r\n"));
    ASSERT_TRUE(writeFile(Workstation::TerminalSettings,
                          "[Global]\r\nWinkel=12\r\nDOZNummer=oud\r\n[Kassa]\r\nPoort=3\r\n"));
    ASSERT_TRUE(writeRegistry(HKEY_LOCAL_MACHINE, TcpipKey, "NV hostname", REG_DWORD, dword(7)));
    ASSERT_TRUE(writeRegistry(HKEY_LOCAL_MACHINE, ServerKey, "EnableOpLocks", REG_SZ, sz("ja")));
    const std::string release = std::string(Workstation::WorkDirectory) + "\\netdom.release";
    station.netdom.holdUntil(release);

    ASSERT_TRUE(app.start());
    Values v;
    v.name = "WINKEL-0412";
    v.x = "12";
    v.y = "34";
    v.z = "56";
    v.doz = "1234";
    ASSERT_TRUE(enterAll(v));
    ASSERT_TRUE(app.toFront());
    pressKey('V', {VK_MENU});

    // netdom runs with its exact command line, and the window waits for it.
    ASSERT_TRUE(waitUntil([&] { return station.netdom.commandLines().size() == 1; }));
    EXPECT_EQ(station.netdom.commandLines()[0],
              "c:\\zivuvedez\\netdom member \\\\WINKEL-0412 /JOINWORKGROUP ROVAVUZADE");
    EXPECT_FALSE(respondsWithin(app.window(), Duration(500))) << "the window waits for netdom";
    EXPECT_TRUE(app.ownedDialogs().empty()) << "no message while netdom runs";

    // Everything before the join is done by now.
    EXPECT_EQ(readFile(Workstation::CommandFile),
              commandFile("Local Area Connection", "10.12.34.56", "10.12.34.1"));
    expectRegistryAfterRun("WINKEL-0412");
    EXPECT_EQ(profileValue(Workstation::TerminalSettings, "Global", "DOZNummer"), "1234");
    EXPECT_EQ(profileValue(Workstation::TerminalSettings, "Global", "Winkel"), "12");
    EXPECT_EQ(profileValue(Workstation::TerminalSettings, "Kassa", "Poort"), "3");
    EXPECT_EQ(dragFullWindows(), 0);

    // The completion message comes only once netdom has ended.
    ASSERT_TRUE(writeFile(release, ""));
    std::optional<MessageBoxInfo> done = app.waitForMessageBox();
    ASSERT_TRUE(done);
    EXPECT_EQ(station.netdom.ends(), 1);
    EXPECT_EQ(done->title, "Gereed");
    EXPECT_EQ(done->text, "Computernaam aanpassen voltooid.");
    EXPECT_TRUE(done->hasIcon);
    EXPECT_EQ(done->owner, app.window());
    EXPECT_EQ(done->buttons, std::vector<std::string>{"OK"});
    EXPECT_TRUE(station.netsh.commandLines().empty()) << "the command file waits for OK";
    ASSERT_TRUE(app.answer(*done));

    EXPECT_EQ(app.waitForExit(), 0u);
    ASSERT_TRUE(waitUntil([&] { return station.netsh.ends() == 3; }))
        << "the command file reached netsh " << station.netsh.ends() << " times";
    EXPECT_EQ(netshArguments(), netshLines("Local Area Connection", "10.12.34.56", "10.12.34.1"));
    EXPECT_EQ(dragFullWindows(), 1);
    EXPECT_EQ(readFile(station.settingsFile()), settingsBefore) << "a hand-over saves nothing";
}

TEST_F(FinishRun, AnAccentedConnectionNameReachesNetshAsTyped) {
    ASSERT_TRUE(app.start());
    Values v;
    v.connection = "Connexion au r\xe9seau local"; // é in the ANSI code page 1252
    ASSERT_TRUE(enterAll(v));
    ASSERT_TRUE(completeRun());
    // The command interpreter reads the file in the OEM code page 437: é is 0x82 there.
    EXPECT_EQ(readFile(Workstation::CommandFile),
              commandFile("Connexion au r\x82seau local", "10.0.0.30", "10.0.0.1"));
    EXPECT_EQ(netshArguments(), netshLines(v.connection, "10.0.0.30", "10.0.0.1"));
}

TEST_F(FinishRun, AnEmptyDozNumberReplacesTheStoredOne) {
    ASSERT_TRUE(writeFile(Workstation::TerminalSettings, "[Global]\r\nDOZNummer=4321\r\n"));
    ASSERT_TRUE(app.start());
    Values v;
    v.doz = "";
    ASSERT_TRUE(enterAll(v));
    ASSERT_TRUE(completeRun());
    EXPECT_EQ(profileValue(Workstation::TerminalSettings, "Global", "DOZNummer"), "");
}

TEST_F(FinishRun, ADozNumberIsCutAtTenCharacters) {
    ASSERT_TRUE(app.start());
    ASSERT_TRUE(app.tabTo(DozNumber));
    typeText("123456789012");
    ASSERT_TRUE(waitUntil([&] { return app.text(DozNumber) == "1234567890"; }));
    Values v;
    v.doz = "1234567890";
    ASSERT_TRUE(enterAll(v));
    ASSERT_TRUE(completeRun());
    EXPECT_EQ(profileValue(Workstation::TerminalSettings, "Global", "DOZNummer"), "1234567890");
}

} // namespace
} // namespace e2e
