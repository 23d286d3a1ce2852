#include "reconfig/finish.h"

#include "platform/platform.h"
#include "reconfig/command_file.h"
#include "reconfig/handover.h"
#include "reconfig/registry_changes.h"

namespace {

void refuse(frame::Window& window, int control) {
    platform::message("Ongeldige waarde", "Ongeldige waarde ingevoerd.", platform::Icon::Error);
    window.focusControl(control);
}

bool isLetterOrDigit(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

// The command interpreter reads the command file in the OEM code page: a name that does
// not survive the trip would reach netsh as another name.
bool survivesOemCodePage(const Text<40>& name) {
    platform::Services& s = platform::services();
    Text<40> trip = name;
    return s.ansiToOem(trip.s, static_cast<uint32_t>(trip.len)) &&
           s.oemToAnsi(trip.s, static_cast<uint32_t>(trip.len)) && trip == name.c_str();
}

} // namespace

bool IsValidComputerName(const char* name) {
    size_t n = text::length(name);
    // NetBIOS names hold at most 15 characters; Windows refuses longer ones itself.
    if (n < 1 || n > 15 || name[0] == '-' || name[n - 1] == '-')
        return false;
    bool allDigits = true;
    for (size_t i = 0; i < n; ++i) {
        if (!isLetterOrDigit(name[i]) && name[i] != '-')
            return false;
        if (name[i] < '0' || name[i] > '9')
            allDigits = false;
    }
    return !allDigits;
}

bool HasUnsafeCommandCharacter(const char* name) {
    for (const unsigned char* p = reinterpret_cast<const unsigned char*>(name); *p; ++p)
        if (*p == '"' || *p == '%' || *p < 0x20 || *p == 0x7f)
            return true;
    return false;
}

bool CheckOctets(frame::Window& window, MainScreenData& d) {
    struct Octet {
        int16_t value;
        int16_t low, high;
        int control;
    };
    // 10.X.Y.0 and .255 are the network and broadcast addresses, .1 is the gateway set here.
    const Octet octets[] = {
        {d.LOC_X, 0, 255, CTL_X}, {d.LOC_Y, 0, 255, CTL_Y}, {d.LOC_Z, 2, 254, CTL_Z}};
    for (const Octet& o : octets) {
        if (o.value < o.low || o.value > o.high) {
            refuse(window, o.control);
            return false;
        }
    }
    return true;
}

bool CheckInput(frame::Window& window, MainScreenData& d) {
    if (!IsValidComputerName(d.LOC_CNAAM.clipped().c_str())) {
        refuse(window, CTL_CNAAM);
        return false;
    }
    if (!CheckOctets(window, d))
        return false;
    Text<40> lan = d.LOC_LAN.clipped();
    if (lan.len == 0 || HasUnsafeCommandCharacter(lan.c_str()) || !survivesOemCodePage(lan)) {
        refuse(window, CTL_LAN);
        return false;
    }
    return true;
}

void DeriveAddressTexts(MainScreenData& d) {
    d.LOC_MASKER.store("255.255.255.0");
    Text<20> prefix("10.");
    prefix.appendNumber(d.LOC_X).append('.').appendNumber(d.LOC_Y).append('.');
    Text<20> address = prefix;
    d.LOC_IPADRES.store(address.appendNumber(d.LOC_Z));
    Text<20> gateway = prefix;
    d.LOC_GATEWAY.store(gateway.append('1'));
}

int FinishHandler(frame::WindowManager& manager, MainScreenData& d, int control) {
    int result = manager.standardAccepted(control);
    if (control != CTL_VOLTOOIBUTTON)
        return result;
    frame::Window& window = manager.window();
    if (!CheckInput(window, d))
        return result;
    // Nothing stale may be handed over: without a fresh file the window stays open.
    if (!CreateCommandFile())
        return result;
    DeriveAddressTexts(d);
    AppendCommandLine(CommandLine1(d).c_str());
    WriteDozNumber(d);
    AppendCommandLine(CommandLine2(d).c_str());
    AppendCommandLine(CommandLine3(d).c_str());
    CloseCommandFile();
    ApplyRegistryChanges(d);
    JoinWorkgroup(d);
    CompleteAndHandOver(manager);
    return frame::LeaveLoop; // reached only where ending the process returns, as in tests
}
