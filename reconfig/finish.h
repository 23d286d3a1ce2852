// The Finish handler: the input check, the address texts and the order of the steps.
#pragma once

#include "app/TAVQi001.h"
#include "platform/window.h"

// Called for every accepted control; only the Finish button runs the sequence.
int FinishHandler(frame::WindowManager& manager, MainScreenData& data, int control);

// Checks the fields in their order; at the first refusal it tells the user, moves the focus
// to that field and returns false.
bool CheckInput(frame::Window& window, MainScreenData& data);
bool CheckOctets(frame::Window& window, MainScreenData& data);

// The rules on their own, for the fields that reach the registry and command lines.
bool IsValidComputerName(const char* clippedName);
bool HasUnsafeCommandCharacter(const char* clippedName);

void DeriveAddressTexts(MainScreenData& data);
