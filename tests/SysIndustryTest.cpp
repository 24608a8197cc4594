// The shop's industry and chosen catalogue types, print templates, the XML store, SMS
// templates and store test projects.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "support/ShopDbTest.h"

namespace {

using Lines = std::vector<CString>;

class SysIndustry : public ShopDbTest {
protected:
    // The named columns of every row: fields joined by ',', rows by '|'.
    static CString Rows(CppSQLite3Query q, std::initializer_list<const wchar_t*> columns) {
        CString out;
        for (bool first = true; !q.eof(); q.nextRow(), first = false) {
            const wchar_t* separator = first ? L"" : L"|";
            for (const wchar_t* column : columns) {
                out += separator + q.getStringField(column);
                separator = L",";
            }
        }
        return out;
    }
    CSysBLL sys;
};

TEST_F(SysIndustry, ChoosingAnIndustryMovesTheChosenTypes) {
    Exec(L"INSERT INTO SystemProdType (TypeName, ParentID, SearchCode) VALUES ('服装', 0, 'FZ'), ('男装', 1, 'NZ'), "
         L"('童装', 1, 'TZ'), ('鞋帽', 0, 'XM')");
    EXPECT_FALSE(sys.IsSelectIndustry(db));
    EXPECT_EQ(sys.SaveIndustryInfo(db, L"服装", L"老王's 店", L"零售", L"0", L"北京路1号", L"王", L"ignored"), 1);
    EXPECT_EQ(Text(L"SELECT Industry||'|'||CompanyName||'|'||OperMode||'|'||Field1||'|'||StoreAddress||'|'||Contact "
                   L"FROM SystemInfo"),
              L"服装|老王's 店|零售|0|北京路1号|王");
    EXPECT_TRUE(sys.IsSelectIndustry(db));
    for (const wchar_t* type : {L"男装", L"男装", L"童装"}) EXPECT_EQ(sys.SaveSysProdInfo(db, type, L"服装"), 0);
    EXPECT_EQ(sys.SaveSysProdInfo(db, L"手机", L"数码"), 0);
    EXPECT_EQ(Text(L"SELECT group_concat(TypeName||' '||CreateDate||' '||LastUpdateDate||' '||IsImport, '|') FROM "
                   L"UserSelProdType WHERE Industry='服装'"),
              L"男装 2013-05-06 2000-01-01 0|童装 2013-05-06 2000-01-01 0");  // once only

    // A new industry takes the store's chosen types along.
    EXPECT_EQ(sys.SaveIndustryInfo(db, L"鞋帽", L"老王's 店", L"批发", L"1", L"", L"", L""), 1);
    EXPECT_EQ(Text(L"SELECT group_concat(Industry) FROM UserSelProdType"), L"鞋帽,鞋帽,数码");
    // An industry missing from the catalogue does not count as chosen.
    sys.SaveIndustryInfo(db, L"不存在", L"店", L"", L"", L"", L"", L"");
    EXPECT_FALSE(sys.IsSelectIndustry(db));
    // Without a store row, saving creates it.
    Exec(L"DELETE FROM SystemInfo");
    EXPECT_EQ(sys.SaveIndustryInfo(db, L"服装", L"小店", L"零售", L"0", L"路", L"王", L""), 1);
    EXPECT_EQ(Text(L"SELECT group_concat(Industry||'|'||Version||'|'||CreateDate||'|'||LastUpdateDate) "
                   L"FROM SystemInfo"),
              L"服装|1.0.0.1|2013-05-06|2013-05-06");
}

TEST_F(SysIndustry, DroppingTheIndustryKeepsTheShopsOwnProducts) {
    Exec(L"UPDATE SystemInfo SET Industry='服装'");
    Exec(L"INSERT INTO Products (IsLocal) VALUES (1), (0), (0)");
    sys.SaveSysProdInfo(db, L"男装", L"服装");
    EXPECT_EQ(sys.DeleteIndustryType(db), 0);
    EXPECT_EQ(Text(L"SELECT Industry FROM SystemInfo"), L"");
    EXPECT_EQ(Text(L"SELECT group_concat(IsLocal) FROM Products"), L"1");
    EXPECT_EQ(Int(L"SELECT count(*) FROM UserSelProdType"), 0);
    Exec(L"DROP TABLE UserSelProdType");
    EXPECT_EQ(sys.DeleteIndustryType(db), -1);
    EXPECT_EQ(TakeLog(), Lines{L"DeleteIndustryType Err:no such table: UserSelProdType"});
}

TEST_F(SysIndustry, ChosenTypesAndTheirDates) {
    Exec(L"UPDATE SystemInfo SET Industry='服装'");
    Exec(L"INSERT INTO SystemProdType (TypeName, SearchCode) VALUES ('男装', 'NZ'), ('女装', 'NVZ')");
    // 自定 is not in the catalogue, 手机 of another industry.
    for (const wchar_t* type : {L"男装", L"女装", L"自定"}) sys.SaveSysProdInfo(db, type, L"服装");
    sys.SaveSysProdInfo(db, L"手机", L"数码");
    EXPECT_EQ(sys.UpdateSysProdNetPriceDate(db, L"女装", L"服装", L"2013-05-01"), 0);
    EXPECT_EQ(sys.UpdateSysProdNetPriceDate(db, L"女装", L"数码", L"2013-05-02"), -1);
    EXPECT_EQ(sys.UpDateSysProdTypeFlag(db, L"男装", L"2013-05-03"), 0);

    CStringArray entries, notImported;
    EXPECT_EQ(sys.GetUserSelProdTypeInfo(db, entries), 3);
    EXPECT_EQ(entries[0] + L"|" + entries[1] + L"|" + entries[2],
              L"服装;男装;NZ;2013-05-03|服装;女装;NVZ;2013-05-01|服装;自定;;2000-01-01");
    notImported.Add(L"stale");
    sys.GetIndustryInfo(db, notImported);
    ASSERT_EQ(notImported.GetSize(), 2);
    EXPECT_EQ(notImported[0] + L"|" + notImported[1], L"女装|自定");
    EXPECT_EQ(Rows(sys.GetSysProdTypeInfo(db), {L"TypeName"}), L"男装|女装|自定");
    EXPECT_EQ(Rows(sys.GetSysIndustry(db), {L"Industry"}), L"服装");

    // The store's industry, mode and chosen types.
    CString industry, mode, types;
    Exec(L"UPDATE SystemInfo SET OperMode='零售'");
    EXPECT_EQ(sys.GetStoreInfo(db, industry, mode, types), 1);
    EXPECT_EQ(industry + L"|" + mode, L"服装|零售");
    CStringArray chosen;
    sys.splitString(types, '|', chosen);
    std::multiset<std::wstring> names;  // in no particular order
    for (int i = 0; i < chosen.GetSize(); ++i) names.insert(chosen[i].str());
    EXPECT_EQ(names, (std::multiset<std::wstring>{L"男装", L"女装", L"自定"})) << types;
    EXPECT_EQ(Rows(sys.GetStoreInfo(db), {L"Industry", L"OperMode"}), L"服装,零售");
    Exec(L"DROP TABLE UserSelProdType");
    EXPECT_EQ(sys.GetStoreInfo(db, industry, mode, types), 0);
    EXPECT_EQ(TakeLog(), Lines{L"GetStoreInfo Err:no such table: UserSelProdType"});
}

TEST_F(SysIndustry, DownloadAddressOfATypePackage) {
    const wchar_t* base = L"http://download.shopbiz.example/industry/";
    EXPECT_EQ(sys.GetIndustryURL(db, L"Shoes"), CString(base) + L"Shoes.rar");
    EXPECT_EQ(sys.GetIndustryURL(db, L" 男装 "), CString(base) + L"%E7%94%B7%E8%A3%85.rar");
    EXPECT_EQ(sys.GetIndustryURL(db, L"a b&c"), CString(base) + L"a%20b%26c.rar");
    EXPECT_EQ(sys.GetIndustryURL(db, L""), L"");
    sys.UpdateSysSetting(db, L"IndustryDataURL", L"https://mirror.local/pkg");
    EXPECT_EQ(sys.GetIndustryURL(db, L"Shoes"), L"https://mirror.local/pkg/Shoes.rar");
    Exec(L"DELETE FROM SysSetting WHERE SettingType='IndustryDataURL'");
    EXPECT_EQ(sys.GetIndustryURL(db, L"Shoes"), CString(base) + L"Shoes.rar");
}

TEST_F(SysIndustry, PrintTemplatesTheirFieldsAndValues) {
    Exec(L"INSERT INTO NoteType (FCode, FNoteTypeName, FIsEdited, FOrderNO) VALUES ('1', '销售单', 0, 2), "
         L"('2', '进货单', 1, 5), ('3', '订单', 0, 1)");
    Exec(L"INSERT INTO NoteCitation (FNoteType, FCode, FCitationName, FIsMoney) VALUES ('1', 'StoreName', '店名', 0), "
         L"('1', 'BillAmount', '@金额', 1), ('1', 'ProductName', '品名', 0), ('2', 'StoreName', '店名', 0)");
    Exec(L"INSERT INTO SysPrintData (EntryNo, KeyWordName, KeyWordValue, BillType, KeyWordType) VALUES "
         L"(-1, 'StoreName', '小店', '销售单', 'varchar'), (-1, 'BillAmount', '12.5', '销售单', 'varMoneyfloat'), "
         L"(1, 'ProductName', '笔', '销售单', 'varchar'), (-1, 'StoreName', '别家', '进货单', 'varchar')");
    Exec(L"INSERT INTO SysPrintTestData (EntryNo, KeyWordName, KeyWordValue, BillType) VALUES "
         L"(-1, 'StoreName', '示例店', '销售单')");
    // The layout is saved with bound values, under its own template only.
    EXPECT_TRUE(sys.ISPrintSetupNull(db, L"销售单"));
    EXPECT_TRUE(sys.ISPrintSetupNull(db, L"没有的单"));
    EXPECT_EQ(sys.UpdatePrintSetup(db, L"销售单", 8, L"<page size='A5'/>", 10, 20, L"it's"), 0);
    EXPECT_FALSE(sys.ISPrintSetupNull(db, L"销售单"));
    EXPECT_TRUE(sys.ISPrintSetupNull(db, L"进货单"));
    EXPECT_EQ(
        Rows(sys.GetPrintSetup(db, L"销售单"), {L"FPrintSetup", L"FEntrysPerNote", L"FLeft", L"FTop", L"OtherPrintSet"}),
        L"<page size='A5'/>,8,10,20,it's");
    EXPECT_TRUE(sys.GetPrintSetup(db, L"x' OR '1'='1").eof());
    // Every template, the edited one first.
    EXPECT_EQ(Rows(sys.GetNoteInfo(db, 0), {L"FNoteTypeName"}), L"进货单|订单|销售单");
    EXPECT_EQ(Rows(sys.GetNoteInfo(db, 1), {L"FNoteTypeName"}), L"进货单|订单|销售单");
    EXPECT_EQ(sys.UpdateNote(db, L"销售单", 1), 0);

    // A document's fields; a value by citation with or without its leading at sign, by entry
    // and from the sample data.
    int count = -1;
    CString error;
    EXPECT_EQ(Rows(sys.AddKeyWords(db, L"销售单", count, error), {L"FCode"}), L"StoreName|BillAmount|ProductName");
    EXPECT_EQ(count, 3);
    const auto value = [&](const wchar_t* citation, int entry, int sample) {
        return Rows(sys.GetQueryData(db, L"销售单", citation, 0, entry, sample, error), {L"KeyWordValue"});
    };
    EXPECT_EQ(value(L"金额", -1, 0) + L"|" + value(L"店名", -1, 0) + L"|" + value(L"店名", -1, 1), L"12.5|小店|示例店");
    EXPECT_EQ(value(L"品名", 1, 0) + L"|" + value(L"品名", 2, 0), L"笔|");
    EXPECT_EQ(Rows(sys.GetQueryData(db, L"销售单", L"金额", 0, -1, 0, error), {L"FIsMoney", L"KeyWordType"}),
              L"1,varMoneyfloat");

    Exec(L"DROP TABLE NoteType");
    EXPECT_TRUE(sys.GetNoteInfo(db, 0).isNull());
    EXPECT_EQ(TakeLog(), Lines{L"GetNoteInfo Err:no such table: NoteType"});
}

TEST_F(SysIndustry, XmlIsReplacedUnderItsKey) {
    const CString xml = L"<cols><col name='数量' width=\"40\"/></cols>";
    EXPECT_EQ(sys.InsertXmlToDataBase(db, L"SaleGrid", L"<old/>"), 0);
    EXPECT_EQ(sys.InsertXmlToDataBase(db, L"SaleGrid", xml), 0);
    EXPECT_EQ(sys.InsertXmlToDataBase(db, L"O'Grid", L"<x/>"), 0);
    EXPECT_EQ(sys.GetXmlFromDataBase(db, L"SaleGrid"), xml);
    EXPECT_EQ(sys.GetXmlFromDataBase(db, L"O'Grid"), L"<x/>");
    EXPECT_EQ(sys.GetXmlFromDataBase(db, L"None"), L"");
    EXPECT_EQ(Int(L"SELECT count(*) FROM UserResourceNew"), 2);
    Exec(L"DROP TABLE UserResourceNew");
    EXPECT_EQ(sys.InsertXmlToDataBase(db, L"SaleGrid", xml), -1);
    EXPECT_EQ(sys.GetXmlFromDataBase(db, L"SaleGrid"), L"");
    EXPECT_EQ(TakeLog(), (Lines{L"InsertXmlToDataBase Err:no such table: UserResourceNew",
                                L"GetXmlFromDataBase Err:no such table: UserResourceNew"}));
}

TEST_F(SysIndustry, SmsTemplatesAndStoreTests) {
    Exec(L"INSERT INTO SMSTemplet (tittle, Content) VALUES ('b', '2'), ('a', '1')");
    EXPECT_EQ(Rows(sys.GetSMSTempletInfo(db, 0), {L"tittle"}), L"a|b");
    Exec(L"INSERT INTO StoreTest (ProjectName, ProjectType) VALUES ('卫生', 1), ('卫生检查', 2), ('消防', 1)");
    const auto projects = [&](const wchar_t* name, int type) {
        return Rows(sys.GetStoreTestProject(db, name, type), {L"ProjectName"});
    };
    EXPECT_EQ(projects(L"", -1), L"卫生|卫生检查|消防");
    EXPECT_EQ(projects(L"卫生", -1), L"卫生|卫生检查");
    EXPECT_EQ(projects(L"", 1), L"卫生|消防");
    EXPECT_EQ(projects(L"卫生", 2), L"卫生检查");
    EXPECT_EQ(projects(L"x' OR '1'='1", -1), L"");

    Exec(L"DROP TABLE SMSTemplet; DROP TABLE StoreTest;");
    EXPECT_TRUE(sys.GetSMSTempletInfo(db, 0).isNull());
    EXPECT_TRUE(sys.GetStoreTestProject(db, L"", -1).isNull());
    EXPECT_EQ(TakeLog(), (Lines{L"GetSMSTempletInfo(): 异常. ", L"GetStoreTestProject Err:no such table: StoreTest"}));
}

}  // namespace
