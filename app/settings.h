// The settings-file manager: its bookkeeping section and the window placement.
#pragma once

#include "platform/text.h"
#include "platform/window.h"

#include <stdint.h>

const int32_t PlacementNone = INT32_MIN;

struct Placement {
    int32_t XPos = PlacementNone;
    int32_t YPos = PlacementNone;
    int32_t Width = PlacementNone;
    int32_t Height = PlacementNone;
    bool Maximize = false;
    uint8_t Minimize = 0;
    bool Found = false;
};

// A stored entry as read back: null for a missing key.
struct PlacementEntries {
    const char* maximize;
    const char* minimize;
    const char* xPos;
    const char* yPos;
    const char* width;
    const char* height;
};

// The reading rules, apart from the file so that they can be checked on their own.
Placement ParsePlacement(const PlacementEntries& entries);

class SettingsFileManager {
  public:
    void init(const char* fileName);
    // Writes the bookkeeping section back.
    void close();

    void RestoreWindowPlacement(const char* section, frame::Window& window);
    void SaveWindowPlacement(const char* section, frame::Window& window);

  private:
    // This program never adds items; it keeps what the file held and writes it back.
    static const int maxItems = 64;
    Text<259> fileName_;
    int itemCount_ = 0;
    Text<300> items_[maxItems];
};
