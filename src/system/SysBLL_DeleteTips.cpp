// CSysBLL: the question the host asks before deleting a customer, supplier or other partner.
// A partner with business recorded cannot be deleted; while it is enabled and owes nothing
// the host may offer to switch it off instead.
#include <vector>

#include "frame/ServiceFrame.h"

using namespace shopbiz;

namespace {

// The business of one partner kind: what its bills and registrations are called and how
// they are counted.
struct PartnerKind {
    const wchar_t* noun;               // 客户 / 供应商
    const wchar_t* bills;              // 销售单 / 进货单
    const wchar_t* registrations;      // 收款登记 / 付款登记
    const wchar_t* countBills;
    const wchar_t* countRegistrations;
    const wchar_t* countJournal;
    const wchar_t* balance;
};

constexpr const wchar_t* kJournal = L"资金流水";

const PartnerKind kCustomer = {
    L"客户", L"销售单", L"收款登记",
    L"select count(*) from SaleBills where CompanyID =%d and IsSystem = 0",
    L"select count(*) from Account where ProjectType = 2 and AccountType = '收入' and CompanyID =%d",
    L"select count(*) from Account where ProjectType = 3 and AccountType = '收入' and CompanyID =%d",
    L"select CurAmount,IsDisable from Companies where CompanyType = 1 and CompanyID =%d"};

const PartnerKind kSupplier = {
    L"供应商", L"进货单", L"付款登记",
    L"select count(*) from PurBills where CompanyID =%d and IsSystem = 0",
    L"select count(*) from Account where ProjectType = 2 and AccountType = '支出' and CompanyID =%d",
    L"select count(*) from Account where ProjectType = 3 and AccountType = '支出' and CompanyID =%d",
    L"select CurAmount,IsDisable from Companies where CompanyType = 2 and CompanyID =%d"};

// Whether the partner may only be switched off: it is enabled and owes nothing.
bool MaySwitchOff(CppSQLite3DB& db, const wchar_t* balanceQuery, int companyID) {
    CppSQLite3Query partner = db.execQuery(Sql(balanceQuery, companyID));
    if (partner.eof()) return true;
    return partner.getStringField(L"IsDisable") != L"1" && partner.getFloatField(L"CurAmount") <= 0;
}

// The kinds found, as the question names them: "销售单，收款登记和资金流水", a pair (joined
// with "，" after the bills when offering to switch off, else with "和"), or one kind.
CString KindsFound(const std::vector<const wchar_t*>& kinds, bool billsFound, bool offer) {
    if (kinds.size() == 3) return Fmt(L"%s，%s和%s", kinds[0], kinds[1], kinds[2]);
    if (kinds.size() == 2) return Fmt(offer && billsFound ? L"%s，%s" : L"%s和%s", kinds[0], kinds[1]);
    return kinds[0];
}

int AskAboutPartner(CppSQLite3DB& db, const PartnerKind& kind, int companyID, CString& message) {
    const bool bills = db.execScalar(Sql(kind.countBills, companyID)) > 0;
    const bool registrations = db.execScalar(Sql(kind.countRegistrations, companyID)) > 0;
    const bool journal = db.execScalar(Sql(kind.countJournal, companyID)) > 0;
    std::vector<const wchar_t*> kinds;
    if (bills) kinds.push_back(kind.bills);
    if (registrations) kinds.push_back(kind.registrations);
    if (journal) kinds.push_back(kJournal);
    if (kinds.empty()) {
        message = Fmt(L"确认删除当前选中的%s吗？", kind.noun);
        return 1;
    }
    if (MaySwitchOff(db, kind.balance, companyID)) {
        message = Fmt(L"该%s已经发生业务(%s)，无法直接删除，但您可以直接停用该%s，确定立即停用吗？", kind.noun,
                      KindsFound(kinds, bills, true), kind.noun);
        return 2;
    }
    message = Fmt(L"无法删除已经发生业务(%s)的%s！", KindsFound(kinds, bills, false), kind.noun);
    return 0;
}

}  // namespace

int CSysBLL::GetTipsMsgByCompanies(CppSQLite3DB& db, int companyType, int companyID, CString& message) {
    if (companyType == 1) return GetTipsByCust(db, companyID, message);
    if (companyType == 2) return GetTipsBySuply(db, companyID, message);
    return GetTipsByOther(db, companyID, message);
}

int CSysBLL::GetTipsByCust(CppSQLite3DB& db, int companyID, CString& message) {
    ServiceLock lock;
    return Guard(Report(message, L"GetTipsByCust Err:%s"), -1,
                 [&] { return AskAboutPartner(db, kCustomer, companyID, message); });
}

int CSysBLL::GetTipsBySuply(CppSQLite3DB& db, int companyID, CString& message) {
    ServiceLock lock;
    return Guard(Report(message, L"GetTipsBySuply Err:%s"), -1,
                 [&] { return AskAboutPartner(db, kSupplier, companyID, message); });
}

int CSysBLL::GetTipsByOther(CppSQLite3DB& db, int companyID, CString& message) {
    ServiceLock lock;
    return Guard(Report(message, L"GetTipsByOther Err:%s"), -1, [&] {
        // Every kind of business a partner of any kind may have, named in this order; the
        // kinds not found stay empty in the question.
        const std::pair<const wchar_t*, const wchar_t*> kinds[] = {
            {L"进货单", kSupplier.countBills},
            {L"销售单", kCustomer.countBills},
            {kJournal, L"select count(*) from Account where ProjectType = 3 and CompanyID =%d"},
            {L"付款登记", kSupplier.countRegistrations},
            {L"收款登记", kCustomer.countRegistrations},
        };
        CString found[5];
        bool any = false;
        for (int i = 0; i < 5; ++i) {
            if (db.execScalar(Sql(kinds[i].second, companyID)) <= 0) continue;
            found[i] = kinds[i].first;
            any = true;
        }
        if (!any) {
            message = L"确认删除当前选中的项吗？";
            return 1;
        }
        const bool offer = MaySwitchOff(
            db, L"select CurAmount,IsDisable from Companies where CompanyType > 2 and CompanyID =%d", companyID);
        message = Fmt(offer ? L"已经发生业务(%s %s %s %s %s)，无法直接删除，但您可以直接停用它，确定立即停用吗？"
                            : L"无法删除已经发生业务(%s %s %s %s %s)的项！",
                      found[0], found[1], found[2], found[3], found[4]);
        return offer ? 2 : 0;
    });
}
