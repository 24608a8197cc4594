// CStocksBLL: the print data of the stock summary, the ledger card and the bill lines.
#include <algorithm>

#include "common/NumberText.h"
#include "printing/ReportPrintRows.h"
#include "stock/StocksBLL.h"

using namespace shopbiz;

namespace {

constexpr int kReport = ReportPrintRows::kReport;

// The right to see purchase prices and costs.
bool SeesCosts(CppSQLite3DB& db, int userID) { return CSysBLL().CheckUserResource(db, L"0100", userID) != 0; }

// "%.0Nf" with the decimals of the setting (0 to 8).
CString DecimalsFormat(CppSQLite3DB& db, const wchar_t* setting) {
    const int decimals = std::clamp(WToI(CSysBLL().GetSysSetting(db, setting)), 0, 8);
    return Fmt(L"%%.0%df", decimals);
}

}  // namespace

int CStocksBLL::InsertPrintDataByInfo(CppSQLite3DB& db, CString label, int firstRecord, CString key,
                                      CString startDate, CString endDate, CString TypeName, int userID,
                                      long& rowCount, CString& error) {
    ServiceLock lock;
    rowCount = 0;
    const bool seesCosts = SeesCosts(db, userID);
    return FillReport(db, error, nullptr, EmptyTable::No, [&] {
        long count = 0;
        CppSQLite3Query rows = GetStocks(db, key, startDate, endDate, count, TypeName, L"");
        ReportPrintRows out(db, label, firstRecord);
        out.Text(kReport, L"BillSdt", startDate);
        out.Text(kReport, L"BillEdt", endDate);
        out.StoreFields();
        const wchar_t* counts[] = {L"PreCount", L"InCount", L"OutCount", L"LastCount"};
        const wchar_t* amounts[] = {L"PreAmount", L"InAmount", L"OutAmount", L"LastAmount"};
        double countSums[4] = {}, amountSums[4] = {};
        int entry = 0;
        for (; !rows.eof(); rows.nextRow()) {
            out.RowNo(++entry);
            out.Text(entry, L"ProductName", rows.getStringField(L"ProductName"));
            out.Text(entry, L"ProductCode", rows.getStringField(L"ProductCode"));
            out.Text(entry, L"UnitName", rows.getStringField(L"UnitName"));
            for (int i = 0; i < 4; ++i) {
                const double n = rows.getFloatField(counts[i]), amount = seesCosts ? rows.getFloatField(amounts[i]) : 0;
                out.Count(entry, counts[i], n);
                out.Money(entry, amounts[i], amount);
                countSums[i] += n;
                amountSums[i] += amount;
            }
        }
        for (int i = 0; i < 4; ++i) {
            out.Count(kReport, Fmt(L"Sum%s", counts[i]), countSums[i]);
            out.Money(kReport, Fmt(L"Sum%s", amounts[i]), amountSums[i]);
        }
        rowCount = entry;
    });
}

int CStocksBLL::InsertPrintDataByID(CppSQLite3DB& db, CString label, int firstRecord, int ProductID,
                                    CString startDate, CString endDate, int userID, long& rowCount, CString& error) {
    ServiceLock lock;
    rowCount = 0;
    const bool seesCosts = SeesCosts(db, userID);
    return FillReport(db, error, nullptr, EmptyTable::No, [&] {
        const CString countFormat = DecimalsFormat(db, L"CountDecimalDot");
        const CString priceFormat = DecimalsFormat(db, L"PriceDecimalDot");
        const CString moneyFormat = DecimalsFormat(db, L"MoneyDecimalDot");
        ReportPrintRows out(db, label, firstRecord);
        out.Text(kReport, L"BillSdt", startDate);
        out.Text(kReport, L"BillEdt", endDate);
        out.Text(kReport, L"ProductName",
                 db.execScalarStr(Sql(L"select ProductName from Products where productID = %d", ProductID)));
        out.StoreFields();

        struct Column {
            const wchar_t* code;
            const CString& format;
            const wchar_t* type;
            bool summed;
        };
        const Column columns[] = {
            {L"InCount", countFormat, L"varCountfloat", true},  {L"InPrice", priceFormat, L"varPricefloat", false},
            {L"InAmount", moneyFormat, L"varMoneyfloat", true}, {L"OutCount", countFormat, L"varCountfloat", true},
            {L"OutPrice", priceFormat, L"varPricefloat", false}, {L"OutAmount", moneyFormat, L"varMoneyfloat", true},
            {L"LastCount", countFormat, L"varCountfloat", true}, {L"LastPrice", priceFormat, L"varPricefloat", false},
            {L"LastAmount", moneyFormat, L"varMoneyfloat", true}};
        double sums[std::size(columns)] = {};
        long count = 0;
        CppSQLite3Query rows = GetStocksByProduct(db, ProductID, startDate, endDate, count);
        int entry = 0;
        for (; !rows.eof(); rows.nextRow()) {
            out.RowNo(++entry);
            for (const wchar_t* code : {L"BillType", L"BillDate", L"BillCode"})
                out.Text(entry, code, rows.getStringField(code));
            for (size_t i = 0; i < std::size(columns); ++i) {
                const Column& c = columns[i];
                const double value = rows.getFloatField(c.code);
                const bool hidden = !seesCosts && CString(c.code) == L"InPrice";
                out.Value(entry, c.code, hidden ? CString(L"0.0") : Fmt(c.format, value), c.type);
                sums[i] += value;
            }
        }
        for (size_t i = 0; i < std::size(columns); ++i)
            if (columns[i].summed)
                out.Value(kReport, Fmt(L"Sum%s", columns[i].code), Fmt(columns[i].format, sums[i]), columns[i].type);
        rowCount = entry;
    });
}

int CStocksBLL::InsertStockFlowPrintData(CppSQLite3DB& db, CString label, int firstRecord, int kind,
                                         CString customerKey, CString productKey, CString startDate, CString endDate,
                                         long& rowCount, CString& error) {
    ServiceLock lock;
    rowCount = 0;
    return FillReport(db, error, nullptr, EmptyTable::No, [&] {
        long count = 0;
        CppSQLite3Query rows = GetStockList(db, kind, customerKey, productKey, startDate, endDate, count);
        ReportPrintRows out(db, label, firstRecord);
        out.Text(kReport, L"BillSdt", startDate);
        out.Text(kReport, L"BillEdt", endDate);
        out.Text(kReport, L"CompanyName", customerKey);
        out.StoreFields();
        double sum = 0;
        int entry = 0;
        for (; !rows.eof(); rows.nextRow()) {
            out.RowNo(++entry);
            for (const wchar_t* code : {L"BillType", L"BillCode", L"BillDate", L"ProductCode", L"ProductName",
                                        L"UnitName"})
                out.Text(entry, code, rows.getStringField(code));
            // Each value under both of the codes that templates cite it by.
            const double itemCount = rows.getFloatField(L"ItemCount"), price = rows.getFloatField(L"Price");
            const double amount = rows.getFloatField(L"ItemAmount");
            out.Count(entry, L"ItemCount", itemCount);
            out.Count(entry, L"OutCount", itemCount);
            out.Price(entry, L"Price", price);
            out.Price(entry, L"SalePrice", price);
            out.Money(entry, L"ItemAmount", amount);
            out.Money(entry, L"SaleAmount", amount);
            out.Money(entry, L"BillAmount", rows.getFloatField(L"BillAmount"));
            out.Text(entry, L"ItemCompanyName", rows.getStringField(L"CompanyName"));
            out.Text(entry, L"BillID", rows.getStringField(L"BillID"));
            sum += amount;
        }
        out.Money(kReport, L"SumAmount", sum);
        rowCount = entry;
    });
}
