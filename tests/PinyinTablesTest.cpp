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
    for (char letter : letters) {
        const std::string initials = kPinyinInitials;
        const auto pos = initials.find(letter);
        EXPECT_NE(pos, std::string::npos) << letter;
        mask |= std::uint32_t{1} << pos;
    }
    return mask;
}

struct Expected {
    char32_t ch;
    const char* initials;  // all initials, in table order
    char fromA;
    char fromZ;
};

void ExpectReadings(const std::vector<Expected>& cases) {
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "U+" << std::hex
                                        << static_cast<std::uint32_t>(c.ch));
        EXPECT_EQ(PinyinInitialMask(c.ch), MaskOf(c.initials));
        EXPECT_EQ(PinyinFirstInitial(c.ch, false), c.fromA);
        EXPECT_EQ(PinyinFirstInitial(c.ch, true), c.fromZ);
    }
}

TEST(PinyinTablesTest, SingleReading) {
    ExpectReadings({
        {U'银', "Y", 'Y', 'Y'},
        {U'欧', "O", 'O', 'O'},
        {U'亍', "C", 'C', 'C'},  // GB2312 level 2
    });
}

TEST(PinyinTablesTest, EveryReadingCounts) {
    ExpectReadings({
        {U'长', "CZ", 'C', 'Z'},   // chang, zhang
        {U'行', "HX", 'H', 'X'},   // hang, xing
        {U'单', "CDS", 'C', 'S'},  // chan, dan, shan
        {U'乐', "LY", 'L', 'Y'},   // le, yue
        {U'哦', "EO", 'E', 'O'},   // e, o
        {U'阿', "AE", 'A', 'E'},   // a, e
    });
}

TEST(PinyinTablesTest, OnlyTheFirstFieldWithReadingsIsUsed) {
    // The Hanyu Da Zidian lists extra readings (重 tong, 啊 e, 埃 zhi) that the
    // Xiandai Hanyu Cidian does not; the latter wins.
    ExpectReadings({
        {U'重', "CZ", 'C', 'Z'},
        {U'啊', "A", 'A', 'A'},
        {U'埃', "A", 'A', 'A'},
    });
    // No XHC entry: Hanyu Da Zidian's two readings ji, qi.
    ExpectReadings({{U'丌', "JQ", 'J', 'Q'}});
    // Only a plain Mandarin reading: liu, zhang.
    ExpectReadings({{U'浏', "L", 'L', 'L'}, {U'账', "Z", 'Z', 'Z'}});
}

TEST(PinyinTablesTest, SyllabicConsonantsAndToneMarks) {
    // ńg/ňg and ḿ/m̀ (m followed by a combining grave) carry their marks on
    // the consonant itself.
    ExpectReadings({{U'嗯', "N", 'N', 'N'}, {U'呣', "M", 'M', 'M'}});
}

TEST(PinyinTablesTest, CompatibilityIdeographsReadAsTheirEquivalent) {
    EXPECT_EQ(PinyinInitialMask(U'\uF92C'), PinyinInitialMask(U'郎'));
    EXPECT_EQ(PinyinFirstInitial(U'\uF92C', false), 'L');
}

TEST(PinyinTablesTest, NonHanziHaveNoInitial) {
    const char32_t others[] = {
        U'\0',     U'A',      U'z',      U'1',      U' ',
        U'\u3000',  // ideographic space
        U'\u3002',  // 。
        U'\u3007',  // 〇 has no pinyin in the data
        U'\u3042',  // hiragana a
        U'\u30A2',  // katakana a
        U'\uFF21',  // fullwidth A
        U'\uFFFF',  U'\U00020000', U'\U0010FFFF', static_cast<char32_t>(0xFFFFFFFF),
    };
    for (char32_t ch : others) {
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
        const char fromA = PinyinFirstInitial(ch, false);
        const char fromZ = PinyinFirstInitial(ch, true);
        if (mask == 0) {
            ASSERT_EQ(fromA, ' ');
            ASSERT_EQ(fromZ, ' ');
            continue;
        }
        const auto a = initials.find(fromA);
        const auto z = initials.find(fromZ);
        ASSERT_NE(a, std::string::npos);
        ASSERT_NE(z, std::string::npos);
        // fromA is the lowest initial in the mask, fromZ the highest.
        ASSERT_NE(mask >> a & 1, 0u);
        ASSERT_EQ(mask & ((std::uint32_t{1} << a) - 1), 0u);
        ASSERT_EQ(mask >> z, 1u);
        ASSERT_EQ(a == z, std::has_single_bit(mask));
    }
}

// Code points of the GB2312 hanzi, level 1 (rows 16-55) and level 2 (56-87),
// via the C library's converter.
std::array<std::vector<char32_t>, 2> Gb2312Hanzi() {
    std::array<std::vector<char32_t>, 2> levels;
    iconv_t cd = iconv_open("UTF-32LE", "GB2312");
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        return levels;
    }
    for (int row = 16; row <= 87; ++row) {
        for (int cell = 1; cell <= 94; ++cell) {
            char in[2] = {static_cast<char>(0xA0 + row), static_cast<char>(0xA0 + cell)};
            unsigned char out[4] = {};
            char* inPtr = in;
            char* outPtr = reinterpret_cast<char*>(out);
            std::size_t inLeft = sizeof in;
            std::size_t outLeft = sizeof out;
            iconv(cd, nullptr, nullptr, nullptr, nullptr);
            if (iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<std::size_t>(-1) ||
                outLeft != 0) {
                continue;  // unassigned cell at the end of row 55
            }
            const char32_t ch = out[0] | out[1] << 8 | out[2] << 16 |
                                static_cast<char32_t>(out[3]) << 24;
            levels[row <= 55 ? 0 : 1].push_back(ch);
        }
    }
    iconv_close(cd);
    return levels;
}

TEST(PinyinTablesTest, EveryGb2312HanziHasAnInitial) {
    const auto levels = Gb2312Hanzi();
    if (levels[0].empty()) {
        GTEST_SKIP() << "no GB2312 converter in this C library";
    }
    ASSERT_EQ(levels[0].size(), 3755u);
    ASSERT_EQ(levels[1].size(), 3008u);

    std::array<int, kPinyinInitialCount> tableSize{};
    int withInitial = 0;
    for (const auto& level : levels) {
        for (char32_t ch : level) {
            const std::uint32_t mask = PinyinInitialMask(ch);
            EXPECT_NE(mask, 0u) << std::hex << static_cast<std::uint32_t>(ch);
            withInitial += mask != 0;
            for (int i = 0; i < kPinyinInitialCount; ++i) {
                tableSize[i] += mask >> i & 1;
            }
        }
    }
    EXPECT_GE(withInitial, 6700);
    // Smallest table is O (哦 欧 偶 ...), the largest hold several hundred.
    for (int i = 0; i < kPinyinInitialCount; ++i) {
        SCOPED_TRACE(kPinyinInitials[i]);
        EXPECT_GE(tableSize[i], 10);
        EXPECT_LE(tableSize[i], 800);
    }
}

TEST(PinyinTablesTest, CoversTheUnifiedIdeographsOfGbk) {
    // GBK holds all of U+4E00..U+9FA5; only a handful of Japanese unit
    // characters (兙 瓧 ...) have no Mandarin reading.
    int withInitial = 0;
    for (char32_t ch = 0x4E00; ch <= 0x9FA5; ++ch) {
        withInitial += PinyinInitialMask(ch) != 0;
    }
    EXPECT_GE(withInitial, 20880);
    EXPECT_EQ(PinyinInitialMask(0x9FA6), 0u);  // beyond GBK
}

}  // namespace
}  // namespace shopbiz
