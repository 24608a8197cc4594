// The pinyin initial tables: every reading of a character, searched from A or from Z.
#include "common/PinyinTables.h"

#include <gtest/gtest.h>
#include <iconv.h>

#include <array>
#include <bit>
#include <cstdint>
#include <string>
#include <vector>

namespace shopbiz {
namespace {

std::uint32_t MaskOf(const std::string& letters) {
    std::uint32_t mask = 0;
    for (char letter : letters) mask |= std::uint32_t{1} << std::string(kPinyinInitials).find(letter);
    return mask;
}

TEST(PinyinTablesTest, ReadingsOfCharacters) {
    const struct {
        char32_t ch;
        const char* initials;  // all initials, in table order
        char fromA, fromZ;
    } cases[] = {
        {U'银', "Y", 'Y', 'Y'}, {U'欧', "O", 'O', 'O'}, {U'亍', "C", 'C', 'C'},  // 亍: GB2312 level 2
        // Every reading counts: chang zhang, hang xing, chan dan shan, le yue, e o, a e.
        {U'长', "CZ", 'C', 'Z'}, {U'行', "HX", 'H', 'X'}, {U'单', "CDS", 'C', 'S'}, {U'乐', "LY", 'L', 'Y'},
        {U'哦', "EO", 'E', 'O'}, {U'阿', "AE", 'A', 'E'},
        // Only the first field with readings: the Xiandai Hanyu Cidian's over the Hanyu Da
        // Zidian's extra ones (重 tong, 啊 e, 埃 zhi); without it the latter's (丌 ji qi); a plain
        // Mandarin reading only (浏 liu, 账 zhang).
        {U'重', "CZ", 'C', 'Z'}, {U'啊', "A", 'A', 'A'}, {U'埃', "A", 'A', 'A'}, {U'丌', "JQ", 'J', 'Q'},
        {U'浏', "L", 'L', 'L'}, {U'账', "Z", 'Z', 'Z'},
        // Syllabic consonants with their tone marks on the consonant itself (ńg, ḿ/m̀).
        {U'嗯', "N", 'N', 'N'}, {U'呣', "M", 'M', 'M'},
        // A compatibility ideograph reads as its equivalent 郎.
        {U'\uF92C', "L", 'L', 'L'},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "U+" << std::hex << static_cast<std::uint32_t>(c.ch));
        EXPECT_EQ(PinyinInitialMask(c.ch), MaskOf(c.initials));
        EXPECT_EQ(PinyinFirstInitial(c.ch, false), c.fromA);
        EXPECT_EQ(PinyinFirstInitial(c.ch, true), c.fromZ);
    }
}

TEST(PinyinTablesTest, NonHanziHaveNoInitial) {
    // Latin, digits, spaces, 。, 〇 (no pinyin in the data), kana, fullwidth A, beyond the BMP.
    for (char32_t ch : {U'\0', U'A', U'z', U'1', U' ', U'\u3000', U'\u3002', U'\u3007', U'\u3042', U'\u30A2',
                        U'\uFF21', U'\uFFFF', U'\U00020000', U'\U0010FFFF', static_cast<char32_t>(0xFFFFFFFF)}) {
        SCOPED_TRACE(static_cast<std::uint32_t>(ch));
        EXPECT_EQ(PinyinInitialMask(ch), 0u);
        EXPECT_EQ(PinyinFirstInitial(ch, false), ' ');
        EXPECT_EQ(PinyinFirstInitial(ch, true), ' ');
    }
}

TEST(PinyinTablesTest, FirstInitialAgreesWithMaskAcrossTheBmp) {
    const std::uint32_t all = (std::uint32_t{1} << kPinyinInitialCount) - 1;
    const std::string initials = kPinyinInitials;
    for (char32_t ch = 0; ch <= 0xFFFF; ++ch) {
        const std::uint32_t mask = PinyinInitialMask(ch);
        ASSERT_EQ(mask & ~all, 0u) << std::hex << static_cast<std::uint32_t>(ch);
        const char fromA = PinyinFirstInitial(ch, false), fromZ = PinyinFirstInitial(ch, true);
        if (mask == 0) {
            ASSERT_EQ(std::string() + fromA + fromZ, "  ");
            continue;
        }
        const auto a = initials.find(fromA), z = initials.find(fromZ);
        ASSERT_NE(a, std::string::npos);
        ASSERT_NE(z, std::string::npos);
        // fromA is the lowest initial in the mask, fromZ the highest.
        ASSERT_NE(mask >> a & 1, 0u);
        ASSERT_EQ(mask & ((std::uint32_t{1} << a) - 1), 0u);
        ASSERT_EQ(mask >> z, 1u);
        ASSERT_EQ(a == z, std::has_single_bit(mask));
    }
}

// Code points of the GB2312 hanzi, level 1 (rows 16-55) and level 2 (56-87), via the C
// library's converter; empty without one.
std::array<std::vector<char32_t>, 2> Gb2312Hanzi() {
    std::array<std::vector<char32_t>, 2> levels;
    iconv_t cd = iconv_open("UTF-32LE", "GB2312");
    if (cd == reinterpret_cast<iconv_t>(-1)) return levels;
    for (int row = 16; row <= 87; ++row) {
        for (int cell = 1; cell <= 94; ++cell) {
            char in[2] = {static_cast<char>(0xA0 + row), static_cast<char>(0xA0 + cell)};
            unsigned char out[4] = {};
            char *inPtr = in, *outPtr = reinterpret_cast<char*>(out);
            std::size_t inLeft = sizeof in, outLeft = sizeof out;
            iconv(cd, nullptr, nullptr, nullptr, nullptr);
            if (iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<std::size_t>(-1) || outLeft != 0)
                continue;  // unassigned cell at the end of row 55
            levels[row <= 55 ? 0 : 1].push_back(out[0] | out[1] << 8 | out[2] << 16 | char32_t{out[3]} << 24);
        }
    }
    iconv_close(cd);
    return levels;
}

TEST(PinyinTablesTest, EveryGb2312AndGbkHanziHasAnInitial) {
    // GBK holds all of U+4E00..U+9FA5; only a handful of Japanese unit characters (兙 瓧 ...)
    // have no Mandarin reading.
    int unified = 0;
    for (char32_t ch = 0x4E00; ch <= 0x9FA5; ++ch) unified += PinyinInitialMask(ch) != 0;
    EXPECT_GE(unified, 20880);
    EXPECT_EQ(PinyinInitialMask(0x9FA6), 0u);  // beyond GBK

    const auto levels = Gb2312Hanzi();
    if (levels[0].empty()) GTEST_SKIP() << "no GB2312 converter in this C library";
    ASSERT_EQ(levels[0].size(), 3755u);
    ASSERT_EQ(levels[1].size(), 3008u);
    std::array<int, kPinyinInitialCount> tableSize{};
    for (const auto& level : levels) {
        for (char32_t ch : level) {
            const std::uint32_t mask = PinyinInitialMask(ch);
            EXPECT_NE(mask, 0u) << std::hex << static_cast<std::uint32_t>(ch);
            for (int i = 0; i < kPinyinInitialCount; ++i) tableSize[i] += mask >> i & 1;
        }
    }
    // The smallest table is O (哦 欧 偶 ...), the largest hold several hundred.
    for (int i = 0; i < kPinyinInitialCount; ++i) {
        SCOPED_TRACE(kPinyinInitials[i]);
        EXPECT_GE(tableSize[i], 10);
        EXPECT_LE(tableSize[i], 800);
    }
}

}  // namespace
}  // namespace shopbiz
