#pragma once
// Numbers typed as text that go into SQL as text or unquoted.

#include "platform/CString.h"

namespace shopbiz {

// The text itself (trimmed) when it is a plain number, else "%.08lf" of the number it starts
// with (0 when none): for numbers stored as text that must stay numbers.
CString NumberText(const CString& text);

// True when the whole text (blanks around it aside) is a whole number that fits an int;
// `value` receives it. IDs put unquoted into SQL must pass this.
bool ParseIntText(const CString& text, int& value);

}  // namespace shopbiz
