// CSysBLL: the key/value settings of SysSetting, and the two switches decided from the bills.
// Keys and values are stored exactly as given (quotes included).
#include "common/SysBLLEx.h"
#include "frame/CallMemo.h"
#include "frame/ServiceFrame.h"

using namespace shopbiz;

namespace {

SqlText SettingQuery(const CString& key) {
    return Sql(L"SELECT SettingVal FROM  SysSetting  WHERE SettingType='%s' ", Quoted(key));
}

// The setting's row, read once per call where the call keeps a memo.
CallMemo::Setting ReadSetting(CppSQLite3DB& db, const CString& key) {
    CallMemo* memo = CallMemo::Of(db);
    if (memo)
        if (const CallMemo::Setting* kept = memo->FindSetting(key)) return *kept;
    CallMemo::Setting setting;
    CppSQLite3Query row = db.execQuery(SettingQuery(key));
    if (!row.eof()) {
        setting.present = true;
        setting.isNull = row.fieldIsNull(0);
        setting.text = row.fieldValue(0);
        setting.number = row.getIntField(0, 0);
    }
    if (memo) memo->KeepSetting(key, setting);
    return setting;
}

}  // namespace

CString CSysBLL::GetSysSetting(CppSQLite3DB& db, CString key) {
    const CallMemo::Setting s = ReadSetting(db, key);
    return s.present && !s.isNull ? s.text : CString();
}

int CSysBLL::GetSysSettingForint(CppSQLite3DB& db, CString key, int defaultValue) {
    const CallMemo::Setting s = ReadSetting(db, key);
    return s.present && !s.isNull ? s.number : defaultValue;
}

CString CSysBLL::GetSysSettingForCString(CppSQLite3DB& db, CString key, CString defaultValue) {
    const CallMemo::Setting s = ReadSetting(db, key);
    if (!s.present) return defaultValue;
    return s.isNull ? CString() : s.text;
}

int CSysBLL::UpdateSysSetting(CppSQLite3DB& db, CString key, CString value) {
    CallMemo::ForgetSettings(db);
    const QuotedSlot k = Quoted(key), v = Quoted(value);
    if (db.execScalar(Sql(L" SELECT COUNT(*)  FROM  SysSetting  WHERE SettingType='%s' ", k)) > 0)
        return db.execDML(Sql(L"UPDATE SysSetting SET SettingVal='%s' WHERE SettingType='%s' ", v, k));
    return db.execDML(Sql(L"INSERT INTO  SysSetting (SettingType,SettingVal) VALUES('%s' ,'%s' )", k, v));
}

int CSysBLL::GetFunState(CppSQLite3DB& db, CString key) {
    CppSQLite3Query row = db.execQuery(SettingQuery(key));
    if (!row.eof()) return row.getIntField(0, 0);
    row.finalize();
    CallMemo::ForgetSettings(db);
    db.execDML(Sql(L"INSERT INTO SysSetting(SettingType,SettingVal)VALUES('%s',0);", Quoted(key)));
    return 0;
}

int CSysBLL::SetFunState(CppSQLite3DB& db, CString key, int state) {
    CallMemo::ForgetSettings(db);
    return db.execDML(Sql(L"UPDATE  SysSetting Set SettingVal='%d' WHERE  SettingType='%s' ", state, Quoted(key)));
}

int CSysBLL::GetSysSetting_SaleBillType(CppSQLite3DB& db) {
    int billType = GetSysSettingForint(db, L"BillType", -1);
    if (billType != -1) return billType;
    // Not decided yet: take whichever kind the shop has posted more of (sales on a tie).
    int sales = db.execScalar(L"SELECT COUNT(*) AS S  FROM SaleBills WHERE BillType=1;");
    int returns = db.execScalar(L"SELECT COUNT(*) AS S  FROM SaleBills WHERE BillType=2;");
    billType = returns > sales ? 2 : 1;
    UpdateSysSetting(db, L"BillType", billType == 2 ? L"2" : L"1");
    return billType;
}

int CSysBLL::IsUseDiscountRate(CppSQLite3DB& db) {
    ServiceLock lock;
    return Guard(Log(L"IsUseDiscountRate Err:%s"), 0, [&] {
        if (!db.execQuery(L"select * from PurBills where ifnull(DisCountRate,1)<1;").eof()) return 1;
        if (!db.execQuery(L"select * from SaleBills where ifnull(DisCountRate,1)<1;").eof()) return 1;
        return 0;
    });
}

CString CSysBLLEx::GetSysSetting(CppSQLite3DB& db, CString key) {
    ServiceLock lock;
    return Guard(Log(L"GetSysSetting Err:%s"), CString(), [&] { return CSysBLL().GetSysSetting(db, key); });
}
