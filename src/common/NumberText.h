#pragma once
// Numbers read from text the way the desktop runtime reads them: what the front end and the
// stored rows hand us as text ("128.50", " 12", "abc") turns into a number without an error.

#include "platform/CString.h"

namespace shopbiz {

// _wtoi: leading blanks, an optional sign, then digits up to the first non-digit; anything
// else gives 0. Values beyond int are held at INT_MAX / INT_MIN.
int WToI(const CString& text);

// _wtof: leading blanks, then the longest decimal number at the front ("12.5kg" gives 12.5);
// text without one gives 0. Only plain decimals are read (no hex, "inf" or "nan"), so the
// result can always be written into SQL as a number.
double WToF(const CString& text);

}  // namespace shopbiz
