// The twelve registry values the Finish button writes.
#pragma once

#include "app/TAVQi001.h"
#include "platform/platform.h"

#include <stdint.h>

// 0 when stored, else the Windows error code of the call that failed. Shows nothing.
int32_t WriteRegistryValue(platform::RegRoot root, const char* keyPath, const char* valueName,
                           const char* valueText, uint32_t valueType);

void ApplyRegistryChanges(MainScreenData& data);
