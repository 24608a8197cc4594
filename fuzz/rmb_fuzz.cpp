// Amounts in Chinese capitals and in cents over any double: NaN, infinities, the largest finite
// values, the smallest subnormals, negative zero.
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "FuzzInput.h"
#include "common/AmountText.h"
#include "shopbiz.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    double value = 0;
    std::memcpy(&value, data, size < sizeof value ? size : sizeof value);
    // Every text is made of the digits, the units and the signs (amounts below half a fen
    // round to nothing and give an empty text, as the rules have it).
    const CString capitals = CSysBLL().Double2RMB(value);
    if (capitals.SpanIncluding(L"零壹贰叁肆伍陆柒捌玖分角元拾佰仟万亿负整数值过大，不能转换") != capitals) std::abort();
    const CString cents = shopbiz::CentsText(value);
    // Cents of a finite amount read back within half a cent, give or take the digits beyond the
    // fifteenth that the rounding reads as binary noise (beyond 1e13 printf rounds).
    if (std::isfinite(value) && std::fabs(value) < 1e13 &&
        std::fabs(shopbiz::ParseAmount(cents) - value) > 0.005 + std::fabs(value) * 1e-14 + 1e-12)
        std::abort();
    return 0;
}
