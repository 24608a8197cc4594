// The shop's industry and chosen catalogue types, print templates and the XML store.
#include <gtest/gtest.h>

#include "support/RowText.h"
#include "support/ShopDbTest.h"

namespace {

class SysIndustry : public ShopDbTest {
protected:
    CSysBLL sys;
};

TEST_F(SysIndustry, ChoosingAndDroppingAnIndustry) {
    Exec(L"INSERT INTO SystemProdType (TypeName, ParentID) VALUES ('服装', 0), ('男装', 1), ('鞋帽', 0)");
    EXPECT_EQ(sys.SaveIndustryInfo(db, L"服装", L"老王's 店", L"零售", L"0", L"北京路1号", L"王", L"ignored"), 1);
    EXPECT_EQ(Text(L"SELECT Industry||'|'||CompanyName||'|'||OperMode||'|'||Field1||'|'||StoreAddress||'|'||Contact "
                   L"FROM SystemInfo"),
              L"服装|老王's 店|零售|0|北京路1号|王");
    EXPECT_TRUE(sys.IsSelectIndustry(db));
    for (const wchar_t* type : {L"男装", L"男装"}) EXPECT_EQ(sys.SaveSysProdInfo(db, type, L"服装"), 0);
    EXPECT_EQ(sys.SaveSysProdInfo(db, L"手机", L"数码"), 0);
    EXPECT_EQ(Text(L"SELECT group_concat(TypeName||' '||CreateDate||' '||LastUpdateDate||' '||IsImport, '|') FROM "
                   L"UserSelProdType WHERE Industry='服装'"),
              L"男装 2013-05-06 2000-01-01 0");  // once only
    // A new industry takes the store's chosen types along.
    EXPECT_EQ(sys.SaveIndustryInfo(db, L"鞋帽", L"老王's 店", L"批发", L"1", L"", L"", L""), 1);
    EXPECT_EQ(Text(L"SELECT group_concat(Industry) FROM UserSelProdType"), L"鞋帽,数码");
    // An industry missing from the catalogue does not count as chosen.
    sys.SaveIndustryInfo(db, L"不存在", L"店", L"", L"", L"", L"", L"");
    EXPECT_FALSE(sys.IsSelectIndustry(db));
    // Dropping the industry drops its types and products but the shop's own.
    Exec(L"INSERT INTO Products (IsLocal) VALUES (1), (0), (0)");
    EXPECT_EQ(sys.DeleteIndustryType(db), 0);
    EXPECT_EQ(Text(L"SELECT Industry || '|' || (SELECT group_concat(IsLocal) FROM Products) || '|' || "
                   L"(SELECT count(*) FROM UserSelProdType) FROM SystemInfo"),
              L"|1|0");
}

TEST_F(SysIndustry, ChosenTypesAndTheirDates) {
    Exec(L"UPDATE SystemInfo SET Industry='服装'");
    Exec(L"INSERT INTO SystemProdType (TypeName, SearchCode) VALUES ('男装', 'NZ'), ('女装', 'NVZ')");
    // 自定 is not in the catalogue, 手机 of another industry.
    for (const wchar_t* type : {L"男装", L"女装", L"自定"}) sys.SaveSysProdInfo(db, type, L"服装");
    sys.SaveSysProdInfo(db, L"手机", L"数码");
    EXPECT_EQ(sys.UpdateSysProdNetPriceDate(db, L"女装", L"服装", L"2013-05-01"), 0);
    EXPECT_EQ(sys.UpDateSysProdTypeFlag(db, L"男装", L"2013-05-03"), 0);
    CStringArray entries;
    ASSERT_EQ(sys.GetUserSelProdTypeInfo(db, entries), 3);
    EXPECT_EQ(entries[0] + L"|" + entries[1] + L"|" + entries[2],
              L"服装;男装;NZ;2013-05-03|服装;女装;NVZ;2013-05-01|服装;自定;;2000-01-01");
}

TEST_F(SysIndustry, PrintTemplatesAndTheirValues) {
    // Templates of this test's own in place of those a new shop holds.
    Exec(L"DELETE FROM NoteCitation");
    Exec(L"DELETE FROM NoteType");
    Exec(L"INSERT INTO NoteType (FCode, FNoteTypeName) VALUES ('1', '销售单'), ('2', '进货单')");
    Exec(L"INSERT INTO NoteCitation (FNoteType, FCode, FCitationName) VALUES ('1', 'StoreName', '店名'), "
         L"('1', 'BillAmount', '@金额'), ('2', 'StoreName', '店名')");
    Exec(L"INSERT INTO SysPrintData (EntryNo, KeyWordName, KeyWordValue, BillType) VALUES (-1, 'StoreName', '小店', "
         L"'销售单'), (-1, 'BillAmount', '12.5', '销售单'), (-1, 'StoreName', '别家', '进货单')");
    // The layout is saved under its own template only.
    EXPECT_EQ(sys.UpdatePrintSetup(db, L"销售单", 8, L"<page size='A5'/>", 10, 20, L"it's"), 0);
    EXPECT_EQ(ListOf(sys.GetPrintSetup(db, L"销售单"), L"FPrintSetup"), L"<page size='A5'/>");
    EXPECT_TRUE(sys.ISPrintSetupNull(db, L"进货单"));
    // A value by citation with or without its leading at sign.
    CString error;
    for (const auto& [citation, value] : {std::pair{L"金额", L"12.5"}, {L"店名", L"小店"}})
        EXPECT_EQ(ListOf(sys.GetQueryData(db, L"销售单", citation, 0, -1, 0, error), L"KeyWordValue"), value);
}

TEST_F(SysIndustry, XmlIsReplacedUnderItsKeyAndPackagesAreDownloadedByName) {
    EXPECT_EQ(sys.InsertXmlToDataBase(db, L"SaleGrid", L"<old/>"), 0);
    EXPECT_EQ(sys.InsertXmlToDataBase(db, L"SaleGrid", L"<cols><col name='数量'/></cols>"), 0);
    EXPECT_EQ(sys.GetXmlFromDataBase(db, L"SaleGrid"), L"<cols><col name='数量'/></cols>");
    EXPECT_EQ(Int(L"SELECT count(*) FROM UserResourceNew"), 1);
    // A type package's address: the name trimmed and encoded.
    EXPECT_EQ(sys.GetIndustryURL(db, L" 男装&b"), L"http://download.shopbiz.example/industry/%E7%94%B7%E8%A3%85%26b.rar");
}

}  // namespace
