#include "common/NumberText.h"

#include <climits>

#include "common/AmountText.h"

namespace shopbiz {

int WToI(const CString& text) {
    const wchar_t* p = text;
    // The same blanks as every other reader of numbers, whatever the locale says.
    while (CString::IsSpace(*p)) ++p;
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

CString NumberText(const CString& text) {
    if (IsPlainNumber(text)) {
        CString trimmed = text;
        return trimmed.Trim();
    }
    CString s;
    s.Format(L"%.08lf", ParseAmount(text));
    return s;
}

}  // namespace shopbiz
