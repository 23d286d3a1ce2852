// The network command file: three netsh lines, run by the hand-over as the program ends.
#pragma once

#include "app/TAVQi001.h"
#include "platform/text.h"

extern FixedText<100> GLO_CMDBESTAND;

// Deployment constants: data written into the file, never contacted by this program.
extern const char PrimaryDnsServer[];
extern const char SecondaryDnsServer[];

struct WHOST_RECORD {
    FixedText<1000> WHOST_REGEL;
};

typedef Text<1000> CommandLine;
CommandLine CommandLine1(const MainScreenData& data);
CommandLine CommandLine2(const MainScreenData& data);
CommandLine CommandLine3(const MainScreenData& data);

// Creates the file empty and opens it; false after its message has been shown.
bool CreateCommandFile();
void AppendCommandLine(const char* line);
void CloseCommandFile();
