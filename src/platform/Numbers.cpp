#include "platform/Numbers.h"

#include <charconv>
#include <climits>
#include <locale.h>
#include <string>
#include <system_error>

#include "platform/CString.h"

namespace shopbiz {

double ReadNumber(const wchar_t* text, const wchar_t** end, bool* inRange) {
    if (end) *end = text;
    if (inRange) *inRange = true;
    if (!text) return 0.0;
    const wchar_t* p = text;
    while (CString::IsSpace(*p)) ++p;
    bool negative = false;
    if (*p == L'+' || *p == L'-') negative = *p++ == L'-';

    // The longest prefix that reads as a decimal number, copied as ASCII for from_chars.
    std::string digits;
    auto takeDigits = [&] {
        size_t n = 0;
        for (; *p >= L'0' && *p <= L'9'; ++p, ++n) digits += static_cast<char>(*p);
        return n;
    };
    size_t mantissa = takeDigits();
    if (*p == L'.') {
        digits += '.';
        ++p;
        mantissa += takeDigits();
    }
    if (mantissa == 0) return 0.0;
    if (*p == L'e' || *p == L'E') {
        const wchar_t* exponent = p++;
        std::string tail = "e";
        if (*p == L'+' || *p == L'-') tail += static_cast<char>(*p++);
        const size_t before = digits.size();
        if (takeDigits() == 0) {
            p = exponent;  // "12e" reads as 12
            digits.resize(before);
        } else {
            digits.insert(before, tail);
        }
    }
    if (end) *end = p;

    double value = 0.0;
    const auto result = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (result.ec != std::errc()) {
        if (inRange) *inRange = false;
        return 0.0;
    }
    return negative ? -value : value;
}

bool IsPlainNumber(const wchar_t* text) {
    if (!text) return false;
    const wchar_t* end = nullptr;
    bool inRange = true;
    ReadNumber(text, &end, &inRange);
    if (end == text || !inRange) return false;
    while (CString::IsSpace(*end)) ++end;
    return *end == L'\0';
}

bool IsWholeNumber(const wchar_t* text, bool signAllowed, int* value) {
    if (!text) return false;
    const wchar_t* p = text;
    while (CString::IsSpace(*p)) ++p;
    bool negative = false;
    if (signAllowed && (*p == L'+' || *p == L'-')) negative = *p++ == L'-';
    long long v = 0;
    const wchar_t* digits = p;
    for (; *p >= L'0' && *p <= L'9'; ++p) {
        v = v * 10 + (*p - L'0');
        if (v > static_cast<long long>(INT_MAX) + 1) return false;
    }
    if (p == digits) return false;
    while (CString::IsSpace(*p)) ++p;
    if (*p) return false;
    if (negative) v = -v;
    if (v > INT_MAX || v < INT_MIN) return false;
    if (value) *value = static_cast<int>(v);
    return true;
}

namespace {

locale_t CLocale() {
    static const locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(0));
    return c;
}

}  // namespace

CNumericLocale::CNumericLocale() : previous_(uselocale(CLocale())) {}

CNumericLocale::~CNumericLocale() { uselocale(previous_); }

}  // namespace shopbiz
