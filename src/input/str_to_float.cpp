#include "input/str_to_float.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <locale.h>
#include <new>
#include <string>

namespace ostrelta {

namespace {

// The "C" locale for strtold_l, so that the conversion never depends on the
// locale the process runs under.
class TC_numeric_locale {
public:
    TC_numeric_locale() : handle_(newlocale(LC_ALL_MASK, "C", locale_t{}))
    {
        if (handle_ == locale_t{}) {
            throw std::bad_alloc();
        }
    }
    ~TC_numeric_locale() { freelocale(handle_); }
    TC_numeric_locale(const TC_numeric_locale&) = delete;
    TC_numeric_locale& operator=(const TC_numeric_locale&) = delete;

    locale_t handle() const { return handle_; }

private:
    locale_t handle_;
};

bool Is_digit(char c)
{
    return c >= '0' && c <= '9';
}

// Reads the text on from `pos`, one grammar element at a time.
class TNumber_scanner {
public:
    explicit TNumber_scanner(std::string_view text) : text_(text) {}

    void Skip_spaces()
    {
        while (pos_ < text_.size() && text_[pos_] == ' ') {
            ++pos_;
        }
    }
    // Appends the run of digits at the position to `out`; returns how many.
    std::size_t Take_digits(std::string& out)
    {
        const std::size_t start = pos_;
        while (pos_ < text_.size() && Is_digit(text_[pos_])) {
            out += text_[pos_++];
        }
        return pos_ - start;
    }
    bool Take(char c)
    {
        if (pos_ < text_.size() && text_[pos_] == c) {
            ++pos_;
            return true;
        }
        return false;
    }
    bool Take(std::string_view word)
    {
        if (!word.empty() && text_.substr(pos_).starts_with(word)) {
            pos_ += word.size();
            return true;
        }
        return false;
    }
    bool At_end() const { return pos_ == text_.size(); }

private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

}  // namespace

std::optional<long double> StrToFloat(std::string_view text, std::string_view separator)
{
    // The accepted text is rewritten in the C library's own form: sign, a
    // leading 0 (so that a bare separator reads as zero), the digits with a
    // point, and the exponent only when it has digits.
    TNumber_scanner scan(text);
    std::string canonical;
    canonical.reserve(text.size() + 2);

    scan.Skip_spaces();
    if (scan.Take('-')) {
        canonical += '-';
    } else {
        scan.Take('+');
    }
    canonical += '0';
    std::size_t digits = scan.Take_digits(canonical);
    const bool has_separator = scan.Take(separator);
    if (has_separator) {
        canonical += '.';
        digits += scan.Take_digits(canonical);
    }
    if (digits == 0 && !has_separator) {
        return std::nullopt;
    }
    if (scan.Take('E') || scan.Take('e')) {
        std::string exponent = "e";
        if (scan.Take('-')) {
            exponent += '-';
        } else {
            scan.Take('+');
        }
        if (scan.Take_digits(exponent) > 0) {
            canonical += exponent;
        }
    }
    scan.Skip_spaces();
    if (!scan.At_end()) {
        return std::nullopt;
    }

    const TC_numeric_locale c_locale;
    errno = 0;
    const long double value = strtold_l(canonical.c_str(), nullptr, c_locale.handle());
    if (errno == ERANGE && std::isinf(value)) {
        return std::nullopt;
    }
    // An underflow (ERANGE with a finite result) keeps the correctly rounded
    // subnormal or zero that strtold_l returns.
    return value;
}

}  // namespace ostrelta
