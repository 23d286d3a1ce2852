// A window with valid input, ready for the Finish button, on the fake platform.
#pragma once

#include "app/TAVQi001.h"
#include "fake_platform.h"
#include "reconfig/finish.h"

#include <gtest/gtest.h>

struct TestManager : frame::WindowManager {};

class FinishTest : public ::testing::Test {
  protected:
    FinishTest() : window(fake) {
        manager.attach(&window);
        data.LOC_CNAAM.store("VOSXXXX-006-03");
        data.LOC_SERVERNAAM.store("VOSXXXX-006-03");
        data.LOC_X = 12;
        data.LOC_Y = 34;
        data.LOC_Z = 56;
        data.LOC_LAN.store("Local Area Connection");
        data.LOC_JDSNR.store("1234");
        fake.files["c:\\program files\\zelvorn"] = "";
    }

    int press() { return FinishHandler(manager, data, CTL_VOLTOOIBUTTON); }

    FakePlatform fake;
    FakeWindow window;
    TestManager manager;
    MainScreenData data;
};
