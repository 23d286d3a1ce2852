#include "reconfig/registry_changes.h"

#include "platform/text.h"

namespace {

using platform::RegDword;
using platform::RegRoot;
using platform::RegSz;

const char ZoneMapDomains[] =
    "software\\Microsoft\\windows\\CurrentVersion\\Internet Settings\\ZoneMap\\Domains\\";
const char ComputerNameBase[] = "system\\currentcontrolset\\control\\computername\\";
const char TcpipKey[] = "system\\currentcontrolset\\services\\tcpip\\parameters\\";
const char ServerKey[] = "system\\currentcontrolset\\services\\lanmanserver\\parameters\\";
const char WorkstationKey[] =
    "SYSTEM\\CurrentControlSet\\Services\\lanmanworkstation\\parameters\\";

enum class Key { ZoneMap, ComputerName, ActiveComputerName, Tcpip, Server, Workstation };

// The value text N stands for the clipped computer name.
const char N[] = "\x01N";

struct Write {
    RegRoot root;
    Key key;
    const char* valueName;
    uint32_t type;
    const char* valueText;
    bool messageStartsWithName; // the message is N followed by the text
    const char* message;
};

const Write Writes[] = {
    {RegRoot::CurrentUser, Key::ZoneMap, "*", RegDword, "1", true, "-* niet aangepast"},
    {RegRoot::CurrentUser, Key::ZoneMap, "file", RegDword, "1", true, "-FILE niet aangepast"},
    {RegRoot::LocalMachine, Key::ComputerName, "computername", RegSz, N, true,
     "- CN niet aangepast"},
    {RegRoot::LocalMachine, Key::ActiveComputerName, "computername", RegSz, N, true,
     "- active computer name niet aangepast"},
    {RegRoot::LocalMachine, Key::Tcpip, "hostname", RegSz, N, true, "- tcp-host niet aangepast"},
    {RegRoot::LocalMachine, Key::Tcpip, "NV hostname", RegSz, N, true,
     "- tcp-nvhost niet aangepast"},
    {RegRoot::LocalMachine, Key::Server, "srvcomment", RegSz, N, true, "- lan-naam niet aangepast"},
    {RegRoot::LocalMachine, Key::Server, "EnableOpLocks", RegDword, "0", false,
     "EnableOpLocks kon niet worden uitgezet!"},
    {RegRoot::LocalMachine, Key::Server, "EnableOpLockForceClose", RegDword, "1", false,
     "EnableOpLockForceClose kon niet worden aangezet!"},
    {RegRoot::LocalMachine, Key::Workstation, "UseOpportunisticLocking", RegDword, "0", false,
     "UseOpportunisticLocking kon niet worden uitgezet"},
    {RegRoot::LocalMachine, Key::Workstation, "EnableOpLockForceClose", RegDword, "1", false,
     "EnableOpLockForceClose kon niet worden aangezet"},
    {RegRoot::LocalMachine, Key::Workstation, "EnableOpLocks", RegDword, "0", false,
     "EnableOpLocks kon niet worden uitgezet"},
};

// Leaves the key path in the working text, as the join step later reuses that field.
Text<255> keyPath(Key key, MainScreenData& d) {
    Text<150> path;
    switch (key) {
    case Key::ZoneMap: {
        path.append(ZoneMapDomains);
        Text<40> server = d.LOC_SERVERNAAM.clipped();
        for (size_t i = 0; i < server.len; ++i) {
            char c = server.s[i];
            path.append(c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c);
        }
        d.workingText.store(path);
        return Text<255>(d.workingText.clipped().c_str());
    }
    case Key::ComputerName:
    case Key::ActiveComputerName: {
        d.workingText.store(ComputerNameBase);
        Text<255> full(d.workingText.clipped().c_str());
        return full.append(key == Key::ComputerName ? "computername" : "activecomputername");
    }
    case Key::Tcpip:
        d.workingText.store(TcpipKey);
        break;
    case Key::Server:
        d.workingText.store(ServerKey);
        break;
    case Key::Workstation:
        d.workingText.store(WorkstationKey);
        break;
    }
    return Text<255>(d.workingText.clipped().c_str());
}

} // namespace

int32_t WriteRegistryValue(RegRoot root, const char* keyPath, const char* valueName,
                           const char* valueText, uint32_t valueType) {
    platform::Services& s = platform::services();
    Text<255> path = clippedText<255>(keyPath);
    platform::Handle key = nullptr;
    int32_t result = s.regCreateKey(root, path.c_str(), &key);
    if (result != 0)
        return result;
    Text<255> name = clippedText<255>(valueName);
    Text<1023> value = clippedText<1023>(valueText);
    unsigned char data[1024];
    uint32_t size;
    if (valueType == RegDword) {
        uint32_t number = static_cast<uint32_t>(text::parseLeadingNumber(value.c_str()));
        for (int i = 0; i < 4; ++i)
            data[i] = static_cast<unsigned char>(number >> (8 * i));
        size = 4;
    } else {
        // Text<> stops at the first NUL, so trailing NULs are already gone.
        for (size_t i = 0; i <= value.len; ++i)
            data[i] = static_cast<unsigned char>(value.s[i]);
        size = static_cast<uint32_t>(value.len + 1);
    }
    result = s.regSetValue(key, name.c_str(), valueType, data, size);
    s.regCloseKey(key);
    return result;
}

void ApplyRegistryChanges(MainScreenData& d) {
    Text<40> name = d.LOC_CNAAM.clipped();
    for (const Write& w : Writes) {
        Text<255> path = keyPath(w.key, d);
        const char* value = w.valueText == N ? name.c_str() : w.valueText;
        if (WriteRegistryValue(w.root, path.c_str(), w.valueName, value, w.type) == 0)
            continue;
        Text<100> message;
        if (w.messageStartsWithName)
            message.append(name.c_str());
        platform::message("", message.append(w.message).c_str(), platform::Icon::None);
    }
}
