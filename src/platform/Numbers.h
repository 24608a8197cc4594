#pragma once
// Numbers read from and written to text the same way under every locale: a host may set a
// locale with a decimal comma, but SQL, the database and the shop's amounts always use a
// point.

#include <clocale>

namespace shopbiz {

// The decimal number at the start of the text, as the desktop's decimal reader takes it:
// leading blanks skipped, an optional sign, digits with at most one point, an optional
// exponent. `end` receives where reading stopped (the start of the text when there is no
// number). A number beyond what a double holds reads as 0, with `inRange` false.
double ReadNumber(const wchar_t* text, const wchar_t** end = nullptr, bool* inRange = nullptr);

// True when the whole text (blanks around it aside) is such a number, in range. Such a text
// can be written into SQL unquoted and the database reads the same number from it.
bool IsPlainNumber(const wchar_t* text);

// True when the whole text (blanks around it aside) is a whole number that fits an int: an
// optional sign when `signAllowed`, then digits only. `value` receives it.
bool IsWholeNumber(const wchar_t* text, bool signAllowed = true, int* value = nullptr);

// While it lives, printf-family calls of this thread format numbers as in the "C" locale.
class CNumericLocale {
public:
    CNumericLocale();
    ~CNumericLocale();
    CNumericLocale(const CNumericLocale&) = delete;
    CNumericLocale& operator=(const CNumericLocale&) = delete;

private:
    locale_t previous_;
};

}  // namespace shopbiz
