#pragma once
// Amounts that arrive or leave as text.

#include "platform/CString.h"

namespace shopbiz {

// The number at the start of the text, as the desktop's decimal reader gives it: leading
// blanks skipped, the longest numeric prefix read, 0 when there is none (or it is not finite).
double ParseAmount(const CString& text);

// True when the whole text (blanks around it aside) is a plain decimal number: an optional
// sign, digits with at most one point, an optional exponent. Such a text can be written into
// SQL unquoted and is read the same by the database as by ParseAmount.
bool IsPlainNumber(const CString& text);

// The amount rounded to cents, as "%0.2lf" text, rounding half away from zero on the decimal
// value a person reads: 12.345 gives "12.35" although the nearest double lies just below it.
CString CentsText(double amount);

}  // namespace shopbiz
