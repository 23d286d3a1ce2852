// The number entries: whatever is typed, the value is -1 (refused by every check) or exactly
// the whole signed 16-bit number the text spells, with blanks or tabs around it allowed.
#include "fuzz_check.h"
#include "platform/text.h"

#include <cstdint>
#include <string>

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

// Worked out on the text alone: no arithmetic that could wrap.
int32_t expected(const std::string& s) {
    size_t i = 0;
    while (i < s.size() && isBlank(s[i]))
        ++i;
    bool negative = i < s.size() && s[i] == '-';
    if (negative)
        ++i;
    size_t first = i;
    while (i < s.size() && s[i] >= '0' && s[i] <= '9')
        ++i;
    std::string digits = s.substr(first, i - first);
    while (i < s.size() && isBlank(s[i]))
        ++i;
    if (digits.empty() || i != s.size())
        return -1;
    digits.erase(0, digits.find_first_not_of('0'));
    if (digits.size() > 5)
        return -1;
    int32_t value = digits.empty() ? 0 : std::stoi(digits);
    if (negative)
        value = -value;
    return value < -32768 || value > 32767 ? -1 : value;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // An entry's text is a C string: it ends at the first NUL.
    std::string typed(reinterpret_cast<const char*>(data), size);
    typed = typed.substr(0, typed.find('\0'));
    int16_t value = text::parseEntryNumber(typed.c_str());
    FUZZ_CHECK(value == expected(typed));

    // An accepted value shown again in its entry reads back as itself.
    char shown[12];
    text::formatNumber(value, shown);
    FUZZ_CHECK(text::parseEntryNumber(shown) == value);
    return 0;
}
