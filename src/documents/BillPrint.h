#pragma once
// The print data of sale bills, purchase bills and sale orders: one document by its code, or
// the list of a search. Each service's BillPrintForm says what is its own. Nothing here takes
// the lock (the calling service method holds it).

#include <functional>

#include "frame/ServiceFrame.h"

namespace shopbiz {

// What differs between the three services' prints.
struct BillPrintForm {
    const wchar_t* label;        // the document: "销售单" / "进货单"
    const wchar_t* listLabel;    // the list: "销售单列表" / "进货单列表"
    const wchar_t* billQuery;    // the header joined with its lines, by code ('%s')
    int partnerType;             // whose fields are printed: 1 customer / 2 supplier
    const wchar_t* remarkCode;   // the partner's remark: "CustomerRemark" / "ProviderRemark"
    bool ordersLinked;           // the bill names the sale order it delivers (sales)
    bool discounted;             // discount, owed amount and rates exist (not orders)
    bool listDates;              // list rows carry the search's StartDate and EndDate
    const wchar_t* errorFormat;  // a database error: message and statement
};

extern const BillPrintForm kSalePrint;
extern const BillPrintForm kPurchasePrint;
extern const BillPrintForm kOrderPrint;

// The document's fields (EntryNo -1) and one table row per line. 0; -1 when there is no such
// bill or on a database error (error text and log). `rowCount` receives the number of lines.
int PrintBill(CppSQLite3DB& db, const BillPrintForm& form, CString billCode, long& rowCount, CString& error);

// The store's fields, one table row per bill that `search` finds and the sums. `search` runs
// the service's own search, which reports its failure into `error`. 0; -1 on a failure.
int PrintBillList(CppSQLite3DB& db, const BillPrintForm& form, CString startDate, CString endDate,
                  const std::function<CppSQLite3Query()>& search, long& rowCount, CString& error);

}  // namespace shopbiz
