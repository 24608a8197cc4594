// CSysBLL: the store row of SystemInfo (description, version, hours of use, SMS signature,
// the safe e-mail and QQ number, the backup account and the installation identifier).
#include "frame/ServiceFrame.h"
#include "platform/Guid.h"

using namespace shopbiz;

namespace {

// The columns of the store row that SaveSystemInfo may write; the name goes into the
// statement unquoted, so only these ever reach it.
constexpr const wchar_t* kStoreColumns[] = {
    L"CompanyName", L"Industry", L"OperMode", L"StoreAddress", L"Contact", L"Version", L"Field1", L"Field2",
    L"Field3", L"Field4", L"Field5", L"SafeEmail", L"TotalHour", L"IsIncludeNet", L"SysGUID", L"CreateDate",
    L"LastUpdateDate"};

// The store column of that name (SQL names ignore ASCII case); null when there is none.
const wchar_t* StoreColumn(const CString& name) {
    for (const wchar_t* column : kStoreColumns)
        if (name.CompareNoCase(column) == 0) return column;
    return nullptr;
}

CString GuidText(const Guid& g, const CString& suffix) {
    const wchar_t* format = suffix.IsEmpty() ? L"%x-%x-%x-%02x%02x-%02x%02x%02x%02x%02x%02x"
                                             : L"%x-%x-%x-%02x%02x-%02x%02x%02x%02x%02x%02x-%s";
    return Fmt(format, g.Data1, g.Data2, g.Data3, g.Data4[0], g.Data4[1], g.Data4[2], g.Data4[3], g.Data4[4],
               g.Data4[5], g.Data4[6], g.Data4[7], suffix);
}

}  // namespace

// --- Store description ----------------------------------------------------------------------

CString CSysBLL::GetSystemInfo(CppSQLite3DB& db, CString column) {
    ServiceLock lock;
    return Guard(Log(L"GetSystemInfo Error:%s"), CString(), [&] {
        CppSQLite3Query row = db.execQuery(L"select * from SystemInfo ");
        return row.eof() ? CString() : row.getStringField(column);
    });
}

int CSysBLL::SaveSystemInfo(CppSQLite3DB& db, CString column, CString value) {
    ServiceLock lock;
    return Guard(Log(L"SaveSystemInfo Error:%s"), -1, [&] {
        const wchar_t* storeColumn = StoreColumn(column);
        if (!storeColumn) throw CppSQLite3Exception(1, L"invalid column name: " + column);
        return db.execDML(Sql(L"update SystemInfo set %s = '%s' ", storeColumn, Quoted(value)));
    });
}

int CSysBLL::GetStoreInfo(CppSQLite3DB& db, CString& industry, CString& operMode, CString& typeNames) {
    ServiceLock lock;
    return Guard(Log(L"GetStoreInfo Err:%s"), 0, [&] {
        industry.Empty();
        operMode.Empty();
        typeNames.Empty();
        CppSQLite3Query store = db.execQuery(L"select Industry,OperMode,SafeEmail,Contact,StoreAddress from SystemInfo");
        if (!store.eof()) {
            industry = store.getStringField(L"Industry");
            operMode = store.getStringField(L"OperMode");
        }
        store.finalize();
        CppSQLite3Query types = db.execQuery(
            L"select a.Industry as Industry,a.OperMode as OperMode,b.TypeName as TypeName from SystemInfo as a left "
            L"join UserSelProdType as b on a.Industry = b.Industry");
        for (; !types.eof(); types.nextRow()) {
            CString name = types.getStringField(L"TypeName");
            if (name.IsEmpty()) continue;  // the store row without any chosen type
            if (!typeNames.IsEmpty()) typeNames += L"|";
            typeNames += name;
        }
        return 1;
    });
}

CppSQLite3Query CSysBLL::GetStoreInfo(CppSQLite3DB& db) {
    ServiceLock lock;
    return Guard(Log(L"GetStoreInfo Err:%s"), CppSQLite3Query(),
                 [&] { return db.execQuery(L"select * from SystemInfo "); });
}

CString CSysBLL::GetAppVersion(CppSQLite3DB& db) {
    CString version = db.execScalarStr(L"select Version from SystemInfo limit 1");
    return version.IsEmpty() ? CString(L"1.0.0.1") : version;
}

int CSysBLL::SaveNewAppVersion(CppSQLite3DB& db, CString version) {
    return db.execDML(Sql(L"update SystemInfo set Version='%s' ", Quoted(version)));
}

int CSysBLL::AddUsedHour(CppSQLite3DB& db, double hours) {
    return Guard(CatchAll(L"CSysBLL::AddUsedHour() 异常."), -1,
                 [&] { return db.execDML(Sql(L"UPDATE SystemInfo SET TotalHour=TotalHour+%.02lf", hours)); });
}

double CSysBLL::GetUsedHour(CppSQLite3DB& db) {
    return Guard(CatchAll(L"CSysBLL::GetUsedHour() 异常."), 0.0, [&] {
        CppSQLite3Query row = db.execQuery(L"select TotalHour from SystemInfo limit 1");
        return row.eof() ? 0.0 : row.getFloatField(0, 0.0);
    });
}

CString CSysBLL::GetSMSSign(CppSQLite3DB& db) {
    CppSQLite3Query row = db.execQuery(L"select Field4,CompanyName from SystemInfo limit 1");
    if (row.eof()) return CString();
    CString sign = row.getStringField(L"Field4");
    return sign.IsEmpty() ? row.getStringField(L"CompanyName") : sign;
}

int CSysBLL::SaveSMSSign(CppSQLite3DB& db, CString sign) {
    GetSafeString(sign);
    return db.execDML(Sql(L"update SystemInfo set Field4='%s' ", Quoted(sign)));
}

// --- Safe e-mail and QQ number for password reminders ---------------------------------------

CString CSysBLL::GetSafeEmail(CppSQLite3DB& db) {
    ServiceLock lock;
    return Guard(Log(L"GetSafeEmail Error:%s"), CString(),
                        [&] { return db.execScalarStr(L"select SafeEmail from SystemInfo "); });
}

int CSysBLL::UpdateSafeEmail(CppSQLite3DB& db, CString address) {
    ServiceLock lock;
    return Guard(Log(L"UpdateSafeEmail Error:%s"), -1, [&] {
        return db.execDML(Sql(L"update SystemInfo set SafeEmail = '%s' ", Quoted(address)));
    });
}

CString CSysBLL::GetSafeQQ(CppSQLite3DB& db) {
    ServiceLock lock;
    return Guard(Log(L"GetSafeQQ Error:%s"), CString(), [&] { return db.execScalarStr(L"select Field3 from SystemInfo "); });
}

int CSysBLL::UpdateSafeQQ(CppSQLite3DB& db, CString number) {
    ServiceLock lock;
    return Guard(Log(L"UpdateSafeQQ Error:%s"), -1, [&] {
        return db.execDML(Sql(L"update SystemInfo set Field3 = '%s' ", Quoted(number)));
    });
}

int CSysBLL::ValidateSafeEmail(CppSQLite3DB& db, CString text) {
    ServiceLock lock;
    GetSafeString(text);
    if (text.IsEmpty()) return 0;
    return Guard(Log(L"ValidateSafeEmail Error:%s"), 0, [&] {
        CppSQLite3Query row = db.execQuery(L"select SafeEmail,Field3 from SystemInfo limit 1");
        if (row.eof()) return 0;
        const CString email = row.getStringField(L"SafeEmail");
        const CString qq = row.getStringField(L"Field3");
        // Mail addresses are compared without regard to case; a QQ mail address also
        // accepts its number, the part before the at sign.
        if (!email.IsEmpty() && text.CompareNoCase(email) == 0) return 1;
        if (!qq.IsEmpty() && text == qq) return 1;
        CString lowerEmail = email;
        lowerEmail.MakeLower();
        int at = email.Find(L'@');
        if (at > 0 && lowerEmail.Find(L"qq.com", at) > at && text == email.Left(at)) return 1;
        return 0;
    });
}

void CSysBLL::GetContactMail(CppSQLite3DB& db, CString& contact, CString& email) {
    CppSQLite3Query row = db.execQuery(L"SELECT * FROM SystemInfo");
    contact = row.eof() ? CString() : row.getStringField(L"Contact");
    email = row.eof() ? CString() : row.getStringField(L"SafeEmail");
}

CString CSysBLL::GetKuaipanAccount(CppSQLite3DB& db) {
    ServiceLock lock;
    return Guard(Log(L"GetKuaipanAccount Error:%s"), CString(),
                        [&] { return db.execScalarStr(L"select Field5 from SystemInfo "); });
}

int CSysBLL::SaveKuaipanAccount(CppSQLite3DB& db, CString account) {
    ServiceLock lock;
    return Guard(Log(L"SaveKuaipanAccount Error:%s"), -1, [&] {
        return db.execDML(Sql(L"update SystemInfo set Field5='%s' ", Quoted(account)));
    });
}

// --- Flags ----------------------------------------------------------------------------------

int CSysBLL::GetIsIncludeNetProd(CppSQLite3DB& db) { return db.execScalar(L" SELECT IsIncludeNet FROM SystemInfo LIMIT 1;"); }

int CSysBLL::UpdateIsIncludeNetProd(CppSQLite3DB& db, int include) {
    return db.execDML(Sql(L" UPDATE SystemInfo SET  IsIncludeNet=%d ;", include));
}

int CSysBLL::UpdateSysDownLaodFlag(CppSQLite3DB& db, CString flag) {
    return db.execDML(Sql(L" UPDATE SystemInfo SET  Field1='%s' ;", Quoted(flag)));
}

// --- Installation identifier ----------------------------------------------------------------

void CSysBLL::GetUserGUID(CppSQLite3DB& db, CString& id, CString suffix) {
    suffix = suffix.Left(10);
    CString guid = db.execScalarStr(L"SELECT SysGUID  FROM SystemInfo LIMIT 1;");
    // Identifiers of older installations carry no marker; they are replaced.
    if (guid.Find(L"_ZUM") < 0) {
        db.execDML(L"update SystemInfo set  SysGUID = '' ;");
        guid.Empty();
    }
    if (guid.IsEmpty()) {
        guid = GuidText(NewRandomGuid(), suffix);
        SetUserGUID(db, guid);
    }
    id = guid;
}

int CSysBLL::SetUserGUID(CppSQLite3DB& db, CString id) {
    return db.execDML(Sql(L"UPDATE  SystemInfo SET SysGUID='%s' ", Quoted(id)));
}
