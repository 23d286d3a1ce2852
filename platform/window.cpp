#include "platform/window.h"

namespace frame {

int32_t scale(int32_t value, int32_t multiplier, int32_t divisor) {
    if (divisor == 0)
        return 0;
    int64_t product = static_cast<int64_t>(value) * multiplier;
    int64_t half = (divisor < 0 ? -divisor : divisor) / 2;
    bool negative = (product < 0) != (divisor < 0);
    int64_t magnitude = (product < 0 ? -product : product) + half;
    int64_t quotient = magnitude / (divisor < 0 ? -divisor : divisor);
    // A hand-edited number far out of range saturates rather than wrapping round.
    if (quotient > INT32_MAX)
        quotient = INT32_MAX;
    return static_cast<int32_t>(negative ? -quotient : quotient);
}

} // namespace frame
