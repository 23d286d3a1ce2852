#include "app/TAVQip.h"
#include "platform/win32.h"

#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    platform::setServices(&platform::win32Services());
    ProgramEntry();
    return 0;
}
