#pragma once
// Numbers that arrive as text (prices, quantities, IDs typed by the user), read the way the
// desktop runtime read them: leading blanks skipped, then the longest decimal number at the
// start; anything else counts as 0.

#include "platform/CString.h"

namespace shopbiz {

// "12.5" -> 12.5, " 3abc" -> 3, "abc" / "" / "1e999" -> 0.
double TextToDouble(const CString& text);
// True when the whole text (blanks around it aside) is one decimal number.
bool IsNumberText(const CString& text);
// True when the whole text (blanks around it aside) is a whole number that fits an int;
// `value` receives it.
bool ParseIntText(const CString& text, int& value);
// The text itself (trimmed) when it is a number, else "%.08lf" of what TextToDouble reads from it:
// for numbers that are stored as text and must stay numbers.
CString NumberText(const CString& text);

}  // namespace shopbiz
