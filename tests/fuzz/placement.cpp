// Reading a window placement back: any bytes in any of the six keys. The input is a section
// as lines "Key=value"; a key without a line is missing. Values hold at most 255 characters,
// as many as a read of the settings file gives back.
#include "app/settings.h"
#include "fake_platform.h"
#include "fuzz_check.h"

#include <cctype>
#include <cstdint>
#include <optional>
#include <string>

namespace {

const char* const Keys[6] = {"Maximize", "Minimize", "XPos", "YPos", "Width", "Height"};

// The rule as the settings file documents it, written apart from the program's helper:
// white space, an optional "-", digits up to the first other character; no digit gives 0.
// Too large a number stops at the largest magnitude, so a stored value never reads as none.
int32_t leadingNumber(const std::string& s) {
    size_t i = 0;
    while (i < s.size() && std::isspace(static_cast<unsigned char>(s[i])))
        ++i;
    bool negative = i < s.size() && s[i] == '-';
    if (negative)
        ++i;
    int64_t magnitude = 0;
    for (; i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i)
        magnitude = std::min<int64_t>(magnitude * 10 + (s[i] - '0'), INT32_MAX);
    return static_cast<int32_t>(negative ? -magnitude : magnitude);
}

std::string withoutTrailingBlanks(std::string s) {
    while (!s.empty() && s.back() == ' ')
        s.pop_back();
    return s;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::optional<std::string> values[6];
    std::string input(reinterpret_cast<const char*>(data), size);
    for (size_t start = 0; start <= input.size();) {
        size_t end = input.find('\n', start);
        if (end == std::string::npos)
            end = input.size();
        std::string line = input.substr(start, end - start);
        start = end + 1;
        for (int k = 0; k < 6; ++k) {
            std::string prefix = std::string(Keys[k]) + "=";
            // The first line of a key counts, as in a profile file.
            if (!values[k] && line.compare(0, prefix.size(), prefix) == 0) {
                std::string value = line.substr(prefix.size(), 255);
                values[k] = value.substr(0, value.find('\0'));
            }
        }
    }
    const char* entry[6];
    for (int k = 0; k < 6; ++k)
        entry[k] = values[k] ? values[k]->c_str() : nullptr;

    Placement p = ParsePlacement(
        PlacementEntries{entry[0], entry[1], entry[2], entry[3], entry[4], entry[5]});

    std::string maximize = values[0] ? withoutTrailingBlanks(*values[0]) : "";
    bool found = values[0] && (maximize == "Yes" || maximize == "No");
    FUZZ_CHECK(p.Found == found);
    if (!found) {
        FUZZ_CHECK(!p.Maximize && p.Minimize == 0);
        FUZZ_CHECK(p.XPos == PlacementNone && p.YPos == PlacementNone);
        FUZZ_CHECK(p.Width == PlacementNone && p.Height == PlacementNone);
    } else {
        FUZZ_CHECK(p.Maximize == (maximize == "Yes"));
        FUZZ_CHECK(p.Minimize == static_cast<uint8_t>(values[1] ? leadingNumber(*values[1]) : 0));
        const int32_t numbers[4] = {p.XPos, p.YPos, p.Width, p.Height};
        for (int k = 0; k < 4; ++k)
            FUZZ_CHECK(numbers[k] ==
                       (values[k + 2] ? leadingNumber(*values[k + 2]) : PlacementNone));
    }

    // The same section through the settings file onto a window: whatever it holds, applying
    // it must stay defined (no overflow, no out-of-bounds read).
    FakePlatform fake;
    const char file[] = "C:\\windows\\TAVQip.INI";
    for (int k = 0; k < 6; ++k)
        if (values[k])
            fake.profiles[file]["Main"][Keys[k]] = *values[k];
    FakeWindow window(fake);
    SettingsFileManager settings;
    settings.init(file);
    settings.RestoreWindowPlacement("Main", window);
    if (!found)
        FUZZ_CHECK(fake.calls("window.").empty());
    return 0;
}
