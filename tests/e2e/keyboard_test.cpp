// The keyboard as the technician uses it: where the focus starts, where Tab takes it, and
// what Enter and typing into the instruction text do.
#include "harness.h"
#include "program_test.h"

#include <gtest/gtest.h>

namespace e2e {
namespace {

class Keyboard : public ProgramTest {};

TEST_F(Keyboard, FocusStartsInTheTextBox) {
    ASSERT_TRUE(app.start());
    EXPECT_EQ(app.focusedControl(), TextBox);
    // Focused, not selected: the instruction text opens without a highlight over it.
    LRESULT selection = SendMessageA(app.control(TextBox), EM_GETSEL, 0, 0);
    EXPECT_EQ(LOWORD(selection), HIWORD(selection));
}

TEST_F(Keyboard, TabAndShiftTabFollowTheTabOrder) {
    ASSERT_TRUE(app.start());
    ASSERT_TRUE(app.toFront());
    ASSERT_TRUE(app.waitForFocus(TextBox));
    // Prompts and the fixed "10." never take the focus.
    const int forward[] = {ComputerName, X, Y, Z, Connection, DozNumber, FinishButton, TextBox};
    for (int expected : forward) {
        SCOPED_TRACE("Tab to control " + std::to_string(expected));
        int before = app.focusedControl();
        pressKey(VK_TAB);
        ASSERT_TRUE(waitUntil([&] { return app.focusedControl() != before; }));
        EXPECT_EQ(app.focusedControl(), expected);
    }
    const int backward[] = {FinishButton, DozNumber, Connection, Z, Y, X, ComputerName, TextBox};
    for (int expected : backward) {
        SCOPED_TRACE("Shift+Tab to control " + std::to_string(expected));
        int before = app.focusedControl();
        pressKey(VK_TAB, {VK_SHIFT});
        ASSERT_TRUE(waitUntil([&] { return app.focusedControl() != before; }));
        EXPECT_EQ(app.focusedControl(), expected);
    }
}

TEST_F(Keyboard, TheInstructionTextCannotBeChanged) {
    ASSERT_TRUE(app.start());
    ASSERT_TRUE(app.toFront());
    ASSERT_TRUE(app.waitForFocus(TextBox));
    typeText("xyz");
    pressKey(VK_DELETE);
    pressKey(VK_BACK);
    // Tab goes through the same queue: once the focus has moved, the keys above are handled.
    pressKey(VK_TAB);
    ASSERT_TRUE(app.waitForFocus(ComputerName));
    EXPECT_EQ(app.text(TextBox), InstructionText);
}

TEST_F(Keyboard, EnterDoesNotPressTheFinishButton) {
    ASSERT_TRUE(app.start());
    // With the defaults the check refuses host number 0, so a press would show its message.
    for (int id : {TextBox, ComputerName, X, Z, Connection, DozNumber}) {
        SCOPED_TRACE("Enter in control " + std::to_string(id));
        ASSERT_TRUE(app.tabTo(id));
        pressKey(VK_RETURN);
        // A box raised by Enter would be up before the Tab after it is handled.
        pressKey(VK_TAB);
        ASSERT_TRUE(
            waitUntil([&] { return app.focusedControl() != id || !app.ownedDialogs().empty(); }));
        EXPECT_TRUE(app.ownedDialogs().empty());
        for (HWND box : app.ownedDialogs())
            app.answer(Program::describeMessageBox(box));
        EXPECT_TRUE(app.running());
    }
    EXPECT_FALSE(exists(Workstation::CommandFile));
}

TEST_F(Keyboard, AltVAndSpaceOnTheButtonPressIt) {
    ASSERT_TRUE(app.start());
    // The defaults hold host number 0, so every press ends in the refusal of Z.
    struct Case {
        int from;
        bool space; // Space on the focused button, else Alt+V
    };
    const Case cases[] = {{TextBox, false},    {ComputerName, false}, {X, false},
                          {Connection, false}, {DozNumber, false},    {FinishButton, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE("from control " + std::to_string(c.from) +
                     (c.space ? " with Space" : " with Alt+V"));
        ASSERT_TRUE(app.tabTo(c.from));
        if (c.space)
            pressKey(VK_SPACE);
        else
            pressKey('V', {VK_MENU});
        ASSERT_NO_FATAL_FAILURE(
            expectMessage("Ongeldige waarde", "Ongeldige waarde ingevoerd.", true));
        EXPECT_TRUE(app.waitForFocus(Z));
    }
}

} // namespace
} // namespace e2e
