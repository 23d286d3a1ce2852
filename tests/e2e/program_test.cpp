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

void ProgramTest::SetUp() {
    ASSERT_FALSE(programPath().empty()) << "TAVQIP_E2E_PROGRAM is not set: run through wine-run";
    ASSERT_TRUE(station.prepare());
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

} // namespace e2e
