#include "frame/SqlEscape.h"

namespace shopbiz {

CString EscapeQuotes(const CString& text) {
    CString escaped = text;
    escaped.Replace(L"'", L"''");
    return escaped;
}

}  // namespace shopbiz
