#include "app/TAVQi001.h"

#include "app/TAVQip.h"
#include "reconfig/finish.h"

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

const char DefaultComputerName[] = "VOSXXXX-006-03";
const char DefaultConnectionName[] = "Local Area Connection";
const char MainWindowDescription[] = "P1$WINDOW";
const char MainPlacementSection[] = "Main";

void BindMainScreenData(MainScreenData& d, frame::Binding (&b)[MainBindingCount]) {
    b[0] = frame::textBinding(CTL_UITLEG, d.LOC_UITLEG.chars, d.LOC_UITLEG.width, 0);
    b[1] = frame::textBinding(CTL_CNAAM, d.LOC_CNAAM.chars, d.LOC_CNAAM.width, 40);
    b[2] = frame::numberBinding(CTL_X, &d.LOC_X);
    b[3] = frame::numberBinding(CTL_Y, &d.LOC_Y);
    b[4] = frame::numberBinding(CTL_Z, &d.LOC_Z);
    b[5] = frame::textBinding(CTL_LAN, d.LOC_LAN.chars, d.LOC_LAN.width, 40);
    // The entry takes 10 characters of the 20; the rest of the field stays blank.
    b[6] = frame::textBinding(CTL_JDSNR, d.LOC_JDSNR.chars, d.LOC_JDSNR.width, 10);
}

int MainWindowManager::init() {
    errorReporter.enterProcedure("Main");
    int result = standardInit();
    if (result != 0)
        return result;
    firstFocus = CTL_UITLEG;
    if (!window().open())
        return -1;
    opened_ = true;
    settingsFile.RestoreWindowPlacement(MainPlacementSection, window());
    data_.LOC_CNAAM.store(DefaultComputerName);
    data_.LOC_SERVERNAAM.store(DefaultComputerName);
    data_.LOC_LAN.store(DefaultConnectionName);
    data_.LOC_UITLEG.store(InstructionText);
    return 0;
}

int MainWindowManager::kill() {
    standardKill();
    if (opened_)
        settingsFile.SaveWindowPlacement(MainPlacementSection, window());
    errorReporter.leaveProcedure();
    return 0;
}

int MainWindowManager::takeAccepted(int control) {
    return FinishHandler(*this, data_, control);
}
