// The window opens again where, and as large as, it was when it was last closed normally.
#include "harness.h"
#include "program_test.h"

#include <gtest/gtest.h>

#include <cmath>

namespace e2e {
namespace {

class Placement : public ProgramTest {
  protected:
    // Dialog units of the window's font, rounded to the nearest unit as the program does.
    int toUnitsX(int px) const { return static_cast<int>(std::lround(px * 4.0 / du.baseX())); }
    int toUnitsY(int px) const { return static_cast<int>(std::lround(px * 8.0 / du.baseY())); }
    int toPixelsX(int units) const {
        return static_cast<int>(std::lround(units * du.baseX() / 4.0));
    }
    int toPixelsY(int units) const {
        return static_cast<int>(std::lround(units * du.baseY() / 8.0));
    }

    std::optional<std::string> stored(const char* key) const {
        return profileValue(station.settingsFile(), "Main", key);
    }
    RECT frame() const {
        RECT r{};
        GetWindowRect(app.window(), &r);
        return r;
    }
    SIZE clientSize() const {
        RECT r{};
        GetClientRect(app.window(), &r);
        return SIZE{r.right, r.bottom};
    }
    void expectClientSize(int widthUnits, int heightUnits) const {
        SIZE s = clientSize();
        EXPECT_NEAR(s.cx, toPixelsX(widthUnits), 1);
        EXPECT_NEAR(s.cy, toPixelsY(heightUnits), 1);
    }
    // Centred in the work area, but never left of or above it.
    void expectCentred() const {
        RECT area, f = frame();
        SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
        LONG x = area.left + (area.right - area.left - (f.right - f.left)) / 2;
        LONG y = area.top + (area.bottom - area.top - (f.bottom - f.top)) / 2;
        EXPECT_NEAR(f.left, x < area.left ? area.left : x, 1);
        EXPECT_NEAR(f.top, y < area.top ? area.top : y, 1);
        EXPECT_FALSE(IsZoomed(app.window()));
        EXPECT_FALSE(IsIconic(app.window()));
    }
    void command(WPARAM sysCommand) const {
        PostMessageA(app.window(), WM_SYSCOMMAND, sysCommand, 0);
    }
    void closeNormally() {
        command(SC_CLOSE);
        EXPECT_EQ(app.waitForExit(), 0u);
    }
    void expectNoNumbers() const {
        for (const char* key : {"XPos", "YPos", "Width", "Height"}) {
            SCOPED_TRACE(key);
            EXPECT_FALSE(stored(key));
        }
    }

    DialogUnits du;
};

TEST_F(Placement, AFirstRunOpensCentredAndSavesItsPlacement) {
    ASSERT_FALSE(exists(station.settingsFile()));
    ASSERT_TRUE(app.start());
    expectCentred();
    RECT f = frame();
    ASSERT_TRUE(app.toFront());
    pressKey(VK_ESCAPE);
    ASSERT_EQ(app.waitForExit(), 0u);

    EXPECT_EQ(stored("Maximize"), "No");
    EXPECT_EQ(stored("Minimize"), "No");
    EXPECT_EQ(stored("XPos"), std::to_string(toUnitsX(f.left)));
    EXPECT_EQ(stored("YPos"), std::to_string(toUnitsY(f.top)));
    EXPECT_NEAR(std::stoi(stored("Width").value_or("0")), 416, 1);
    EXPECT_NEAR(std::stoi(stored("Height").value_or("0")), 183, 1);
    // The entries stand in the order they are written.
    std::vector<std::string> keys;
    bool inMain = false;
    for (const std::string& line : lines(readFile(station.settingsFile()).value_or(""))) {
        if (!line.empty() && line[0] == '[')
            inMain = line == "[Main]";
        else if (inMain && line.find('=') != std::string::npos)
            keys.push_back(line.substr(0, line.find('=')));
    }
    EXPECT_EQ(keys, (std::vector<std::string>{"Maximize", "Minimize", "XPos", "YPos", "Width",
                                              "Height"}));
}

TEST_F(Placement, AMovedAndResizedWindowReopensThere) {
    ASSERT_TRUE(app.start());
    RECT f = frame();
    SIZE c = clientSize();
    const POINT position{137, 91};
    const SIZE client{520, 260};
    SetWindowPos(app.window(), nullptr, position.x, position.y,
                 client.cx + (f.right - f.left - c.cx), client.cy + (f.bottom - f.top - c.cy),
                 SWP_NOZORDER | SWP_NOACTIVATE);
    ASSERT_TRUE(waitUntil([&] {
        return frame().left == position.x && clientSize().cx == client.cx &&
               clientSize().cy == client.cy;
    }));
    closeNormally();
    EXPECT_EQ(stored("XPos"), std::to_string(toUnitsX(position.x)));
    EXPECT_EQ(stored("YPos"), std::to_string(toUnitsY(position.y)));
    EXPECT_EQ(stored("Width"), std::to_string(toUnitsX(client.cx)));
    EXPECT_EQ(stored("Height"), std::to_string(toUnitsY(client.cy)));

    ASSERT_TRUE(app.start());
    EXPECT_NEAR(frame().left, position.x, 1);
    EXPECT_NEAR(frame().top, position.y, 1);
    EXPECT_NEAR(clientSize().cx, client.cx, 1);
    EXPECT_NEAR(clientSize().cy, client.cy, 1);
}

TEST_F(Placement, AWindowClosedMaximizedReopensMaximized) {
    ASSERT_TRUE(app.start());
    command(SC_MAXIMIZE);
    ASSERT_TRUE(waitUntil([&] { return IsZoomed(app.window()) != 0; }));
    closeNormally();
    EXPECT_EQ(stored("Maximize"), "Yes");
    EXPECT_EQ(stored("Minimize"), "No");
    expectNoNumbers();

    ASSERT_TRUE(app.start());
    EXPECT_TRUE(waitUntil([&] { return IsZoomed(app.window()) != 0; }));
    // Restored, it has the placement of a first start.
    command(SC_RESTORE);
    ASSERT_TRUE(waitUntil([&] { return IsZoomed(app.window()) == 0; }));
    expectCentred();
    expectClientSize(416, 183);
}

TEST_F(Placement, AWindowClosedMinimizedReopensNormalAndCentred) {
    ASSERT_TRUE(app.start());
    command(SC_MINIMIZE);
    ASSERT_TRUE(waitUntil([&] { return IsIconic(app.window()) != 0; }));
    closeNormally();
    EXPECT_EQ(stored("Maximize"), "No");
    EXPECT_EQ(stored("Minimize"), "Yes");
    expectNoNumbers();

    ASSERT_TRUE(app.start());
    expectCentred();
    expectClientSize(416, 183);
}

TEST_F(Placement, AnUnusableMaximizeIgnoresTheWholeSection) {
    const char* numbers = "XPos=10\r\nYPos=10\r\nWidth=300\r\nHeight=100\r\n";
    const char* lines[] = {"",
                           "Maximize=\r\n",
                           "Maximize=yes\r\n",
                           "Maximize=Ja\r\n",
                           "Maximize=No1\r\n",
                           "Maximize=1\r\n"};
    for (const char* maximize : lines) {
        SCOPED_TRACE(*maximize ? maximize : "no Maximize");
        ASSERT_TRUE(writeFile(station.settingsFile(),
                              std::string("[Main]\r\n") + maximize + "Minimize=No\r\n" + numbers));
        ASSERT_TRUE(app.start());
        expectCentred();
        expectClientSize(416, 183);
        closeNormally();
    }
}

TEST_F(Placement, AStoredPositionIsAppliedUnlessNoMonitorShowsIt) {
    struct Case {
        const char* what;
        std::string numbers;
        bool centred;
        int x, y;          // expected frame position in pixels, unless centred
        int width, height; // expected client size in dialog units; 0: not checked
    };
    const std::string size = "Width=300\r\nHeight=150\r\n";
    const Case cases[] = {
        {"partly visible",
         "XPos=" + std::to_string(toUnitsX(900)) + "\r\nYPos=" + std::to_string(toUnitsY(600)) +
             "\r\n" + size,
         false, 900, 600, 300, 150},
        {"far to the right and below", "XPos=5000\r\nYPos=5000\r\n" + size, true, 0, 0, 300, 150},
        {"far to the left and above", "XPos=-3000\r\nYPos=-3000\r\n" + size, true, 0, 0, 300, 150},
        {"position only", "XPos=20\r\nYPos=30\r\n", false, toPixelsX(20), toPixelsY(30), 416, 183},
        // Windows keeps a window within the screen's size, so only the position is checked.
        {"off every monitor and larger than the work area",
         "XPos=5000\r\nYPos=-5000\r\nWidth=2000\r\nHeight=1000\r\n", true, 0, 0, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_TRUE(writeFile(station.settingsFile(),
                              "[Main]\r\nMaximize=No   \r\nMinimize=No\r\n" + c.numbers));
        ASSERT_TRUE(app.start());
        if (c.width)
            expectClientSize(c.width, c.height);
        if (c.centred) {
            expectCentred();
        } else {
            EXPECT_NEAR(frame().left, c.x, 1);
            EXPECT_NEAR(frame().top, c.y, 1);
        }
        closeNormally();
    }
}

} // namespace
} // namespace e2e
