#pragma once

#include <string>
#include <string_view>

namespace ostrelta {

// The locale that governs number formats for the given values of LC_ALL,
// LC_NUMERIC and LANG, chosen as the C library chooses it: the first that is
// set and not empty, or "C" when none is. An empty view stands for a variable
// that is unset.
std::string Numeric_locale_name(std::string_view lc_all, std::string_view lc_numeric, std::string_view lang);

// The decimal separator of the named locale (possibly several bytes), or "."
// when that locale is not available on this system.
std::string Decimal_separator_of_locale(const std::string& locale_name);

// The decimal separator of the user's environment: "," under a Russian
// locale, "." under an English one or when the locale cannot be loaded. The
// process's own locale is neither read nor changed.
std::string Locale_decimal_separator();

}  // namespace ostrelta
