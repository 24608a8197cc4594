// Amounts in Chinese financial capitals.
#include <gtest/gtest.h>

#include <limits>

#include "shopbiz.h"

namespace {

TEST(Double2RMB, BillTotalsAndAmountsBeyondTheUnits) {
    const double inf = std::numeric_limits<double>::infinity();
    const wchar_t* tooLarge = L"数值过大，不能转换";
    const std::pair<double, const wchar_t*> cases[] = {
        {0, L"零元整"}, {0.05, L"伍分"}, {1.999, L"贰元整"},  // rounded to whole fen first
        {12345678.9, L"壹仟贰佰叁拾肆万伍仟陆佰柒拾捌元玖角"}, {1000000, L"壹佰万元整"},
        // Zeros write one 零 before the next digit.
        {10.5, L"壹拾元零伍角"}, {5.08, L"伍元零捌分"}, {10001, L"壹万零壹元整"}, {1020, L"壹仟零贰拾元整"},
        {100010000, L"壹亿零壹万元整"}, {-10.5, L"负壹拾元零伍角"}, {1e12, L"壹万亿元整"}, {1e16, L"壹万万亿元整"},
        {3.1e13, L"叁拾万壹万亿元整"},  // above 万亿 the units keep two characters once 万亿 is written
        {1e17, tooLarge}, {-inf, tooLarge}, {std::numeric_limits<double>::quiet_NaN(), tooLarge},
    };
    CSysBLL sys;
    for (const auto& [amount, text] : cases) {
        SCOPED_TRACE(testing::Message() << std::fixed << amount);
        EXPECT_EQ(sys.Double2RMB(amount), text);
    }
}

}  // namespace
