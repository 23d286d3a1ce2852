// Fixed-width fields: store cuts and pads to the width, clipped drops the trailing blanks
// and nothing else. The first byte picks the width, the rest is the text.
#include "fuzz_check.h"
#include "platform/text.h"

#include <cstdint>
#include <cstring>
#include <string>

namespace {

template <size_t N> void checkWidth(const std::string& in) {
    FixedText<N> field;
    field.store(in.data(), in.size());
    size_t kept = in.size() < N ? in.size() : N;
    FUZZ_CHECK(std::memcmp(field.chars, in.data(), kept) == 0);
    for (size_t i = kept; i < N; ++i)
        FUZZ_CHECK(field.chars[i] == ' ');

    size_t end = N;
    while (end > 0 && field.chars[end - 1] == ' ')
        --end;
    Text<N> clipped = field.clipped();
    FUZZ_CHECK(field.clippedLength() == end);
    FUZZ_CHECK(clipped.len == end && clipped.s[end] == 0);
    FUZZ_CHECK(std::memcmp(clipped.s, field.chars, end) == 0);
    // Leading blanks are part of the text: only the right end is trimmed.
    FUZZ_CHECK(end == 0 || clipped.s[end - 1] != ' ');

    // Storing the clipped text gives the field back.
    FixedText<N> again;
    again.store(clipped);
    FUZZ_CHECK(std::memcmp(again.chars, field.chars, N) == 0);

    // A C string is stored up to its NUL.
    FixedText<N> fromCString;
    fromCString.store(in.c_str());
    FixedText<N> upToNul;
    upToNul.store(in.data(), std::strlen(in.c_str()));
    FUZZ_CHECK(std::memcmp(fromCString.chars, upToNul.chars, N) == 0);

    // Texts cut what does not fit and stay terminated.
    Text<N> appended;
    appended.append(in.data(), in.size());
    FUZZ_CHECK(appended.len == kept && appended.s[kept] == 0);
    FUZZ_CHECK(std::memcmp(appended.s, in.data(), kept) == 0);

    // A clipped text drops the trailing blanks first, then cuts what does not fit.
    std::string upToNulText(in.c_str());
    size_t textEnd = upToNulText.size();
    while (textEnd > 0 && upToNulText[textEnd - 1] == ' ')
        --textEnd;
    size_t clippedKept = textEnd < N ? textEnd : N;
    Text<N> clippedIn = clippedText<N>(in.c_str());
    FUZZ_CHECK(clippedIn.len == clippedKept && clippedIn.s[clippedKept] == 0);
    FUZZ_CHECK(std::memcmp(clippedIn.s, upToNulText.data(), clippedKept) == 0);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    std::string in(reinterpret_cast<const char*>(data) + 1, size - 1);
    // The widths the program's fields have, and the smallest.
    switch (data[0] % 8) {
    case 0:
        checkWidth<1>(in);
        break;
    case 1:
        checkWidth<10>(in);
        break;
    case 2:
        checkWidth<12>(in);
        break;
    case 3:
        checkWidth<20>(in);
        break;
    case 4:
        checkWidth<40>(in);
        break;
    case 5:
        checkWidth<100>(in);
        break;
    case 6:
        checkWidth<150>(in);
        break;
    default:
        checkWidth<1000>(in);
        break;
    }
    return 0;
}
