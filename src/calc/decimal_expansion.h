#pragma once

#include <array>

namespace ostrelta {

inline constexpr int Expansion_digits = 18;

// A float's magnitude as 0.d1 d2 ... d18 * 10^exponent, the 18 significant
// digits rounded to nearest from the exact binary value.
struct TDecimal_expansion {
    std::array<char, Expansion_digits> digits{};  // '0' to '9', most significant first
    int exponent = 0;
};

// For a finite, non-zero value.
TDecimal_expansion Decimal_expansion(float value);

}  // namespace ostrelta
