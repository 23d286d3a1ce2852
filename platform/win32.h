// What the Win32 side of the framework shares with the Win32 services.
#pragma once

#include "platform/platform.h"

namespace platform {

Services& win32Services();
// Message dialogs are owned by this window; null before it opens and after it closes.
void setMessageOwner(void* hwnd);

} // namespace platform
