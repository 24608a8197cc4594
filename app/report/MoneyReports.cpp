// The money reports of `shopbiz report`: the accounts' income and expense over a period, what
// the customers owe (receivables) and what the shop owes its suppliers (payables).
#include <ostream>

#include "Command.h"
#include "ShopFiles.h"
#include "TextTable.h"
#include "common/AmountText.h"
#include "common/NumberText.h"
#include "report/Reports.h"
#include "shopbiz.h"

namespace shopbiz::app::report {

namespace {

// "yyyy-mm-dd" of a day that exists.
bool IsDay(const CString& text) {
    if (text.GetLength() != 10 || text[4] != L'-' || text[7] != L'-') return false;
    for (int i : {0, 1, 2, 3, 5, 6, 8, 9})
        if (text[i] < L'0' || text[i] > L'9') return false;
    const int year = WToI(text.Left(4)), month = WToI(text.Mid(5, 2)), day = WToI(text.Mid(8, 2));
    static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month >= 1 && month <= 12 && day >= 1 && day <= kDays[month - 1] + (month == 2 && leap ? 1 : 0);
}

struct Period {
    CString from, to;
};

// The period asked for. Without --from the report starts on the first of the month of the
// shop's latest bill or journal line (this month when there is none); without --to it ends
// today, or on that latest day when it lies later.
bool ReadPeriod(CppSQLite3DB& db, const ReportRequest& request, Period& period) {
    for (const auto& [option, value] : {std::pair{"--from", request.from}, std::pair{"--to", request.to}})
        if (!value.IsEmpty() && !IsDay(value)) {
            PrintError(std::string("report: ") + option + " takes a day YYYY-MM-DD, not " + value.ToUtf8());
            return false;
        }
    CString latest = db.execScalarStr(
        L"SELECT substr(max(Day), 1, 10) FROM (SELECT max(BillDate) AS Day FROM SaleBills UNION ALL SELECT "
        L"max(BillDate) FROM PurBills UNION ALL SELECT max(BillDate) FROM SaleOrderBills UNION ALL SELECT "
        L"max(AccountDate) FROM Account)");
    const CString today = CSysBLL().GetTimeNowShort();
    if (!IsDay(latest)) latest = today;
    period.from = request.from.IsEmpty() ? latest.Left(8) + L"01" : request.from;
    period.to = request.to;
    if (period.to.IsEmpty()) {
        period.to = latest > today ? latest : today;
        if (period.to < period.from) period.to = period.from;
    }
    if (period.to < period.from) {
        PrintError("report: the period ends (" + period.to.ToUtf8() + ") before it begins (" + period.from.ToUtf8() +
                   ")");
        return false;
    }
    return true;
}

// An error text the library left: printed, and the report fails.
bool Failed(const CString& error) {
    if (error.IsEmpty()) return false;
    PrintError("report: " + MessageText(error));
    return true;
}

CString Money(double amount) { return CentsText(amount); }

void Title(std::ostream& out, const wchar_t* name, const Period& period) {
    out << CString(name) << "  " << period.from << " 至 " << period.to << "\n\n";
}

// The money of the period: what was in the accounts at its start, the income and expense of
// each project, and what is in them at its end.
int PrintAccounts(CppSQLite3DB& db, const ReportRequest& request, std::ostream& out) {
    Period period;
    if (!ReadPeriod(db, request, period)) return kBadArguments;
    CAccountBLL accounts;
    CString error;
    double opening = 0;
    {
        CppSQLite3Query header = accounts.GetAccountHeader(db, period.from, error, L"");
        if (Failed(error)) return kFailed;
        if (!header.eof()) opening = header.getFloatField(L"Balance");
    }
    long count = 0;
    CppSQLite3Query projects = accounts.GetAccReportList(db, period.from, period.to, L"", L"", count, error);
    if (Failed(error)) return kFailed;
    TextTable table({L"收支类型", L"收支项目", L"收入", L"支出"});
    double in = 0, outAmount = 0;
    for (; !projects.eof(); projects.nextRow()) {
        const double projectIn = projects.getFloatField(L"InAmount"), projectOut = projects.getFloatField(L"OutAmount");
        in += projectIn;
        outAmount += projectOut;
        table.AddRow({projects.getStringField(L"AccountType"), projects.getStringField(L"ProjectName"),
                      Money(projectIn), Money(projectOut)});
    }
    table.AddRow({L"", L"合计", Money(in), Money(outAmount)});
    Title(out, L"账户收支", period);
    table.Print(out);
    out << "\n期初余额 " << Money(opening) << "  收入 " << Money(in) << "  支出 " << Money(outAmount)
        << "  期末余额 " << Money(opening + in - outAmount) << '\n';
    return out.flush() ? kDone : kFailed;
}

// Receivables or payables: each partner's debt before the period, the new debt and the money
// of the period, and what is owed at its end.
int PrintDebts(CppSQLite3DB& db, const ReportRequest& request, std::ostream& out, bool receivables) {
    Period period;
    if (!ReadPeriod(db, request, period)) return kBadArguments;
    CRecPayBLL debts;
    CString error;
    long count = 0;
    CppSQLite3Query rows = receivables ? debts.GetRecLists(db, period.from, period.to, L"", L"", count, error)
                                       : debts.GetPayLists(db, period.from, period.to, L"", L"", count, error);
    if (Failed(error)) return kFailed;
    TextTable table = receivables
                          ? TextTable({L"编码", L"客户", L"期初应收", L"本期增加", L"本期收款", L"期末应收"})
                          : TextTable({L"编码", L"供应商", L"期初应付", L"本期增加", L"本期付款", L"期末应付"});
    double sumInit = 0, sumAdd = 0, sumGet = 0;
    for (; !rows.eof(); rows.nextRow()) {
        const double init = rows.getFloatField(L"InitAmount"), add = rows.getFloatField(L"AddAmount"),
                     get = rows.getFloatField(L"GetAmount");
        sumInit += init;
        sumAdd += add;
        sumGet += get;
        table.AddRow({rows.getStringField(L"CompanyCode"), rows.getStringField(L"CompanyName"), Money(init),
                      Money(add), Money(get), Money(init + add - get)});
    }
    table.AddRow({L"", L"合计", Money(sumInit), Money(sumAdd), Money(sumGet), Money(sumInit + sumAdd - sumGet)});
    Title(out, receivables ? L"应收款" : L"应付款", period);
    table.Print(out);
    return out.flush() ? kDone : kFailed;
}

int PrintReceivables(CppSQLite3DB& db, const ReportRequest& request, std::ostream& out) {
    return PrintDebts(db, request, out, true);
}

int PrintPayables(CppSQLite3DB& db, const ReportRequest& request, std::ostream& out) {
    return PrintDebts(db, request, out, false);
}

}  // namespace

const std::vector<ReportKind>& MoneyReports() {
    static const std::vector<ReportKind> kinds = {
        {"accounts", "the money in the accounts at the start and end of the period, income and expense by project",
         false, PrintAccounts},
        {"receivables", "what each customer owed, bought on credit, paid and owes (应收款)", false, PrintReceivables},
        {"payables", "what the shop owed each supplier, bought on credit, paid and owes (应付款)", false,
         PrintPayables},
    };
    return kinds;
}

}  // namespace shopbiz::app::report
