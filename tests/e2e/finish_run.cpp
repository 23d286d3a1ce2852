#include "finish_run.h"

#include <gtest/gtest.h>

namespace e2e {

namespace {

// The deployment's two DNS servers.
const char PrimaryDns[] = "10.0.0.10";
const char SecondaryDns[] = "10.0.0.11";

} // namespace

std::vector<std::string> netshLines(const std::string& connection, const std::string& address,
                                    const std::string& gateway) {
    std::string name = "name=\"" + connection + "\"";
    return {
        "interface ip set address " + name + " static " + address + " 255.255.255.0 " + gateway +
            " 1",
        "interface ip set dns " + name + " static " + PrimaryDns + " primary",
        "interface ip add dns " + name + " " + SecondaryDns + " index=2",
    };
}

std::string commandFile(const std::string& connection, const std::string& address,
                        const std::string& gateway) {
    std::string bytes;
    for (const std::string& line : netshLines(connection, address, gateway))
        bytes += "netsh " + line + "\r\n";
    return bytes;
}

bool respondsWithin(HWND window, Duration timeout) {
    DWORD_PTR result = 0;
    return SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_BLOCK,
                               static_cast<UINT>(timeout.count()), &result) != 0;
}

std::optional<std::string> FinishTest::settingsAfterNormalEnd() {
    if (!app.start() || !app.toFront())
        return std::nullopt;
    pressKey(VK_ESCAPE);
    if (app.waitForExit() != 0u)
        return std::nullopt;
    return readFile(station.settingsFile());
}

void FinishTest::expectCompletion() {
    expectMessage("Gereed", "Computernaam aanpassen voltooid.", true);
    EXPECT_EQ(app.waitForExit(), 0u);
    // The hand-over's command file runs on after the program; the test waits for it.
    EXPECT_TRUE(waitUntil([&] { return station.netsh.ends() == 3; }))
        << "the command file reached netsh " << station.netsh.ends() << " times";
}

bool FinishTest::completeRun() {
    if (!app.pressFinishButton())
        return false;
    expectCompletion();
    return !HasFailure();
}

std::vector<std::string> FinishTest::netshArguments() const {
    std::vector<std::string> arguments;
    for (const std::string& line : station.netsh.commandLines()) {
        // The interpreter spells the program's name its own way; the arguments follow it.
        size_t end = line[0] == '"' ? line.find('"', 1) + 1 : line.find(' ');
        size_t start = line.find_first_not_of(' ', end);
        arguments.push_back(start == std::string::npos ? "" : line.substr(start));
    }
    return arguments;
}

void FinishTest::expectRegistryAfterRun(const std::string& name) {
    for (const RunValue& r : RunValues) {
        SCOPED_TRACE(std::string(r.key) + " " + r.name);
        std::optional<RegValue> v = readRegistry(r.root, r.key, r.name);
        ASSERT_TRUE(v) << "missing";
        EXPECT_EQ(v->type, r.type);
        EXPECT_EQ(v->data, r.type == REG_SZ ? sz(name) : dword(r.number));
    }
}

} // namespace e2e
