#include "frame/TextNumber.h"

#include <cmath>
#include <cwchar>
#include <cwctype>
#include <climits>

namespace shopbiz {

namespace {

bool IsDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }

// Length of the decimal number at p: [sign] digits [. digits] [e [sign] digits], with at
// least one digit in the mantissa; 0 when there is none.
size_t DecimalPrefix(const wchar_t* p) {
    size_t i = 0, digits = 0;
    if (p[i] == L'+' || p[i] == L'-') ++i;
    while (IsDigit(p[i])) ++i, ++digits;
    if (p[i] == L'.') {
        ++i;
        while (IsDigit(p[i])) ++i, ++digits;
    }
    if (digits == 0) return 0;
    if (p[i] == L'e' || p[i] == L'E') {
        size_t j = i + 1;
        if (p[j] == L'+' || p[j] == L'-') ++j;
        if (IsDigit(p[j])) {
            while (IsDigit(p[j])) ++j;
            i = j;
        }
    }
    return i;
}

const wchar_t* SkipBlanks(const wchar_t* p) {
    while (*p && CString::IsSpace(*p)) ++p;
    return p;
}

}  // namespace

double TextToDouble(const CString& text) {
    const wchar_t* p = SkipBlanks(text.GetString());
    size_t n = DecimalPrefix(p);
    if (n == 0) return 0.0;
    std::wstring number(p, n);
    double value = std::wcstod(number.c_str(), nullptr);
    return std::isfinite(value) ? value : 0.0;
}

bool IsNumberText(const CString& text) {
    const wchar_t* p = SkipBlanks(text.GetString());
    size_t n = DecimalPrefix(p);
    if (n == 0) return false;
    if (*SkipBlanks(p + n) != L'\0') return false;
    return std::isfinite(std::wcstod(std::wstring(p, n).c_str(), nullptr));
}

bool ParseIntText(const CString& text, int& value) {
    const wchar_t* p = SkipBlanks(text.GetString());
    bool negative = *p == L'-';
    if (*p == L'-' || *p == L'+') ++p;
    if (!IsDigit(*p)) return false;
    long long v = 0;
    for (; IsDigit(*p); ++p) {
        v = v * 10 + (*p - L'0');
        if (v > static_cast<long long>(INT_MAX) + 1) return false;
    }
    if (*SkipBlanks(p) != L'\0') return false;
    if (negative) v = -v;
    if (v > INT_MAX || v < INT_MIN) return false;
    value = static_cast<int>(v);
    return true;
}

CString NumberText(const CString& text) {
    if (IsNumberText(text)) {
        CString trimmed = text;
        return trimmed.Trim();
    }
    CString s;
    s.Format(L"%.08lf", TextToDouble(text));
    return s;
}

}  // namespace shopbiz
