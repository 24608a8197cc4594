#pragma once
// Texts that go between single quotes in SQL but are not made safe by GetSafeString keep
// their quotes: each ' is doubled, so the value is stored exactly as given and can never end
// the literal early.

#include "platform/CString.h"

namespace shopbiz {

CString EscapeQuotes(const CString& text);

}  // namespace shopbiz
