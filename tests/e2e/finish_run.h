// What the Finish tests share: the expected command file and netsh calls, the registry
// values of a run, and a run taken to its end.
#pragma once

#include "harness.h"
#include "program_test.h"

#include <string>
#include <vector>

namespace e2e {

// The three lines as netsh gets them, and the file's bytes with the connection name as
// stored there.
std::vector<std::string> netshLines(const std::string& connection, const std::string& address,
                                    const std::string& gateway);
std::string commandFile(const std::string& connection, const std::string& address,
                        const std::string& gateway);

// Whether the window's thread answers a message within the time.
bool respondsWithin(HWND window, Duration timeout);

class FinishTest : public ProgramTest {
  protected:
    // Starts and closes the program normally; returns the settings file it leaves.
    std::optional<std::string> settingsAfterNormalEnd();
    // The completion message, answered, and then the end with exit code 0.
    void expectCompletion();
    // Presses the button and expects a run without any failure message.
    bool completeRun();
    // What netsh was called with, without the program's own name.
    std::vector<std::string> netshArguments() const;
    void expectRegistryAfterRun(const std::string& name);
};

} // namespace e2e
