#include "finish_fixture.h"
#include "reconfig/command_file.h"

#include <string>

using Strings = std::vector<std::string>;

namespace {
const char CommandFile[] = "c:\\vpnnetsh.cmd";
}

TEST(CommandLines, TheThreeNetshLines) {
    MainScreenData d;
    d.LOC_X = 1;
    d.LOC_Y = 2;
    d.LOC_Z = 3;
    DeriveAddressTexts(d);
    const struct {
        const char* lan;
        const char *line1, *line2, *line3;
    } cases[] = {
        {"Local Area Connection",
         "netsh interface ip set address name=\"Local Area Connection\" static 10.1.2.3 "
         "255.255.255.0 10.1.2.1 1",
         "netsh interface ip set dns name=\"Local Area Connection\" static 10.0.0.10 primary",
         "netsh interface ip add dns name=\"Local Area Connection\" 10.0.0.11 index=2"},
        {"  LAN 2   ",
         "netsh interface ip set address name=\"  LAN 2\" static 10.1.2.3 255.255.255.0 10.1.2.1 1",
         "netsh interface ip set dns name=\"  LAN 2\" static 10.0.0.10 primary",
         "netsh interface ip add dns name=\"  LAN 2\" 10.0.0.11 index=2"},
        {"", "netsh interface ip set address name=\"\" static 10.1.2.3 255.255.255.0 10.1.2.1 1",
         "netsh interface ip set dns name=\"\" static 10.0.0.10 primary",
         "netsh interface ip add dns name=\"\" 10.0.0.11 index=2"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.lan);
        d.LOC_LAN.store(c.lan);
        EXPECT_EQ(CommandLine1(d), c.line1);
        EXPECT_EQ(CommandLine2(d), c.line2);
        EXPECT_EQ(CommandLine3(d), c.line3);
    }
    d.LOC_LAN.store("Local Area Connection");
    EXPECT_EQ(CommandLine1(d).len, 100u);
}

TEST_F(FinishTest, WritesExactlyThreeLinesFreshEachRun) {
    fake.files[CommandFile] = std::string(5000, 'x');
    data.LOC_X = 1;
    data.LOC_Y = 2;
    data.LOC_Z = 3;
    press();
    EXPECT_EQ(
        fake.files[CommandFile],
        "netsh interface ip set address name=\"Local Area Connection\" static 10.1.2.3 "
        "255.255.255.0 10.1.2.1 1\r\n"
        "netsh interface ip set dns name=\"Local Area Connection\" static 10.0.0.10 primary\r\n"
        "netsh interface ip add dns name=\"Local Area Connection\" 10.0.0.11 index=2\r\n");
    EXPECT_EQ(GLO_CMDBESTAND.clipped(), "c:\\vpnnetsh.cmd");
    EXPECT_EQ(std::string(GLO_CMDBESTAND.chars, 100).size(), 100u);
    // Created without sharing and closed at once, then opened shared; flushed and closed.
    Strings fileCalls;
    for (const std::string& line : fake.log)
        if (line.find("vpnnetsh") != std::string::npos)
            fileCalls.push_back(line);
    EXPECT_EQ(
        fileCalls,
        (Strings{"createFile(c:\\vpnnetsh.cmd|create)", "closeHandle(file:c:\\vpnnetsh.cmd)",
                 "createFile(c:\\vpnnetsh.cmd|open)", "flushFile(file:c:\\vpnnetsh.cmd)",
                 "closeHandle(file:c:\\vpnnetsh.cmd)", "createProcess(c:\\vpnnetsh.cmd)",
                 "closeHandle(process:c:\\vpnnetsh.cmd)", "closeHandle(thread:c:\\vpnnetsh.cmd)"}));
}

// The interpreter reads the file in the OEM code page; the name must reach netsh as typed.
TEST_F(FinishTest, LinesAreWrittenInTheOemCodePage) {
    data.LOC_LAN.store("Connexion au r\xe9seau local");
    press();
    const std::string& file = fake.files[CommandFile];
    EXPECT_NE(file.find("name=\"Connexion au r\x82seau local\" static"), std::string::npos);
    EXPECT_EQ(file.find('\xe9'), std::string::npos);
}

TEST_F(FinishTest, FailedAppendIsReportedPerLineAndTheRestGoesOn) {
    fake.failing.push_back("writeFile(");
    press();
    const std::string appendFailed = "messageBox(Dremo Software bellen!|Kan bestand niet toevoegen "
                                     "aan ip-wijziging. Fout: 5|error)";
    EXPECT_EQ(fake.callsNamed("messageBox"),
              (Strings{appendFailed, appendFailed, appendFailed,
                       "messageBox(Gereed|Computernaam aanpassen voltooid.|warning)"}));
    EXPECT_EQ(fake.callsNamed("writeFile").size(), 6u);
    EXPECT_EQ(fake.callsNamed("flushFile").size(), 1u);
    EXPECT_FALSE(fake.callsNamed("regCreateKey").empty());
}

TEST_F(FinishTest, OnlyTheFailedLineReportsAndLaterLinesStillLand) {
    fake.failing.push_back("writeFile(netsh interface ip set address");
    press();
    ASSERT_EQ(fake.messages.size(), 2u);
    EXPECT_EQ(fake.messages[0].text, "Kan bestand niet toevoegen aan ip-wijziging. Fout: 5");
    EXPECT_EQ(fake.messages[1].title, "Gereed");
    const std::string& file = fake.files[CommandFile];
    EXPECT_EQ(file.substr(0, 2), "\r\n");
    EXPECT_NE(file.find("set dns"), std::string::npos);
    EXPECT_NE(file.find("add dns"), std::string::npos);
    // Lines 2 and 3 come after the DOZ number.
    Strings order;
    for (const std::string& line : fake.log)
        if (line.rfind("writePrivateProfileString(Global", 0) == 0 ||
            line.rfind("writeFile(netsh", 0) == 0)
            order.push_back(line.substr(0, 32));
    EXPECT_EQ(order,
              (Strings{"writeFile(netsh interface ip set", "writePrivateProfileString(Global",
                       "writeFile(netsh interface ip set", "writeFile(netsh interface ip add"}));
}

// Without a fresh file nothing may be handed over: the window stays open, nothing changed.
TEST_F(FinishTest, CreateOrOpenFailureStopsTheSequence) {
    const struct {
        const char* failing;
        const char* message;
    } cases[] = {
        {"createFile(c:\\vpnnetsh.cmd|create)",
         "messageBox(Create fout|Fout tijdens aanmaken bestand voor IP wijzigingen.|error)"},
        {"createFile(c:\\vpnnetsh.cmd|open)",
         "messageBox(Open fout|Fout tijdens openen bestand voor IP wijzigingen.|error)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.failing);
        fake.log.clear();
        fake.failing = {c.failing};
        EXPECT_EQ(press(), frame::GoOn);
        EXPECT_EQ(fake.log.back(), c.message);
        EXPECT_EQ(fake.callsNamed("messageBox").size(), 1u);
        EXPECT_TRUE(fake.callsNamed("writeFile").empty());
        EXPECT_TRUE(fake.callsNamed("writePrivateProfileString").empty());
        EXPECT_TRUE(fake.callsNamed("regCreateKey").empty());
        EXPECT_TRUE(fake.callsNamed("createProcess").empty());
        EXPECT_FALSE(fake.exited);
        EXPECT_EQ(data.LOC_MASKER.clipped(), ""); // no address texts derived
    }
}
