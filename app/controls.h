// Control numbers of the main window, shared by the resource script and the code.
#pragma once

#define CTL_UITLEG 1
#define CTL_SERVERNAAM_PROMPT 2
#define CTL_CNAAM 3
#define CTL_X_PROMPT 4
#define CTL_STRING2 5
#define CTL_X 6
#define CTL_Y 7
#define CTL_Z 8
#define CTL_LAN_PROMPT 9
#define CTL_LAN 10
#define CTL_JDSNR_PROMPT 11
#define CTL_JDSNR 12
#define CTL_VOLTOOIBUTTON 13
