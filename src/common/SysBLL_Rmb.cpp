// CSysBLL: amounts in Chinese financial capitals.
#include <cmath>

#include "frame/ServiceFrame.h"

namespace {

const wchar_t* const kDigits[] = {L"零", L"壹", L"贰", L"叁", L"肆", L"伍", L"陆", L"柒", L"捌", L"玖"};

// Unit of each digit of the amount in fen, counted from the right (0 is the fen digit).
const wchar_t* const kUnits[] = {
    L"分", L"角", L"元", L"拾", L"佰", L"仟", L"万", L"拾万", L"佰万", L"仟万",
    L"亿", L"拾亿", L"佰亿", L"仟亿", L"万亿", L"拾万亿", L"佰万亿", L"仟万亿", L"万万亿",
};
constexpr int kUnitCount = sizeof kUnits / sizeof kUnits[0];

const wchar_t* const kTooLarge = L"数值过大，不能转换";

}  // namespace

CString CSysBLL::Double2RMB(double value) {
    if (value == 0) return L"零元整";
    // No digits to write for infinity or "nan".
    if (!std::isfinite(value)) return kTooLarge;
    const bool negative = value < 0;
    if (negative) value = -value;

    // The largest finite amounts have more fen than a double holds: infinitely many.
    if (!std::isfinite(value * 100)) return kTooLarge;
    CString fen;
    fen.Format(L"%.0f", value * 100);
    fen.MakeReverse();  // character i is the digit of position i
    if (fen.GetLength() > kUnitCount) return kTooLarge;

    CString result;
    for (int i = 0; i < fen.GetLength(); ++i) {
        const int digit = fen[i] - L'0';
        const CString unit = kUnits[i];
        if (digit == 0) {
            // Zeros write nothing but the 元 and one 零 before the next digit written.
            if (i == 2) result = (fen[1] == L'0' ? L"元" : L"元零") + result;
            if (!result.IsEmpty() && result[0] != L'零' && result[0] != L'元') result = L"零" + result;
        } else if (i >= 7 && i <= 9 && result.Find(L"万") >= 0) {
            result = kDigits[digit] + unit.Left(1) + result;
        } else if (i >= 11 && i <= 13 && result.Find(L"亿") >= 0) {
            result = kDigits[digit] + unit.Left(1) + result;
        } else if (i >= 15 && result.Find(L"万亿") >= 0) {
            result = kDigits[digit] + unit.Left(2) + result;
        } else {
            result = kDigits[digit] + unit + result;
        }
    }
    if (!result.IsEmpty() && result[result.GetLength() - 1] == L'元') result += L"整";
    if (negative) result = L"负" + result;
    return result;
}
