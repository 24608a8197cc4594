// CRecPayBLL: the receivables and payables lists and one partner's movements as print data.
#include <algorithm>

#include "money/DebtSide.h"
#include "money/RecPayBLL.h"
#include "printing/RecordPrintRows.h"

using namespace shopbiz;

namespace {

// Document fields carry record number 0; a table row carries its row number.
constexpr int kDocumentRecord = 0;

int PrintList(CppSQLite3DB& db, const money::DebtSide& side, const CString& from, const CString& to,
              const CString& keyword, const CString& label, int firstEntry, long& nextEntry, CString& error,
              const wchar_t* errorFormat) {
    ServiceLock lock;
    error = L"";
    const int first = std::max(firstEntry, 1);
    nextEntry = first;
    return Guard(Report(error, errorFormat), -1, [&] {
        RecordPrintRows rows(db, label);
        rows.Clear();
        rows.StoreFields(kDocumentRecord);
        rows.Text(kDocumentRecord, kDocumentEntry, L"BillSdt", from);
        rows.Text(kDocumentRecord, kDocumentEntry, L"BillEdt", to);
        double sumInit = 0, sumAdd = 0, sumGet = 0;
        int rowNo = 0;
        for (CppSQLite3Query list = db.execQuery(money::DebtList(side, from, to, keyword)); !list.eof();
             list.nextRow()) {
            const double init = list.getFloatField(L"InitAmount"), add = list.getFloatField(L"AddAmount"),
                         get = list.getFloatField(L"GetAmount");
            const int entry = first + rowNo++;
            rows.RowNo(rowNo, entry, rowNo);
            rows.Text(rowNo, entry, L"CompanyName", list.getStringField(L"CompanyName"));
            rows.Money(rowNo, entry, L"InitAmount", init);
            rows.Money(rowNo, entry, L"AddAmount", add);
            rows.Money(rowNo, entry, L"GetAmount", get);
            rows.Money(rowNo, entry, L"Balance", init + add - get);
            sumInit += init;
            sumAdd += add;
            sumGet += get;
        }
        rows.Money(kDocumentRecord, kDocumentEntry, L"SumInitAmount", sumInit);
        rows.Money(kDocumentRecord, kDocumentEntry, L"SumAddAmount", sumAdd);
        rows.Money(kDocumentRecord, kDocumentEntry, L"SumGetAmount", sumGet);
        rows.Money(kDocumentRecord, kDocumentEntry, L"SumBalance", sumInit + sumAdd - sumGet);
        nextEntry = first + rowNo;
        return 0;
    });
}

int PrintItems(CppSQLite3DB& db, const money::DebtSide& side, const CString& from, const CString& to, CString code,
               CString name, const CString& label, int firstEntry, long& nextEntry, CString& error,
               const wchar_t* errorFormat) {
    ServiceLock lock;
    error = L"";
    const int first = std::max(firstEntry, 1);
    nextEntry = first;
    CSysBLL::GetSafeString(code);
    CSysBLL::GetSafeString(name);
    return Guard(Report(error, errorFormat), -1, [&] {
        RecordPrintRows rows(db, label);
        rows.Clear();
        double balance = 0;
        {
            CppSQLite3Query opening = db.execQuery(money::OpeningDebt(side, from, code, name));
            if (!opening.eof()) balance = opening.getFloatField(L"InitAmount");
        }
        // A partner given by its code alone is printed with its name.
        const CString shownName =
            name.IsEmpty() ? db.execScalarStr(Sql(L"select CompanyName from Companies where CompanyCode='%s'",
                                                  Quoted(code)))
                           : name;
        rows.StoreFields(kDocumentRecord);
        rows.Text(kDocumentRecord, kDocumentEntry, L"CompanyName", shownName);
        rows.Text(kDocumentRecord, kDocumentEntry, L"BillSdt", from);
        rows.Text(kDocumentRecord, kDocumentEntry, L"BillEdt", to);
        rows.Money(kDocumentRecord, kDocumentEntry, L"InitAmount", balance);
        double sumOwe = 0, sumIn = 0;
        int rowNo = 0;
        for (CppSQLite3Query moves = db.execQuery(money::DebtMovements(side, from, to, code, name)); !moves.eof();
             moves.nextRow()) {
            const double owe = moves.getFloatField(L"OweAmount"), in = moves.getFloatField(L"InAmount");
            balance += owe - in;
            sumOwe += owe;
            sumIn += in;
            const int entry = first + rowNo++;
            rows.RowNo(rowNo, entry, rowNo);
            rows.Text(rowNo, entry, L"BillDate", moves.getStringField(L"BillDate"));
            rows.Text(rowNo, entry, L"BillCode", moves.getStringField(L"BillCode"));
            rows.Text(rowNo, entry, L"Note", moves.getStringField(L"Note"));
            rows.Money(rowNo, entry, L"OweAmount", owe);
            rows.Money(rowNo, entry, L"InAmount", in);
            rows.Money(rowNo, entry, L"Amount", balance);
        }
        rows.Money(kDocumentRecord, kDocumentEntry, L"SumOweAmount", sumOwe);
        rows.Money(kDocumentRecord, kDocumentEntry, L"SumInAmount", sumIn);
        rows.Money(kDocumentRecord, kDocumentEntry, L"SumAmount", balance);
        nextEntry = first + rowNo;
        return 0;
    });
}

}  // namespace

int CRecPayBLL::InsertRecPrintData(CppSQLite3DB& db, CString fromDate, CString toDate, CString keyword, CString label,
                                   int firstEntry, long& nextEntry, CString& error) {
    return PrintList(db, money::kReceivables, fromDate, toDate, keyword, label, firstEntry, nextEntry, error,
                     L"InsertRecPrintData Err:%s");
}

int CRecPayBLL::InsertPayPrintData(CppSQLite3DB& db, CString fromDate, CString toDate, CString keyword, CString label,
                                   int firstEntry, long& nextEntry, CString& error) {
    return PrintList(db, money::kPayables, fromDate, toDate, keyword, label, firstEntry, nextEntry, error,
                     L"InsertPayPrintData Err:%s");
}

int CRecPayBLL::InsertRecItemPrintData(CppSQLite3DB& db, CString fromDate, CString toDate, CString companyCode,
                                       CString companyName, CString label, int firstEntry, long& nextEntry,
                                       CString& error) {
    return PrintItems(db, money::kReceivables, fromDate, toDate, companyCode, companyName, label, firstEntry,
                      nextEntry, error, L"InsertRecItemPrintData Err:%s");
}

int CRecPayBLL::InsertPayItemPrintData(CppSQLite3DB& db, CString fromDate, CString toDate, CString companyCode,
                                       CString companyName, CString label, int firstEntry, long& nextEntry,
                                       CString& error) {
    return PrintItems(db, money::kPayables, fromDate, toDate, companyCode, companyName, label, firstEntry,
                      nextEntry, error, L"InsertPayItemPrintData Err:%s");
}
