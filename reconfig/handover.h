// The DOZ number, the workgroup join and the hand-over to the command file.
#pragma once

#include "app/TAVQi001.h"
#include "platform/window.h"

#include <stdint.h>

// Empty file name: the entry goes to the Windows profile. Returns whether Windows stored it.
bool WriteProfileEntry(const char* section, const char* key, const char* value,
                       const char* fileName);

struct RunResult {
    bool started;
    uint32_t exitCode; // only when waited for
};
RunResult RunCommand(const char* commandLine, bool wait);

void WriteDozNumber(MainScreenData& data);
void JoinWorkgroup(MainScreenData& data);
// Ends the process.
void CompleteAndHandOver(frame::WindowManager& manager);
