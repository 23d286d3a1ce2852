// What every end-to-end test starts from: a prepared workstation, full-window drag on, and
// the program not yet started.
#pragma once

#include "harness.h"

#include <gtest/gtest.h>

namespace e2e {

// The instruction text as the window must show it, byte for byte.
extern const char InstructionText[];

// The registry keys a run writes to; the zone map's for the default server name.
extern const char ZoneMapKey[];
extern const char TcpipKey[];
extern const char ServerKey[];
extern const char WorkstationKey[];

// The twelve values a run writes, in its order: text values hold the computer name.
struct RunValue {
    HKEY root;
    const char* key;
    const char* name;
    DWORD type;
    DWORD number; // the data of a REG_DWORD
};
extern const RunValue RunValues[12];

// Control numbers of the main window.
enum Control {
    TextBox = 1,
    ComputerName = 3,
    X = 6,
    Y = 7,
    Z = 8,
    Connection = 10,
    DozNumber = 12,
    FinishButton = 13,
};

class ProgramTest : public ::testing::Test {
  protected:
    void SetUp() override;

    // Types a value into every entry that has one here, in tab order.
    struct Values {
        std::string name = "VOSXXXX-006-03";
        std::string x = "0", y = "0", z = "30";
        std::string connection = "Local Area Connection";
        std::string doz = "";
    };
    bool enterAll(const Values& v);

    // Answers a message box after checking it is the expected one: owned by the main window,
    // one OK button, the icon as asked.
    void expectMessage(const std::string& title, const std::string& text, bool icon);
    // None of the twelve registry values of a run is there.
    void expectNoRegistryChange();

    Workstation station;
    Program app;
};

} // namespace e2e
