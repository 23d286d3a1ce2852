#include "reconfig/command_file.h"

#include "platform/platform.h"

FixedText<100> GLO_CMDBESTAND;

const char PrimaryDnsServer[] = "10.0.0.10";
const char SecondaryDnsServer[] = "10.0.0.11";

namespace {

const char CommandFileName[] = "c:\\vpnnetsh.cmd";
const int AppendErrorNumber = 5;

WHOST_RECORD WHOST;
platform::Handle commandFile = nullptr;

CommandLine withConnection(const char* start, const MainScreenData& d) {
    CommandLine line(start);
    return line.append('"').append(d.LOC_LAN.clipped().c_str()).append('"');
}

// Writes all of it or reports failure; the interpreter reads OEM, memory holds ANSI.
bool writeAll(const char* chars, uint32_t size) {
    char oem[1000];
    for (uint32_t i = 0; i < size; ++i)
        oem[i] = chars[i];
    platform::Services& s = platform::services();
    s.ansiToOem(oem, size);
    uint32_t written = 0;
    return s.writeFile(commandFile, oem, size, &written) && written == size;
}

} // namespace

CommandLine CommandLine1(const MainScreenData& d) {
    CommandLine line = withConnection("netsh interface ip set address name=", d);
    return line.append(" static ")
        .append(d.LOC_IPADRES.clipped().c_str())
        .append(' ')
        .append(d.LOC_MASKER.clipped().c_str())
        .append(' ')
        .append(d.LOC_GATEWAY.clipped().c_str())
        .append(" 1");
}

CommandLine CommandLine2(const MainScreenData& d) {
    CommandLine line = withConnection("netsh interface ip set dns name=", d);
    return line.append(" static ").append(PrimaryDnsServer).append(" primary");
}

CommandLine CommandLine3(const MainScreenData& d) {
    CommandLine line = withConnection("netsh interface ip add dns name=", d);
    return line.append(' ').append(SecondaryDnsServer).append(" index=2");
}

bool CreateCommandFile() {
    GLO_CMDBESTAND.store(CommandFileName);
    platform::Services& s = platform::services();
    Text<100> name = GLO_CMDBESTAND.clipped();
    platform::Handle created =
        s.createFile(name.c_str(), platform::FileMode::CreateAlwaysExclusive);
    if (!created) {
        platform::message("Create fout", "Fout tijdens aanmaken bestand voor IP wijzigingen.",
                          platform::Icon::Error);
        return false;
    }
    s.closeHandle(created);
    commandFile = s.createFile(name.c_str(), platform::FileMode::OpenExistingShared);
    if (!commandFile) {
        platform::message("Open fout", "Fout tijdens openen bestand voor IP wijzigingen.",
                          platform::Icon::Error);
        return false;
    }
    return true;
}

void AppendCommandLine(const char* line) {
    WHOST.WHOST_REGEL.store(line);
    uint32_t length = static_cast<uint32_t>(WHOST.WHOST_REGEL.clippedLength());
    bool ok = length == 0 || writeAll(WHOST.WHOST_REGEL.chars, length);
    // The line end is written even after a short line, as a line of its own would be.
    ok = writeAll("\r\n", 2) && ok;
    if (!ok) {
        Text<80> message("Kan bestand niet toevoegen aan ip-wijziging. Fout: ");
        platform::message("Dremo Software bellen!", message.appendNumber(AppendErrorNumber).c_str(),
                          platform::Icon::Error);
    }
}

void CloseCommandFile() {
    platform::Services& s = platform::services();
    s.flushFile(commandFile);
    s.closeHandle(commandFile);
    commandFile = nullptr;
}
