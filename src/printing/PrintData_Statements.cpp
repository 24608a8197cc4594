// CPrintData: a customer's or supplier's statement over a period.
#include "printing/PrintData.h"
#include "printing/PrintRows.h"

using namespace shopbiz;

namespace {

// What tells a customer's statement from a supplier's.
struct StatementSide {
    const wchar_t* billsTable;     // "SaleBills" / "PurBills"
    const wchar_t* itemsTable;     // "SaleBillItems" / "PurBillItems"
    const wchar_t* keyColumn;      // "SaleID" / "PurID"
    const wchar_t* itemKey;        // "SaleItemID" / "PurItemID"
    bool deposits;                 // sale orders' deposits count as paid (customers)
    const wchar_t* accountType;    // the journal's receipts "收入" / payments "支出"
    const wchar_t* amountColumn;   // "InAmount" / "OutAmount"
    const wchar_t* billKinds[5];   // what a bill of BillType 0 .. 4 is
    const wchar_t* depositKind;
    const wchar_t* moneyKind;
};

// clang-format off
const StatementSide kCustomerSide = {
    L"SaleBills", L"SaleBillItems", L"SaleID", L"SaleItemID", true, L"收入", L"InAmount",
    {L"期初应收", L"销售出货", L"销售退货", L"网店订单", L"网店退款"}, L"订单订金", L"收款"};
const StatementSide kSupplierSide = {
    L"PurBills", L"PurBillItems", L"PurID", L"PurItemID", false, L"支出", L"OutAmount",
    {L"期初应付", L"采购进货", L"采购退货", L"采购进货", L"采购退货"}, L"", L"付款"};
// clang-format on

// Movement kinds of the statement's rows, in the order they go on one day: an order's deposit
// before the bills that deliver it, money last.
enum Movement { kDeposit = 1, kBill = 2, kMoney = 3 };

// The partner's balance before the period: what its bills left owing, less deposits and the
// money received (paid) since.
double OpeningBalance(CppSQLite3DB& db, const StatementSide& side, const CString& name, const CString& start) {
    const QuotedSlot partner = Quoted(name), before = Quoted(start);
    SqlText sql = Sql(L"select (select ifnull(sum(OweAmount),0) from %s where CompanyName='%s' and IsDelete=0 and "
                      L"substr(BillDate,1,10) < '%s') - (select ifnull(sum(%s),0) from Account where "
                      L"CompanyName='%s' and AccountType='%s' and ProjectType=2 and IsDelete=0 and "
                      L"substr(AccountDate,1,10) < '%s')",
                      side.billsTable, partner, before, side.amountColumn, partner, side.accountType, before);
    if (side.deposits)
        sql += Sql(L" - (select ifnull(sum(GetAmount),0) from SaleOrderBills where CompanyName='%s' and IsDelete=0 "
                   L"and substr(BillDate,1,10) < '%s')",
                   partner, before);
    CppSQLite3Query q = db.execQuery(sql);
    return q.eof() ? 0 : q.getFloatField(0);
}

// The period's bills, deposits and money, in date order.
CppSQLite3Query Movements(CppSQLite3DB& db, const StatementSide& side, const CString& name, const CString& start,
                          const CString& end) {
    const QuotedSlot partner = Quoted(name), from = Quoted(start), to = Quoted(end);
    SqlText sql = Sql(L"select %d as Kind,%s as ID,substr(BillDate,1,10) as Day,BillCode,BillType,BillAmount,"
                      L"DiscountAmount,GetAmount,OweAmount,Remark,CreateDate from %s where CompanyName='%s' and "
                      L"IsDelete=0 and substr(BillDate,1,10) between '%s' and '%s'",
                      kBill, side.keyColumn, side.billsTable, partner, from, to);
    sql += Sql(L" union all select %d,AccountID,substr(AccountDate,1,10),AccountCode,0,0,0,%s,0,AccountDesp,"
               L"CreateDate from Account where CompanyName='%s' and AccountType='%s' and ProjectType=2 and "
               L"IsDelete=0 and substr(AccountDate,1,10) between '%s' and '%s'",
               kMoney, side.amountColumn, partner, side.accountType, from, to);
    if (side.deposits)
        sql += Sql(L" union all select %d,SaleOrderID,substr(BillDate,1,10),BillCode,0,0,0,GetAmount,0,Remark,"
                   L"CreateDate from SaleOrderBills where CompanyName='%s' and IsDelete=0 and GetAmount<>0 and "
                   L"substr(BillDate,1,10) between '%s' and '%s'",
                   kDeposit, partner, from, to);
    sql += L" order by Day,CreateDate,Kind,BillCode";
    return db.execQuery(sql);
}

int PrintStatement(CppSQLite3DB& db, const StatementSide& side, CString companyName, CString startDate,
                   CString endDate, const CString& label, long& rowCount) {
    CSysBLL::GetSafeString(companyName);
    CSysBLL::GetSafeString(startDate);
    CSysBLL::GetSafeString(endDate);
    const CString from = startDate.IsEmpty() ? CSysBLL().GetSysStartDate() : startDate;
    const CString to = endDate.IsEmpty() ? CString(L"2999-12-31") : endDate;

    PrintRows rows(db, label);
    rows.Text(kDocumentEntry, L"CompanyName", companyName);
    rows.Text(kDocumentEntry, L"BillSdt", startDate);
    rows.Text(kDocumentEntry, L"BillEdt", endDate);

    double balance = OpeningBalance(db, side, companyName, from);
    int entry = 1;
    rows.Text(entry, L"ProductName", L"期初");
    rows.Money(entry, L"EndAmount", balance);

    double sumAdd = 0, sumGet = 0;
    int rowNo = 0;
    for (CppSQLite3Query moves = Movements(db, side, companyName, from, to); !moves.eof(); moves.nextRow()) {
        const int kind = moves.getIntField(L"Kind");
        const int billType = moves.getIntField(L"BillType");
        const double get = moves.getFloatField(L"GetAmount");
        // A bill adds what is due on it (paid now or owed); money and deposits add nothing.
        const double add = kind == kBill ? moves.getFloatField(L"OweAmount") + get : 0;
        const double billAmount = moves.getFloatField(L"BillAmount");
        balance += add - get;
        sumAdd += add;
        sumGet += get;
        ++entry;
        rows.RowNo(entry, ++rowNo);
        rows.Text(entry, L"BillDate", moves.getStringField(L"Day"));
        rows.Text(entry, L"BillCode", moves.getStringField(L"BillCode"));
        rows.Text(entry, L"ProductName", kind == kBill    ? side.billKinds[billType >= 0 && billType < 5 ? billType : 1]
                                         : kind == kMoney ? side.moneyKind
                                                          : side.depositKind);
        rows.Money(entry, L"SaleAmount", billAmount);
        rows.Money(entry, L"DisAmount", kind == kBill ? billAmount - moves.getFloatField(L"DiscountAmount") : 0);
        rows.Money(entry, L"AddAmount", add);
        rows.Money(entry, L"GetAmount", get);
        rows.Money(entry, L"EndAmount", balance);
        rows.Text(entry, L"Remark", moves.getStringField(L"Remark"));
        if (kind != kBill) continue;
        CppSQLite3Query lines = db.execQuery(
            Sql(L"select ProductCode,ProductName,ShowUnitName,ShowItemCount,ShowPrice,Amount,Remark from %s where "
                L"%s=%d order by %s",
                side.itemsTable, side.keyColumn, moves.getIntField(L"ID"), side.itemKey));
        for (; !lines.eof(); lines.nextRow()) {
            ++entry;
            rows.Text(entry, L"ProductCode", lines.getStringField(L"ProductCode"));
            rows.Text(entry, L"ProductName", lines.getStringField(L"ProductName"));
            rows.Text(entry, L"UnitName", lines.getStringField(L"ShowUnitName"));
            rows.Count(entry, L"OutCount", lines.getFloatField(L"ShowItemCount"));
            rows.Price(entry, L"SalePrice", lines.getFloatField(L"ShowPrice"));
            rows.Money(entry, L"SaleAmount", lines.getFloatField(L"Amount"));
            rows.Text(entry, L"Remark", lines.getStringField(L"Remark"));
        }
    }
    rows.Money(kDocumentEntry, L"SumAddAmount", sumAdd);
    rows.Money(kDocumentEntry, L"SumGetAmount", sumGet);
    rowCount = entry;
    return 0;
}

}  // namespace

int CPrintData::InsertStatementAccountByCust(CppSQLite3DB& db, CString companyName, CString startDate,
                                             CString endDate, CString label, long& rowCount, CString& error) {
    ServiceLock lock;
    rowCount = 0;
    error = L"";
    return Guard(Report(error, L"InsertStatementAccountByCust Err:%s"), -1, [&] {
        return PrintStatement(db, kCustomerSide, companyName, startDate, endDate, label, rowCount);
    });
}

int CPrintData::InsertStatementAccountBySupply(CppSQLite3DB& db, CString companyName, CString startDate,
                                               CString endDate, CString label, long& rowCount, CString& error) {
    ServiceLock lock;
    rowCount = 0;
    error = L"";
    return Guard(Report(error, L"InsertStatementAccountBySupply Err:%s"), -1, [&] {
        return PrintStatement(db, kSupplierSide, companyName, startDate, endDate, label, rowCount);
    });
}
