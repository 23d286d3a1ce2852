#include "finish_fixture.h"

#include <string>

using Strings = std::vector<std::string>;

namespace {
const std::string Refused = "messageBox(Ongeldige waarde|Ongeldige waarde ingevoerd.|error)";
}

TEST_F(FinishTest, OtherAcceptedControlsRunNoCheck) {
    data.LOC_X = 300;
    for (int control : {CTL_UITLEG, CTL_CNAAM, CTL_X, CTL_Y, CTL_Z, CTL_LAN, CTL_JDSNR}) {
        SCOPED_TRACE(control);
        EXPECT_EQ(FinishHandler(manager, data, control), frame::GoOn);
    }
    EXPECT_TRUE(fake.log.empty());
}

// Each refusal: one message, the focus on the field, nothing on the machine touched.
TEST_F(FinishTest, RefusesTheFirstBadFieldInFieldOrder) {
    struct Case {
        const char* what;
        const char* name;
        int16_t x, y, z;
        const char* lan;
        int focus;
    };
    const Case cases[] = {
        {"x too high", "PC1", 256, 0, 2, "LAN", CTL_X},
        {"x negative (also what bad text gives)", "PC1", -1, 0, 2, "LAN", CTL_X},
        {"x and y bad: only x", "PC1", 300, 300, 2, "LAN", CTL_X},
        {"y and z bad: only y", "PC1", 1, 999, 999, "LAN", CTL_Y},
        {"z network address", "PC1", 1, 2, 0, "LAN", CTL_Z},
        {"z gateway address", "PC1", 1, 2, 1, "LAN", CTL_Z},
        {"z broadcast address", "PC1", 1, 2, 255, "LAN", CTL_Z},
        {"name before numbers", "", 300, 0, 2, "LAN", CTL_CNAAM},
        {"numbers before connection", "PC1", 1, 2, 0, "", CTL_Z},
        {"empty connection", "PC1", 1, 2, 3, "", CTL_LAN},
        {"blank connection", "PC1", 1, 2, 3, "   ", CTL_LAN},
        {"quote in connection", "PC1", 1, 2, 3, "LAN\" & del", CTL_LAN},
        {"percent in connection", "PC1", 1, 2, 3, "%PATH%", CTL_LAN},
        {"control character in connection", "PC1", 1, 2, 3, "LAN\x1a", CTL_LAN},
        {"not in the OEM code page", "PC1", 1, 2, 3, "Verbinding \xa4", CTL_LAN},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        fake.log.clear();
        data.LOC_CNAAM.store(c.name);
        data.LOC_X = c.x;
        data.LOC_Y = c.y;
        data.LOC_Z = c.z;
        data.LOC_LAN.store(c.lan);
        EXPECT_EQ(press(), frame::GoOn);
        Strings visible;
        for (const std::string& line : fake.log)
            if (line.rfind("ansiToOem", 0) != 0 && line.rfind("oemToAnsi", 0) != 0)
                visible.push_back(line);
        EXPECT_EQ(visible,
                  (Strings{Refused, "window.focusControl(" + std::to_string(c.focus) + ")"}));
    }
    EXPECT_TRUE(fake.files.count("c:\\vpnnetsh.cmd") == 0);
}

TEST(ComputerName, NetBiosNamesOnly) {
    const struct {
        const char* name;
        bool valid;
    } cases[] = {
        {"VOSXXXX-006-03", true},
        {"A", true},
        {"PC-1", true},
        {"123456789012345", false}, // all digits
        {"ABCDEFGHIJKLMNO", true},  // 15
        {"ABCDEFGHIJKLMNOP", false},
        {"", false},
        {"-PC", false},
        {"PC-", false},
        {"PC 1", false},
        {"PC\"1", false},
        {"PC_1", false},
        {"PC.1", false},
        {" PC", false},
        {"P\xc9", false},
        {"007", false},
        {"0x7", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string("name \"") + c.name + "\"");
        EXPECT_EQ(IsValidComputerName(c.name), c.valid);
    }
}

TEST_F(FinishTest, AcceptsTheEdgesOfEveryRange) {
    const struct { int16_t x, y, z; } cases[] = {{0, 0, 2}, {255, 255, 254}, {0, 5, 12}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.x) + "." + std::to_string(c.y) + "." + std::to_string(c.z));
        data.LOC_X = c.x;
        data.LOC_Y = c.y;
        data.LOC_Z = c.z;
        EXPECT_TRUE(CheckInput(window, data));
    }
    // Leading blanks and accented letters that the OEM code page has are a name like any other.
    data.LOC_LAN.store("  Connexion au r\xe9seau local");
    EXPECT_TRUE(CheckInput(window, data));
    EXPECT_TRUE(fake.messages.empty());
}

TEST(AddressTexts, DerivedWithoutLeadingZerosOrCuts) {
    const struct {
        int16_t x, y, z;
        const char *address, *gateway;
    } cases[] = {
        {255, 255, 254, "10.255.255.254", "10.255.255.1"},
        {0, 5, 12, "10.0.5.12", "10.0.5.1"},
        {1, 2, 3, "10.1.2.3", "10.1.2.1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.address);
        MainScreenData d;
        d.LOC_X = c.x;
        d.LOC_Y = c.y;
        d.LOC_Z = c.z;
        DeriveAddressTexts(d);
        EXPECT_EQ(std::string(d.LOC_MASKER.chars, 20), "255.255.255.0       ");
        EXPECT_EQ(d.LOC_IPADRES.clipped(), c.address);
        EXPECT_EQ(d.LOC_GATEWAY.clipped(), c.gateway);
    }
}
