#include "money/DebtSide.h"

#include "money/MoneyReportRows.h"

namespace shopbiz::money {

// clang-format off
const DebtSide kReceivables = {1, L"SaleBills", L"SaleID", kSaleNote, L"PurBills", L"PurID", kPurchaseNote,
                               true, L"收入", L"InAmount"};
const DebtSide kPayables = {2, L"PurBills", L"PurID", kPurchaseNote, L"SaleBills", L"SaleID", kSaleNote,
                            false, L"支出", L"OutAmount"};
// clang-format on

namespace {

// Per partner name: what was owed before the period (InitAmount), the new debt of the period
// (AddAmount) and the money of the period (GetAmount), each summed over the sources and
// rounded to cents. Every source is read once up to the end of the period.
SqlText DebtSums(const DebtSide& side, const CString& from, const CString& to) {
    const QuotedSlot first = Quoted(from), last = Quoted(to);
    SqlText parts;
    if (side.deposits)
        parts += Sql(L"select CompanyName,0-sum(case when BillDate<'%s' then GetAmount else 0 end) as InitAmount,0 as "
                     L"AddAmount,sum(case when BillDate>='%s' then GetAmount else 0 end) as GetAmount from "
                     L"SaleOrderBills where BillDate<='%s' and GetAmount<>0 group by CompanyName union all ",
                     first, first, last);
    parts += Sql(L"select CompanyName,sum(case when BillDate<'%s' then OweAmount else 0 end) as InitAmount,sum(case "
                 L"when BillDate>='%s' then OweAmount else 0 end) as AddAmount,0 as GetAmount from %s where "
                 L"BillDate<='%s' and OweAmount<>0 group by CompanyName",
                 first, first, side.ownBills, last);
    // The other side's bills count only for partners who also have bills of this side.
    parts += Sql(L" union all select CompanyName,0-sum(case when BillDate<'%s' then OweAmount else 0 end),0-sum(case "
                 L"when BillDate>='%s' then OweAmount else 0 end),0 from %s where BillDate<='%s' and OweAmount<>0 and "
                 L"CompanyName in (select CompanyName from %s) group by CompanyName",
                 first, first, side.otherBills, last, side.ownBills);
    parts += Sql(L" union all select CompanyName,0-sum(case when AccountDate<'%s' then %s else 0 end),0,sum(case when "
                 L"AccountDate>='%s' then %s else 0 end) from Account where AccountType ='%s' and ProjectType = 2 and "
                 L"AccountDate<='%s' group by CompanyName",
                 first, side.moneyColumn, first, side.moneyColumn, side.moneyType, last);
    return Sql(L"select CompanyName,round(sum(InitAmount),2) as InitAmount,round(sum(AddAmount),2) as AddAmount,"
               L"round(sum(GetAmount),2) as GetAmount from (%s) group by CompanyName",
               parts);
}

// The partner by code or by name; an empty one does not match.
SqlText Partner(const CString& code, const CString& name) {
    if (code.IsEmpty() && name.IsEmpty()) return L"1=0";
    if (code.IsEmpty()) return Sql(L"CompanyName = '%s'", Quoted(name));
    if (name.IsEmpty()) return Sql(L"CompanyCode = '%s'", Quoted(code));
    return Sql(L"(CompanyCode = '%s' or CompanyName = '%s')", Quoted(code), Quoted(name));
}

}  // namespace

SqlText DebtList(const DebtSide& side, const CString& from, const CString& to, const CString& keyword) {
    return Sql(L"select a.CompanyID,a.CompanyCode,a.CompanyName,b.InitAmount,b.AddAmount,b.GetAmount from Companies a "
               L"inner join (%s) b on a.CompanyName=b.CompanyName where a.CompanyType = %d and (a.CompanyCode like "
               L"'%%%s%%' or a.CompanyName like '%%%s%%') and abs(b.InitAmount)+abs( b.AddAmount)+abs( "
               L"b.GetAmount)<>0.00 order by a.CompanyCode,a.CompanyName",
               DebtSums(side, from, to), side.companyType, Quoted(keyword), Quoted(keyword));
}

SqlText DebtListByAmount(const DebtSide& side, const CString& from, const CString& to, const CString& keyword) {
    return Sql(L"select * from (select a.CompanyID,a.CompanyCode,a.CompanyName,b.InitAmount,b.AddAmount,b.GetAmount "
               L"from Companies a inner join (%s) b on a.CompanyName=b.CompanyName where a.CompanyType = %d and "
               L"(a.CompanyCode like '%%%s%%' or a.CompanyName like '%%%s%%' or a.CompanyName in(select CompanyName "
               L"from Companies where SearchCode like '%%%s%%'))) t where t.InitAmount + t.AddAmount - t.GetAmount >0 "
               L"order by t.InitAmount + t.AddAmount - t.GetAmount desc",
               DebtSums(side, from, to), side.companyType, Quoted(keyword), Quoted(keyword), Quoted(keyword));
}

SqlText OpeningDebt(const DebtSide& side, const CString& from, const CString& code, const CString& name) {
    const QuotedSlot first = Quoted(from);
    const SqlText partner = Partner(code, name);
    SqlText parts;
    if (side.deposits)
        parts += Sql(L"select 0-sum(GetAmount) as InitAmount from SaleOrderBills where BillDate < '%s' and %s "
                     L"union all ",
                     first, partner);
    parts += Sql(L"select sum(OweAmount) as InitAmount from %s where BillDate < '%s' and %s", side.ownBills, first,
                 partner);
    parts += Sql(L" union all select 0-sum(OweAmount) from %s where BillDate < '%s' and %s and CompanyCode in (select "
                 L"CompanyCode from Companies where CompanyType = %d)",
                 side.otherBills, first, partner, side.companyType);
    parts += Sql(L" union all select 0-sum(%s) from Account where AccountType ='%s' and ProjectType = 2 and "
                 L"AccountDate < '%s' and %s",
                 side.moneyColumn, side.moneyType, first, partner);
    return Sql(L"select round(sum(ifnull(InitAmount,0)),2) as InitAmount from (%s)", parts);
}

SqlText DebtMovements(const DebtSide& side, const CString& from, const CString& to, const CString& code,
                      const CString& name) {
    const QuotedSlot first = Quoted(from), last = Quoted(to);
    const SqlText partner = Partner(code, name);
    SqlText parts;
    if (side.deposits)
        parts += Sql(L"select SaleOrderID as ID,BillType,1 as ProjectType,BillDate,BillCode,%s as Note,0.0 as "
                     L"OweAmount,GetAmount as InAmount,CreateDate from SaleOrderBills where BillDate >='%s' and BillDate <= '%s' "
                     L"and %s union all ",
                     kOrderNote, first, last, partner);
    parts += Sql(L"select %s as ID,BillType,1 as ProjectType,BillDate,BillCode,%s as Note,OweAmount,0.0 as InAmount,"
                 L"CreateDate from %s where BillDate >='%s' and BillDate <= '%s' and %s",
                 side.ownKey, side.ownNote, side.ownBills, first, last, partner);
    parts += Sql(L" union all select %s,BillType,3,BillDate,BillCode,%s,0-OweAmount,0.0,CreateDate from %s where "
                 L"BillDate >='%s' and BillDate <= '%s' and %s and CompanyCode in (select CompanyCode from Companies where "
                 L"CompanyType = %d)",
                 side.otherKey, side.otherNote, side.otherBills, first, last, partner, side.companyType);
    parts += Sql(L" union all select AccountID,0,0,AccountDate,AccountCode,AccountDesp,0.0,%s,CreateDate from Account "
                 L"where AccountType ='%s' and ProjectType = 2 and AccountDate >='%s' and AccountDate <= '%s' and %s",
                 side.moneyColumn, side.moneyType, first, last, partner);
    return Sql(L"select * from (%s) a where a.OweAmount<>0 or a.InAmount<>0 order by a.BillDate asc,a.BillCode "
               L"asc,a.CreateDate asc",
               parts);
}

}  // namespace shopbiz::money
