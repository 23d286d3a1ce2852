// The main window: its data, its description and its window manager.
#pragma once

#include "app/controls.h"
#include "platform/text.h"
#include "platform/window.h"

#include <stdint.h>

struct MainScreenData {
    FixedText<10000> LOC_UITLEG;
    FixedText<40> LOC_CNAAM;
    FixedText<40> LOC_SERVERNAAM; // zone-map server name; no control shows it
    int16_t LOC_X = 0;
    int16_t LOC_Y = 0;
    int16_t LOC_Z = 0;
    FixedText<40> LOC_LAN;
    FixedText<20> LOC_JDSNR; // the entry takes only its first 10 characters
    FixedText<20> LOC_MASKER;
    FixedText<20> LOC_IPADRES;
    FixedText<12> LOC_GATEWAY;
    FixedText<150> workingText; // registry key paths, then the join command line
    char windowsDirectory[261] = {0};
    uint32_t windowsDirectorySize = 260;
};

extern const char InstructionText[];
extern const char DefaultComputerName[];
extern const char DefaultConnectionName[];
extern const char MainWindowDescription[];
extern const char MainPlacementSection[];

// The use variables in their binding order, for createWindow.
const int MainBindingCount = 7;
void BindMainScreenData(MainScreenData& data, frame::Binding (&bindings)[MainBindingCount]);

class MainWindowManager : public frame::WindowManager {
  public:
    explicit MainWindowManager(MainScreenData& data) : data_(data), opened_(false) {}
    int init() override;
    int kill() override;
    int takeAccepted(int control) override;

  private:
    MainScreenData& data_;
    bool opened_; // a window that never opened has no placement to save
};
