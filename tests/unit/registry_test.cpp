#include "finish_fixture.h"
#include "reconfig/registry_changes.h"

#include <string>

using Strings = std::vector<std::string>;

namespace {

const std::string ZoneMap =
    "HKCU\\software\\Microsoft\\windows\\CurrentVersion\\Internet Settings\\ZoneMap\\Domains\\";
const std::string ComputerName = "HKLM\\system\\currentcontrolset\\control\\computername\\";
const std::string Tcpip = "HKLM\\system\\currentcontrolset\\services\\tcpip\\parameters\\";
const std::string Server = "HKLM\\system\\currentcontrolset\\services\\lanmanserver\\parameters\\";
const std::string Workstation =
    "HKLM\\SYSTEM\\CurrentControlSet\\Services\\lanmanworkstation\\parameters\\";

std::string dword(uint32_t v) {
    return std::string(reinterpret_cast<const char*>(&v), 4);
}
std::string sz(const std::string& s) {
    return s + std::string(1, '\0');
}

} // namespace

class RegistryTest : public FinishTest {
  protected:
    void apply() {
        fake.log.clear();
        ApplyRegistryChanges(data);
    }
    // key, value name, type and data of every stored value, in the order of the writes.
    Strings writes() const {
        Strings out;
        std::string key;
        for (const std::string& line : fake.log) {
            if (line.rfind("regCreateKey(", 0) == 0)
                key = line.substr(13, line.size() - 14);
            if (line.rfind("regSetValue(", 0) == 0)
                out.push_back(key + " : " + line.substr(12, line.size() - 13));
        }
        return out;
    }
};

TEST_F(RegistryTest, TwelveWritesInOrderWithTheirData) {
    data.LOC_CNAAM.store("WINK-0042");
    apply();
    const std::string zone = ZoneMap + "VOSXXXX-006-03";
    EXPECT_EQ(writes(), (Strings{
                            zone + " : *|4|4",
                            zone + " : file|4|4",
                            ComputerName + "computername : computername|1|10",
                            ComputerName + "activecomputername : computername|1|10",
                            Tcpip + " : hostname|1|10",
                            Tcpip + " : NV hostname|1|10",
                            Server + " : srvcomment|1|10",
                            Server + " : EnableOpLocks|4|4",
                            Server + " : EnableOpLockForceClose|4|4",
                            Workstation + " : UseOpportunisticLocking|4|4",
                            Workstation + " : EnableOpLockForceClose|4|4",
                            Workstation + " : EnableOpLocks|4|4",
                        }));
    EXPECT_EQ(fake.registry[zone.substr(0)]["*"].data, dword(1));
    EXPECT_EQ(fake.registry[zone]["file"].data, dword(1));
    for (const std::string& key :
         {ComputerName + "computername", ComputerName + "activecomputername", Tcpip})
        EXPECT_EQ(fake.registry[key][key == Tcpip ? "hostname" : "computername"].data,
                  sz("WINK-0042"));
    EXPECT_EQ(fake.registry[Tcpip]["NV hostname"].data, sz("WINK-0042"));
    EXPECT_EQ(fake.registry[Server]["srvcomment"].data, sz("WINK-0042"));
    EXPECT_EQ(fake.registry[Server]["EnableOpLocks"].data, dword(0));
    EXPECT_EQ(fake.registry[Server]["EnableOpLockForceClose"].data, dword(1));
    EXPECT_EQ(fake.registry[Workstation]["UseOpportunisticLocking"].data, dword(0));
    EXPECT_EQ(fake.registry[Workstation]["EnableOpLockForceClose"].data, dword(1));
    EXPECT_EQ(fake.registry[Workstation]["EnableOpLocks"].data, dword(0));
    // Every key opened is closed again, and the join step finds the last key path.
    EXPECT_EQ(fake.callsNamed("regCloseKey").size(), 12u);
    EXPECT_EQ("HKLM\\" + std::string(data.workingText.clipped().c_str()), Workstation);
}

TEST_F(RegistryTest, ServerNameIsUpperCasedInAsciiOnlyAndClipped) {
    data.LOC_SERVERNAAM.store("srv-\xe9t\xe9 ");
    apply();
    EXPECT_EQ(fake.callsNamed("regCreateKey").front(),
              "regCreateKey(" + ZoneMap + "SRV-\xe9T\xe9)");
}

TEST_F(RegistryTest, EveryFailedWriteIsReportedAndTheRestStillRun) {
    fake.failing.push_back("regSetValue(");
    data.LOC_CNAAM.store("PC7");
    apply();
    Strings texts;
    for (const auto& m : fake.messages) {
        EXPECT_EQ(m.title, "");
        EXPECT_EQ(m.icon, platform::Icon::None);
        texts.push_back(m.text);
    }
    EXPECT_EQ(texts, (Strings{
                         "PC7-* niet aangepast",
                         "PC7-FILE niet aangepast",
                         "PC7- CN niet aangepast",
                         "PC7- active computer name niet aangepast",
                         "PC7- tcp-host niet aangepast",
                         "PC7- tcp-nvhost niet aangepast",
                         "PC7- lan-naam niet aangepast",
                         "EnableOpLocks kon niet worden uitgezet!",
                         "EnableOpLockForceClose kon niet worden aangezet!",
                         "UseOpportunisticLocking kon niet worden uitgezet",
                         "EnableOpLockForceClose kon niet worden aangezet",
                         "EnableOpLocks kon niet worden uitgezet",
                     }));
    EXPECT_EQ(fake.callsNamed("regCloseKey").size(), 12u);
}

TEST_F(RegistryTest, AKeyThatCannotBeOpenedIsReportedAndNotClosed) {
    fake.failing.push_back("regCreateKey(" + Tcpip);
    apply();
    ASSERT_EQ(fake.messages.size(), 2u);
    EXPECT_EQ(fake.messages[0].text, "VOSXXXX-006-03- tcp-host niet aangepast");
    EXPECT_EQ(fake.messages[1].text, "VOSXXXX-006-03- tcp-nvhost niet aangepast");
    EXPECT_EQ(fake.callsNamed("regSetValue").size(), 10u);
    EXPECT_EQ(fake.callsNamed("regCloseKey").size(), 10u);
}

TEST(WriteRegistryValue, EncodesTheDataByType) {
    FakePlatform fake;
    const struct {
        const char* text;
        uint32_t type;
        std::string data;
    } cases[] = {
        {"ABCD", platform::RegSz, std::string("ABCD\0", 5)},
        {"ABCD   ", platform::RegSz, std::string("ABCD\0", 5)},
        {" AB", platform::RegSz, std::string(" AB\0", 4)},
        {"", platform::RegSz, std::string("\0", 1)},
        {"1", platform::RegDword, std::string("\1\0\0\0", 4)},
        {"0", platform::RegDword, std::string("\0\0\0\0", 4)},
        {"258", platform::RegDword, std::string("\2\1\0\0", 4)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(
            WriteRegistryValue(platform::RegRoot::LocalMachine, "a\\b   ", "v  ", c.text, c.type),
            0);
        EXPECT_EQ(fake.registry["HKLM\\a\\b"]["v"].type, c.type);
        EXPECT_EQ(fake.registry["HKLM\\a\\b"]["v"].data, c.data);
    }
    fake.failing.push_back("regCreateKey(");
    EXPECT_EQ(WriteRegistryValue(platform::RegRoot::LocalMachine, "a", "v", "1", platform::RegSz),
              5);
}

TEST(WriteRegistryValue, KeyPathIsCutAt255) {
    FakePlatform fake;
    std::string longPath(300, 'k');
    WriteRegistryValue(platform::RegRoot::CurrentUser, longPath.c_str(), "v", "1",
                       platform::RegDword);
    EXPECT_EQ(fake.log.front(), "regCreateKey(HKCU\\" + std::string(255, 'k') + ")");
}
