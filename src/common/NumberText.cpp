#include "common/NumberText.h"

#include <climits>

#include "common/AmountText.h"

namespace shopbiz {

CString NumberText(const CString& text) {
    if (IsPlainNumber(text)) {
        CString trimmed = text;
        return trimmed.Trim();
    }
    CString s;
    s.Format(L"%.08lf", ParseAmount(text));
    return s;
}

bool ParseIntText(const CString& text, int& value) {
    CString t = text;
    t.Trim();
    int i = 0;
    const bool negative = t[0] == L'-';
    if (t[0] == L'-' || t[0] == L'+') ++i;
    if (i == t.GetLength()) return false;
    long long v = 0;
    for (; i < t.GetLength(); ++i) {
        if (t[i] < L'0' || t[i] > L'9') return false;
        v = v * 10 + (t[i] - L'0');
        if (v > static_cast<long long>(INT_MAX) + 1) return false;
    }
    if (negative) v = -v;
    if (v > INT_MAX || v < INT_MIN) return false;
    value = static_cast<int>(v);
    return true;
}

}  // namespace shopbiz
