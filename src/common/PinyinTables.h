#pragma once

#include <cstdint>

namespace shopbiz {

// Initials in table order; bit i of a mask stands for kPinyinInitials[i].
// There is no I, U or V table: no standard pinyin reading starts with them.
inline constexpr char kPinyinInitials[] = "ABCDEFGHJKLMNOPQRSTWXYZ";
inline constexpr int kPinyinInitialCount = 23;

// Mask of the initials of every reading of the character; 0 when it has none.
// Zh/ch/sh count as Z/C/S.  Covers the ideographs of GBK (code page 936).
std::uint32_t PinyinInitialMask(char32_t ch);

// First initial of ch searching the tables A..Z (fromZ false) or Z..A
// (fromZ true); ' ' when none.
char PinyinFirstInitial(char32_t ch, bool fromZ);

}  // namespace shopbiz
