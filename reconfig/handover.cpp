#include "reconfig/handover.h"

#include "app/TAVQip.h"
#include "platform/platform.h"
#include "reconfig/command_file.h"

namespace {

const char TerminalSettingsFile[] = "c:\\program files\\zelvorn\\instell.ini";
const char JoinCommandStart[] = "c:\\zivuvedez\\netdom member \\\\";
const char JoinCommandEnd[] = " /JOINWORKGROUP ROVAVUZADE";

} // namespace

bool WriteProfileEntry(const char* section, const char* key, const char* value,
                       const char* fileName) {
    Text<255> s = clippedText<255>(section);
    Text<255> k = clippedText<255>(key);
    Text<1023> v = clippedText<1023>(value);
    Text<259> f = clippedText<259>(fileName);
    if (f.len != 0)
        return platform::services().writePrivateProfileString(s.c_str(), k.c_str(), v.c_str(),
                                                              f.c_str());
    return platform::services().writeProfileString(s.c_str(), k.c_str(), v.c_str());
}

RunResult RunCommand(const char* commandLine, bool wait) {
    platform::Services& s = platform::services();
    RunResult result{false, 0};
    platform::Process process;
    if (!s.createProcess(commandLine, &process))
        return result;
    result.started = true;
    if (wait) {
        s.waitForProcess(process.process);
        if (!s.getExitCode(process.process, &result.exitCode))
            result.exitCode = 0;
    }
    s.closeHandle(process.process);
    s.closeHandle(process.thread);
    return result;
}

void WriteDozNumber(MainScreenData& d) {
    if (platform::services().getWindowsDirectory(d.windowsDirectory, d.windowsDirectorySize) == 0) {
        platform::message("Dremo Software bellen!", "Kan windows directory niet bepalen.",
                          platform::Icon::Error);
        return;
    }
    if (!WriteProfileEntry("Global", "DOZNummer", d.LOC_JDSNR.clipped().c_str(),
                           TerminalSettingsFile))
        platform::message("Dremo Software bellen!",
                          "Kan DOZ-nummer niet opslaan in c:\\program files\\zelvorn\\instell.ini.",
                          platform::Icon::Error);
}

void JoinWorkgroup(MainScreenData& d) {
    Text<150> command(JoinCommandStart);
    command.append(d.LOC_CNAAM.clipped().c_str()).append(JoinCommandEnd);
    d.workingText.store(command);
    RunResult run = RunCommand(d.workingText.clipped().c_str(), true);
    if (!run.started) {
        platform::message("Werkgroep niet aangepast", "Kan c:\\zivuvedez\\netdom niet starten.",
                          platform::Icon::Error);
    } else if (run.exitCode != 0) {
        // Unsigned: a Windows status code as exit code would read negative as signed.
        Text<40> message("netdom meldt foutcode ");
        message.appendUnsigned(run.exitCode);
        platform::message("Werkgroep niet aangepast", message.c_str(), platform::Icon::Error);
    }
}

void CompleteAndHandOver(frame::WindowManager& manager) {
    platform::message("Gereed", "Computernaam aanpassen voltooid.", platform::Icon::Warning);
    manager.window().refresh();
    RunCommand(GLO_CMDBESTAND.clipped().c_str(), false);
    RestoreFullWindowDrag();
    platform::services().exitProcess(0);
}
