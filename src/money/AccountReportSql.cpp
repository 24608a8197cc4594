#include "money/AccountReportSql.h"

#include "money/MoneyReportRows.h"
#include "platform/Numbers.h"

namespace shopbiz::money {

namespace {

// "2013-04-01": the first day of the month before the date's month.
CString FirstOfMonthBefore(const CString& date) {
    int year = 0, month = 0;
    if (date.GetLength() < 7 || !IsWholeNumber(date.Left(4), false, &year) ||
        !IsWholeNumber(date.Mid(5, 2), false, &month) || month < 1 || month > 12)
        return L"1969-12-01";  // no month before any of the shop's
    if (--month == 0) {
        month = 12;
        --year;
    }
    return Fmt(L"%04d-%02d-01", year, month);
}

// The per-bill rows: AccountID, AccountDate, BillCode, InAmount, OutAmount, [SettleAcctName,]
// AccountDesp, CompanyName, ProjectName, ProjectType, AccountType.
struct DetailColumns {
    bool settleAcctColumn;   // the rows carry SettleAcctName
    CString settleAcctName;  // only this settlement account's money ("": all)

    SqlText Column(const wchar_t* prefix) const {
        return settleAcctColumn ? Sql(L",%sSettleAcctName", prefix) : SqlText();
    }
    SqlText Filter(const wchar_t* prefix) const {
        if (settleAcctName.IsEmpty()) return {};
        return Sql(L" and %sSettleAcctName='%s'", prefix, Quoted(settleAcctName));
    }
};

// The period's deposits of sale orders (under the project and account type given), what was
// paid on sale bills (left out without `saleBills`) and on purchase bills; one row per bill.
SqlText BillMoney(const CString& from, const CString& to, const DetailColumns& columns, const wchar_t* depositProject,
                  const wchar_t* depositType, bool saleBills) {
    const QuotedSlot first = Quoted(from), last = Quoted(to);
    const SqlText settle = columns.Column(L""), filter = columns.Filter(L"");
    SqlText sql = Sql(L"select SaleOrderID as AccountID,BillDate as AccountDate,BillCode,GetAmount as InAmount,"
                      L"0.0 as OutAmount%s,%s as AccountDesp,CompanyName,'%s' as ProjectName,1 as ProjectType,"
                      L"'%s' as AccountType from SaleOrderBills where GetAmount<>0 and BillDate between '%s' and "
                      L"'%s'%s",
                      settle, kOrderNote, depositProject, depositType, first, last, filter);
    if (saleBills)
        sql += Sql(L" union all select SaleID,BillDate,BillCode,GetAmount,0.0%s,%s,CompanyName,'销售收入',1,'收入' from "
                   L"SaleBills where GetAmount<>0 and BillDate between '%s' and '%s'%s",
                   settle, kSaleNote, first, last, filter);
    sql += Sql(L" union all select PurID,BillDate,BillCode,0.0,GetAmount%s,%s,CompanyName,'进货支出',1,'支出' from "
               L"PurBills where GetAmount<>0 and BillDate between '%s' and '%s'%s",
               settle, kPurchaseNote, first, last, filter);
    return sql;
}

// The period's journal lines with an amount whose ProjectType is `kinds` (an SQL condition);
// `profitOnly` keeps those whose project counts toward profit.
SqlText JournalLines(const CString& from, const CString& to, const wchar_t* kinds, const DetailColumns& columns,
                     bool profitOnly) {
    return Sql(L"select a.AccountID,a.AccountDate,a.AccountCode,a.InAmount,a.OutAmount%s,a.AccountDesp,a.CompanyName,"
               L"a.ProjectName,a.ProjectType,a.AccountType from Account a%s where a.ProjectType %s and "
               L"(a.InAmount<>0 or a.OutAmount<>0) and a.AccountDate between '%s' and '%s'%s",
               columns.Column(L"a."),
               profitOnly ? SqlText(L" inner join Project p on a.ProjectID=p.ProjectID and p.IsProfit=1") : SqlText(),
               kinds, Quoted(from), Quoted(to), columns.Filter(L"a."));
}

}  // namespace

SqlText OpeningBalance(const CString& startDate, const CString& settleAcctName) {
    const CString start = startDate.IsEmpty() ? CString(L"1970-01-01") : startDate;
    const SqlText account =
        settleAcctName.IsEmpty() ? SqlText() : Sql(L" AND SettleAcctName = '%s' ", Quoted(settleAcctName));
    // The month totals of the months before the start's; the days of its month before it
    // from the bills and the journal; the opening entries whatever their date.
    const QuotedSlot monthStart = Quoted(start.Left(8) + L"01"), day = Quoted(start);
    return Sql(L"select sum(ifnull(Balance,0)) as Balance from ( select sum(ifnull(Balance,0)) as Balance from "
               L"AccountMonth where strftime('%%Y-%%m', [Month]) <= strftime('%%Y-%%m', '%s') %s union all select "
               L"sum(ifnull(GetAmount,0)) as RecAmount from SaleBills where BillDate >= '%s' and BillDate <'%s' group "
               L"by BillDate union all select 0-sum(ifnull(GetAmount,0)) as PayAmount from PurBills where BillDate >= "
               L"'%s' and BillDate <'%s' group by BillDate union all select "
               L"sum(ifnull(InAmount,0))-sum(ifnull(OutAmount,0)) as Amount from Account where ( (ProjectType in "
               L"(2,3,7) and AccountDate >= '%s' and AccountDate <'%s' ) or ProjectType = 4 ) %s group by AccountDate)",
               Quoted(FirstOfMonthBefore(start)), account, monthStart, day, monthStart, day, monthStart, day, account);
}

SqlText JournalList(const CString& from, const CString& to) {
    return Sql(L"select AccountID,AccountCode as BillCode,AccountDate,AccountDesp, CompanyName,ProjectType,"
               L"AccountType, ProjectName,sum(ifnull(InAmount,0)) as InAmount,sum(ifnull(OutAmount,0)) as OutAmount "
               L"from Account where AccountDate between '%s' and '%s' and (InAmount <> 0 or OutAmount <> 0) group by "
               L"AccountID,AccountDate,AccountType,CompanyName,AccountDesp,AccountCode,ProjectName,ProjectType "
               L"order by AccountDate,AccountType desc,ProjectType,AccountCode",
               Quoted(from), Quoted(to));
}

SqlText JournalDetail(const CString& from, const CString& to, const CString& settleAcctName) {
    const DetailColumns columns{true, settleAcctName};
    SqlText rows = L"select * from (" + BillMoney(from, to, columns, L"付订金/欠款", L"订金收入", true);
    rows += L" union all " + JournalLines(from, to, L"in (2,3,7)", columns, false);
    rows += L") a order by a.AccountDate,a.AccountID,a.AccountType desc,ProjectType,a.BillCode";
    return rows;
}

SqlText ProjectSums(const CString& from, const CString& to, const CString& accountTypePart,
                    const CString& projectPart, bool profit) {
    if (!profit)
        return Sql(L"select AccountType,ProjectName,sum(ifnull(InAmount,0)) as InAmount, sum(ifnull(OutAmount,0)) as "
                   L"OutAmount from Account where AccountDate between '%s' and '%s' and (InAmount <> 0 or OutAmount <> "
                   L"0) and AccountType like '%%%s%%' and ProjectName like '%%%s%%' And ProjectType not in(4,7) "
                   L"group by ProjectName,AccountType order by AccountType desc,ProjectName",
                   Quoted(from), Quoted(to), Quoted(accountTypePart), Quoted(projectPart));
    return Sql(L"select a.AccountType,a.ProjectName,sum(ifnull(a.InAmount,0)) as InAmount, sum(ifnull(a.OutAmount,0)) "
               L"as OutAmount from Account a inner join Project b on a.ProjectID=b.ProjectID where a.AccountDate "
               L"between '%s' and '%s' and (a.InAmount <> 0 or a.OutAmount <> 0) and a.AccountType like '%%%s%%' and "
               L"a.ProjectName like '%%%s%%' and b.isprofit=1 and a.projecttype=3 And a.ProjectType not in(1,4,7) "
               L"group by a.ProjectName,a.AccountType order by a.AccountType desc,a.ProjectName",
               Quoted(from), Quoted(to), Quoted(accountTypePart), Quoted(projectPart));
}

SqlText ProjectDetail(const CString& from, const CString& to, const CString& accountTypePart,
                      const CString& projectPart, bool profit) {
    const DetailColumns columns{false, L""};
    SqlText rows = L"select * from (" + BillMoney(from, to, columns, L"收订金/欠款", L"收入", !profit);
    if (profit)  // what was sold, as the stock ledger holds it
        rows += Sql(L" union all select StockID as AccountID, BillDate as AccountDate, BillCode, sum(SaleAmount) as "
                    L"InAmount,0 as OutAmount,'销售出货(销售单)' as AccountDesp,CompanyName,'销售收入' as ProjectName,1 "
                    L"as ProjectType,'收入' as AccountType from Stocks where BillType='出货' AND BillDate between '%s' "
                    L"and '%s' and SaleAmount<> 0 group by BillDate,BillCode",
                    Quoted(from), Quoted(to));
    rows += L" union all " + JournalLines(from, to, L"not in (1,4,7)", columns, profit);
    rows += Sql(L") a where a.ProjectName like '%%%s%%' and a.AccountType like '%%%s%%' order by a.AccountType "
                L"desc,a.AccountDate,a.ProjectName,ProjectType,a.BillCode",
                Quoted(projectPart), Quoted(accountTypePart));
    return rows;
}

SqlText ReceiptPaymentBills(int kind, const CString& from, const CString& to, const CString& keyword, bool detail) {
    // Receipts are written under the project "收订金/欠款" (ID 3), payments under "付订金/欠款" (ID 4).
    const wchar_t* projectId = kind == 1 ? L"3" : L"4";
    const QuotedSlot key = Quoted(keyword);
    SqlText rows =
        detail ? SqlText(L" SELECT A.AccountID AS AccountID,A.AccountDate AS AccountDate,A.AccountCode AS "
                         L"AccountCode,A.CompanyName AS CompanyName, A.SettleAcctName AS SettleAcctName,A.InAmount AS "
                         L"InAmount,A.OutAmount AS OutAmount,B.BankNo AS BankNo,A.AccountDesp AS Remark FROM Account "
                         L"AS A LEFT JOIN SettleAcct AS B ON A.SettleAcctID=B.SettleAcctID ")
               : SqlText(L" SELECT A.AccountID AS AccountID,A.AccountDate AS AccountDate,A.AccountCode AS AccountCode,"
                         L"A.CompanyName AS CompanyName,SUM(A.InAmount) AS InAmount,SUM(A.OutAmount) AS OutAmount,"
                         L"A.AccountDesp AS Remark FROM Account AS A ");
    rows += Sql(L"WHERE A.AccountDate BETWEEN '%s' AND '%s' AND ( A.CompanyName LIKE '%%%s%%' OR A.CompanyCode LIKE "
                L"'%%%s%%' OR A.Remark LIKE '%%%s%%' OR A.AccountCode LIKE '%%%s%%' OR A.AccountDesp LIKE '%%%s%%' ) "
                L"AND A.ProjectType = %s AND A.ProjectID=%s ",
                Quoted(from), Quoted(to), key, key, key, key, key, L"2", projectId);
    if (!detail) rows += L"GROUP BY A.AccountCode";
    rows += L" ORDER BY A.AccountDate ";
    return rows;
}

}  // namespace shopbiz::money
