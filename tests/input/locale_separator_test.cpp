// The decimal separator of the user's environment: which variable names the
// locale, what separator a locale has, and that neither the lookup nor the
// conversions depend on or change the process's own locale.

#include "input/general_number_text.h"
#include "input/locale_separator.h"
#include "input/str_to_float.h"

#include <gtest/gtest.h>

#include <array>
#include <clocale>
#include <cstdlib>
#include <locale.h>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace ostrelta::testing {
namespace {

// Locales with a decimal comma and a decimal point; not every system has
// them, and the tests that need one are skipped where it is missing.
constexpr const char* Comma_locale = "ru_RU.UTF-8";
constexpr const char* Point_locale = "en_US.UTF-8";

bool Locale_available(const char* name)
{
    const locale_t locale = newlocale(LC_NUMERIC_MASK, name, locale_t{});
    if (locale == locale_t{}) {
        return false;
    }
    freelocale(locale);
    return true;
}

#define SKIP_WITHOUT_LOCALE(name)                                                                                      \
    if (!Locale_available(name)) {                                                                                     \
        GTEST_SKIP() << "locale " << (name) << " is not installed";                                                    \
    }

struct TName_case {
    const char* name;
    const char* lc_all;
    const char* lc_numeric;
    const char* lang;
    const char* expected;
};

// Failures name the row rather than dumping its bytes.
void PrintTo(const TName_case& c, std::ostream* os)
{
    *os << c.name;
}

class NumericLocaleName : public ::testing::TestWithParam<TName_case> {};

TEST_P(NumericLocaleName, IsTheFirstVariableSetAndNotEmpty)
{
    const TName_case& c = GetParam();
    EXPECT_EQ(Numeric_locale_name(c.lc_all, c.lc_numeric, c.lang), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Variables, NumericLocaleName,
    ::testing::Values(TName_case{"AllSet", "de_DE.UTF-8", "ru_RU.UTF-8", "en_US.UTF-8", "de_DE.UTF-8"},
                      TName_case{"NumericBeforeLang", "", "ru_RU.UTF-8", "en_US.UTF-8", "ru_RU.UTF-8"},
                      TName_case{"LangLast", "", "", "ru_RU.UTF-8", "ru_RU.UTF-8"},
                      TName_case{"OnlyAll", "POSIX", "", "", "POSIX"}, TName_case{"NoneSetIsC", "", "", "", "C"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DecimalSeparatorOfLocale, IsAPointInTheStandardLocales)
{
    for (const char* name : {"C", "POSIX", "C.UTF-8"}) {
        EXPECT_EQ(Decimal_separator_of_locale(name), ".") << name;
    }
}

TEST(DecimalSeparatorOfLocale, IsAPointWhenTheLocaleCannotBeLoaded)
{
    EXPECT_EQ(Decimal_separator_of_locale("xx_NO.SUCH-locale"), ".");
    EXPECT_EQ(Decimal_separator_of_locale(""), ".");
}

TEST(DecimalSeparatorOfLocale, IsACommaInARussianLocale)
{
    SKIP_WITHOUT_LOCALE(Comma_locale);
    EXPECT_EQ(Decimal_separator_of_locale(Comma_locale), ",");
}

TEST(DecimalSeparatorOfLocale, IsAPointInAnEnglishLocale)
{
    SKIP_WITHOUT_LOCALE(Point_locale);
    EXPECT_EQ(Decimal_separator_of_locale(Point_locale), ".");
}

// Sets LC_ALL, LC_NUMERIC and LANG for one test and puts back what the
// process had.
class EnvironmentSeparator : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const char* name : Names) {
            const char* value = std::getenv(name);
            saved_.push_back(value == nullptr ? std::nullopt : std::optional<std::string>(value));
        }
    }
    void TearDown() override
    {
        for (std::size_t i = 0; i < Names.size(); ++i) {
            Put(Names[i], saved_[i] ? saved_[i]->c_str() : nullptr);
        }
    }
    // nullptr unsets a variable.
    static void Set(const char* lc_all, const char* lc_numeric, const char* lang)
    {
        Put("LC_ALL", lc_all);
        Put("LC_NUMERIC", lc_numeric);
        Put("LANG", lang);
    }

private:
    static void Put(const char* name, const char* value)
    {
        if (value == nullptr) {
            unsetenv(name);
        } else {
            setenv(name, value, 1);
        }
    }

    static constexpr std::array<const char*, 3> Names{"LC_ALL", "LC_NUMERIC", "LANG"};
    std::vector<std::optional<std::string>> saved_;
};

TEST_F(EnvironmentSeparator, IsAPointWhenNothingIsSet)
{
    Set(nullptr, nullptr, nullptr);
    EXPECT_EQ(Locale_decimal_separator(), ".");
}

TEST_F(EnvironmentSeparator, LcAllOverridesTheOthers)
{
    SKIP_WITHOUT_LOCALE(Comma_locale);
    Set("C", Comma_locale, Comma_locale);
    EXPECT_EQ(Locale_decimal_separator(), ".");
    Set(Comma_locale, "C", "C");
    EXPECT_EQ(Locale_decimal_separator(), ",");
}

TEST_F(EnvironmentSeparator, LcNumericComesBeforeLang)
{
    SKIP_WITHOUT_LOCALE(Comma_locale);
    Set(nullptr, Comma_locale, "C");
    EXPECT_EQ(Locale_decimal_separator(), ",");
    Set(nullptr, "C", Comma_locale);
    EXPECT_EQ(Locale_decimal_separator(), ".");
}

TEST_F(EnvironmentSeparator, LangAloneAndEmptyVariablesIgnored)
{
    SKIP_WITHOUT_LOCALE(Comma_locale);
    Set("", "", Comma_locale);
    EXPECT_EQ(Locale_decimal_separator(), ",");
}

TEST_F(EnvironmentSeparator, UnavailableLocaleGivesAPointWithoutFallingThrough)
{
    SKIP_WITHOUT_LOCALE(Comma_locale);
    Set("xx_NO.SUCH-locale", Comma_locale, Comma_locale);
    EXPECT_EQ(Locale_decimal_separator(), ".");
}

TEST_F(EnvironmentSeparator, LeavesTheProcessLocaleAlone)
{
    Set(nullptr, nullptr, Locale_available(Comma_locale) ? Comma_locale : "C.UTF-8");
    const std::string before = std::setlocale(LC_ALL, nullptr);
    (void)Locale_decimal_separator();
    EXPECT_EQ(std::setlocale(LC_ALL, nullptr), before);
}

// Under a process locale with a decimal comma, as a GUI toolkit sets it,
// number texts are still read and written with the separator asked for.
TEST(ProcessLocale, DoesNotChangeConversions)
{
    SKIP_WITHOUT_LOCALE(Comma_locale);
    const std::string before = std::setlocale(LC_NUMERIC, nullptr);
    ASSERT_NE(std::setlocale(LC_NUMERIC, Comma_locale), nullptr);
    const auto point = StrToFloat("12.5", ".");
    const auto comma = StrToFloat("12,5", ",");
    const std::string text = General_number_text(0.38, ".");
    std::setlocale(LC_NUMERIC, before.c_str());
    EXPECT_EQ(point, 12.5L);
    EXPECT_EQ(comma, 12.5L);
    EXPECT_EQ(text, "0.38");
}

}  // namespace
}  // namespace ostrelta::testing
