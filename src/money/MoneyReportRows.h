#pragma once
// What the money reports share: counting a report's rows, chart labels, and the texts a bill
// shows when it has no remark. Nothing here takes the lock (the calling service method holds
// it); database errors pass to the caller.

#include "frame/ServiceFrame.h"

namespace shopbiz::money {

// The report's rows, with their number in `count` ("select count(*) from (" the statement ")").
CppSQLite3Query CountedQuery(CppSQLite3DB& db, const SqlText& select, long& count);

// A chart label: "[name]", a name longer than six characters cut to six followed by "...".
CString ChartLabel(const CString& name);

// The note of a bill: its remark, else what kind of bill it is. The expressions read the
// bill table's Remark and BillType. Returns are BillType 2 (and 4, the refund of an online
// order); every other bill goes out.
inline constexpr const wchar_t* kSaleNote =
    L"case when ifnull(Remark,'')='' then (case when BillType in (2,4) then '销售退货' else '销售出货' end) "
    L"else Remark end";
inline constexpr const wchar_t* kPurchaseNote =
    L"case when ifnull(Remark,'')='' then (case when BillType=2 then '采购退货' else '采购进货' end) else Remark end";
inline constexpr const wchar_t* kOrderNote = L"case when ifnull(Remark,'')='' then '销售订单' else Remark end";

}  // namespace shopbiz::money
