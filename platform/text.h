// Fixed-width, blank-padded text fields and the small composed texts built from them.
// Kept free of the standard library's strings: the program links none of that runtime.
#pragma once

#include <stddef.h>
#include <stdint.h>

namespace text {

size_t length(const char* s);
bool equal(const char* a, const char* b);
// Length of the field's text without its trailing blanks; leading blanks stay.
size_t clippedLength(const char* chars, size_t width);
// Copies at most width characters and fills the rest of the field with blanks.
void store(char* field, size_t width, const char* src, size_t srcLen);

// Decimal digits, "-" first when negative; writes at most 11 characters plus NUL.
size_t formatNumber(int32_t value, char* out);
size_t formatUnsigned(uint32_t value, char* out);

// What an "n3" entry's text gives when accepted: a whole number within the signed
// 16-bit range, blanks around it allowed; anything else gives -1, which every check
// refuses, so a typo is never mistaken for 0.
int16_t parseEntryNumber(const char* s);

// Leading white space, an optional "-", then the digits up to the first other
// character; no digit there gives 0. Saturates instead of wrapping.
int32_t parseLeadingNumber(const char* s);

} // namespace text

// A NUL-terminated text of at most N characters; appends past N are cut.
template <size_t N> struct Text {
    char s[N + 1];
    size_t len;

    Text() : len(0) { s[0] = 0; }
    explicit Text(const char* t) : len(0) {
        s[0] = 0;
        append(t);
    }
    Text& append(const char* t, size_t n) {
        for (size_t i = 0; i < n && len < N; ++i)
            s[len++] = t[i];
        s[len] = 0;
        return *this;
    }
    Text& append(const char* t) { return append(t, text::length(t)); }
    Text& append(char c) { return append(&c, 1); }
    Text& appendNumber(int32_t v) {
        char digits[12];
        return append(digits, text::formatNumber(v, digits));
    }
    Text& appendUnsigned(uint32_t v) {
        char digits[12];
        return append(digits, text::formatUnsigned(v, digits));
    }
    const char* c_str() const { return s; }
    bool operator==(const char* t) const { return text::equal(s, t); }
};

// The text without its trailing blanks, then at most N characters of that.
template <size_t N> Text<N> clippedText(const char* t) {
    Text<N> r;
    r.append(t, text::clippedLength(t, text::length(t)));
    return r;
}

// A field of exactly N characters, padded with blanks on the right.
template <size_t N> struct FixedText {
    char chars[N];

    FixedText() { clear(); }
    void clear() { text::store(chars, N, "", 0); }
    void store(const char* t) { text::store(chars, N, t, text::length(t)); }
    void store(const char* t, size_t n) { text::store(chars, N, t, n); }
    template <size_t M> void store(const Text<M>& t) { store(t.s, t.len); }
    size_t clippedLength() const { return text::clippedLength(chars, N); }
    Text<N> clipped() const {
        Text<N> t;
        t.append(chars, clippedLength());
        return t;
    }
    static constexpr size_t width = N;
};
