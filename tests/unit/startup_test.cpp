#include "app/TAVQi001.h"
#include "app/TAVQip.h"
#include "fake_platform.h"
#include "reconfig/command_file.h"

#include <gtest/gtest.h>

#include <string>

using Strings = std::vector<std::string>;

namespace {

const char Ini[] = "TAVQip.INI";

class StartupTest : public ::testing::Test {
  protected:
    ~StartupTest() override {
        fakeEventLoop = nullptr;
        FullWindowDragWasOn = 0;
    }
    // The calls that matter for the order of start and end.
    Strings outline() const {
        Strings out;
        for (const std::string& line : fake.log)
            if (line.rfind("getPrivateProfileString", 0) != 0 && line.rfind("window.", 0) != 0 &&
                line.rfind("writePrivateProfileString(Main", 0) != 0)
                out.push_back(line);
        return out;
    }
    FakePlatform fake;
};

std::string textOf(const frame::Binding& b) {
    return std::string(b.chars, b.width);
}

} // namespace

TEST_F(StartupTest, DragIsOffWhileTheWindowRunsAndOnAgainAfter) {
    fake.dragFullWindows = 1;
    bool offWhileRunning = false;
    fakeEventLoop = [&](frame::WindowManager&) { offWhileRunning = fake.dragFullWindows == 0; };
    ProgramEntry();
    EXPECT_TRUE(offWhileRunning);
    EXPECT_EQ(outline(),
              (Strings{"getDragFullWindows()", "setDragFullWindows(0|2)", "createWindow(P1$WINDOW)",
                       "destroyWindow()", "setDragFullWindows(1|2)",
                       "writePrivateProfileString(__Dont_Touch_Me__|Sectors|0|TAVQip.INI)"}));
}

TEST_F(StartupTest, DragThatWasOffOrUnknownIsNeverSwitched) {
    for (bool queryFails : {false, true}) {
        SCOPED_TRACE(queryFails ? "query fails" : "off");
        fake.log.clear();
        fake.dragFullWindows = 0;
        fake.failing.clear();
        if (queryFails)
            fake.failing.push_back("getDragFullWindows(");
        ProgramEntry();
        EXPECT_TRUE(fake.callsNamed("setDragFullWindows").empty());
        EXPECT_EQ(FullWindowDragWasOn, 0u);
    }
}

TEST_F(StartupTest, BookkeepingSectionIsWrittenBackAsItWasRead) {
    fake.profiles[Ini]["__Dont_Touch_Me__"] = {
        {"Sectors", "2"}, {"Sectors_1", "a,b,c"}, {"Sectors_2", "d,e,f"}};
    ProgramEntry();
    EXPECT_EQ(fake.calls("writePrivateProfileString(__Dont"),
              (Strings{"writePrivateProfileString(__Dont_Touch_Me__|Sectors|2|TAVQip.INI)",
                       "writePrivateProfileString(__Dont_Touch_Me__|Sectors_1|a,b,c|TAVQip.INI)",
                       "writePrivateProfileString(__Dont_Touch_Me__|Sectors_2|d,e,f|TAVQip.INI)"}));
}

TEST_F(StartupTest, FirstFocusIsTheTextBox) {
    int firstFocus = 0;
    fakeEventLoop = [&](frame::WindowManager& m) { firstFocus = m.firstFocus; };
    ProgramEntry();
    EXPECT_EQ(firstFocus, CTL_UITLEG);
}

TEST_F(StartupTest, DefaultsAndInstructionText) {
    std::vector<frame::Binding> seen;
    std::string uitleg, cnaam, lan, jdsnr;
    int16_t x = -9, y = -9, z = -9;
    fakeEventLoop = [&](frame::WindowManager&) {
        seen = fakeBindings;
        uitleg = textOf(seen[0]);
        cnaam = textOf(seen[1]);
        x = *seen[2].number;
        y = *seen[3].number;
        z = *seen[4].number;
        lan = textOf(seen[5]);
        jdsnr = textOf(seen[6]);
    };
    ProgramEntry();
    ASSERT_EQ(seen.size(), 7u);
    const int controls[] = {1, 3, 6, 7, 8, 10, 12};
    const size_t limits[] = {0, 40, 0, 0, 0, 40, 10};
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(seen[i].control, controls[i]);
        EXPECT_EQ(seen[i].entryLimit, limits[i]);
    }
    const std::string instruction =
        "Voer de nieuwe naam van de computer, het ip-adres en het JDSnummer in zoals vermeld op "
        "het meegebrachte configuratieoverzicht.\r\n\r\n"
        "Voer bij lan-verbinding de naam in zoals deze vermeld staat op het scherm "
        "\"netwerkverbindingen\". \r\n"
        "Dit is normaliter al juist ingevuld.\r\n\r\n"
        "Druk op voltooien.\r\n"
        "De werkgroep wordt dan automatisch aangepast, evenals het ipadres.\r\n\r\n"
        "Sluit dit programma af en start de pc opnieuw op.";
    EXPECT_EQ(instruction.size(), 408u);
    EXPECT_EQ(uitleg.size(), 10000u);
    EXPECT_EQ(uitleg.substr(0, 408), instruction);
    EXPECT_EQ(uitleg.find_first_not_of(' ', 408), std::string::npos);
    EXPECT_EQ(cnaam, "VOSXXXX-006-03" + std::string(26, ' '));
    EXPECT_EQ(lan, "Local Area Connection" + std::string(19, ' '));
    EXPECT_EQ(jdsnr, std::string(20, ' '));
    EXPECT_EQ(x + y + z, 0);
}

// The hand-over ends the process: nothing of the normal end may run before it.
TEST_F(StartupTest, HandOverWritesNoSettingsAndEndsWithExitCodeZero) {
    fake.dragFullWindows = 1;
    fake.files["c:\\program files\\zelvorn"] = "";
    fakeEventLoop = [&](frame::WindowManager& m) {
        *fakeBindings[2].number = 12;
        *fakeBindings[3].number = 34;
        *fakeBindings[4].number = 56;
        EXPECT_EQ(m.takeAccepted(CTL_VOLTOOIBUTTON), frame::LeaveLoop);
    };
    ProgramEntry();
    Strings beforeExit;
    for (const std::string& line : fake.log) {
        if (line == "exitProcess(0)")
            break;
        if (line.rfind("writePrivateProfileString", 0) == 0 && line.find(Ini) != std::string::npos)
            beforeExit.push_back(line);
    }
    EXPECT_TRUE(beforeExit.empty());
    EXPECT_TRUE(fake.exited);
    EXPECT_EQ(fake.dragFullWindows, 1u);
    EXPECT_EQ(GLO_CMDBESTAND.clipped(), "c:\\vpnnetsh.cmd");
}
