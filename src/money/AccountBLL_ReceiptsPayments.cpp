// CAccountBLL: receipts from customers and payments to suppliers.
#include "frame/ServiceFrame.h"
#include "masterdata/CustomerBLL.h"
#include "money/AccountBLL.h"
#include "money/JournalTexts.h"

using namespace shopbiz;

int CAccountBLL::InsertRecPay(CppSQLite3DB& db, bool receipt, CString settleAcctName, int settleAcctId,
                              CString companyName, CString date, CString billCode, CString desp, double amount,
                              CString& error) {
    ServiceLock lock;
    return Guard(Report(error), -1, [&] {
        const wchar_t* accountType = receipt ? journal::kIncome : journal::kExpense;
        if (InsertAccount(db, settleAcctName, settleAcctId, journal::kReceiptOrPayment, billCode, accountType, date,
                          desp, companyName, receipt ? journal::kReceiptProject : journal::kPaymentProject, 1, amount,
                          error) < 0) {
            LogLine(error);
            return -1;
        }
        // The customer owes / the shop owes the supplier that much less.
        CSysBLL::GetSafeString(companyName);
        if (!companyName.IsEmpty()) {
            CCustomerBLL customers;
            int companyId = db.execScalar(
                Sql(L"select CompanyID from Companies where CompanyName = '%s'", Quoted(companyName)));
            if (companyId == 0) companyId = customers.InsertCompany(db, companyName, receipt ? 1 : 2, error);
            if (companyId < 0 || customers.DecCurrentAmount(db, companyId, amount, error) < 0) {
                LogLine(error);
                return -1;
            }
        }
        return UpdateAccountMonth(db, date, accountType, settleAcctName, settleAcctId, amount, error);
    });
}

int CAccountBLL::InsertAccountByRec(CppSQLite3DB& db, CString settleAcctName, int settleAcctId, CString companyName,
                                    CString date, CString billCode, CString desp, double amount, CString& error) {
    return InsertRecPay(db, true, settleAcctName, settleAcctId, companyName, date, billCode, desp, amount, error);
}

int CAccountBLL::InsertAccountByPay(CppSQLite3DB& db, CString settleAcctName, int settleAcctId, CString companyName,
                                    CString date, CString billCode, CString desp, double amount, CString& error) {
    return InsertRecPay(db, false, settleAcctName, settleAcctId, companyName, date, billCode, desp, amount, error);
}

int CAccountBLL::UpdateRecPay(CppSQLite3DB& db, bool receipt, int accountId, CString settleAcctName,
                              CString companyName, CString date, CString desp, double amount, CString& error,
                              int settleAcctId) {
    ServiceLock lock;
    return Guard(Report(error), -1, [&] {
        // The new receipt or payment keeps the bill code of the one it replaces.
        CString billCode;
        {
            CppSQLite3Query old = db.execQuery(Sql(L"select *from Account where AccountID= %d", accountId));
            if (!old.eof()) billCode = old.getStringField(L"AccountCode");
        }
        if (DeleteAccount(db, accountId, error, 1) < 0) return -1;
        return InsertRecPay(db, receipt, settleAcctName, settleAcctId, companyName, date, billCode, desp, amount,
                            error);
    });
}

int CAccountBLL::UpdateAccountByRec(CppSQLite3DB& db, int accountId, CString settleAcctName, CString companyName,
                                    CString date, CString desp, double amount, CString& error, CString /*unused*/,
                                    int settleAcctId) {
    return UpdateRecPay(db, true, accountId, settleAcctName, companyName, date, desp, amount, error, settleAcctId);
}

int CAccountBLL::UpdateAccountByPay(CppSQLite3DB& db, int accountId, CString settleAcctName, CString companyName,
                                    CString date, CString desp, double amount, CString& error, CString /*unused*/,
                                    int settleAcctId) {
    return UpdateRecPay(db, false, accountId, settleAcctName, companyName, date, desp, amount, error, settleAcctId);
}
