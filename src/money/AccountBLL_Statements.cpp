// CAccountBLL: a customer's or a supplier's statement of account.
#include "money/AccountBLL.h"
#include "money/MoneyReportRows.h"

using namespace shopbiz;

namespace {

// One kind of bill on a statement.
struct StatementBills {
    const wchar_t* bills;  // "SaleBills" / "PurBills"
    const wchar_t* items;  // "SaleBillItems" / "PurBillItems"
    const wchar_t* key;    // "SaleID" / "PurID"
    const wchar_t* itemKey;
    const wchar_t* kind;  // " 销售 " / " 进货 ", between the date and the code
};
const StatementBills kSales = {L"SaleBills", L"SaleBillItems", L"SaleID", L"SaleItemID", L" 销售 "};
const StatementBills kPurchases = {L"PurBills", L"PurBillItems", L"PurID", L"PurItemID", L" 进货 "};

// Which partners a statement is about: the one named, else every partner of the type.
SqlText Partners(const CString& name, int companyType, const wchar_t* column) {
    if (!name.IsEmpty()) return Sql(L" And %s ='%s'", column, Quoted(name));
    return Sql(L" And %s in (select CompanyName from Companies where CompanyType = %d)", column, companyType);
}

// The bills still owing with their lines: each bill's own row (ProductCode "date kind code")
// and then its lines. The other side's bills (`sign` "(-1)*") count against the balance.
SqlText OwingBills(const StatementBills& b, int part, const wchar_t* sign, const CString& from, const CString& to,
                   const SqlText& partners, const SqlText& billPartners) {
    const QuotedSlot first = Quoted(from), last = Quoted(to);
    SqlText sql = Sql(L" union all select %d,%s,0,strftime('%%Y-%%m-%%d',BillDate)||'%s'||BillCode,'','',NULL,NULL,"
                      L"BillAmount,BillAmount-DiscountAmount,%sDiscountAmount,%sGetAmount,%sOweAmount,BillDate,"
                      L"CreateDate,Remark from %s where OweAmount<>0 and BillDate between '%s' and '%s'%s",
                      part, b.key, b.kind, sign, sign, sign, b.bills, first, last, partners);
    sql += Sql(L" union all select %d,b.%s,b.%s,b.ProductCode,b.ProductName,b.ShowUnitName,b.ShowItemCount,"
               L"b.ShowPrice,%sb.Amount,NULL,NULL,NULL,NULL,a.BillDate,a.CreateDate,b.Remark from %s a inner join %s "
               L"b on a.%s=b.%s where a.OweAmount<>0 and a.BillDate between '%s' and '%s'%s",
               part, b.key, b.itemKey, sign, b.bills, b.items, b.key, b.key, first, last, billPartners);
    return sql;
}

// `customer`: a customer's statement (sales and deposits count for the balance, purchases
// against it), else a supplier's (the other way round).
SqlText Statement(const CString& from, const CString& to, CString name, bool customer) {
    const int ownType = customer ? 1 : 2;
    const wchar_t* depositSign = customer ? L"" : L"(-1)*";
    const SqlText partners = Partners(name, ownType, L"CompanyName"),
                  billPartners = Partners(name, ownType, L"a.CompanyName");
    SqlText sql = Sql(L"select SaleID,SaleItemID,ProductCode,ProductName,ShowUnitName,ShowItemCount,ShowPrice,"
                      L"BillAmount,DisAmount,AddAmount,PayAmount,EndAmount,BillDate,CreateDate,Remark from (select "
                      L"1 as Part,SaleOrderID as SaleID,0 as SaleItemID,strftime('%%Y-%%m-%%d',BillDate)||' 销售订单 '||"
                      L"BillCode as ProductCode,'' as ProductName,'' as ShowUnitName,NULL as ShowItemCount,NULL as "
                      L"ShowPrice,NULL as BillAmount,NULL as DisAmount,NULL as AddAmount,%sGetAmount as PayAmount,"
                      L"%sGetAmount as EndAmount,BillDate,CreateDate,Remark from SaleOrderBills where GetAmount<>0 and "
                      L"BillDate between '%s' and '%s'%s",
                      depositSign, depositSign, Quoted(from), Quoted(to), partners);
    sql += OwingBills(customer ? kSales : kPurchases, 2, L"", from, to, partners, billPartners);
    sql += OwingBills(customer ? kPurchases : kSales, 3, L"(-1)*", from, to, partners, billPartners);
    sql += L") order by BillDate,CreateDate,Part,SaleID,SaleItemID";
    return sql;
}

}  // namespace

CppSQLite3Query CAccountBLL::GetStatementAccountByCust(CppSQLite3DB& db, CString fromDate, CString toDate,
                                                       CString customerName, long& count, CString& error) {
    ServiceLock lock;
    count = 0;
    return Guard(Report(error), CppSQLite3Query(), [&] {
        return money::CountedQuery(db, Statement(fromDate, toDate, customerName, true), count);
    });
}

CppSQLite3Query CAccountBLL::GetStatementAccountBySupply(CppSQLite3DB& db, CString fromDate, CString toDate,
                                                         CString supplierName, long& count, CString& error) {
    ServiceLock lock;
    count = 0;
    return Guard(Report(error), CppSQLite3Query(), [&] {
        return money::CountedQuery(db, Statement(fromDate, toDate, supplierName, false), count);
    });
}
