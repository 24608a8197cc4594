// CAccountBLL: the cash journal's reports as print data.
#include "money/AccountBLL.h"
#include "money/AccountReportSql.h"
#include "money/JournalTexts.h"
#include "printing/EntryPrintRows.h"
#include "stock/StocksBLL.h"

using namespace shopbiz;

namespace {

// The headings every account report starts with.
void PeriodHeadings(EntryPrintRows& print, const CString& from, const CString& to) {
    print.StoreFields();
    print.Heading(L"AccountSdt", from);
    print.Heading(L"AccountEdt", to);
}

// One project's row: its income, expense and what is left of them.
void ProjectRow(EntryPrintRows& print, const CString& typeName, const CString& project, double in, double out,
                bool withTypeName) {
    print.NextRow();
    if (withTypeName) print.Text(L"TypeName", typeName);
    print.Text(L"ProjectName", project);
    print.Money(L"InAmount", in);
    print.Money(L"OutAmount", out);
    print.Money(L"Balance", in - out);
}

void Totals(EntryPrintRows& print, double in, double out, double balance) {
    print.HeadingMoney(L"SumInAmount", in);
    print.HeadingMoney(L"SumOutAmount", out);
    print.HeadingMoney(L"SumBalance", balance);
}

}  // namespace

int CAccountBLL::InsertPrintData(CppSQLite3DB& db, CString fromDate, CString toDate, CString settleAcctName,
                                 int detail, CString label, int firstEntry, long& nextEntry, CString& error) {
    ServiceLock lock;
    error = L"";
    EntryPrintRows print(db, label, firstEntry);
    nextEntry = print.NextEntry();
    return Guard(Report(error, L"InsertPrintData Err:%s"), -1, [&] {
        Transaction tx(db);
        PeriodHeadings(print, fromDate, toDate);
        // The plain journal covers every account, so its balance starts from all of them.
        double balance = 0;
        {
            const CString account = detail ? settleAcctName : CString();
            CppSQLite3Query opening = db.execQuery(money::OpeningBalance(fromDate, account));
            if (!opening.eof()) balance = opening.getFloatField(L"Balance");
        }
        double sumIn = 0, sumOut = 0;
        CppSQLite3Query rows = db.execQuery(detail ? money::JournalDetail(fromDate, toDate, settleAcctName)
                                                   : money::JournalList(fromDate, toDate));
        for (; !rows.eof(); rows.nextRow()) {
            const double in = rows.getFloatField(L"InAmount"), out = rows.getFloatField(L"OutAmount");
            balance += in - out;
            sumIn += in;
            sumOut += out;
            print.NextRow();
            print.Text(L"AccountDate", rows.getStringField(L"AccountDate"));
            print.Text(L"BillCode", rows.getStringField(L"BillCode"));
            print.Text(L"AccountDesp", rows.getStringField(L"AccountDesp"));
            print.Text(L"ProjectName", rows.getStringField(L"ProjectName"));
            print.Money(L"InAmount", in);
            print.Money(L"OutAmount", out);
            print.Money(L"Balance", balance);
        }
        rows.finalize();
        Totals(print, sumIn, sumOut, balance);
        tx.Commit();
        nextEntry = print.NextEntry();
        return 0;
    });
}

int CAccountBLL::InsertAccReportPrintData(CppSQLite3DB& db, CString fromDate, CString toDate, CString accountTypePart,
                                          CString projectPart, CString label, int firstEntry, long& nextEntry,
                                          CString& error) {
    ServiceLock lock;
    error = L"";
    EntryPrintRows print(db, label, firstEntry);
    nextEntry = print.NextEntry();
    return Guard(Report(error, L"InsertAccReportPrintData Err:%s"), -1, [&] {
        Transaction tx(db);
        PeriodHeadings(print, fromDate, toDate);
        print.Heading(L"AccountType", accountTypePart);
        print.Heading(L"AccProType", projectPart);
        double sumIn = 0, sumOut = 0;
        CppSQLite3Query rows = db.execQuery(money::ProjectSums(fromDate, toDate, accountTypePart, projectPart, false));
        for (; !rows.eof(); rows.nextRow()) {
            const double in = rows.getFloatField(L"InAmount"), out = rows.getFloatField(L"OutAmount");
            ProjectRow(print, L"", rows.getStringField(L"ProjectName"), in, out, false);
            sumIn += in;
            sumOut += out;
        }
        rows.finalize();
        Totals(print, sumIn, sumOut, sumIn - sumOut);
        tx.Commit();
        nextEntry = print.NextEntry();
        return 0;
    });
}

int CAccountBLL::InsertProfitPrintData(CppSQLite3DB& db, CString fromDate, CString toDate, CString accountTypePart,
                                       CString projectPart, CString label, int firstEntry, long& nextEntry,
                                       CString& error) {
    ServiceLock lock;
    error = L"";
    EntryPrintRows print(db, label, firstEntry);
    nextEntry = print.NextEntry();
    return Guard(Report(error, L"InsertProfitPrintData Err:%s"), -1, [&] {
        PeriodHeadings(print, fromDate, toDate);
        print.Heading(L"AccountType", accountTypePart);
        print.Heading(L"AccProType", projectPart);
        double sales = 0, cost = 0;
        {
            long customers = 0;
            CppSQLite3Query total = CStocksBLL().GetProfitSumByTotal(db, L"", fromDate, toDate, customers);
            if (!total.eof()) {
                sales = total.getFloatField(L"saleamount");
                cost = total.getFloatField(L"costamount");
            }
        }
        // The goods sold and what they cost, then the items that count toward profit.
        ProjectRow(print, journal::kIncome, journal::kSalesProject, sales, 0, true);
        ProjectRow(print, journal::kExpense, L"销售成本", 0, cost, true);
        double sumIn = sales, sumOut = cost;
        CppSQLite3Query rows = db.execQuery(money::ProjectSums(fromDate, toDate, accountTypePart, projectPart, true));
        for (; !rows.eof(); rows.nextRow()) {
            const double in = rows.getFloatField(L"InAmount"), out = rows.getFloatField(L"OutAmount");
            ProjectRow(print, rows.getStringField(L"AccountType"), rows.getStringField(L"ProjectName"), in, out, true);
            sumIn += in;
            sumOut += out;
        }
        Totals(print, sumIn, sumOut, sumIn - sumOut);
        nextEntry = print.NextEntry();
        return 0;
    });
}

int CAccountBLL::InsertAccItemReportPrintData(CppSQLite3DB& db, CString fromDate, CString toDate,
                                              CString accountTypePart, CString projectPart, CString label,
                                              int firstEntry, long& nextEntry, CString& error) {
    ServiceLock lock;
    error = L"";
    EntryPrintRows print(db, label, firstEntry);
    nextEntry = print.NextEntry();
    return Guard(Report(error, L"InsertAccItemReportPrintData Err:%s"), -1, [&] {
        PeriodHeadings(print, fromDate, toDate);
        print.Heading(L"AccProType", projectPart);
        double sum = 0;
        CppSQLite3Query rows =
            db.execQuery(money::ProjectDetail(fromDate, toDate, accountTypePart, projectPart, true));
        for (; !rows.eof(); rows.nextRow()) {
            const CString type = rows.getStringField(L"AccountType");
            const double amount = rows.getFloatField(type == journal::kIncome ? L"InAmount" : L"OutAmount");
            sum += amount;
            print.NextRow();
            print.Text(L"AccountDate", rows.getStringField(L"AccountDate"));
            print.Text(L"BillCode", rows.getStringField(L"BillCode"));
            print.Text(L"AccountDesp", rows.getStringField(L"AccountDesp"));
            print.Text(L"CompanyName", rows.getStringField(L"CompanyName"));
            print.Text(L"ProjectName", rows.getStringField(L"ProjectName"));
            print.Text(L"AccountType", type);
            print.Money(L"Amount", amount);
        }
        print.HeadingMoney(L"SumAmount", sum);
        nextEntry = print.NextEntry();
        return 0;
    });
}

int CAccountBLL::InsertAccBillListPrintData(CppSQLite3DB& db, int kind, CString fromDate, CString toDate,
                                            CString keyword, int detail, CString label, int firstEntry,
                                            long& nextEntry, CString& error) {
    ServiceLock lock;
    error = L"";
    EntryPrintRows print(db, label, firstEntry);
    nextEntry = print.NextEntry();
    return Guard(Report(error, L"InsertAccBillListPrintData Err:%s"), -1, [&] {
        print.StoreFields();
        print.Heading(L"BeginDate", fromDate);
        print.Heading(L"EndDate", toDate);
        const wchar_t* amountColumn = kind == 1 ? L"InAmount" : L"OutAmount";
        double total = 0;
        CppSQLite3Query rows = db.execQuery(money::ReceiptPaymentBills(kind, fromDate, toDate, keyword, detail != 0));
        for (; !rows.eof(); rows.nextRow()) {
            const double amount = rows.getFloatField(amountColumn);
            total += amount;
            print.NextRow();
            print.Text(L"BillDate", rows.getStringField(L"AccountDate"));
            print.Text(L"BillCode", rows.getStringField(L"AccountCode"));
            print.Text(L"Remark", rows.getStringField(L"Remark"));
            print.Money(L"ItemAmount", amount);
        }
        print.HeadingMoney(L"TotalAmount", total);
        nextEntry = print.NextEntry();
        return 0;
    });
}
