#pragma once

// Conventions of the design formulas: operands are the stored floats, every
// formula is evaluated in long double (the x87 80-bit format), left to right,
// and its value is rounded to float once, when it is stored.

#include <cassert>
#include <cmath>
#include <limits>

namespace ostrelta {

static_assert(sizeof(long double) >= 10 && std::numeric_limits<long double>::digits == 64,
              "the design formulas need the 80-bit extended format");

using ext = long double;

// Decimal constants held as the nearest double, widened exactly.
inline constexpr ext Dbl_0_01 = 0.01;
inline constexpr ext Dbl_0_1 = 0.1;
inline constexpr ext Dbl_0_2 = 0.2;
inline constexpr ext Dbl_0_6 = 0.6;
inline constexpr ext Dbl_0_98 = 0.98;
inline constexpr ext Dbl_1_02 = 1.02;
inline constexpr ext Dbl_0_175 = 0.175;
inline constexpr ext Dbl_0_99 = 0.99;
inline constexpr ext Dbl_9_95 = 9.95;
inline constexpr ext Dbl_1_3 = 1.3;
inline constexpr ext Dbl_pi = 3.141592653589793;
inline constexpr ext Dbl_0_00001 = 0.00001;
inline constexpr ext Dbl_0_000000001 = 0.000000001;

// Constants held as the nearest float.
inline constexpr ext Flt_0_15 = 0.15f;
inline constexpr ext Flt_MU_0 = 1.2566370614359173e-6f;  // magnetic constant, H/m

// Constants held as the nearest extended value.
inline constexpr ext Ext_1_150 = 1.0L / 150.0L;
inline constexpr ext Ext_0_01 = 0.01L;

// The smallest magnitude that rounds to infinity when narrowed to float
// (halfway between the largest float and 2^128).
inline constexpr ext Float_overflow_limit = 0x1.ffffffp127L;

// True when the value rounds to a finite float.
inline bool Fits_float(ext value)
{
    return std::fabs(value) < Float_overflow_limit;
}

// Rounds an extended value to the float that is stored. Callers check
// Fits_float first wherever the value can leave the float range; builds with
// assertions (the sanitizer build) verify that they did.
inline float Store(ext value)
{
    assert(Fits_float(value));
    return static_cast<float>(value);
}

// Square root, natural logarithm and exponential take a double argument and
// give an extended result.
inline ext Sqrt_of(double x)
{
    return std::sqrt(static_cast<ext>(x));
}

inline ext Ln_of(double x)
{
    return std::log(static_cast<ext>(x));
}

inline ext Exp_of(double x)
{
    return std::exp(static_cast<ext>(x));
}

}  // namespace ostrelta
