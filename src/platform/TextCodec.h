#pragma once
// Conversions between the wide text of the services and the UTF-8 of the database and the console.

#include <string>
#include <string_view>

namespace shopbiz {

// Invalid code points (lone surrogates, values above U+10FFFF) become U+FFFD.
std::string WideToUtf8(std::wstring_view text);
// Malformed sequences become U+FFFD; the rest of the text is kept.
std::wstring Utf8ToWide(std::string_view text);

}  // namespace shopbiz
