#include "common/AmountText.h"

#include <cmath>
#include <cstdio>
#include <cwchar>

namespace shopbiz {

double ParseAmount(const CString& text) {
    const wchar_t* begin = text.GetString();
    wchar_t* end = nullptr;
    const double value = std::wcstod(begin, &end);
    return end == begin || !std::isfinite(value) ? 0.0 : value;
}

bool IsPlainNumber(const CString& text) {
    CString t = text;
    t.Trim();
    int i = 0;
    const int n = t.GetLength();
    auto digits = [&] {
        const int from = i;
        while (i < n && t[i] >= L'0' && t[i] <= L'9') ++i;
        return i - from;
    };
    if (i < n && (t[i] == L'+' || t[i] == L'-')) ++i;
    int mantissa = digits();
    if (i < n && t[i] == L'.') {
        ++i;
        mantissa += digits();
    }
    if (mantissa == 0) return false;
    if (i < n && (t[i] == L'e' || t[i] == L'E')) {
        ++i;
        if (i < n && (t[i] == L'+' || t[i] == L'-')) ++i;
        if (digits() == 0) return false;
    }
    return i == n;
}

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
    std::snprintf(text, sizeof text, "%.*f", decimals, magnitude);

    const char* p = text;
    long long cents = 0;
    for (; *p != '.'; ++p) cents = cents * 10 + (*p - '0');
    ++p;  // decimals >= 3, so the point and three digits follow
    cents = cents * 100 + (p[0] - '0') * 10 + (p[1] - '0');
    if (p[2] >= '5') ++cents;

    s.Format(L"%s%lld.%02lld", amount < 0 && cents != 0 ? L"-" : L"", cents / 100, cents % 100);
    return s;
}

}  // namespace shopbiz
