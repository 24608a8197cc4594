#include "documents/BillQueries.h"

namespace shopbiz {

// clang-format off
const BillShelf kSaleShelf = {
    kSaleRoad,
    {L"A.BillCode", L"A.CompanyName", L"A.UserName", L"C.SearchCode", L"A.SettleAcctName", L"D.SearchCode",
     L"A.Remark", L"B.ProductName", L"B.SearchCode", L"B.Remark", L"A.SaleOrderCode"},
    {L"A.BillCode", L"A.CompanyCode", L"A.CompanyName", L"A.SettleAcctName", L"D.SearchCode", L"A.Remark",
     L"B.ProductName", L"B.SearchCode", L"B.Remark"},
    L"A.SaleID, A.BillCode, A.BillDate, A.CompanyName, B.ProductCode, B.ProductName, B.ShowUnitName, "
    L"B.ShowItemCount, B.ShowPrice, B.Amount, B.Remark, A.Remark AS BillRemark, A.DiscountRate*100.0 AS DiscountRate, "
    L"B.Amount*A.DiscountRate AS DiscountAmount, A.SettleAcctName, A.SaleOrderCode, B.OriginalPrice, "
    L"B.DisRate*100.0 AS DisRate",
    L"A.DiscountRate",
    true,
    nullptr};

const BillShelf kPurchaseShelf = {
    kPurchaseRoad,
    {L"A.BillCode", L"A.CompanyName", L"C.SearchCode", L"A.SettleAcctName", L"D.SearchCode", L"A.Remark",
     L"B.ProductName", L"B.SearchCode", L"B.Remark"},
    {L"A.BillCode", L"A.CompanyCode", L"A.CompanyName", L"A.SettleAcctName", L"D.SearchCode", L"A.Remark",
     L"B.ProductName", L"B.SearchCode", L"B.Remark"},
    L"A.PurID, A.BillCode, A.BillDate, A.CompanyName, B.ProductCode, B.ProductName, B.ShowUnitName, "
    L"B.ShowItemCount, B.ShowPrice, B.Amount, B.Remark, A.Remark AS BillRemark, A.DiscountRate*100.0 AS DiscountRate, "
    L"B.Amount*A.DiscountRate AS DiscountAmount, A.SettleAcctName, B.OriginalPrice, B.DisRate*100.0 AS DisRate",
    L"A.DiscountRate",
    false,
    nullptr};

const BillShelf kOrderShelf = {
    kOrderRoad,
    {L"A.BillCode", L"A.CompanyName", L"A.SettleAcctName", L"C.SearchCode", L"D.SearchCode", L"A.Remark",
     L"B.ProductName", L"B.SearchCode", L"B.Remark"},
    {L"A.BillCode", L"A.CompanyCode", L"A.CompanyName", L"A.SettleAcctName", L"D.SearchCode", L"A.Remark",
     L"B.ProductName", L"B.SearchCode", L"B.Remark"},
    L"A.SaleOrderID, A.BillCode, A.BillDate, A.CompanyName, B.ProductCode, B.ProductName, B.UnitName, "
    L"B.ShowUnitName, B.ItemCount, B.ShowItemCount, B.Price, B.ShowPrice, B.Amount, B.Remark, A.Remark AS BillRemark, "
    L"B.FnshItemCount AS SendCount",
    L"B.FnshItemCount AS SendCount",
    false,
    L"读取数据错误！"};
// clang-format on

namespace {

// Searches fail with the database's message and the statement, in the error text and the log.
OnError SearchFailure(const BillShelf& shelf, CString& error) {
    OnError form = Report(error, ErrorText::WithStatement(L"执行查询错误。\r\n%s\r\n%s"));
    if (shelf.otherSearchFailure) form.OtherErrors(shelf.otherSearchFailure);
    return form;
}

// The keyword anywhere in any of the fields; an empty keyword matches every bill.
SqlText KeywordCondition(const std::vector<const wchar_t*>& fields, const CString& keyword) {
    SqlText any;
    for (const wchar_t* field : fields)
        any += Sql(L"%s%s LIKE '%%%s%%'", any.IsEmpty() ? L"" : L" OR ", field, Quoted(keyword));
    return Sql(L"(%s)", any);
}

// The IDs of the real bills (no virtual or deleted ones) of the date range whose header,
// customer, account or lines hold the keyword. The customer must still exist.
SqlText FoundBills(const BillShelf& shelf, const std::vector<const wchar_t*>& fields, const CString& startDate,
                   const CString& endDate, const CString& keyword) {
    const BillRoad& road = shelf.road;
    return Sql(L"SELECT A.%s FROM %s A INNER JOIN %s B ON A.BillCode=B.BillCode INNER JOIN Companies C ON "
               L"A.CompanyID=C.CompanyID LEFT JOIN SettleAcct D ON A.SettleAcctName=D.SettleAcctName WHERE A.BillDate "
               L"BETWEEN '%s' AND '%s' AND A.IsDelete=0 AND A.IsSystem=0 AND %s",
               road.keyColumn, road.billsTable, road.itemsTable, Quoted(startDate), Quoted(endDate),
               KeywordCondition(fields, keyword));
}

}  // namespace

CString SafeText(CString text, const CString& whenEmpty) {
    CSysBLL::GetSafeString(text);
    return text.IsEmpty() ? whenEmpty : text;
}

CppSQLite3Query FetchByID(CppSQLite3DB& db, const wchar_t* statement, int id, CString& error) {
    return Guard(Report(error), CppSQLite3Query(), [&] { return db.execQuery(Sql(statement, id)); });
}

CppSQLite3Query FetchByCode(CppSQLite3DB& db, const wchar_t* statement, CString code, CString& error) {
    CSysBLL::GetSafeString(code);
    return Guard(Report(error), CppSQLite3Query(), [&] { return db.execQuery(Sql(statement, Quoted(code))); });
}

int CountByID(CppSQLite3DB& db, const wchar_t* statement, int id, CString& error) {
    return Guard(Report(error), -1, [&] { return db.execScalar(Sql(statement, id)); });
}

CppSQLite3Query SearchBills(CppSQLite3DB& db, const BillShelf& shelf, CString startDate, CString endDate,
                            CString keyword, const SqlText& stateFilter, CString& error) {
    return Guard(SearchFailure(shelf, error), CppSQLite3Query(), [&] {
        const BillRoad& road = shelf.road;
        // IN keeps each bill once however many of its lines hold the keyword.
        const SqlText search =
            Sql(L"SELECT * FROM %s WHERE %s IN (%s)%s ORDER BY BillDate DESC,BillCode DESC", road.billsTable,
                road.keyColumn,
                FoundBills(shelf, shelf.billKeywordFields, SafeText(startDate, CSysBLL().GetSysStartDate()),
                           SafeText(endDate, L"2999-12-31"), SafeText(keyword)),
                stateFilter);
        if (shelf.logsSearch) LogLine(search);
        return db.execQuery(search);
    });
}

CppSQLite3Query SearchBillLines(CppSQLite3DB& db, const BillShelf& shelf, CString startDate, CString endDate,
                                CString keyword, CString& error) {
    return Guard(SearchFailure(shelf, error), CppSQLite3Query(), [&] {
        const BillRoad& road = shelf.road;
        return db.execQuery(
            Sql(L"SELECT %s FROM %s A INNER JOIN %s B ON A.BillCode=B.BillCode WHERE A.%s IN (%s) ORDER BY "
                L"A.BillDate DESC,A.BillCode DESC,B.ROWID",
                shelf.lineColumns, road.billsTable, road.itemsTable, road.keyColumn,
                FoundBills(shelf, shelf.lineKeywordFields, SafeText(startDate, CSysBLL().GetSysStartDate()),
                           SafeText(endDate, L"2999-12-31"), SafeText(keyword))));
    });
}

CppSQLite3Query BillReport(CppSQLite3DB& db, const BillShelf& shelf, CString companyName, CString startDate,
                           CString endDate) {
    return Guard(Log(), CppSQLite3Query(), [&] {
        const CString company = SafeText(companyName);
        const SqlText companyCondition =
            company.IsEmpty() ? SqlText() : Sql(L" AND A.CompanyName LIKE '%%%s%%'", Quoted(company));
        return db.execQuery(
            Sql(L"SELECT A.BillCode, A.BillDate, A.CompanyName, B.ProductCode, B.ProductName, B.ShowUnitName AS "
                L"UnitName, B.ShowItemCount AS ItemCount, B.ShowPrice AS Price, %s FROM %s A, %s B WHERE A.BillDate "
                L">= '%s' AND A.BillDate <='%s' AND A.BillCode=B.BillCode%s ORDER BY A.CompanyName,B.ProductName "
                L",B.ShowUnitName ASC",
                shelf.reportLastColumn, shelf.road.billsTable, shelf.road.itemsTable,
                Quoted(SafeText(startDate, L"2000-01-01")), Quoted(SafeText(endDate, L"2100-12-31")),
                companyCondition));
    });
}

}  // namespace shopbiz
