#include "app/TAVQip.h"

#include "app/TAVQi001.h"
#include "platform/platform.h"
#include "platform/window.h"
#include "reconfig/command_file.h"

frame::ErrorReporter errorReporter;
SettingsFileManager settingsFile;
uint32_t FullWindowDragWasOn = 0;

// No directory: the profile calls then use the Windows directory.
const char SettingsFileName[] = "TAVQip.INI";

void ProgramEntry() {
    errorReporter.init();
    settingsFile.init(SettingsFileName);
    SwitchOffFullWindowDrag();
    Main();
    RestoreFullWindowDrag();
    settingsFile.close();
}

// The switch announces the change but does not store it in the user's profile, so a
// killed or crashed run cannot leave the user's setting off for good.
void SwitchOffFullWindowDrag() {
    platform::services().getDragFullWindows(&FullWindowDragWasOn);
    if (FullWindowDragWasOn == 1)
        platform::services().setDragFullWindows(0, platform::SpifSendChange);
}

void RestoreFullWindowDrag() {
    if (FullWindowDragWasOn == 1)
        platform::services().setDragFullWindows(1, platform::SpifSendChange);
}

void Main() {
    static bool firstCall = true;
    if (firstCall) {
        GLO_CMDBESTAND.clear();
        firstCall = false;
    }
    MainScreenData data;
    frame::Binding bindings[MainBindingCount];
    BindMainScreenData(data, bindings);
    frame::Window* window = frame::createWindow(MainWindowDescription, bindings, MainBindingCount);
    if (!window)
        return;
    MainWindowManager manager(data);
    manager.attach(window);
    frame::runWindowManager(manager);
    frame::destroyWindow(window);
}
