// The shop database itself: the rows a new shop holds, the defaults the services' partial
// inserts rely on, and the indexes behind the ledger's and the postings' lookups.
#include <gtest/gtest.h>

#include <string>

#include "support/RowText.h"
#include "support/ShopDbTest.h"

namespace {

class Schema : public ShopDbTest {
protected:
    CString Rows(const wchar_t* sql) { return RowsOf(db, sql); }

    // The plan reads through the named index (covering or not), and no line of it walks a
    // table row by row.
    void ExpectIndexed(const wchar_t* sql, const std::string& index) {
        SCOPED_TRACE(CString(sql).ToUtf8());
        std::string plan;
        for (CppSQLite3Query q = db.execQuery(CString(L"EXPLAIN QUERY PLAN ") + sql); !q.eof(); q.nextRow())
            plan += q.getStringField(L"detail").ToUtf8() + "\n";
        const std::string::size_type at = plan.find(" INDEX " + index);
        const char after = at == std::string::npos ? '?' : plan[at + 7 + index.size()];
        EXPECT_TRUE(after == ' ' || after == '\n') << index << " not used:\n" << plan;
        for (std::string::size_type scan = 0; (scan = plan.find("SCAN ", scan)) != std::string::npos;) {
            const std::string line = plan.substr(scan, plan.find('\n', scan) - scan);
            EXPECT_NE(line.find(" INDEX "), std::string::npos) << "full scan:\n" << plan;
            scan += line.size();
        }
        EXPECT_EQ(plan.find("TEMP B-TREE"), std::string::npos) << plan;
    }
};

TEST_F(Schema, ANewShopHoldsItsDeliveredRows) {
    // The retail customer and the scattered supplier are the postings' fallbacks, the online
    // customer takes the online-shop sales; none counts as business data.
    EXPECT_EQ(Rows(L"SELECT CompanyID, CompanyCode, CompanyName, CompanyType, ContactGroup, IsSystem, IsDisable, "
                   L"IsDelete, CurAmount FROM Companies ORDER BY CompanyID"),
              L"1|KH0001|零售客户|1|客户|1|0|0|0.0\n2|GYS0001|零散供应商|2|供应商|1|0|0|0.0\n"
              L"3|KH0002|淘宝网客户|1|客户|1|0|0|0.0");
    EXPECT_EQ(CSysBLL().DBIsNewCreate(db), 1);
    EXPECT_EQ(Rows(L"SELECT WarehouseID, WarehouseCode, WarehouseName, WarehouseType FROM warehouse"),
              L"1|CK0001|默认仓库|1");
    // The cash account is a system row without an opening entry in the journal.
    EXPECT_EQ(Rows(L"SELECT SettleAcctID, SettleAcctName, SettleAcctType, IsSystem, InitAmount, CurAmount FROM "
                   L"SettleAcct"),
              L"1|现金|1|1|0.0|0.0");
    EXPECT_EQ(Int(L"SELECT COUNT(*) FROM Account"), 0);
    EXPECT_EQ(Rows(L"SELECT ID, BaseName, ParentID, Level, BaseType, Remark FROM AdvancedBaseData ORDER BY ID"),
              L"1|全部类别|0|0|1|\n2|默认类别|1|1|1|自定义类别");
    // The journal's projects by ID, type and account type, then the two contact groups.
    EXPECT_EQ(Rows(L"SELECT ProjectID, ProjectName, ProjectType, AccountType, IsDisable, IsSystem, IsProfit FROM "
                   L"Project ORDER BY ProjectID"),
              L"1|销售收入|1|收入|0|1|0\n2|进货支出|1|支出|0|1|0\n3|收订金/欠款|2|收入|0|1|0\n"
              L"4|付订金/欠款|2|支出|0|1|0\n5|账户操作|4|收入|0|1|0\n6|客户|4||0|1|0\n7|供应商|5||0|1|0");
    // Units: distinct names, each with its search code.
    EXPECT_GE(Int(L"SELECT COUNT(*) FROM BaseData"), 10);
    EXPECT_EQ(Rows(L"SELECT COUNT(*) = COUNT(DISTINCT BaseName), SUM(BaseType <> 2 OR SearchCode = '') FROM BaseData"),
              L"1|0");
    EXPECT_EQ(Rows(L"SELECT BaseName, SearchCode FROM BaseData WHERE BaseName IN ('个', '公斤') ORDER BY BaseName"),
              L"个|G\n公斤|GJ");
    // The default member level comes first; levels are distinct, discounts within (0, 1].
    EXPECT_EQ(Rows(L"SELECT LevelName, discount, Conversion FROM VipLevelSet ORDER BY ID LIMIT 1"), L"普通会员|1|10");
    EXPECT_EQ(Rows(L"SELECT COUNT(*) = COUNT(DISTINCT Level), SUM(CAST(discount AS REAL) NOT BETWEEN 0.0001 AND 1) "
                   L"FROM VipLevelSet"),
              L"1|0");
    EXPECT_EQ(Int(L"SELECT COUNT(*) FROM VipMember"), 0);
}

TEST_F(Schema, PartialInsertsReadAsPlainUnchangedRows) {
    // A product named by five columns is local, enabled, without stock, prices or second unit;
    // one picture row per product, writing again replaces it.
    Exec(L"INSERT INTO Products(ProductName,ProductCode,SearchCode,TypeID,TypeName) VALUES('纸','P2','Z',2,'默认类别')");
    EXPECT_EQ(Rows(L"SELECT IsLocal, IsDisable, IsDelete, ServerID, UnitID, SecUnitID, CurStock, InitStock, InPrice, "
                   L"Price, WholesalePrice, SyncState, quote(SecUnitName), quote(Coefficient), quote(MinPicture) "
                   L"FROM Products"),
              L"1|0|0|0|0|0|0.0|0.0|0.0|0.0|0.0|0|''|''|''");
    for (int i = 0; i < 2; ++i)
        Exec(L"REPLACE INTO ProductPictures(ProductID,ProductName,ProductCode,SearchCode,PictureMaxName,"
             L"PictureMinName,Picture) VALUES (1,'笔','','B','笔Max.jpg','笔Min.jpg',x'FFD8')");
    EXPECT_EQ(Int(L"SELECT COUNT(*) FROM ProductPictures"), 1);

    // A cost correction row and a bill row of the ledger (its price quoted): unchanged, uncosted
    // by the second pass, sort position 0, numbers stay numbers.
    Exec(L"INSERT INTO Stocks(ProductID, BillType, BillDate, SortID, InCount, InPrice, InAmount, LastCount, LastPrice, "
         L"LastAmount, IsSystem, IsCale, CreateDate) VALUES (7,'进货','2013-05-06',2,10,4,40,0,4,0,2,0,'2013-05-06')");
    Exec(L"INSERT INTO Stocks(BillType, BillDate, BillCode, BillItemID, ProductID, InCount, InPrice, InAmount, "
         L"IsSystem, IsVirtual, IsCale, SyncState, UserID, UserName) VALUES ('进货','2013-05-06','JHD2013050001','1',7,"
         L"10,'4.00000000','40.00000000',0,0,0,0,0,'')");
    EXPECT_EQ(Rows(L"SELECT SortID, IsCale2, IsVirtual, OutCount, OutAmount, SaleAmount, typeof(InPrice) FROM Stocks "
                   L"ORDER BY StockID"),
              L"2|0|0|0.0|0.0|0.0|real\n0|0|0|0.0|0.0|0.0|real");

    // A sale names no account or order; an order and its line start open and undelivered.
    Exec(L"INSERT INTO SaleBills(BillCode, CompanyID, BillAmount) VALUES ('V1', 4, 100)");
    EXPECT_EQ(Rows(L"SELECT IsDelete, SettleAcctID, SettleAcctName, SaleOrderID, SaleOrderCode, "
                   L"ifnull(DisCountRate, 1) >= 1 FROM SaleBills"),
              L"0|0||0||1");
    Exec(L"INSERT INTO SaleOrderBills (BillCode, CompanyID, BillType) VALUES ('XSDD2013050001', 1, '1')");
    Exec(L"INSERT INTO SaleOrderBillItems (SaleOrderID, ProductID, Coefficient, ShowItemCount) VALUES (1, 7, '12', 1)");
    EXPECT_EQ(Rows(L"SELECT BillState, IsSystem, IsDelete FROM SaleOrderBills"), L"0|0|0");
    EXPECT_EQ(Rows(L"SELECT FnshItemCount < ShowItemCount, ItemState FROM SaleOrderBillItems"), L"1|0");
}

TEST_F(Schema, LedgerAndPostingLookupsUseIndexes) {
    const struct {
        const wchar_t* sql;
        const char* index;
    } lookups[] = {
        // The stock ledger by product: the cost calculation's walk and neighbours, the card.
        {L"select * from Stocks where ProductID= 7 order by SortID", "IX_Stocks_Product"},
        {L"select * from Stocks where ProductID=7 and SortID < 9 order by SortID DESC", "IX_Stocks_Product"},
        {L"update Stocks set isCale=0,IsCale2 = 0 where ProductID=7 and SortID=4", "IX_Stocks_Product"},
        {L"select * from Stocks where productID = 7 and billDate < '2013-05-01' order by sortID desc limit 1",
         "IX_Stocks_Product"},
        {L"select * from Stocks where ProductID = '7' AND BillDate <= '2013-05-06' AND BillType='出货'  AND "
         L"BillCode <>'XSD2013050001' order by BillDate desc;",
         "IX_Stocks_ProductType"},
        // By bill code: the rows a deleted bill takes with it.
        {L"select ProductID,BillDate from Stocks where billCode = 'XSD2013050001' AND BillType='出货' ;",
         "IX_Stocks_Bill"},
        {L"Delete from Stocks where BillCode = 'XSD2013050001' AND BillType='出货';", "IX_Stocks_Bill"},
        // By the calculation flags: only the rows still to be costed or changed.
        {L"select distinct ProductID from Stocks where IsCale <> 1 order by ProductID", "IX_Stocks_Uncalculated"},
        {L"select count(*) from Stocks where IsCale2 <> 1;", "IX_Stocks_Changed"},
        {L"update Stocks set IsCale2 = 1 where IsCale2 <> 1 ", "IX_Stocks_Changed"},
        // A bill's lines by its code, orders and their lines.
        {L"select PurBillItems.*, BillDate, CompanyID, CompanyName, CompanyCode from PurBills, PurBillItems "
         L"where PurBills.PurID = PurBillItems.PurID and PurBills.BillCode = 'JHD2013050001'",
         "IX_PurBillItems_Bill"},
        {L"select SaleBillItems.*, BillDate, CompanyID, CompanyName, CompanyCode from SaleBills, SaleBillItems "
         L"where SaleBills.SaleID = SaleBillItems.SaleID and SaleBills.BillCode = 'XSD2013050001'",
         "IX_SaleBills_Code"},
        {L" SELECT BillCode FROM SaleOrderBills WHERE BillCode='XSDD2013050001' ", "IX_SaleOrderBills_Code"},
        {L" SELECT * FROM SaleOrderBillItems WHERE SaleOrderID=1 ;", "IX_SaleOrderBillItems_Bill"},
        // The day's journal line, a receipt by its code.
        {L"update Account set InAmount = InAmount + (10.00000000) where strftime('%Y-%m-%d', AccountDate) = "
         L"strftime('%Y-%m-%d', '2013-05-06') and   ProjectType =1 and AccountType = '收入'",
         "IX_Account_Day"},
        {L"select * from Account where AccountCode='SK2013050001' And AccountCode<>'' ", "IX_Account_Code"},
        // Partners, products, customer prices and warehouse stock by name or code.
        {L" SELECT * FROM Companies WHERE CompanyName='张三' ORDER BY CompanyID  DESC LIMIT 1 ;", "IX_Companies_Name"},
        {L" SELECT * FROM Products WHERE ProductName='笔' ;", "IX_Products_Name"},
        {L" SELECT * FROM Products WHERE ProductCode ='P1'", "IX_Products_Code"},
        {L" SELECT * FROM  CompPrice WHERE CompanyName='张三' AND ProductName='笔' And UnitName='支';",
         "IX_CompPrice_CustProdUnit"},
        {L"SELECT * FROM ProductStock where ProductID = '7'", "IX_ProductStock_Product"},
    };
    for (const auto& l : lookups) ExpectIndexed(l.sql, l.index);
}

}  // namespace
