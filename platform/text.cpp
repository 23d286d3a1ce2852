#include "platform/text.h"

namespace text {

size_t length(const char* s) {
    size_t n = 0;
    while (s[n])
        ++n;
    return n;
}

bool equal(const char* a, const char* b) {
    while (*a && *a == *b) {
        ++a;
        ++b;
    }
    return *a == *b;
}

size_t clippedLength(const char* chars, size_t width) {
    while (width > 0 && chars[width - 1] == ' ')
        --width;
    return width;
}

void store(char* field, size_t width, const char* src, size_t srcLen) {
    size_t i = 0;
    for (; i < width && i < srcLen; ++i)
        field[i] = src[i];
    for (; i < width; ++i)
        field[i] = ' ';
}

size_t formatUnsigned(uint32_t value, char* out) {
    char digits[10];
    size_t n = 0;
    do {
        digits[n++] = static_cast<char>('0' + value % 10);
        value /= 10;
    } while (value != 0);
    size_t len = 0;
    while (n > 0)
        out[len++] = digits[--n];
    out[len] = 0;
    return len;
}

size_t formatNumber(int32_t value, char* out) {
    if (value >= 0)
        return formatUnsigned(static_cast<uint32_t>(value), out);
    // In unsigned arithmetic the most negative value has a magnitude too.
    out[0] = '-';
    return 1 + formatUnsigned(0u - static_cast<uint32_t>(value), out + 1);
}

static bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
static bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

int16_t parseEntryNumber(const char* s) {
    const int16_t refused = -1;
    while (isBlank(*s))
        ++s;
    bool negative = *s == '-';
    if (negative)
        ++s;
    if (!isDigit(*s))
        return refused;
    int32_t value = 0;
    for (; isDigit(*s); ++s) {
        value = value * 10 + (*s - '0');
        if (value > 32768)
            return refused;
    }
    while (isBlank(*s))
        ++s;
    if (*s != 0)
        return refused;
    if (negative)
        value = -value;
    if (value > 32767)
        return refused;
    return static_cast<int16_t>(value);
}

int32_t parseLeadingNumber(const char* s) {
    while (*s == ' ' || (*s >= '\t' && *s <= '\r'))
        ++s;
    bool negative = *s == '-';
    if (negative)
        ++s;
    int64_t value = 0;
    for (; isDigit(*s); ++s) {
        value = value * 10 + (*s - '0');
        if (value > INT32_MAX)
            value = INT32_MAX;
    }
    return static_cast<int32_t>(negative ? -value : value);
}

} // namespace text
