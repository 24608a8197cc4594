// CSysBLL: the store row of SystemInfo (description, version, hours of use, SMS signature,
// the safe e-mail and QQ number, the backup account and the installation identifier).
#include "frame/ServiceFrame.h"
#include "frame/SqlEscape.h"
#include "platform/Guid.h"

using namespace shopbiz;

namespace {

bool IsPlainIdentifier(const CString& name) {
    if (name.IsEmpty()) return false;
    for (int i = 0; i < name.GetLength(); ++i) {
        wchar_t c = name[i];
        bool ok = (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z') || c == L'_' || (i > 0 && c >= L'0' && c <= L'9');
        if (!ok) return false;
    }
    return true;
}

CString GuidText(const Guid& g, const CString& suffix) {
    const wchar_t* format = suffix.IsEmpty() ? L"%x-%x-%x-%02x%02x-%02x%02x%02x%02x%02x%02x"
                                             : L"%x-%x-%x-%02x%02x-%02x%02x%02x%02x%02x%02x-%s";
    CString text;
    text.Format(format, g.Data1, g.Data2, g.Data3, g.Data4[0], g.Data4[1], g.Data4[2], g.Data4[3], g.Data4[4],
                g.Data4[5], g.Data4[6], g.Data4[7], suffix);
    return text;
}

}  // namespace

// --- Store description ----------------------------------------------------------------------

CString CSysBLL::GetSystemInfo(CppSQLite3DB& db, CString column) {
    ServiceLock lock;
    return LogOnErrorAs(L"GetSystemInfo Error:%s", CString(), [&] {
        CppSQLite3Query row = db.execQuery(L"select * from SystemInfo ");
        return row.eof() ? CString() : row.getStringField(column);
    });
}

int CSysBLL::SaveSystemInfo(CppSQLite3DB& db, CString column, CString value) {
    ServiceLock lock;
    return LogOnErrorAs(L"SaveSystemInfo Error:%s", -1, [&] {
        // The column name goes into the statement as it is, so it must be a bare name.
        if (!IsPlainIdentifier(column)) throw CppSQLite3Exception(1, L"invalid column name: " + column);
        return db.execDML(Sql(L"update SystemInfo set %s = '%s' ", column, EscapeQuotes(value)));
    });
}

int CSysBLL::GetStoreInfo(CppSQLite3DB& db, CString& industry, CString& operMode, CString& typeNames) {
    ServiceLock lock;
    return LogOnErrorAs(L"GetStoreInfo Err:%s", 0, [&] {
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
    CppSQLite3Query result;
    result = LogOnErrorAs(L"GetStoreInfo Err:%s", CppSQLite3Query(), [&] { return db.execQuery(L"select * from SystemInfo "); });
    return result;
}

CString CSysBLL::GetAppVersion(CppSQLite3DB& db) {
    CString version = db.execScalarStr(L"select Version from SystemInfo limit 1");
    return version.IsEmpty() ? CString(L"1.0.0.1") : version;
}

int CSysBLL::SaveNewAppVersion(CppSQLite3DB& db, CString version) {
    return db.execDML(Sql(L"update SystemInfo set Version='%s' ", EscapeQuotes(version)));
}

int CSysBLL::AddUsedHour(CppSQLite3DB& db, double hours) {
    return CatchAllErrors(L"CSysBLL::AddUsedHour() 异常.", -1,
                          [&] { return db.execDML(Sql(L"UPDATE SystemInfo SET TotalHour=TotalHour+%.02lf", hours)); });
}

double CSysBLL::GetUsedHour(CppSQLite3DB& db) {
    return CatchAllErrors(L"CSysBLL::GetUsedHour() 异常.", 0.0, [&] {
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
    return db.execDML(Sql(L"update SystemInfo set Field4='%s' ", sign));
}

// --- Safe e-mail and QQ number for password reminders ---------------------------------------

CString CSysBLL::GetSafeEmail(CppSQLite3DB& db) {
    ServiceLock lock;
    return LogOnErrorAs(L"GetSafeEmail Error:%s", CString(),
                        [&] { return db.execScalarStr(L"select SafeEmail from SystemInfo "); });
}

int CSysBLL::UpdateSafeEmail(CppSQLite3DB& db, CString address) {
    ServiceLock lock;
    return LogOnErrorAs(L"UpdateSafeEmail Error:%s", -1, [&] {
        return db.execDML(Sql(L"update SystemInfo set SafeEmail = '%s' ", EscapeQuotes(address)));
    });
}

CString CSysBLL::GetSafeQQ(CppSQLite3DB& db) {
    ServiceLock lock;
    return LogOnErrorAs(L"GetSafeQQ Error:%s", CString(), [&] { return db.execScalarStr(L"select Field3 from SystemInfo "); });
}

int CSysBLL::UpdateSafeQQ(CppSQLite3DB& db, CString number) {
    ServiceLock lock;
    return LogOnErrorAs(L"UpdateSafeQQ Error:%s", -1, [&] {
        return db.execDML(Sql(L"update SystemInfo set Field3 = '%s' ", EscapeQuotes(number)));
    });
}

int CSysBLL::ValidateSafeEmail(CppSQLite3DB& db, CString text) {
    ServiceLock lock;
    GetSafeString(text);
    if (text.IsEmpty()) return 0;
    return LogOnErrorAs(L"ValidateSafeEmail Error:%s", 0, [&] {
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
    return LogOnErrorAs(L"GetKuaipanAccount Error:%s", CString(),
                        [&] { return db.execScalarStr(L"select Field5 from SystemInfo "); });
}

int CSysBLL::SaveKuaipanAccount(CppSQLite3DB& db, CString account) {
    ServiceLock lock;
    return LogOnErrorAs(L"SaveKuaipanAccount Error:%s", -1, [&] {
        return db.execDML(Sql(L"update SystemInfo set Field5='%s' ", EscapeQuotes(account)));
    });
}

// --- Flags ----------------------------------------------------------------------------------

int CSysBLL::GetIsIncludeNetProd(CppSQLite3DB& db) { return db.execScalar(L" SELECT IsIncludeNet FROM SystemInfo LIMIT 1;"); }

int CSysBLL::UpdateIsIncludeNetProd(CppSQLite3DB& db, int include) {
    return db.execDML(Sql(L" UPDATE SystemInfo SET  IsIncludeNet=%d ;", include));
}

int CSysBLL::UpdateSysDownLaodFlag(CppSQLite3DB& db, CString flag) {
    return db.execDML(Sql(L" UPDATE SystemInfo SET  Field1='%s' ;", EscapeQuotes(flag)));
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
    return db.execDML(Sql(L"UPDATE  SystemInfo SET SysGUID='%s' ", EscapeQuotes(id)));
}
