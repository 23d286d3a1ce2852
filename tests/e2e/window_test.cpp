// The main window as it opens: its controls, texts, styles, limits and layout.
#include "harness.h"
#include "program_test.h"

#include <gtest/gtest.h>

namespace e2e {
namespace {

class MainWindow : public ProgramTest {};

TEST_F(MainWindow, OpensWithTheDefaultsAndTheInstructionText) {
    ASSERT_TRUE(app.start());
    EXPECT_EQ(windowText(app.window()), "TAVQip");
    struct Case {
        int id;
        std::string text;
    };
    const Case cases[] = {
        {1, InstructionText},
        {2, "Computernaam:"},
        {3, "VOSXXXX-006-03"},
        {4, "IP adres:"},
        {5, "10."},
        {6, "0"},
        {7, "0"},
        {8, "0"},
        {9, "Lan-verbinding:"},
        {10, "Local Area Connection"},
        {11, "Doz-Nummer:"},
        {12, ""},
        {13, "&Voltooien"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("control " + std::to_string(c.id));
        EXPECT_EQ(app.text(c.id), c.text);
    }
    EXPECT_EQ(app.text(1).size(), 408u);
}

TEST_F(MainWindow, ControlsHaveTheirClassesStylesAndLimits) {
    ASSERT_TRUE(app.start());
    LONG style = GetWindowLongA(app.window(), GWL_STYLE);
    for (LONG bit : {WS_CAPTION, WS_SYSMENU, WS_MINIMIZEBOX, WS_MAXIMIZEBOX, WS_THICKFRAME}) {
        SCOPED_TRACE("window style bit " + std::to_string(bit));
        EXPECT_EQ(style & bit, bit);
    }
    // The window's icon is not checked here: Wine answers WM_GETICON only in its own process.

    // The background is the 3-D face colour, not the window colour; a spot free of controls.
    DialogUnits du;
    RECT spot = du.toPixels(300, 130, 1, 1);
    POINT p{spot.left, spot.top};
    ClientToScreen(app.window(), &p);
    HDC screen = GetDC(nullptr);
    EXPECT_EQ(GetPixel(screen, p.x, p.y), GetSysColor(COLOR_BTNFACE));
    ReleaseDC(nullptr, screen);

    const LONG none = 0;
    struct Case {
        int id;
        const char* cls;
        LONG set;     // style bits that must be on
        LONG cleared; // style bits that must be off
        LONG exSet;
        size_t limit; // 0: not checked
    };
    const LONG entry = WS_TABSTOP | ES_AUTOHSCROLL; // 40 characters do not fit the box
    const LONG number = WS_TABSTOP | ES_RIGHT;
    const LONG noEntryBits = ES_MULTILINE | ES_READONLY | ES_CENTER | ES_RIGHT;
    const LONG prompt = WS_TABSTOP | SS_CENTER | SS_RIGHT | SS_NOTIFY;
    const Case cases[] = {
        {1, "Edit", ES_MULTILINE | ES_READONLY | WS_VSCROLL | WS_TABSTOP,
         ES_CENTER | ES_RIGHT | ES_AUTOHSCROLL | WS_HSCROLL, WS_EX_CLIENTEDGE, 0},
        {2, "Static", none, prompt, none, 0},
        {3, "Edit", entry, noEntryBits, none, 40},
        {4, "Static", none, prompt, none, 0},
        {5, "Static", none, prompt, none, 0},
        {6, "Edit", number, ES_MULTILINE | ES_READONLY, none, 0},
        {7, "Edit", number, ES_MULTILINE | ES_READONLY, none, 0},
        {8, "Edit", number, ES_MULTILINE | ES_READONLY, none, 0},
        {9, "Static", none, prompt, none, 0},
        {10, "Edit", entry, noEntryBits, none, 40},
        {11, "Static", none, prompt, none, 0},
        {12, "Edit", entry, noEntryBits, none, 10},
        {13, "Button", WS_TABSTOP, none, none, 0},
    };
    // Created in the order of their numbers.
    std::vector<int> order;
    for (HWND child = GetWindow(app.window(), GW_CHILD); child;
         child = GetWindow(child, GW_HWNDNEXT))
        order.push_back(GetDlgCtrlID(child));
    EXPECT_EQ(order, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13}));
    for (const Case& c : cases) {
        SCOPED_TRACE("control " + std::to_string(c.id));
        HWND control = app.control(c.id);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(className(control), c.cls);
        EXPECT_TRUE(IsWindowVisible(control));
        LONG s = GetWindowLongA(control, GWL_STYLE);
        EXPECT_EQ(s & c.set, c.set);
        EXPECT_EQ(s & c.cleared, 0);
        EXPECT_EQ(GetWindowLongA(control, GWL_EXSTYLE) & c.exSet, c.exSet);
        if (std::string(c.cls) == "Static") {
            EXPECT_EQ(s & SS_TYPEMASK, SS_LEFT);
        }
        if (std::string(c.cls) == "Button") {
            EXPECT_EQ(s & BS_TYPEMASK, BS_PUSHBUTTON) << "not the window's default button";
        }
        if (c.limit) {
            DWORD_PTR limit = 0;
            SendMessageTimeoutA(control, EM_GETLIMITTEXT, 0, 0, SMTO_ABORTIFHUNG, 2000, &limit);
            EXPECT_EQ(limit, c.limit);
        }
    }
}

TEST_F(MainWindow, LaysOutItsControlsInDialogUnits) {
    ASSERT_TRUE(app.start());
    DialogUnits du;
    ASSERT_GT(du.baseX(), 0);
    RECT client;
    GetClientRect(app.window(), &client);
    RECT designed = du.toPixels(0, 0, 416, 183);
    EXPECT_NEAR(client.right, designed.right, 1);
    EXPECT_NEAR(client.bottom, designed.bottom, 1);

    // Width 0 marks a control fitted to its text.
    struct Case {
        int id;
        int x, y, width, height;
    };
    const Case cases[] = {
        {1, 8, 9, 405, 100},    {2, 8, 120, 0, 0},     {3, 69, 122, 181, 10},
        {4, 8, 137, 0, 0},      {5, 69, 139, 0, 0},    {6, 85, 139, 23, 10},
        {7, 121, 139, 23, 10},  {8, 153, 139, 23, 10}, {9, 8, 152, 0, 0},
        {10, 69, 154, 181, 10}, {11, 8, 166, 0, 0},    {12, 69, 167, 181, 10},
        {13, 363, 162, 51, 16},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("control " + std::to_string(c.id));
        RECT actual = rectInClient(app.window(), app.control(c.id));
        RECT expected = du.toPixels(c.x, c.y, c.width, c.height);
        if (c.width == 0) {
            SIZE fit = du.textExtent(app.text(c.id));
            expected.right = expected.left + fit.cx;
            expected.bottom = expected.top + fit.cy;
        }
        EXPECT_NEAR(actual.left, expected.left, 1);
        EXPECT_NEAR(actual.top, expected.top, 1);
        EXPECT_NEAR(actual.right, expected.right, 1);
        EXPECT_NEAR(actual.bottom, expected.bottom, 1);
    }
}

TEST_F(MainWindow, OpensCentredInTheWorkArea) {
    ASSERT_TRUE(app.start());
    RECT area, frame;
    ASSERT_TRUE(SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0));
    GetWindowRect(app.window(), &frame);
    LONG width = frame.right - frame.left, height = frame.bottom - frame.top;
    EXPECT_NEAR(frame.left, area.left + (area.right - area.left - width) / 2, 1);
    EXPECT_NEAR(frame.top, area.top + (area.bottom - area.top - height) / 2, 1);
    EXPECT_FALSE(IsZoomed(app.window()));
    EXPECT_FALSE(IsIconic(app.window()));
}

// Every size change redraws the controls from their variables; what was typed stays.
TEST_F(MainWindow, ASizeChangeKeepsWhatWasTyped) {
    ASSERT_TRUE(app.start());
    ASSERT_TRUE(app.enter(X, "12a"));
    ASSERT_TRUE(app.enter(Y, "007"));
    ASSERT_TRUE(app.enter(DozNumber, "  42"));
    // The name is still being typed: the entry keeps the focus.
    ASSERT_TRUE(app.tabTo(ComputerName));
    typeText("WINKEL");
    ASSERT_TRUE(waitUntil([&] { return app.text(ComputerName) == "WINKEL"; }));

    RECT f;
    GetWindowRect(app.window(), &f);
    SetWindowPos(app.window(), nullptr, 0, 0, f.right - f.left + 80, f.bottom - f.top + 40,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    PostMessageA(app.window(), WM_SYSCOMMAND, SC_MAXIMIZE, 0);
    ASSERT_TRUE(waitUntil([&] { return IsZoomed(app.window()) != 0; }));
    PostMessageA(app.window(), WM_SYSCOMMAND, SC_RESTORE, 0);
    ASSERT_TRUE(waitUntil([&] { return IsZoomed(app.window()) == 0; }));

    EXPECT_EQ(app.text(ComputerName), "WINKEL");
    EXPECT_EQ(app.text(X), "12a");
    EXPECT_EQ(app.text(Y), "007");
    EXPECT_EQ(app.text(Z), "0");
    EXPECT_EQ(app.text(Connection), "Local Area Connection");
    EXPECT_EQ(app.text(DozNumber), "  42");
    EXPECT_EQ(app.focusedControl(), ComputerName);
}

} // namespace
} // namespace e2e
