#pragma once
// Whole numbers read from text the way the desktop runtime reads them (amounts: AmountText.h).

#include "platform/CString.h"

namespace shopbiz {

// _wtoi: leading blanks, an optional sign, then digits up to the first non-digit; anything
// else gives 0 ("128.50" gives 128). Values beyond int are held at INT_MAX / INT_MIN.
int WToI(const CString& text);

}  // namespace shopbiz
