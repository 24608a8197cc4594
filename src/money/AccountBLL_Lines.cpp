// CAccountBLL: writing a journal line, choosing its ID, reading one back.
#include "frame/ServiceFrame.h"
#include "masterdata/BaseBLL.h"
#include "masterdata/CustomerBLL.h"
#include "members/MemberBLL.h"
#include "money/AccountBLL.h"
#include "money/JournalTexts.h"

using namespace shopbiz;

namespace {

constexpr const wchar_t* kInsertColumns =
    L"insert into [Account]( [AccountID], [AccountDate], [AccountCode], [CompanyID], [CompanyCode], [CompanyName], "
    L"[SettleAcctID], [SettleAcctName], [ProjectID], [ProjectName], [ProjectType], [AccountType], [InAmount], "
    L"[OutAmount], [AccountDesp], [IsSystem], [IsDelete], [SyncState], [UserID], [UserName], [CreateDate], "
    L"[LastUpdateDate], [Remark]) ";

// The line takes the partner's and the project's keys from their rows, so it is written
// only when they exist.
constexpr const wchar_t* kSelectWithPartner =
    L"select %d,'%s','%s',a.CompanyID,a.CompanyCode,'%s',%d,'%s',b.ProjectID,'%s',%d,'%s', "
    L"%.08lf,%.08lf,'%s',%d,0,0,'','','%s','%s','' from Companies a,Project b where a.CompanyName='%s' and "
    L"b.ProjectName='%s'";
constexpr const wchar_t* kSelectWithoutPartner =
    L"select %d,'%s','%s','','','%s',%d,'%s',b.ProjectID,'%s',%d,'%s', "
    L"%.08lf,%.08lf,'%s',%d,0,0,'','','%s','%s','' from Project b where b.ProjectName='%s'";

}  // namespace

int CAccountBLL::GetAccoutIDByRecPay(CppSQLite3DB& db, CString /*companyName*/, CString billCode) {
    if (!billCode.IsEmpty()) {
        CppSQLite3Query line = db.execQuery(
            Sql(L"select * from Account where AccountCode='%s' And AccountCode<>'' ", Quoted(billCode)));
        if (!line.eof()) return line.getIntField(L"AccountID");
    }
    int id = db.execScalar(L"select (seq+1) as AccountID from sqlite_sequence where Name='Account'");
    {
        CppSQLite3Query taken =
            db.execQuery(Sql(L"select (case when AccountID=%d then (select Max(AccountID)+1 from "
                             L"Account) else %d end) as AccountID from Account where AccountID=%d",
                             id, id, id));
        if (!taken.eof()) id = taken.getIntField(0);
    }
    // No sequence yet: the first ID of the table (which is 1 while it is empty).
    if (id == 0) id = db.execScalar(L"select ifnull(Max(AccountID),0)+1 from Account");
    return id;
}

int CAccountBLL::InsertAccount(CppSQLite3DB& db, CString settleAcctName, int settleAcctId, int projectType,
                               CString billCode, CString accountType, CString date, CString desp, CString companyName,
                               CString projectName, int isSystem, double amount, CString& error) {
    ServiceLock lock;
    return Guard(Report(error), -1, [&] {
        CSysBLL sys;
        const CString now = sys.GetTimeNowLong();
        const bool income = accountType == journal::kIncome;
        const double inAmount = income ? amount : 0.0;
        const double outAmount = income ? 0.0 : amount;
        // Partners are stored under their safe name; look them up and create them the same way.
        CSysBLL::GetSafeString(companyName);

        if (!projectName.IsEmpty() &&
            db.execScalar(Sql(L"select count(*) from Project where IsDisable =0 and ProjectName = '%s' and "
                              L"AccountType = '%s'",
                              Quoted(projectName), Quoted(accountType))) == 0) {
            error = L"";
            int status = 0;
            CBaseBLL baseBLL;
            baseBLL.InsertProject(db, projectName, accountType, status, 0, error);
            if (!error.IsEmpty()) {
                if (status == 1) {
                    error = CString(L"收支项目名称为“") + projectName + L"”已经存在，请确认!";
                    return -3;
                }
                if (status == 2) {
                    // The project was switched off: switch it on again.
                    const int projectId = db.execScalar(
                        Sql(L"select ProjectID from Project where IsDisable =1 and  ProjectName = '%s' and "
                            L"AccountType = '%s'; ",
                            Quoted(projectName), Quoted(accountType)));
                    error = L"";
                    baseBLL.DisableProject(db, projectId, false, error);
                }
            }
        }

        const bool withPartner = !companyName.IsEmpty();
        if (withPartner && db.execScalar(Sql(L"select count(*) from Companies where CompanyName = '%s'",
                                             Quoted(companyName))) == 0) {
            if (CCustomerBLL().InsertCompany(db, companyName, income ? 1 : 2, error) < 0) {
                error = CString(L"新增往来单位名称为“") + companyName + L"”失败!";
                return -2;
            }
        }

        const int accountId = GetAccoutIDByRecPay(db, companyName, billCode);
        const QuotedSlot code = Quoted(billCode), partner = Quoted(companyName), settle = Quoted(settleAcctName),
                         project = Quoted(projectName), type = Quoted(accountType), day = Quoted(date),
                         text = Quoted(desp), stamp = Quoted(now);
        SqlText sql = kInsertColumns;
        if (withPartner)
            sql += Sql(kSelectWithPartner, accountId, day, code, partner, settleAcctId, settle, project, projectType,
                       type, inAmount, outAmount, text, isSystem, stamp, stamp, partner, project);
        else
            sql += Sql(kSelectWithoutPartner, accountId, day, code, partner, settleAcctId, settle, project, projectType,
                       type, inAmount, outAmount, text, isSystem, stamp, stamp, project);
        LogLine(sql);
        const int status = db.execDML(sql);

        if (income && !billCode.IsEmpty())
            CMemberBLL().AddMoneytoSocre(db, companyName, billCode, Fmt(L"%0.2lf", amount));

        const CString newKey = db.execScalarStr(L" SELECT  MAX(AccountID) FROM  Account ;");
        sys.AddOperateData(db, L"Account", L"AccountID", newKey, L"A");
        return status;
    });
}

int CAccountBLL::GetZJZKInfo(CppSQLite3DB& db, int accountId, CString& accountType, CString& settleAcctName,
                             CString& amount, CString& other) {
    ServiceLock lock;
    return Guard(Log(), -1, [&] {
        other = L"";
        CppSQLite3Query line =
            db.execQuery(Sql(L"Select * from Account where AccountID=%d Order by AccountID", accountId));
        if (line.eof()) {
            accountType = settleAcctName = amount = L"";
            return 1;
        }
        accountType = line.getStringField(L"AccountType");
        settleAcctName = line.getStringField(L"SettleAcctName");
        amount = line.fieldValue(accountType == journal::kIncome ? L"InAmount" : L"OutAmount");
        return 1;
    });
}

bool CAccountBLL::IsExist(CppSQLite3DB& db, int accountId) {
    ServiceLock lock;
    return Guard(Log(), false, [&] {
        return db.execScalar(Sql(L"select count(*) from Account where AccountID=%d ", accountId)) > 0;
    });
}
