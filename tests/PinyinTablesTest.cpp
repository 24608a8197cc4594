// The pinyin initial tables: every reading of a character, searched from A or from Z.
#include "common/PinyinTables.h"
#include "platform/CodePage936.h"

#include <gtest/gtest.h>

#include <array>
#include <bit>
#include <cstdint>
#include <string>

namespace shopbiz {
namespace {

std::uint32_t MaskOf(const std::string& letters) {
    std::uint32_t mask = 0;
    for (char letter : letters) mask |= std::uint32_t{1} << std::string(kPinyinInitials).find(letter);
    return mask;
}

TEST(PinyinTablesTest, ReadingsOfCharacters) {
    // Each character's initials; the first is found from A, the last from Z.
    const std::pair<char32_t, std::string> cases[] = {
        {U'银', "Y"}, {U'单', "CDS"},  // every reading counts: chan dan shan
        // Only the first field with readings: the Xiandai Hanyu Cidian's over the Hanyu Da Zidian's
        // extra ones (重 tong); without it the latter's (丌 ji qi); a plain Mandarin reading only (浏 liu).
        {U'重', "CZ"}, {U'丌', "JQ"}, {U'浏', "L"},
        {U'嗯', "N"},       // a syllabic consonant with its tone mark on the consonant (ńg)
        {U'\uF92C', "L"},  // a compatibility ideograph reads as its equivalent 郎
    };
    for (const auto& [ch, initials] : cases) {
        SCOPED_TRACE(testing::Message() << "U+" << std::hex << static_cast<std::uint32_t>(ch));
        EXPECT_EQ(PinyinInitialMask(ch), MaskOf(initials));
        EXPECT_EQ(PinyinFirstInitial(ch, false), initials.front());
        EXPECT_EQ(PinyinFirstInitial(ch, true), initials.back());
    }
    // Latin, 〇 (no pinyin in the data), beyond the BMP and beyond Unicode have none.
    for (char32_t ch : {U'A', U'\u3007', U'\U00020000', static_cast<char32_t>(0xFFFFFFFF)})
        EXPECT_EQ(std::string() + PinyinFirstInitial(ch, false) + PinyinFirstInitial(ch, true), "  ");
}

TEST(PinyinTablesTest, FirstInitialAgreesWithMaskAcrossTheBmp) {
    const std::uint32_t all = (std::uint32_t{1} << kPinyinInitialCount) - 1;
    const std::string initials = kPinyinInitials;
    for (char32_t ch = 0; ch <= 0xFFFF; ++ch) {
        const std::uint32_t mask = PinyinInitialMask(ch);
        const char fromA = PinyinFirstInitial(ch, false), fromZ = PinyinFirstInitial(ch, true);
        ASSERT_EQ(mask & ~all, 0u) << std::hex << static_cast<std::uint32_t>(ch);
        if (mask == 0) {
            ASSERT_EQ(std::string() + fromA + fromZ, "  ");
            continue;
        }
        const auto a = initials.find(fromA), z = initials.find(fromZ);
        ASSERT_TRUE(a != std::string::npos && z != std::string::npos);
        // fromA is the lowest initial in the mask, fromZ the highest.
        ASSERT_EQ(mask & ((std::uint32_t{2} << a) - 1), std::uint32_t{1} << a);
        ASSERT_EQ(mask >> z, 1u);
        ASSERT_EQ(a == z, std::has_single_bit(mask));
    }
}

TEST(PinyinTablesTest, EveryGb2312AndGbkHanziHasAnInitial) {
    // GBK holds all of U+4E00..U+9FA5; only a handful of Japanese unit characters (兙 瓧 ...)
    // have no Mandarin reading.
    int unified = 0;
    for (char32_t ch = 0x4E00; ch <= 0x9FA5; ++ch) unified += PinyinInitialMask(ch) != 0;
    EXPECT_GE(unified, 20880);
    EXPECT_EQ(PinyinInitialMask(0x9FA6), 0u);  // beyond GBK

    // The GB2312 hanzi: level 1 in rows 16-55 (the last cells of row 55 unassigned), level 2 in 56-87.
    std::array<int, 2> hanzi{};
    for (int row = 16; row <= 87; ++row) {
        for (int cell = 1; cell <= 94; ++cell) {
            const char32_t ch = CodePage936DoubleByteChar(0xA0 + row, 0xA0 + cell);
            if (ch == 0) continue;
            ++hanzi[row <= 55 ? 0 : 1];
            EXPECT_NE(PinyinInitialMask(ch), 0u) << std::hex << static_cast<std::uint32_t>(ch);
        }
    }
    EXPECT_EQ(hanzi, (std::array<int, 2>{3755, 3008}));
}

}  // namespace
}  // namespace shopbiz
