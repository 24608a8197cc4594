#pragma once
// Numbers read from text the way the desktop runtime reads them (amounts: AmountText.h), and
// numbers typed as text that go into SQL.

#include "platform/CString.h"
#include "platform/Numbers.h"

namespace shopbiz {

// _wtoi: leading blanks, an optional sign, then digits up to the first non-digit; anything
// else gives 0 ("128.50" gives 128). Values beyond int are held at INT_MAX / INT_MIN.
int WToI(const CString& text);

// The text itself (trimmed) when it is a plain number, else "%.08lf" of the number it starts
// with (0 when none): for numbers stored as text that must stay numbers.
CString NumberText(const CString& text);

}  // namespace shopbiz
