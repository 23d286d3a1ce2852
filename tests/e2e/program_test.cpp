#include "program_test.h"

namespace e2e {

const char InstructionText[] =
    "Voer de nieuwe naam van de computer, het ip-adres en het JDSnummer in zoals vermeld op het "
    "meegebrachte configuratieoverzicht.\r\n"
    "\r\n"
    "Voer bij lan-verbinding de naam in zoals deze vermeld staat op het scherm "
    "\"netwerkverbindingen\". \r\n"
    "Dit is normaliter al juist ingevuld.\r\n"
    "\r\n"
    "Druk op voltooien.\r\n"
    "De werkgroep wordt dan automatisch aangepast, evenals het ipadres.\r\n"
    "\r\n"
    "Sluit dit programma af en start de pc opnieuw op.";

const char ZoneMapKey[] =
    "software\\Microsoft\\windows\\CurrentVersion\\Internet Settings\\ZoneMap\\Domains\\"
    "VOSXXXX-006-03";
const char TcpipKey[] = "system\\currentcontrolset\\services\\tcpip\\parameters";
const char ServerKey[] = "system\\currentcontrolset\\services\\lanmanserver\\parameters";
const char WorkstationKey[] = "SYSTEM\\CurrentControlSet\\Services\\lanmanworkstation\\parameters";

namespace {
const char ComputerNameKey[] = "system\\currentcontrolset\\control\\computername\\computername";
const char ActiveComputerNameKey[] =
    "system\\currentcontrolset\\control\\computername\\activecomputername";
} // namespace

const RunValue RunValues[12] = {
    {HKEY_CURRENT_USER, ZoneMapKey, "*", REG_DWORD, 1},
    {HKEY_CURRENT_USER, ZoneMapKey, "file", REG_DWORD, 1},
    {HKEY_LOCAL_MACHINE, ComputerNameKey, "computername", REG_SZ, 0},
    {HKEY_LOCAL_MACHINE, ActiveComputerNameKey, "computername", REG_SZ, 0},
    {HKEY_LOCAL_MACHINE, TcpipKey, "hostname", REG_SZ, 0},
    {HKEY_LOCAL_MACHINE, TcpipKey, "NV hostname", REG_SZ, 0},
    {HKEY_LOCAL_MACHINE, ServerKey, "srvcomment", REG_SZ, 0},
    {HKEY_LOCAL_MACHINE, ServerKey, "EnableOpLocks", REG_DWORD, 0},
    {HKEY_LOCAL_MACHINE, ServerKey, "EnableOpLockForceClose", REG_DWORD, 1},
    {HKEY_LOCAL_MACHINE, WorkstationKey, "UseOpportunisticLocking", REG_DWORD, 0},
    {HKEY_LOCAL_MACHINE, WorkstationKey, "EnableOpLockForceClose", REG_DWORD, 1},
    {HKEY_LOCAL_MACHINE, WorkstationKey, "EnableOpLocks", REG_DWORD, 0},
};

void ProgramTest::SetUp() {
    ASSERT_FALSE(programPath().empty()) << "TAVQIP_E2E_PROGRAM is not set: run through wine-run";
    ASSERT_TRUE(station.prepare());
    // Wine's own computer name and host name go too: the prefix is a throw-away copy.
    for (const RunValue& r : RunValues)
        deleteRegistryValue(r.root, r.key, r.name);
    ASSERT_TRUE(setDragFullWindows(true));
}

bool ProgramTest::enterAll(const Values& v) {
    return app.enter(ComputerName, v.name) && app.enter(X, v.x) && app.enter(Y, v.y) &&
           app.enter(Z, v.z) && app.enter(Connection, v.connection) && app.enter(DozNumber, v.doz);
}

void ProgramTest::expectMessage(const std::string& title, const std::string& text, bool icon) {
    std::optional<MessageBoxInfo> box = app.waitForMessageBox();
    ASSERT_TRUE(box) << "no message box \"" << title << "\" appeared";
    EXPECT_EQ(box->title, title);
    EXPECT_EQ(box->text, text);
    EXPECT_EQ(box->hasIcon, icon);
    EXPECT_EQ(box->owner, app.window());
    EXPECT_EQ(box->buttons, std::vector<std::string>{"OK"});
    EXPECT_TRUE(app.answer(*box));
}

void ProgramTest::expectNoRegistryChange() {
    for (const RunValue& r : RunValues) {
        SCOPED_TRACE(std::string(r.key) + " " + r.name);
        EXPECT_FALSE(readRegistry(r.root, r.key, r.name));
    }
}

} // namespace e2e
