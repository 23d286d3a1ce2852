#include "app/settings.h"
#include "fake_platform.h"

#include <gtest/gtest.h>

#include <string>

using Strings = std::vector<std::string>;

namespace {

const char Ini[] = "TAVQip.INI";

struct SettingsTest : ::testing::Test {
    SettingsTest() : window(fake) { settings.init(Ini); }
    void store(std::map<std::string, std::string> entries) { fake.profiles[Ini]["Main"] = entries; }
    Strings windowCalls() const { return fake.calls("window."); }
    FakePlatform fake;
    FakeWindow window;
    SettingsFileManager settings;
};

} // namespace

TEST(ParsePlacement, MaximizeDecidesWhetherThereIsAPlacement) {
    const struct {
        const char* maximize; // null: missing
        bool found, maximized;
    } cases[] = {
        {"Yes", true, true},    {"No", true, false},     {"Yes  ", true, true},
        {"No ", true, false},   {"yes", false, false},   {"YES", false, false},
        {"", false, false},     {nullptr, false, false}, {"Y", false, false},
        {"Yess", false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.maximize ? c.maximize : "(missing)");
        Placement p = ParsePlacement({c.maximize, "0", "1", "2", "3", "4"});
        EXPECT_EQ(p.Found, c.found);
        EXPECT_EQ(p.Maximize, c.maximized);
        if (!c.found) {
            EXPECT_EQ(p.XPos, PlacementNone);
        }
    }
}

TEST(ParsePlacement, NumbersAreTheirLeadingDigits) {
    const struct {
        const char* stored; // null: missing
        int32_t value;
        uint8_t minimize;
    } cases[] = {
        {"12", 12, 12},
        {"-40", -40, 216},
        {"  7", 7, 7},
        {"3.9", 3, 3},
        {"1e3", 1, 1},
        {"abc", 0, 0},
        {"", 0, 0},
        {"Yes", 0, 0},
        {"257", 257, 1},
        {"99999999999", 2147483647, 255},
        {nullptr, PlacementNone, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored ? c.stored : "(missing)");
        Placement p = ParsePlacement({"No", c.stored, c.stored, c.stored, c.stored, c.stored});
        EXPECT_EQ(p.XPos, c.value);
        EXPECT_EQ(p.YPos, c.value);
        EXPECT_EQ(p.Width, c.value);
        EXPECT_EQ(p.Height, c.value);
        EXPECT_EQ(p.Minimize, c.minimize);
    }
}

TEST(DialogUnits, RoundToTheNearestUnitBothWays) {
    // A typical 8-point font: 6 pixels per 4 horizontal units, 13 per 8 vertical ones.
    EXPECT_EQ(frame::dialogToPixelsX(416, 6), 624);
    EXPECT_EQ(frame::dialogToPixelsY(183, 13), 297); // 297.375
    EXPECT_EQ(frame::pixelsToDialogX(624, 6), 416);
    EXPECT_EQ(frame::pixelsToDialogY(297, 13), 183); // 182.77
    EXPECT_EQ(frame::pixelsToDialogX(101, 6), 67);   // 67.33
    EXPECT_EQ(frame::pixelsToDialogX(-101, 6), -67);
    EXPECT_EQ(frame::pixelsToDialogX(3, 6), 2); // a half rounds away from zero
    EXPECT_EQ(frame::pixelsToDialogX(-3, 6), -2);
    EXPECT_EQ(frame::dialogToPixelsX(-40, 6), -60);
    EXPECT_EQ(frame::dialogToPixelsX(2147483647, 6), 2147483647);
    EXPECT_EQ(frame::dialogToPixelsX(-2147483647, 6), -2147483647);
}

TEST_F(SettingsTest, SaveWritesTheEntriesInOrder) {
    const struct {
        const char* what;
        bool maximized, minimized;
        Strings values;
    } cases[] = {
        {"normal", false, false, {"No", "No", "67", "31", "416", "183"}},
        {"maximized", true, false, {"Yes", "No", "(null)", "(null)", "(null)", "(null)"}},
        {"minimized", false, true, {"No", "Yes", "(null)", "(null)", "(null)", "(null)"}},
    };
    const char* keys[] = {"Maximize", "Minimize", "XPos", "YPos", "Width", "Height"};
    window.x = 100;
    window.y = 50;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        fake.log.clear();
        window.maximized = c.maximized;
        window.minimized = c.minimized;
        settings.SaveWindowPlacement("Main", window);
        Strings expected;
        for (int i = 0; i < 6; ++i)
            expected.push_back(std::string("writePrivateProfileString(Main|") + keys[i] + "|" +
                               c.values[i] + "|TAVQip.INI)");
        EXPECT_EQ(fake.log, expected);
    }
}

TEST_F(SettingsTest, NegativePositionsOfALeftMonitorAreKept) {
    window.x = -1300;
    window.y = -20;
    settings.SaveWindowPlacement("Main", window);
    EXPECT_EQ(fake.profiles[Ini]["Main"]["XPos"], "-867");
    EXPECT_EQ(fake.profiles[Ini]["Main"]["YPos"], "-12");
}

TEST_F(SettingsTest, RestoreAppliesInOrder) {
    const struct {
        const char* what;
        std::map<std::string, std::string> stored;
        bool maximizedNow;
        Strings calls;
    } cases[] = {
        {"normal",
         {{"Maximize", "No"},
          {"Minimize", "No"},
          {"XPos", "20"},
          {"YPos", "40"},
          {"Width", "500"},
          {"Height", "200"}},
         false,
         {"window.moveFrame(30|65)", "window.resizeClient(750|325)"}},
        {"leaves the maximized state first",
         {{"Maximize", "No"}, {"XPos", "20"}, {"YPos", "40"}},
         true,
         {"window.show(restore)", "window.moveFrame(30|65)", "window.resizeClient(624|297)"}},
        {"maximized",
         {{"Maximize", "Yes"}, {"Minimize", "No"}},
         false,
         {"window.moveFrame(100|50)", "window.resizeClient(624|297)", "window.show(maximize)"}},
        {"a number for minimize",
         {{"Maximize", "No"}, {"Minimize", "1"}},
         false,
         {"window.moveFrame(100|50)", "window.resizeClient(624|297)", "window.show(minimize)"}},
        {"bad maximize ignores the section", {{"Maximize", "maybe"}, {"XPos", "1"}}, false, {}},
        {"no section", {}, false, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        fake.log.clear();
        FakeWindow window(fake);
        window.maximized = c.maximizedNow;
        store(c.stored);
        settings.RestoreWindowPlacement("Main", window);
        EXPECT_EQ(windowCalls(), c.calls);
    }
}

// A window left on a monitor that is gone would be out of every reach: it keeps its size
// and is centred instead.
TEST_F(SettingsTest, RestoredWindowOffEveryMonitorIsCentred) {
    store({{"Maximize", "No"}, {"XPos", "-30000"}, {"YPos", "20000"}, {"Width", "500"}});
    window.onMonitor = false;
    settings.RestoreWindowPlacement("Main", window);
    EXPECT_EQ(windowCalls(), (Strings{"window.moveFrame(-45000|32500)",
                                      "window.resizeClient(750|297)", "window.centre()"}));
}

TEST_F(SettingsTest, PlacementSurvivesARoundTrip) {
    window.x = 333;
    window.y = 222;
    window.width = 700;
    window.height = 400;
    settings.SaveWindowPlacement("Main", window);
    FakeWindow reopened(fake);
    settings.RestoreWindowPlacement("Main", reopened);
    EXPECT_NEAR(reopened.x, 333, 1);
    EXPECT_NEAR(reopened.y, 222, 1);
    EXPECT_NEAR(reopened.width, 700, 1);
    EXPECT_NEAR(reopened.height, 400, 1);
}
