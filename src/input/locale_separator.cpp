#include "input/locale_separator.h"

#include <cstdlib>
#include <langinfo.h>
#include <locale.h>

namespace ostrelta {

namespace {

constexpr std::string_view Fallback_separator = ".";

std::string_view Environment_value(const char* name)
{
    const char* value = std::getenv(name);
    return value == nullptr ? std::string_view{} : std::string_view{value};
}

}  // namespace

std::string Numeric_locale_name(std::string_view lc_all, std::string_view lc_numeric, std::string_view lang)
{
    for (const std::string_view value : {lc_all, lc_numeric, lang}) {
        if (!value.empty()) {
            return std::string(value);
        }
    }
    return "C";
}

std::string Decimal_separator_of_locale(const std::string& locale_name)
{
    // An empty name would make newlocale consult the environment itself.
    if (locale_name.empty()) {
        return std::string(Fallback_separator);
    }
    const locale_t locale = newlocale(LC_NUMERIC_MASK, locale_name.c_str(), locale_t{});
    if (locale == locale_t{}) {
        return std::string(Fallback_separator);
    }
    const char* radix = nl_langinfo_l(RADIXCHAR, locale);
    std::string separator = radix == nullptr || *radix == '\0' ? std::string(Fallback_separator) : std::string(radix);
    freelocale(locale);
    return separator;
}

std::string Locale_decimal_separator()
{
    return Decimal_separator_of_locale(
        Numeric_locale_name(Environment_value("LC_ALL"), Environment_value("LC_NUMERIC"), Environment_value("LANG")));
}

}  // namespace ostrelta
