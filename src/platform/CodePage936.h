#pragma once
// Code page 936 (simplified Chinese GBK, the Windows OEM/ANSI code page of a Chinese system)
// through the C library's iconv converter "CP936" (glibc: the euro sign at 0x80, 0xA1A4 the
// middle dot U+00B7 and 0xA1AA the em dash U+2014, as on Windows). The user-defined areas
// map to the private use characters U+E000..U+E765 as on Windows.
//
// Unconvertible text behaves like the Windows converters with their default flags: a
// character that has no code page byte becomes '?', a byte sequence that is no character
// becomes L'?', and the rest of the text is kept. A conversion fails (false, empty output)
// only when the C library has no converter for the code page.

#include <string>
#include <string_view>

namespace shopbiz {

// *usedDefaultChar (when given) tells whether some character had to become '?'.
bool WideToCodePage936(std::wstring_view text, std::string& out, bool* usedDefaultChar = nullptr);
bool CodePage936ToWide(std::string_view bytes, std::wstring& out);

// Double-byte sequences: lead byte 0x81..0xFE, trail byte 0x40..0xFE but 0x7F. The index of
// one among all of them, for tables over the code page; -1 for any other pair of bytes.
inline constexpr int kDoubleByteSequences = 126 * 190;
constexpr int DoubleByteIndex(unsigned char lead, unsigned char trail) {
    if (lead < 0x81 || lead > 0xFE || trail < 0x40 || trail > 0xFE || trail == 0x7F) return -1;
    return (lead - 0x81) * 190 + trail - 0x40 - (trail > 0x7F);
}

// The character of one double-byte sequence; 0 when it is none. Constant time: a table made
// once from the converter.
char32_t CodePage936DoubleByteChar(unsigned char lead, unsigned char trail);

}  // namespace shopbiz
