// The check that "&Voltooien" makes before it changes anything: a refused value shows its
// message, the focus goes to the field, and the window stays open with nothing written.
#include "finish_run.h"
#include "harness.h"
#include "program_test.h"

#include <gtest/gtest.h>

namespace e2e {
namespace {

class InputCheck : public FinishTest {
  protected:
    void expectRefusal(int field) {
        expectMessage("Ongeldige waarde", "Ongeldige waarde ingevoerd.", true);
        EXPECT_TRUE(app.waitForFocus(field)) << "the focus is on " << app.focusedControl();
        EXPECT_TRUE(app.ownedDialogs().empty()) << "one message per press";
        EXPECT_TRUE(app.running());
    }
    void expectNothingChanged() {
        EXPECT_FALSE(exists(Workstation::CommandFile));
        EXPECT_TRUE(station.netdom.commandLines().empty());
        EXPECT_FALSE(exists(Workstation::TerminalSettings));
        expectNoRegistryChange();
    }
};

TEST_F(InputCheck, RefusedValueShowsTheMessageAndFocusesTheField) {
    ASSERT_TRUE(app.start());
    Values good;
    ASSERT_TRUE(enterAll(good));
    struct Case {
        const char* what;
        int field;
        std::string typed;
        std::string good;
    };
    const Case cases[] = {
        {"empty computer name", ComputerName, "", good.name},
        {"computer name of 16 characters", ComputerName, "ABCDEFGHIJKLMNOP", good.name},
        {"computer name with a blank", ComputerName, "VOS 12", good.name},
        {"computer name with a quote", ComputerName, "VOS\"12", good.name},
        {"computer name beginning with '-'", ComputerName, "-VOS12", good.name},
        {"computer name ending in '-'", ComputerName, "VOS12-", good.name},
        {"computer name of digits only", ComputerName, "12345", good.name},
        {"computer name with an accented letter", ComputerName,
         "VOS\xe9"
         "12",
         good.name},
        {"X above 255", X, "256", good.x},
        {"X not a number", X, "12a", good.x},
        {"X empty", X, "", good.x},
        {"Y negative", Y, "-1", good.y},
        {"Y beyond 16 bits", Y, "99999", good.y},
        {"Z network address", Z, "0", good.z},
        {"Z gateway address", Z, "1", good.z},
        {"Z broadcast address", Z, "255", good.z},
        {"empty connection name", Connection, "", good.connection},
        {"connection name with a quote", Connection, "Local \"Area", good.connection},
        {"connection name with a percent sign", Connection, "Local %PATH%", good.connection},
        {"connection name without OEM form", Connection, "Verbinding \x80", good.connection},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_TRUE(app.enter(c.field, c.typed));
        ASSERT_TRUE(app.pressFinishButton());
        ASSERT_NO_FATAL_FAILURE(expectRefusal(c.field));
        ASSERT_TRUE(app.enter(c.field, c.good));
    }
    expectNothingChanged();
    // Put right, the same window goes through.
    EXPECT_TRUE(completeRun());
}

TEST_F(InputCheck, OnlyTheFirstRefusalIsShown) {
    ASSERT_TRUE(app.start());
    Values bad;
    bad.name = "-";
    bad.x = "300";
    bad.connection = "";
    ASSERT_TRUE(enterAll(bad));
    ASSERT_TRUE(app.toFront());
    pressKey('V', {VK_MENU}); // Alt+V, the button's mnemonic
    expectRefusal(ComputerName);
    expectNothingChanged();
}

TEST_F(InputCheck, BoundaryValuesPassTheCheck) {
    ASSERT_TRUE(app.start());
    // A refusal of anything later than Z shows that the name and the numbers passed.
    Values low, high;
    low.name = "A1";
    low.x = "0";
    low.y = "0";
    low.z = "2";
    high.name = "ABCDEFGHIJ-1234";
    high.x = "255";
    high.y = "255";
    high.z = "254";
    for (const Values& v : {low, high}) {
        SCOPED_TRACE(v.name);
        Values typed = v;
        typed.connection = "";
        ASSERT_TRUE(enterAll(typed));
        ASSERT_TRUE(app.pressFinishButton());
        ASSERT_NO_FATAL_FAILURE(expectRefusal(Connection));
    }
    expectNothingChanged();
}

} // namespace
} // namespace e2e
