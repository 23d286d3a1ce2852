// Every platform call of a whole Finish run, made to fail one at a time: each failure is
// told as prescribed or passes silently, the later steps still run in order, and the run
// ends where it must.
#include "app/TAVQip.h"
#include "finish_fixture.h"

#include <string>

using Strings = std::vector<std::string>;

namespace {

bool startsWith(const std::string& s, const std::string& prefix) {
    return s.compare(0, prefix.size(), prefix) == 0;
}

Strings withoutMessages(const Strings& log) {
    Strings out;
    for (const std::string& line : log)
        if (!startsWith(line, "messageBox("))
            out.push_back(line);
    return out;
}

const char* const RegistryMessages[] = {
    "messageBox(|VOSXXXX-006-03-* niet aangepast|none)",
    "messageBox(|VOSXXXX-006-03-FILE niet aangepast|none)",
    "messageBox(|VOSXXXX-006-03- CN niet aangepast|none)",
    "messageBox(|VOSXXXX-006-03- active computer name niet aangepast|none)",
    "messageBox(|VOSXXXX-006-03- tcp-host niet aangepast|none)",
    "messageBox(|VOSXXXX-006-03- tcp-nvhost niet aangepast|none)",
    "messageBox(|VOSXXXX-006-03- lan-naam niet aangepast|none)",
    "messageBox(|EnableOpLocks kon niet worden uitgezet!|none)",
    "messageBox(|EnableOpLockForceClose kon niet worden aangezet!|none)",
    "messageBox(|UseOpportunisticLocking kon niet worden uitgezet|none)",
    "messageBox(|EnableOpLockForceClose kon niet worden aangezet|none)",
    "messageBox(|EnableOpLocks kon niet worden uitgezet|none)",
};

struct Expectation {
    std::string message; // empty: the failure passes silently
    size_t skipped = 0;  // calls right after the failed one that no longer happen
    bool stops = false;  // the window stays open; nothing after the message
};

Expectation expectationFor(const Strings& baseline, size_t failed) {
    const std::string& call = baseline[failed];
    Expectation e;
    if (startsWith(call, "ansiToOem()") || startsWith(call, "oemToAnsi()")) {
        if (failed < 2) { // the check's round trip of the connection name
            e.message = "messageBox(Ongeldige waarde|Ongeldige waarde ingevoerd.|error)";
            e.stops = true;
        }
    } else if (call == "createFile(c:\\vpnnetsh.cmd|create)") {
        e.message =
            "messageBox(Create fout|Fout tijdens aanmaken bestand voor IP wijzigingen.|error)";
        e.stops = true;
    } else if (call == "createFile(c:\\vpnnetsh.cmd|open)") {
        e.message = "messageBox(Open fout|Fout tijdens openen bestand voor IP wijzigingen.|error)";
        e.stops = true;
    } else if (startsWith(call, "writeFile(")) {
        e.message = "messageBox(Dremo Software bellen!|Kan bestand niet toevoegen aan "
                    "ip-wijziging. Fout: 5|error)";
    } else if (startsWith(call, "getWindowsDirectory(")) {
        e.message = "messageBox(Dremo Software bellen!|Kan windows directory niet bepalen.|error)";
        e.skipped = 1;
    } else if (startsWith(call, "writePrivateProfileString(Global|")) {
        e.message = "messageBox(Dremo Software bellen!|Kan DOZ-nummer niet opslaan in "
                    "c:\\program files\\zelvorn\\instell.ini.|error)";
    } else if (startsWith(call, "regCreateKey(") || startsWith(call, "regSetValue(")) {
        size_t row = 0;
        for (size_t i = 0; i <= failed; ++i)
            row += startsWith(baseline[i], "regCreateKey(");
        e.message = RegistryMessages[row - 1];
        e.skipped = startsWith(call, "regCreateKey(") ? 2 : 0;
    } else if (startsWith(call, "createProcess(c:\\zivuvedez")) {
        e.message =
            "messageBox(Werkgroep niet aangepast|Kan c:\\zivuvedez\\netdom niet starten.|error)";
        e.skipped = 4;
    } else if (startsWith(call, "createProcess(c:\\vpnnetsh.cmd")) {
        e.skipped = 2;
    }
    return e;
}

} // namespace

TEST_F(FinishTest, EveryFailingCallIsHandledAsPrescribed) {
    FullWindowDragWasOn = 1;
    press();
    const Strings baseline = fake.log;
    const Strings baselineMessages = fake.calls("messageBox(");
    ASSERT_EQ(baselineMessages,
              (Strings{"messageBox(Gereed|Computernaam aanpassen voltooid.|warning)"}));
    ASSERT_EQ(baseline.back(), "exitProcess(0)");

    for (size_t failed = 0; failed < baseline.size(); ++failed) {
        if (startsWith(baseline[failed], "messageBox("))
            continue; // a message cannot fail
        SCOPED_TRACE("failing call " + std::to_string(failed + 1) + ": " + baseline[failed]);
        FakePlatform run;
        FakeWindow runWindow(run);
        TestManager runManager;
        runManager.attach(&runWindow);
        run.files["c:\\program files\\zelvorn"] = "";
        run.failAtCall = failed + 1;
        Expectation e = expectationFor(baseline, failed);

        int result = FinishHandler(runManager, data, CTL_VOLTOOIBUTTON);

        ASSERT_GE(run.log.size(), failed + 1);
        EXPECT_EQ(run.log[failed], baseline[failed]);
        Strings steps = withoutMessages(run.log);
        Strings messages = run.calls("messageBox(");
        if (e.stops) {
            EXPECT_EQ(result, frame::GoOn);
            EXPECT_FALSE(run.exited);
            EXPECT_EQ(messages, (Strings{e.message}));
            EXPECT_TRUE(run.calls("writeFile(").empty());
            EXPECT_TRUE(run.calls("regCreateKey(").empty());
            EXPECT_TRUE(run.calls("createProcess(").empty());
            continue;
        }
        Strings expectedSteps(baseline.begin(), baseline.begin() + static_cast<long>(failed) + 1);
        expectedSteps.insert(expectedSteps.end(),
                             baseline.begin() + static_cast<long>(failed + 1 + e.skipped),
                             baseline.end());
        EXPECT_EQ(steps, withoutMessages(expectedSteps));
        Strings expectedMessages;
        if (!e.message.empty())
            expectedMessages.push_back(e.message);
        expectedMessages.push_back(baselineMessages.back());
        EXPECT_EQ(messages, expectedMessages);
        EXPECT_TRUE(run.exited);
        EXPECT_EQ(run.log.back(), "exitProcess(0)");
    }
    FullWindowDragWasOn = 0;
}
