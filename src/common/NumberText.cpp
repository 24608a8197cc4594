#include "common/NumberText.h"

#include <climits>
#include <cmath>
#include <cwchar>
#include <cwctype>
#include <limits>
#include <string>

namespace shopbiz {

int WToI(const CString& text) {
    const wchar_t* p = text;
    while (std::iswspace(*p)) ++p;
    bool negative = *p == L'-';
    if (*p == L'-' || *p == L'+') ++p;
    long long value = 0;
    for (; *p >= L'0' && *p <= L'9'; ++p) {
        value = value * 10 + (*p - L'0');
        if (value > static_cast<long long>(INT_MAX) + 1) break;
    }
    if (negative) value = -value;
    if (value > INT_MAX) return INT_MAX;
    if (value < INT_MIN) return INT_MIN;
    return static_cast<int>(value);
}

double WToF(const CString& text) {
    const wchar_t* p = text;
    while (std::iswspace(*p)) ++p;
    auto isDigit = [](wchar_t c) { return c >= L'0' && c <= L'9'; };

    // Cut out [sign] digits [. digits] [e [sign] digits] and hand only that to wcstod.
    std::wstring number;
    if (*p == L'-' || *p == L'+') number += *p++;
    bool anyDigit = false;
    while (isDigit(*p)) number += *p++, anyDigit = true;
    if (*p == L'.') {
        number += *p++;
        while (isDigit(*p)) number += *p++, anyDigit = true;
    }
    if (!anyDigit) return 0.0;
    if (*p == L'e' || *p == L'E') {
        const wchar_t* e = p + 1;
        if (*e == L'-' || *e == L'+') ++e;
        if (isDigit(*e)) {
            while (p != e) number += *p++;
            while (isDigit(*p)) number += *p++;
        }
    }
    double value = std::wcstod(number.c_str(), nullptr);
    // An exponent out of range reads as the largest finite value, never as infinity.
    if (std::isinf(value)) value = std::copysign(std::numeric_limits<double>::max(), value);
    return value;
}

}  // namespace shopbiz
