#pragma once
// Amounts that arrive or leave as text, the same under every locale.

#include "platform/CString.h"
#include "platform/Numbers.h"

namespace shopbiz {

// The number at the start of the text, as the desktop's decimal reader gives it: leading
// blanks skipped, the longest numeric prefix read, 0 when there is none (or it is out of range).
double ParseAmount(const CString& text);

// The amount rounded to cents, as "%0.2lf" text, rounding half away from zero on the decimal
// value a person reads: 12.345 gives "12.35" although the nearest double lies just below it.
CString CentsText(double amount);

}  // namespace shopbiz
