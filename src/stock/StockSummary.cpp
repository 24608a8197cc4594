#include "stock/StockSummary.h"

#include "masterdata/BaseBLL.h"
#include "platform/Numbers.h"

namespace shopbiz {

namespace {

// A summary column the way a caller's condition may name it.
bool IsSummaryColumn(const CString& word) {
    static const wchar_t* const columns[] = {L"ProductID", L"ProductName", L"ProductCode", L"UnitName",
                                             L"PreCount",  L"PreAmount",   L"InCount",     L"InAmount",
                                             L"OutCount",  L"OutAmount",   L"LastCount",   L"LastAmount"};
    CString name = word;
    if (name.GetLength() > 2 && (name.Left(2) == L"t." || name.Left(2) == L"T.")) name = name.Mid(2);
    for (const wchar_t* column : columns)
        if (name.CompareNoCase(column) == 0) return true;
    return false;
}

bool IsConditionKeyword(const CString& word) {
    for (const wchar_t* keyword : {L"AND", L"OR", L"NOT", L"IS", L"NULL", L"LIKE", L"BETWEEN"})
        if (word.CompareNoCase(keyword) == 0) return true;
    return false;
}

bool IsLetter(wchar_t c) { return (c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z') || c == L'_'; }
bool IsDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }
bool IsBlank(wchar_t c) { return c == L' ' || c == L'\t' || c == L'\r' || c == L'\n'; }

[[noreturn]] void Refuse(const CString& condition, const CString& why) {
    throw CppSQLite3Exception(1, L"extra condition refused (" + why + L"): " + condition);
}

}  // namespace

SqlText StockSummary(const StockSummaryRequest& r) {
    const QuotedSlot start = Quoted(r.startDate), end = Quoted(r.endDate);
    // The movements of the period, per product; the ordered reports add up amounts in cents.
    const SqlText moved =
        !r.movements ? SqlText(L"select NULL as ProductID, NULL as InCount, NULL as InAmount, NULL as OutCount, NULL as "
                               L"OutAmount")
        : r.roundedToCents
            ? Sql(L"select ProductID, sum(InCount) as InCount, sum(round(InAmount,2)) as InAmount, sum(OutCount) as "
                  L"OutCount, sum(round(OutAmount,2)) as OutAmount from Stocks where BillDate between '%s' and '%s' "
                  L"group by ProductID",
                  start, end)
            : Sql(L"select ProductID, sum(InCount) as InCount, sum(InAmount) as InAmount, sum(OutCount) as OutCount, "
                  L"sum(OutAmount) as OutAmount from Stocks where BillDate between '%s' and '%s' group by ProductID",
                  start, end);
    const SqlText preAmount = r.roundedToCents ? SqlText(L"round(a.LastAmount,2)") : SqlText(L"a.LastAmount");

    // The products asked for: the enabled ones with their filters, or every product of the ledger.
    SqlText products;
    if (r.enabledProductsOnly) {
        products = L"(select p.ProductID from Products p where p.Isdisable=0";
        if (!r.key.IsEmpty()) {
            const QuotedSlot k = Quoted(r.key);
            products += Sql(L" and (p.ProductName like '%%%s%%' or p.ProductCode like '%%%s%%' or p.SearchCode like "
                            L"'%%%s%%')",
                            k, k, k);
        }
        if (!r.typeNames.empty()) {
            SqlText in;
            for (const CString& name : r.typeNames) in += Sql(in.IsEmpty() ? L"'%s'" : L",'%s'", Quoted(name));
            products += L" and p.TypeName in(" + in;
            products += L")";
        }
        products += L")";
    } else {
        products = L"(select distinct ProductID from Stocks)";
    }

    // Each product's balance brought forward is that of its last row (by position) before the
    // period; a product with no such row is not in the summary.
    SqlText sql = L"select t.* from (select a.ProductID, a.ProductName, a.ProductCode, a.UnitName, a.LastCount as "
                  L"PreCount, " + preAmount;
    sql += L" as PreAmount, b.InCount, b.InAmount, b.OutCount, b.OutAmount, "
           L"a.LastCount+ifnull(b.InCount,0)-ifnull(b.OutCount,0) as LastCount, ";
    sql += preAmount;
    sql += L"+ifnull(b.InAmount,0)-ifnull(b.OutAmount,0) as LastAmount from ";
    sql += products;
    // The products drive the query: the CROSS JOIN keeps them the outer loop.
    sql += Sql(L" s cross join Stocks a on a.StockID = (select x.StockID from Stocks x where x.ProductID = s.ProductID "
               L"and x.BillDate < '%s' order by x.SortID desc limit 1) left join (",
               start);
    sql += moved;
    sql += L") b on b.ProductID = a.ProductID) t";
    if (r.leaveOutEmptyOpenings) {
        // A product whose whole ledger is one row with nothing in it.
        sql += L" where not (t.LastAmount = 0 and t.LastCount = 0 and ifnull(t.OutAmount,0) = 0 and "
               L"ifnull(t.OutCount,0) = 0 and ifnull(t.InAmount,0) = 0 and ifnull(t.InCount,0) = 0 and (select "
               L"count(*) from (select 1 from Stocks c where c.ProductID = t.ProductID limit 2)) <= 1)";
    }
    return sql;
}

bool IsEveryType(const CString& typeName) { return typeName.IsEmpty() || typeName == L"全部类别"; }

std::vector<CString> TypeWithSubTypes(CppSQLite3DB& db, const CString& typeName) {
    CBaseBLL base;
    CString error, names = typeName;
    const int id = base.GetADBaseDataID(db, typeName, 1, error);
    if (id > 0) {
        CString below;
        base.GetBaseChildIDsByID(db, Fmt(L"%d", id), 1, below);
        if (!below.IsEmpty()) names += L"," + below;
    }
    std::vector<CString> list;
    for (int at = 0; at <= names.GetLength();) {
        int comma = names.Find(L',', at);
        if (comma < 0) comma = names.GetLength();
        CString name = names.Mid(at, comma - at);
        CSysBLL::GetSafeString(name);  // also drops the indentation of the sub-types
        if (!name.IsEmpty()) list.push_back(name);
        at = comma + 1;
    }
    return list;
}

SqlText CheckedSummaryCondition(const CString& condition) {
    const wchar_t* p = condition.GetString();
    while (*p) {
        const wchar_t c = *p;
        if (IsBlank(c) || c == L'(' || c == L')' || c == L',' || c == L'+' || c == L'*' || c == L'/') {
            ++p;
        } else if (c == L'-') {
            if (p[1] == L'-') Refuse(condition, L"a comment");
            ++p;
        } else if (c == L'=' || c == L'<' || c == L'>' || c == L'!') {
            const wchar_t* start = p;
            while (*p == L'=' || *p == L'<' || *p == L'>' || *p == L'!') ++p;
            const CString op(start, static_cast<int>(p - start));
            if (op != L"=" && op != L"==" && op != L"<>" && op != L"!=" && op != L"<" && op != L"<=" && op != L">" &&
                op != L">=")
                Refuse(condition, L"operator " + op);
        } else if (c == L'\'') {
            // A text literal; a quote inside it is doubled.
            for (++p;; ++p) {
                if (!*p) Refuse(condition, L"an unclosed text");
                if (*p == L'\'') {
                    if (p[1] != L'\'') break;
                    ++p;
                }
            }
            ++p;
        } else if (IsDigit(c) || c == L'.') {
            const wchar_t* end = nullptr;
            ReadNumber(p, &end);
            if (end == p) Refuse(condition, L"a number");
            p = end;
            if (IsLetter(*p) || IsDigit(*p)) Refuse(condition, L"a number");
        } else if (IsLetter(c)) {
            const wchar_t* start = p;
            while (IsLetter(*p) || IsDigit(*p) || *p == L'.') ++p;
            const CString word(start, static_cast<int>(p - start));
            if (!IsSummaryColumn(word) && !IsConditionKeyword(word)) Refuse(condition, word);
        } else {
            Refuse(condition, CString(c, 1));
        }
    }
    return SqlText(condition.GetString());
}

}  // namespace shopbiz
