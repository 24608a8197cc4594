// CPrintData: the settlement accounts, and a receipt or payment of the cash journal.
#include "common/AmountText.h"
#include "printing/PrintData.h"
#include "printing/PrintRows.h"

using namespace shopbiz;

int CPrintData::InsertClearanceAccountPrintData(CppSQLite3DB& db, long& rowCount, CString label, CString& error) {
    ServiceLock lock;
    rowCount = 0;
    error = L"";
    return Guard(Report(error, L"InsertClearanceAccountPrintData Err:%s"), -1, [&] {
        PrintRows rows(db, label);
        int entry = 0;
        for (CppSQLite3Query accounts = db.execQuery(L"Select * from SettleAcct "); !accounts.eof();
             accounts.nextRow()) {
            rows.RowNo(++entry);
            rows.Text(entry, L"SettleAcctName", accounts.getStringField(L"SettleAcctName"));
            rows.Text(entry, L"BankName", accounts.getStringField(L"BankName"));
            rows.Text(entry, L"BankNo", accounts.getStringField(L"BankNo"));
            rows.Money(entry, L"CurAmount", accounts.getFloatField(L"CurAmount"));
        }
        rowCount = entry;
        return 0;
    });
}

namespace {

// What tells a receipt from a payment in the journal and on paper.
struct MoneyBill {
    const wchar_t* accountType;  // "收入" / "支出"
    const wchar_t* amountColumn;  // "InAmount" / "OutAmount"
    const wchar_t* name;          // for the message when there is none
};
const MoneyBill kReceipt = {L"收入", L"InAmount", L"收款单"};
const MoneyBill kPayment = {L"支出", L"OutAmount", L"付款单"};

// The receipt's or payment's journal lines (project type 2) summed per settlement account.
int PrintMoneyBill(CppSQLite3DB& db, const MoneyBill& kind, long& rowCount, CString billCode, const CString& date,
                   const CString& companyName, const CString& label, CString& error) {
    CSysBLL::GetSafeString(billCode);
    CppSQLite3Query lines = db.execQuery(
        Sql(L"select min(a.AccountID) as FirstID,a.SettleAcctName,max(a.AccountDesp) as AccountDesp,"
            L"ifnull(b.BankName,'') as BankName,ifnull(b.BankNo,'') as BankNo,sum(a.%s) as Amount from Account a "
            L"left join SettleAcct b on a.SettleAcctName=b.SettleAcctName where a.AccountCode='%s' and "
            L"a.ProjectType=2 and a.AccountType='%s' and a.IsDelete=0 group by a.SettleAcctName order by FirstID",
            kind.amountColumn, Quoted(billCode), kind.accountType));
    if (billCode.IsEmpty() || lines.eof()) {
        error = Fmt(L"没有编号为 %s 的%s", billCode.GetString(), kind.name);
        LogLine(error);
        return -1;
    }
    PrintRows rows(db, label);
    rows.Text(kDocumentEntry, L"AccountDesp", lines.getStringField(L"AccountDesp"));
    rows.Text(kDocumentEntry, L"BillCode", billCode);
    rows.Text(kDocumentEntry, L"AccountDate", date);
    rows.Text(kDocumentEntry, L"CompanyName", companyName);
    double sum = 0;
    int entry = 0;
    for (; !lines.eof(); lines.nextRow()) {
        const double amount = lines.getFloatField(L"Amount");
        rows.RowNo(++entry);
        rows.Text(entry, L"SettleAcctName", lines.getStringField(L"SettleAcctName"));
        rows.Text(entry, L"BankName", lines.getStringField(L"BankName"));
        rows.Text(entry, L"BankNo", lines.getStringField(L"BankNo"));
        rows.Money(entry, kind.amountColumn, amount);
        sum += amount;
    }
    rows.Money(kDocumentEntry, L"SumAmount", sum);
    rows.Text(kDocumentEntry, L"BillAmountRMB", CSysBLL().Double2RMB(ParseAmount(CentsText(sum))));
    rowCount = entry;
    return 0;
}

}  // namespace

int CPrintData::InsertRecAccountBillPrintData(CppSQLite3DB& db, long& rowCount, CString billCode, CString date,
                                              CString companyName, CString label, CString& error) {
    ServiceLock lock;
    rowCount = 0;
    error = L"";
    return Guard(Report(error, L"InsertRecAccountBillPrintData Err:%s"), -1, [&] {
        return PrintMoneyBill(db, kReceipt, rowCount, billCode, date, companyName, label, error);
    });
}

int CPrintData::InsertPayAccountBillPrintData(CppSQLite3DB& db, long& rowCount, CString billCode, CString date,
                                              CString companyName, CString label, CString& error) {
    ServiceLock lock;
    rowCount = 0;
    error = L"";
    return Guard(Report(error, L"InsertPayAccountBillPrintData Err:%s"), -1, [&] {
        return PrintMoneyBill(db, kPayment, rowCount, billCode, date, companyName, label, error);
    });
}
