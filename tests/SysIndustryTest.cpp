// The shop's industry and chosen catalogue types, print templates, the XML store, SMS
// templates and store test projects.
#include <gtest/gtest.h>

#include "support/ShopDbTest.h"

namespace {

class SysIndustry : public ShopDbTest {
protected:
    std::vector<CString> Rows(CppSQLite3Query q, const wchar_t* column) {
        std::vector<CString> out;
        for (; !q.eof(); q.nextRow()) out.push_back(q.getStringField(column));
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

    EXPECT_EQ(sys.SaveSysProdInfo(db, L"男装", L"服装"), 0);
    EXPECT_EQ(sys.SaveSysProdInfo(db, L"男装", L"服装"), 0);  // once only
    EXPECT_EQ(sys.SaveSysProdInfo(db, L"童装", L"服装"), 0);
    EXPECT_EQ(sys.SaveSysProdInfo(db, L"手机", L"数码"), 0);
    EXPECT_EQ(Text(L"SELECT CreateDate||' '||LastUpdateDate||' '||IsImport FROM UserSelProdType WHERE TypeName='男装'"),
              L"2013-05-06 2000-01-01 0");

    // A new industry takes the store's chosen types along.
    EXPECT_EQ(sys.SaveIndustryInfo(db, L"鞋帽", L"老王's 店", L"批发", L"1", L"", L"", L""), 1);
    EXPECT_EQ(Int(L"SELECT count(*) FROM UserSelProdType WHERE Industry='鞋帽'"), 2);
    EXPECT_EQ(Int(L"SELECT count(*) FROM UserSelProdType WHERE Industry='数码'"), 1);

    // An industry missing from the catalogue does not count as chosen.
    sys.SaveIndustryInfo(db, L"不存在", L"店", L"", L"", L"", L"", L"");
    EXPECT_FALSE(sys.IsSelectIndustry(db));
}

TEST_F(SysIndustry, SavingWithoutAStoreRowCreatesIt) {
    Exec(L"DELETE FROM SystemInfo");
    EXPECT_EQ(sys.SaveIndustryInfo(db, L"服装", L"小店", L"零售", L"0", L"路", L"王", L""), 1);
    EXPECT_EQ(Text(L"SELECT Industry||'|'||Version||'|'||CreateDate||'|'||LastUpdateDate FROM SystemInfo"),
              L"服装|1.0.0.1|2013-05-06|2013-05-06");
    EXPECT_EQ(Int(L"SELECT count(*) FROM SystemInfo"), 1);
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
    EXPECT_EQ(TakeLog(), std::vector<CString>{L"DeleteIndustryType Err:no such table: UserSelProdType"});
}

TEST_F(SysIndustry, ChosenTypesAndTheirDates) {
    Exec(L"UPDATE SystemInfo SET Industry='服装'");
    Exec(L"INSERT INTO SystemProdType (TypeName, SearchCode) VALUES ('男装', 'NZ'), ('女装', 'NVZ')");
    sys.SaveSysProdInfo(db, L"男装", L"服装");
    sys.SaveSysProdInfo(db, L"女装", L"服装");
    sys.SaveSysProdInfo(db, L"自定", L"服装");  // not in the catalogue
    sys.SaveSysProdInfo(db, L"手机", L"数码");  // another industry

    EXPECT_EQ(sys.UpdateSysProdNetPriceDate(db, L"女装", L"服装", L"2013-05-01"), 0);
    EXPECT_EQ(sys.UpdateSysProdNetPriceDate(db, L"女装", L"数码", L"2013-05-02"), -1);
    EXPECT_EQ(sys.UpDateSysProdTypeFlag(db, L"男装", L"2013-05-03"), 0);

    CStringArray entries;
    EXPECT_EQ(sys.GetUserSelProdTypeInfo(db, entries), 3);
    EXPECT_EQ(entries[0], L"服装;男装;NZ;2013-05-03");
    EXPECT_EQ(entries[1], L"服装;女装;NVZ;2013-05-01");
    EXPECT_EQ(entries[2], L"服装;自定;;2000-01-01");

    CStringArray notImported;
    notImported.Add(L"stale");
    sys.GetIndustryInfo(db, notImported);
    ASSERT_EQ(notImported.GetSize(), 2);
    EXPECT_EQ(notImported[0], L"女装");
    EXPECT_EQ(notImported[1], L"自定");

    EXPECT_EQ(Rows(sys.GetSysProdTypeInfo(db), L"TypeName"), (std::vector<CString>{L"男装", L"女装", L"自定"}));
    EXPECT_EQ(Rows(sys.GetSysIndustry(db), L"Industry"), (std::vector<CString>{L"服装"}));
}

TEST_F(SysIndustry, DownloadAddressOfATypePackage) {
    EXPECT_EQ(sys.GetIndustryURL(db, L"Shoes"), L"http://download.shopbiz.example/industry/Shoes.rar");
    EXPECT_EQ(sys.GetIndustryURL(db, L" 男装 "),
              L"http://download.shopbiz.example/industry/%E7%94%B7%E8%A3%85.rar");
    EXPECT_EQ(sys.GetIndustryURL(db, L"a b&c"), L"http://download.shopbiz.example/industry/a%20b%26c.rar");
    EXPECT_EQ(sys.GetIndustryURL(db, L""), L"");
    sys.UpdateSysSetting(db, L"IndustryDataURL", L"https://mirror.local/pkg");
    EXPECT_EQ(sys.GetIndustryURL(db, L"Shoes"), L"https://mirror.local/pkg/Shoes.rar");
    Exec(L"DELETE FROM SysSetting WHERE SettingType='IndustryDataURL'");
    EXPECT_EQ(sys.GetIndustryURL(db, L"Shoes"), L"http://download.shopbiz.example/industry/Shoes.rar");
}

// --- Print templates ----------------------------------------------------------------------------

class PrintTemplates : public SysIndustry {
protected:
    void SetUp() override {
        SysIndustry::SetUp();
        Exec(L"INSERT INTO NoteType (FCode, FNoteTypeName, FIsEdited, FOrderNO) VALUES ('1', '销售单', 0, 2), "
             L"('2', '进货单', 1, 5), ('3', '订单', 0, 1)");
        Exec(L"INSERT INTO NoteCitation (FNoteType, FCode, FCitationName, FIsMoney) VALUES ('1', 'StoreName', '店名', 0), "
             L"('1', 'BillAmount', '@金额', 1), ('1', 'ProductName', '品名', 0), ('2', 'StoreName', '店名', 0)");
        Exec(L"INSERT INTO SysPrintData (EntryNo, KeyWordName, KeyWordValue, BillType, KeyWordType) VALUES "
             L"(-1, 'StoreName', '小店', '销售单', 'varchar'), (-1, 'BillAmount', '12.5', '销售单', 'varMoneyfloat'), "
             L"(1, 'ProductName', '笔', '销售单', 'varchar'), (-1, 'StoreName', '别家', '进货单', 'varchar')");
        Exec(L"INSERT INTO SysPrintTestData (EntryNo, KeyWordName, KeyWordValue, BillType) VALUES "
             L"(-1, 'StoreName', '示例店', '销售单')");
    }
};

TEST_F(PrintTemplates, LayoutIsSavedWithBoundValues) {
    EXPECT_TRUE(sys.ISPrintSetupNull(db, L"销售单"));
    EXPECT_TRUE(sys.ISPrintSetupNull(db, L"没有的单"));
    EXPECT_EQ(sys.UpdatePrintSetup(db, L"销售单", 8, L"<page size='A5'/>", 10, 20, L"it's"), 0);
    EXPECT_FALSE(sys.ISPrintSetupNull(db, L"销售单"));
    CppSQLite3Query q = sys.GetPrintSetup(db, L"销售单");
    ASSERT_FALSE(q.eof());
    EXPECT_EQ(q.getStringField(L"FPrintSetup"), L"<page size='A5'/>");
    EXPECT_EQ(q.getIntField(L"FEntrysPerNote"), 8);
    EXPECT_EQ(q.getIntField(L"FLeft"), 10);
    EXPECT_EQ(q.getIntField(L"FTop"), 20);
    EXPECT_EQ(q.getStringField(L"OtherPrintSet"), L"it's");
    q.finalize();
    EXPECT_TRUE(sys.ISPrintSetupNull(db, L"进货单"));
    EXPECT_TRUE(sys.GetPrintSetup(db, L"x' OR '1'='1").eof());
}

TEST_F(PrintTemplates, EveryTemplateEditedFirst) {
    EXPECT_EQ(Rows(sys.GetNoteInfo(db, 0), L"FNoteTypeName"), (std::vector<CString>{L"进货单", L"订单", L"销售单"}));
    EXPECT_EQ(Rows(sys.GetNoteInfo(db, 1), L"FNoteTypeName"), (std::vector<CString>{L"进货单", L"订单", L"销售单"}));
    EXPECT_EQ(sys.UpdateNote(db, L"销售单", 1), 0);
    Exec(L"DROP TABLE NoteType");
    EXPECT_TRUE(sys.GetNoteInfo(db, 0).isNull());
    EXPECT_EQ(TakeLog(), std::vector<CString>{L"GetNoteInfo Err:no such table: NoteType"});
}

TEST_F(PrintTemplates, FieldsAndValuesOfADocument) {
    int count = -1;
    CString error;
    EXPECT_EQ(Rows(sys.AddKeyWords(db, L"销售单", count, error), L"FCode"),
              (std::vector<CString>{L"StoreName", L"BillAmount", L"ProductName"}));
    EXPECT_EQ(count, 3);

    // The citation matches with or without its leading at sign.
    EXPECT_EQ(Rows(sys.GetQueryData(db, L"销售单", L"金额", 0, -1, 0, error), L"KeyWordValue"),
              std::vector<CString>{L"12.5"});
    EXPECT_EQ(Rows(sys.GetQueryData(db, L"销售单", L"店名", 0, -1, 0, error), L"KeyWordValue"),
              std::vector<CString>{L"小店"});
    EXPECT_EQ(Rows(sys.GetQueryData(db, L"销售单", L"店名", 0, -1, 1, error), L"KeyWordValue"),
              std::vector<CString>{L"示例店"});
    EXPECT_EQ(Rows(sys.GetQueryData(db, L"销售单", L"品名", 0, 1, 0, error), L"KeyWordValue"),
              std::vector<CString>{L"笔"});
    EXPECT_TRUE(sys.GetQueryData(db, L"销售单", L"品名", 0, 2, 0, error).eof());
    CppSQLite3Query money = sys.GetQueryData(db, L"销售单", L"金额", 0, -1, 0, error);
    EXPECT_EQ(money.getIntField(L"FIsMoney"), 1);
    EXPECT_EQ(money.getStringField(L"KeyWordType"), L"varMoneyfloat");
}

// --- Keyed XML, SMS templates, store test projects ------------------------------------------------

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
    EXPECT_EQ(TakeLog(), (std::vector<CString>{L"InsertXmlToDataBase Err:no such table: UserResourceNew",
                                               L"GetXmlFromDataBase Err:no such table: UserResourceNew"}));
}

TEST_F(SysIndustry, SmsTemplatesAndStoreTests) {
    Exec(L"INSERT INTO SMSTemplet (tittle, Content) VALUES ('b', '2'), ('a', '1')");
    EXPECT_EQ(Rows(sys.GetSMSTempletInfo(db, 0), L"tittle"), (std::vector<CString>{L"a", L"b"}));
    Exec(L"INSERT INTO StoreTest (ProjectName, ProjectType) VALUES ('卫生', 1), ('卫生检查', 2), ('消防', 1)");
    EXPECT_EQ(Rows(sys.GetStoreTestProject(db, L"", -1), L"ProjectName").size(), 3u);
    EXPECT_EQ(Rows(sys.GetStoreTestProject(db, L"卫生", -1), L"ProjectName"), (std::vector<CString>{L"卫生", L"卫生检查"}));
    EXPECT_EQ(Rows(sys.GetStoreTestProject(db, L"", 1), L"ProjectName"), (std::vector<CString>{L"卫生", L"消防"}));
    EXPECT_EQ(Rows(sys.GetStoreTestProject(db, L"卫生", 2), L"ProjectName"), (std::vector<CString>{L"卫生检查"}));
    EXPECT_TRUE(sys.GetStoreTestProject(db, L"x' OR '1'='1", -1).eof());

    Exec(L"DROP TABLE SMSTemplet; DROP TABLE StoreTest;");
    EXPECT_TRUE(sys.GetSMSTempletInfo(db, 0).isNull());
    EXPECT_TRUE(sys.GetStoreTestProject(db, L"", -1).isNull());
    EXPECT_EQ(TakeLog(), (std::vector<CString>{L"GetSMSTempletInfo(): 异常. ",
                                               L"GetStoreTestProject Err:no such table: StoreTest"}));
}

}  // namespace
