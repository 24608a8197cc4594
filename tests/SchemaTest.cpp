// The shop database: the rows a new shop holds, the defaults partial inserts rely on, the indexes.
#include <gtest/gtest.h>

#include <regex>
#include <string>

#include "support/RowText.h"
#include "support/ShopDbTest.h"

namespace {

class Schema : public ShopDbTest {
protected:
    CString Rows(const wchar_t* sql) { return RowsOf(db, sql); }

    // The plan reads through the named index, no line of it walks a table, nothing is sorted.
    void ExpectIndexed(const wchar_t* sql, const std::string& index) {
        SCOPED_TRACE(CString(sql).ToUtf8());
        std::string plan;
        for (CppSQLite3Query q = db.execQuery(CString(L"EXPLAIN QUERY PLAN ") + sql); !q.eof(); q.nextRow())
            plan += q.getStringField(L"detail").ToUtf8() + "\n";
        EXPECT_TRUE(std::regex_search(plan, std::regex(" INDEX " + index + "[ \n]"))) << index << " unused:\n" << plan;
        EXPECT_FALSE(std::regex_search(plan, std::regex("SCAN (?!.* INDEX )|TEMP B-TREE"))) << plan;
    }
};

TEST_F(Schema, ANewShopHoldsItsDeliveredRows) {
    // The postings' fallback customer and supplier and the online customer; none is business data.
    EXPECT_EQ(Rows(L"SELECT CompanyID, CompanyCode, CompanyName, CompanyType, IsSystem, CurAmount FROM Companies"),
              L"1|KH0001|零售客户|1|1|0.0\n2|GYS0001|零散供应商|2|1|0.0\n3|KH0002|淘宝网客户|1|1|0.0");
    EXPECT_EQ(CSysBLL().DBIsNewCreate(db), 1);
    EXPECT_EQ(Rows(L"SELECT WarehouseID, WarehouseName FROM warehouse"), L"1|默认仓库");
    // The cash account is a system row without an opening entry in the journal.
    EXPECT_EQ(Rows(L"SELECT SettleAcctID, SettleAcctName, IsSystem, CurAmount, (SELECT COUNT(*) FROM Account) "
                   L"FROM SettleAcct"),
              L"1|现金|1|0.0|0");
    // The journal's projects of the postings.
    EXPECT_EQ(Rows(L"SELECT ProjectID, ProjectName, AccountType FROM Project WHERE ProjectType=1"),
              L"1|销售收入|收入\n2|进货支出|支出");
    // The default member level comes first.
    EXPECT_EQ(Rows(L"SELECT LevelName, discount, Conversion FROM VipLevelSet ORDER BY ID LIMIT 1"), L"普通会员|1|10");
}

TEST_F(Schema, PartialInsertsReadAsPlainUnchangedRows) {
    // A product named by five columns is local, enabled, without stock, prices or second unit.
    Exec(L"INSERT INTO Products(ProductName,ProductCode,SearchCode,TypeID,TypeName) VALUES('纸','P2','Z',2,'默认类别')");
    EXPECT_EQ(Rows(L"SELECT IsLocal, IsDisable, IsDelete, UnitID, CurStock, InPrice, Price, WholesalePrice, "
                   L"quote(SecUnitName), quote(Coefficient) FROM Products"),
              L"1|0|0|0|0.0|0.0|0.0|0.0|''|''");
    // A ledger row (its price quoted): uncosted, sort position 0, numbers stay numbers.
    Exec(L"INSERT INTO Stocks(BillType, BillDate, BillCode, ProductID, InCount, InPrice, InAmount, IsSystem, IsCale) "
         L"VALUES ('进货','2013-05-06','JHD2013050001',7,10,'4.00000000','40.00000000',0,0)");
    EXPECT_EQ(Rows(L"SELECT SortID, IsCale2, IsVirtual, OutCount, SaleAmount, typeof(InPrice) FROM Stocks"),
              L"0|0|0|0.0|0.0|real");
}

TEST_F(Schema, LedgerAndPostingLookupsUseIndexes) {
    const std::pair<const wchar_t*, const char*> lookups[] = {
        // The stock ledger by product, and by bill code: the rows a deleted bill takes with it.
        {L"select * from Stocks where ProductID=7 and SortID < 9 order by SortID DESC", "IX_Stocks_Product"},
        {L"select * from Stocks where ProductID = '7' AND BillDate <= '2013-05-06' AND BillType='出货'  AND "
         L"BillCode <>'XSD2013050001' order by BillDate desc;",
         "IX_Stocks_ProductType"},
        {L"Delete from Stocks where BillCode = 'XSD2013050001' AND BillType='出货';", "IX_Stocks_Bill"},
        // A bill's lines by its code, the day's journal line, partners and products by name.
        {L"select SaleBillItems.*, BillDate, CompanyID from SaleBills, SaleBillItems where SaleBills.SaleID = "
         L"SaleBillItems.SaleID and SaleBills.BillCode = 'XSD2013050001'",
         "IX_SaleBills_Code"},
        {L"update Account set InAmount = InAmount + (10.00000000) where strftime('%Y-%m-%d', AccountDate) = "
         L"strftime('%Y-%m-%d', '2013-05-06') and   ProjectType =1 and AccountType = '收入'",
         "IX_Account_Day"},
        {L" SELECT * FROM Companies WHERE CompanyName='张三' ORDER BY CompanyID  DESC LIMIT 1 ;", "IX_Companies_Name"},
        {L" SELECT * FROM Products WHERE ProductName='笔' ;", "IX_Products_NameLocal"},
        // A product's opening row, whatever the length of its ledger; a product by exact name or
        // code among the shop's own or the online ones, not by the flag half the catalogue shares.
        {L"select LastCount,LastPrice from Stocks where ProductID=7 and IsSystem=1", "IX_Stocks_Opening"},
        {L"select count(*) from Products where ProductName='笔' and IsLocal=0", "IX_Products_NameLocal"},
        {L" SELECT E.ProductID, IFNULL(B.Price, E.WholesalePrice) AS CompPrice FROM Products E LEFT JOIN CompPrice B "
         L"ON B.ProductID=E.ProductID AND B.UnitID=E.UnitID AND B.CompanyName='张三' WHERE E.ProductCode='P1' AND "
         L"IsLocal = 1 ",
         "IX_Products_CodeLocal"},
    };
    for (const auto& [sql, index] : lookups) ExpectIndexed(sql, index);
}

}  // namespace
