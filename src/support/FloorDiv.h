/* Division rounding towards minus infinity, for calendar arithmetic on negative day numbers and
 * years. One definition for the C libraries and the C++ modules alike. */
#ifndef SELVANOR_SUPPORT_FLOORDIV_H
#define SELVANOR_SUPPORT_FLOORDIV_H
#include <stdint.h>

/* floor(a / b) for b != 0. */
static inline int64_t floor_div(int64_t a, int64_t b) {
    const int64_t q = a / b;
    return (q * b != a && ((a < 0) != (b < 0))) ? q - 1 : q;
}

/* a - floor(a / b) * b: the remainder with the sign of b. */
static inline int64_t floor_mod(int64_t a, int64_t b) { return a - floor_div(a, b) * b; }

#ifdef __cplusplus
constexpr int64_t FloorDiv(int64_t a, int64_t b) {
    const int64_t q = a / b;
    return (q * b != a && ((a < 0) != (b < 0))) ? q - 1 : q;
}
constexpr int64_t FloorMod(int64_t a, int64_t b) { return a - FloorDiv(a, b) * b; }
#endif

#endif
