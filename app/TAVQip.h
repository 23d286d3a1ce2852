// The program: its entry, its program-wide objects and the full-window-drag switch.
#pragma once

#include "app/settings.h"
#include "platform/error_report.h"

#include <stdint.h>

extern frame::ErrorReporter errorReporter;
extern SettingsFileManager settingsFile;
extern uint32_t FullWindowDragWasOn;

extern const char SettingsFileName[];

void ProgramEntry();
void Main();
void SwitchOffFullWindowDrag();
void RestoreFullWindowDrag();
