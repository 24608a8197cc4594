// The date parsers over any text: reading a date, a date and minute, and writing them back.
// A date written from a parsed day reads back as that same day.
#include <cstdlib>

#include "FuzzInput.h"
#include "shopbiz.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const CString text = fuzzing::WideText(data, size);
    CSysBLL sys;

    const CTime day = sys.CString2CTime(text);
    const CString written = sys.CTime2CString(day);
    sys.GetMonthDays(day);
    sys.LongCTime2CString(day);
    if (day.GetTime() > 0 && sys.CString2CTime(written).GetTime() != day.GetTime()) std::abort();

    const COleDateTime ole = sys.CString2COleDateTime(text);
    sys.COleDateTime2CString(ole);
    ole.Format(L"%Y-%m-%d %H:%M:%S");

    const CTime minute = sys.CString2LongCTime(text);
    sys.LongCTime2CString(minute);
    sys.CTime2CString(minute);
    minute.Format(text);  // the text as a format, as a host may pass one
    return 0;
}
