// CSysBLL: the shop's industry and the catalogue types it took over (UserSelProdType), and
// where their data packages are downloaded from.
#include "frame/ServiceFrame.h"

using namespace shopbiz;

namespace {

// Where the industry data packages live unless the host sets "IndustryDataURL"; the
// address of a package is this base, the type name (URL-encoded UTF-8) and ".rar".
constexpr const wchar_t* kDefaultIndustryDataURL = L"http://download.shopbiz.example/industry/";

CString UrlEncoded(const CString& text) {
    static const char* hex = "0123456789ABCDEF";
    CString out;
    for (unsigned char c : text.ToUtf8()) {
        bool unreserved = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
                          c == '_' || c == '.' || c == '~';
        if (unreserved) {
            out += static_cast<wchar_t>(c);
        } else {
            out += L'%';
            out += static_cast<wchar_t>(hex[c >> 4]);
            out += static_cast<wchar_t>(hex[c & 15]);
        }
    }
    return out;
}

}  // namespace

bool CSysBLL::IsSelectIndustry(CppSQLite3DB& db) {
    CppSQLite3Query store = db.execQuery(L"select * from SystemInfo");
    CString industry = store.eof() ? CString() : store.getStringField(L"Industry");
    store.finalize();
    if (industry.IsEmpty()) return false;
    return db.execScalar(Sql(L"select count(*) as cnt from SystemProdType where TypeName = '%s'", Quoted(industry))) > 0;
}

int CSysBLL::SaveIndustryInfo(CppSQLite3DB& db, CString industry, CString companyName, CString operMode,
                              CString downloadFlag, CString address, CString contact, CString /*unused*/) {
    const QuotedSlot ind = Quoted(industry), name = Quoted(companyName), mode = Quoted(operMode),
                     flag = Quoted(downloadFlag), addr = Quoted(address), link = Quoted(contact);
    if (db.execScalar(L"select count(*) from SystemInfo") > 0) {
        // The types chosen so far move with the store to its new industry.
        db.execDML(Sql(L"Update UserSelProdType set Industry='%s' where Industry in (select Industry from SystemInfo)", ind));
        db.execDML(Sql(L"update SystemInfo set Industry='%s',CompanyName ='%s', OperMode='%s',Field1 ='%s',"
                       L"StoreAddress ='%s',Contact ='%s'",
                       ind, name, mode, flag, addr, link));
    } else {
        const QuotedSlot today = Quoted(COleDateTime2CString(COleDateTime::GetCurrentTime()));
        db.execDML(Sql(L"insert into SystemInfo (Industry,CompanyName,OperMode,Version,Field1,StoreAddress,Contact,"
                       L"CreateDate,LastUpdateDate) values ('%s','%s','%s','1.0.0.1','%s','%s','%s','%s','%s')",
                       ind, name, mode, flag, addr, link, today, today));
    }
    return db.lastChanges();
}

int CSysBLL::DeleteIndustryType(CppSQLite3DB& db) {
    ServiceLock lock;
    return Guard(Log(L"DeleteIndustryType Err:%s"), -1, [&] {
        db.execDML(L"UPDATE SystemInfo SET Industry='';");
        db.execDML(L"DELETE FROM Products WHERE IsLocal=0");  // the products that came with the industry
        db.execDML(L"DELETE FROM UserSelProdType;");
        return 0;
    });
}

int CSysBLL::SaveSysProdInfo(CppSQLite3DB& db, CString typeName, CString industry) {
    const QuotedSlot type = Quoted(typeName), ind = Quoted(industry);
    if (db.execScalar(Sql(L"select count(*) from UserSelProdType where TypeName ='%s' and Industry='%s'", type, ind)) > 0)
        return 0;  // already chosen
    return db.execDML(Sql(L"insert into UserSelProdType (TypeName,Industry,CreateDate,LastUpdateDate) values "
                          L"('%s','%s','%s','2000-01-01')",
                          type, ind, Quoted(GetTimeNowShort())));
}

int CSysBLL::UpdateSysProdNetPriceDate(CppSQLite3DB& db, CString typeName, CString industry, CString date) {
    const QuotedSlot type = Quoted(typeName), ind = Quoted(industry);
    if (db.execScalar(Sql(L"select count(*) from UserSelProdType where TypeName ='%s' and Industry='%s'", type, ind)) < 1)
        return -1;
    return db.execDML(Sql(L"update UserSelProdType set LastUpdateDate='%s' where TypeName ='%s' and Industry='%s'",
                          Quoted(date), type, ind));
}

int CSysBLL::UpDateSysProdTypeFlag(CppSQLite3DB& db, CString typeName, CString date) {
    const QuotedSlot type = Quoted(typeName);
    db.execDML(Sql(L"Update UserSelProdType set IsImport = 1 where TypeName = '%s'", type));
    return db.execDML(Sql(L"Update UserSelProdType set LastUpdateDate='%s' where TypeName = '%s'", Quoted(date), type));
}

void CSysBLL::GetIndustryInfo(CppSQLite3DB& db, CStringArray& typeNames) {
    typeNames.RemoveAll();
    CppSQLite3Query q = db.execQuery(
        L"select * from UserSelProdType where IsImport = 0 and Industry in (select Industry from SystemInfo)");
    for (; !q.eof(); q.nextRow()) typeNames.Add(q.getStringField(L"TypeName"));
}

CppSQLite3Query CSysBLL::GetSysProdTypeInfo(CppSQLite3DB& db) {
    CppSQLite3Query result;
    result = db.execQuery(L"select * from UserSelProdType where Industry in (select Industry from SystemInfo)");
    return result;
}

int CSysBLL::GetUserSelProdTypeInfo(CppSQLite3DB& db, CStringArray& entries) {
    entries.RemoveAll();
    // A type missing from the catalogue is still listed, with an empty search code.
    CppSQLite3Query q = db.execQuery(
        L"select a.Industry as Industry,a.TypeName as TypeName,"
        L"ifnull((select b.SearchCode from SystemProdType b where b.TypeName = a.TypeName limit 1),'') as SearchCode,"
        L"a.LastUpdateDate as LastUpdateDate from UserSelProdType a "
        L"where a.Industry in (select Industry from SystemInfo) order by a.ID");
    for (; !q.eof(); q.nextRow()) {
        entries.Add(Fmt(L"%s;%s;%s;%s", q.getStringField(L"Industry"), q.getStringField(L"TypeName"),
                        q.getStringField(L"SearchCode"), q.getStringField(L"LastUpdateDate")));
    }
    return entries.GetSize();
}

CppSQLite3Query CSysBLL::GetSysIndustry(CppSQLite3DB& db) {
    CppSQLite3Query result;
    result = db.execQuery(L"select * from SystemInfo");
    return result;
}

CString CSysBLL::GetIndustryURL(CppSQLite3DB& db, CString typeName) {
    typeName.Trim();
    if (typeName.IsEmpty()) return CString();
    CString base = GetSysSettingForCString(db, L"IndustryDataURL", kDefaultIndustryDataURL);
    base.Trim();
    if (base.IsEmpty()) base = kDefaultIndustryDataURL;
    if (base.Right(1) != L"/") base += L"/";
    return base + UrlEncoded(typeName) + L".rar";
}
