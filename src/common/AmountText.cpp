#include "common/AmountText.h"

#include <charconv>
#include <cmath>

namespace shopbiz {

double ParseAmount(const CString& text) { return ReadNumber(text.GetString()); }

CString CentsText(double amount) {
    CString s;
    // Amounts beyond what whole cents can hold exactly are left to printf.
    if (!std::isfinite(amount) || std::fabs(amount) >= 1e13) {
        s.Format(L"%0.2lf", amount);
        return s;
    }
    // Fifteen significant digits are what a double holds for certain; reading the amount at
    // that precision drops the binary noise (12.3449999999999998 reads as 12.345) before
    // the third decimal decides the rounding.
    const double magnitude = std::fabs(amount);
    const int integerDigits = magnitude < 1.0 ? 1 : static_cast<int>(std::floor(std::log10(magnitude))) + 1;
    const int decimals = 15 - integerDigits;  // at least 3 below 1e13
    char text[64];
    const auto written = std::to_chars(text, text + sizeof text, magnitude, std::chars_format::fixed, decimals);
    const char* const end = written.ptr;

    long long cents = 0;
    const char* p = text;
    for (; p < end && *p != '.'; ++p) cents = cents * 10 + (*p - '0');
    const auto decimal = [&](int i) { return p + 1 + i < end ? p[1 + i] - '0' : 0; };
    cents = cents * 100 + decimal(0) * 10 + decimal(1);
    if (decimal(2) >= 5) ++cents;

    s.Format(L"%s%lld.%02lld", amount < 0 && cents != 0 ? L"-" : L"", cents / 100, cents % 100);
    return s;
}

}  // namespace shopbiz
