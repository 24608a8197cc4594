// The shop database itself: the rows a new shop holds, the defaults the services' inserts
// rely on, and the indexes behind the stock ledger's lookups. Statements are the ones the
// services run, so a renamed column or a lost default shows up here first.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/ShopDbTest.h"

namespace {

class Schema : public ShopDbTest {
protected:
    // The detail lines of the statement's query plan, joined for readable failures.
    std::string PlanOf(const wchar_t* sql) {
        CppSQLite3Query q = db.execQuery(CString(L"EXPLAIN QUERY PLAN ") + sql);
        std::string plan;
        for (; !q.eof(); q.nextRow()) plan += q.getStringField(L"detail").ToUtf8() + "\n";
        return plan;
    }

    // The plan reads through the named index (covering or not), and no line of it walks a
    // table row by row.
    void ExpectIndexed(const wchar_t* sql, const std::string& index) {
        const std::string plan = PlanOf(sql);
        const std::string::size_type at = plan.find(" INDEX " + index);
        const char after = at == std::string::npos ? '?' : plan[at + 7 + index.size()];
        EXPECT_TRUE(after == ' ' || after == '\n') << index << " not used:\n" << plan;
        for (std::string::size_type scan = 0; (scan = plan.find("SCAN ", scan)) != std::string::npos;) {
            const std::string line = plan.substr(scan, plan.find('\n', scan) - scan);
            EXPECT_NE(line.find(" INDEX "), std::string::npos) << "full scan:\n" << plan;
            scan += line.size();
        }
    }
};

// --- Rows a new shop database holds ---------------------------------------------------

TEST_F(Schema, DeliveredPartnersAreTheFallbacksOfThePostings) {
    // A sale without a customer.
    CppSQLite3Query retail = db.execQuery(
        L" SELECT CompanyID,CompanyCode,CompanyName FROM Companies WHERE IsSystem=1 AND CompanyType=1 AND "
        L"CompanyName='零售客户'  ORDER BY CompanyID DESC  LIMIT 1 ;");
    ASSERT_FALSE(retail.eof());
    EXPECT_EQ(retail.getIntField(L"CompanyID"), 1);
    EXPECT_EQ(retail.getStringField(L"CompanyCode"), L"KH0001");
    // A purchase without a supplier takes the newest system supplier, whatever its name.
    CppSQLite3Query supplier = db.execQuery(
        L" SELECT CompanyID,CompanyCode,CompanyName FROM Companies WHERE IsSystem=1 AND CompanyType=2 ORDER "
        L"BY CompanyID DESC  LIMIT 1 ;");
    ASSERT_FALSE(supplier.eof());
    EXPECT_EQ(supplier.getIntField(L"CompanyID"), 2);
    EXPECT_EQ(supplier.getStringField(L"CompanyName"), L"零散供应商");
    // Online-shop sales are posted to this customer by name.
    EXPECT_EQ(Int(L" SELECT CompanyID FROM Companies WHERE CompanyName='淘宝网客户' ORDER BY CompanyID  DESC LIMIT 1 ;"), 3);

    EXPECT_EQ(Int(L"SELECT COUNT(*) FROM Companies"), 3);
    EXPECT_EQ(Int(L"SELECT COUNT(*) FROM Companies WHERE IsSystem=1 AND IsDisable=0 AND IsDelete=0 AND CurAmount=0"), 3);
    EXPECT_EQ(Text(L"SELECT group_concat(ContactGroup, ',') FROM (SELECT ContactGroup FROM Companies ORDER BY CompanyID)"),
              L"客户,供应商,客户");
    // None of them counts as business data of the shop.
    EXPECT_EQ(Int(L"select count(1) from Companies where CompanyID > 3 AND CompanyType=1 AND IsDisable <> 1 AND IsDelete <> 1"), 0);
    EXPECT_EQ(CSysBLL().DBIsNewCreate(db), 1);
    // The next code of each type follows the delivered codes.
    EXPECT_EQ(Text(L" SELECT CompanyCode FROM Companies WHERE  CompanyType=1 ORDER BY CompanyID  DESC LIMIT 1 ;"), L"KH0002");
    EXPECT_EQ(Text(L" SELECT CompanyCode FROM Companies WHERE  CompanyType=2 ORDER BY CompanyID  DESC LIMIT 1 ;"), L"GYS0001");
    // New partners never reuse the delivered IDs.
    Exec(L"INSERT INTO Companies (CompanyName) VALUES ('新客户')");
    EXPECT_EQ(Int(L" select  last_insert_rowid() ;"), 4);
}

TEST_F(Schema, DefaultWarehouseCashAccountAndTypes) {
    CppSQLite3Query warehouse = db.execQuery(L"SELECT * FROM warehouse WHERE WarehouseType=1");
    ASSERT_FALSE(warehouse.eof());
    EXPECT_EQ(warehouse.getStringField(L"WarehouseName"), L"默认仓库");
    EXPECT_EQ(warehouse.getIntField(L"WarehouseID"), 1);
    EXPECT_EQ(warehouse.getStringField(L"WarehouseCode"), L"CK0001");

    // The cash account cannot be deleted and has no opening entry in the journal.
    EXPECT_EQ(Int(L"select count(*) from SettleAcct where SettleAcctName = '现金' and SettleAcctType = '1'"), 1);
    EXPECT_EQ(Text(L"select IsSystem from SettleAcct Where SettleAcctID = 1;"), L"1");
    EXPECT_EQ(Real(L"select CurAmount + InitAmount from SettleAcct where SettleAcctID = 1"), 0.0);
    EXPECT_EQ(Int(L"select count(*) from Account"), 0);
    EXPECT_EQ(Int(L"SELECT COUNT(*) FROM SettleAcct"), 1);

    // The default product type, found by ID and remark, hangs below the root.
    EXPECT_EQ(Text(L"select BaseName from AdvancedBaseData where ID = 2 AND Remark = '自定义类别'"), L"默认类别");
    CppSQLite3Query root = db.execQuery(L"select * from AdvancedBaseData where ID = 1");
    ASSERT_FALSE(root.eof());
    EXPECT_EQ(root.getStringField(L"BaseName"), L"全部类别");
    EXPECT_EQ(root.getIntField(L"BaseType"), 1);
    EXPECT_EQ(root.getIntField(L"Level"), 0);
    EXPECT_EQ(Int(L"select count(*) from AdvancedBaseData where ParentID = 1 and Level = 1 and BaseType = 1"), 1);
    EXPECT_EQ(Int(L" SELECT  MAX(ID) FROM  AdvancedBaseData ;"), 2);
    Exec(L"INSERT INTO AdvancedBaseData (BaseName, ParentID, Level) VALUES ('服装', 1, 1)");
    EXPECT_EQ(Int(L" SELECT  MAX(ID) FROM  AdvancedBaseData ;"), 3);

    // Units are the base data of type 2, each with its search code.
    EXPECT_GE(Int(L"select count(*) from BaseData where BaseType = '2'"), 10);
    EXPECT_EQ(Int(L"select count(*) from BaseData where BaseType <> 2 or SearchCode = ''"), 0);
    EXPECT_EQ(Int(L"select count(*) from BaseData where BaseName = '个' and BaseType = '2'"), 1);
    EXPECT_EQ(Text(L"select SearchCode from BaseData where BaseName = '公斤'"), L"GJ");
    EXPECT_EQ(Int(L"select count(*) from (select BaseName from BaseData group by BaseName having count(*) > 1)"), 0);
}

TEST_F(Schema, JournalFindsItsProjects) {
    // Each daily line, receipt, payment and opening entry names an enabled project of its
    // account type; a missing one would be created as a user item or refused.
    const wchar_t* used[][2] = {{L"销售收入", L"收入"}, {L"收订金/欠款", L"收入"}, {L"进货支出", L"支出"},
                                {L"付订金/欠款", L"支出"}, {L"账户操作", L"收入"}};
    for (auto& u : used) {
        CString sql;
        sql.Format(L"select count(*) from Project where IsDisable =0 and ProjectName = '%s' and AccountType = '%s'", u[0], u[1]);
        EXPECT_EQ(Int(sql), 1) << u[0];
    }
    // The receipt and payment lists go by project ID.
    EXPECT_EQ(Text(L"select ProjectName || ProjectType from Project where ProjectID = 3"), L"收订金/欠款2");
    EXPECT_EQ(Text(L"select ProjectName || ProjectType from Project where ProjectID = 4"), L"付订金/欠款2");
    EXPECT_EQ(Int(L"select ProjectType from Project where ProjectName = '账户操作'"), 4);
    EXPECT_EQ(Int(L"select count(*) from Project where IsSystem <> 1 or IsProfit <> 0"), 0);

    // A journal line selects its project; it is written once.
    Exec(L"insert into [Account]( [AccountID], [AccountDate], [AccountCode], [CompanyID], [CompanyCode], [CompanyName], "
         L"[SettleAcctID], [SettleAcctName], [ProjectID], [ProjectName], [ProjectType], [AccountType], [InAmount], "
         L"[OutAmount], [AccountDesp], [IsSystem], [IsDelete], [SyncState], [UserID], [UserName], [CreateDate], "
         L"[LastUpdateDate], [Remark]) select 1,'2013-05-06','','','','',1,'现金',b.ProjectID,'账户操作',4,'收入', "
         L"100.00000000,0.00000000,'现金操作',0,0,0,'','','2013-05-06 14:03:09','2013-05-06 14:03:09','' from Project b "
         L"where b.ProjectName='账户操作'");
    EXPECT_EQ(Int(L"select count(*) from Account where ProjectID = 5 and InAmount = 100"), 1);
    EXPECT_EQ(Text(L"select quote(CompanyID) from Account"), L"''");  // no partner named
    EXPECT_EQ(Int(L"select seq from sqlite_sequence where Name='Account'"), 1);

    // The item lists leave out the opening entries and the contact groups; the group list
    // holds the delivered groups of customers and suppliers.
    EXPECT_EQ(Int(L"select count(*) From Project Where AccountType like '%%' and ProjectType <> 4 And AccountType<>'' "), 4);
    CppSQLite3Query groups = db.execQuery(
        L"select * from Project where (ProjectType = 4 or ProjectType = 5 or ProjectType = 6) and AccountType = ''  and "
        L"(ProjectName like '%%' or '' = '') order by ProjectType, ProjectName");
    std::vector<CString> names;
    for (; !groups.eof(); groups.nextRow()) names.push_back(groups.getStringField(L"ProjectName"));
    EXPECT_EQ(names, (std::vector<CString>{L"客户", L"供应商"}));
}

TEST_F(Schema, DefaultMemberLevelComesFirst) {
    CppSQLite3Query level = db.execQuery(L"select LevelName,discount,Conversion,TotalScores from VipLevelSet order by ID limit 1;");
    ASSERT_FALSE(level.eof());
    EXPECT_EQ(level.getStringField(L"LevelName"), L"普通会员");
    EXPECT_EQ(level.getStringField(L"discount"), L"1");
    EXPECT_EQ(level.getStringField(L"Conversion"), L"10");
    EXPECT_EQ(Int(L"select count(*) from (select Level from VipLevelSet group by Level having count(*) > 1)"), 0);
    EXPECT_EQ(Int(L"select count(*) from VipLevelSet where cast(discount as real) <= 0 or cast(discount as real) > 1"), 0);
    EXPECT_EQ(Int(L"select count(*) from VipMember"), 0);
}

// --- Defaults the inserts rely on ------------------------------------------------------

TEST_F(Schema, NewProductsAreLocalEnabledAndNotDeleted) {
    Exec(L"INSERT INTO Products (ProductName) VALUES ('笔')");
    // The online mapping's insert names only five columns.
    Exec(L"INSERT INTO Products(ProductName,ProductCode,SearchCode,TypeID,TypeName) VALUES('纸','P2','Z',2,'默认类别');");
    EXPECT_EQ(Int(L"select count(*) from Products where IsLocal = 1 and IsDisable = 0 and IsDelete = 0 and ServerID = 0"), 2);
    EXPECT_EQ(Int(L"select count(1) from Products where IsLocal=1 AND IsDisable <> 1 AND IsDelete <> 1"), 2);
    EXPECT_EQ(Int(L"select count(*) from Products where UnitID = 0 and SecUnitID = 0 and CurStock = 0 and InitStock = 0 "
                  L"and InPrice = 0 and Price = 0 and WholesalePrice = 0 and SyncState = 0"),
              2);
    // One unit only: no second unit name, and no coefficient.
    EXPECT_EQ(Int(L" SELECT count(*) FROM Products WHERE IFNULL(UnitName,'')<>'' And IFNULL(SecUnitName,'')<>''"), 0);
    EXPECT_EQ(Text(L"select Coefficient || '|' || MinPicture from Products where ProductName = '笔'"), L"|");
    // A picture row per product name: writing again replaces it.
    for (int i = 0; i < 2; ++i)
        Exec(L"REPLACE into ProductPictures(ProductID,ProductName,ProductCode,SearchCode,PictureMaxName,PictureMinName,"
             L"Picture)\tvalues (1,'笔','','B','笔Max.jpg','笔Min.jpg',x'FFD8')");
    EXPECT_EQ(Int(L"select count(*) from ProductPictures"), 1);
    // A change record may leave out the old value.
    Exec(L"INSERT INTO ProdCache(Flag,UpdateValue)VALUES(5,'B|笔|默认类别');");
    EXPECT_EQ(Text(L"select OldValue from ProdCache"), L"");
}

TEST_F(Schema, LedgerRowsStartUnchangedAndUncosted) {
    // A correction row of the cost calculation names only its own values.
    Exec(L"insert into Stocks(ProductID, BillType, BillDate, SortID, InCount, InPrice, InAmount, LastCount, LastPrice, "
         L"LastAmount, IsSystem, IsCale, CreateDate) values (7,'进货','2013-05-06',2,10,4,40,0,4,0,2,0,'2013-05-06')");
    // A bill row leaves out its sort position and the change flag.
    Exec(L"insert into Stocks(BillType, BillDate, BillCode, BillItemID, ProductID, InCount, InPrice, InAmount, IsSystem, "
         L"IsVirtual, IsCale, SyncState, UserID, UserName) values ('进货','2013-05-06','JHD2013050001','1',7,10,"
         L"'4.00000000','40.00000000',0,0,0,0,0,'')");
    EXPECT_EQ(Int(L"select count(*) from Stocks where IsCale2 = 0 and IsVirtual = 0 and OutCount = 0 and OutAmount = 0 "
                  L"and SaleAmount = 0"),
              2);
    EXPECT_EQ(Int(L"select SortID from Stocks where BillCode = 'JHD2013050001'"), 0);
    EXPECT_EQ(Real(L"select InPrice from Stocks where BillCode = 'JHD2013050001'"), 4.0);  // quoted numbers stay numbers
    EXPECT_EQ(Int(L"select count(*) from Stocks where IsCale2 <> 1;"), 2);
    EXPECT_EQ(Text(L"select group_concat(ProductID) from (select distinct ProductID from Stocks where IsCale <> 1 order by ProductID)"),
              L"7");
}

TEST_F(Schema, BillsAndPartnersFromPartialInserts) {
    // The virtual bill names neither a discount rate nor an account nor an order.
    Exec(L" INSERT INTO SaleBills(  BillCode, BillType, CompanyID, CompanyCode, CompanyName,  BillAmount, DiscountAmount, "
         L"GetAmount, OweAmount, IsSystem,  BillDate, UserID, UserName, CreateDate, LastUpdateDate, Remark   ) VALUES (   "
         L"'XSD1970010001' , 0, 4,  'KH0003',  '张三',    100.00000000, 100.00000000, 0.00, 100.00000000, 1,   "
         L"'1970-01-01', 0, 'Admin', date(), date(), '虚拟单据'   )  ; ");
    Exec(L" INSERT INTO PurBills(  BillCode, BillType, CompanyID, CompanyCode, CompanyName,  BillAmount, DiscountAmount, "
         L"GetAmount, OweAmount, IsSystem,  BillDate, UserID, UserName, CreateDate, LastUpdateDate, Remark   ) VALUES (   "
         L"'JHD1970010001' , 0, 5,  'GYS0002',  '李四',    50.00000000, 50.00000000, 0.00, 50.00000000, 1,   "
         L"'1970-01-01', 0, 'Admin', date(), date(), '虚拟单据'   )  ; ");
    EXPECT_EQ(Int(L"select count(*) from SaleBills where IsDelete = 0 and SettleAcctID = 0 and SettleAcctName = '' and "
                  L"SaleOrderID = 0 and SaleOrderCode = ''"),
              1);
    EXPECT_EQ(Int(L"select count(*) from PurBills where IsDelete = 0 and SettleAcctID = 0"), 1);
    // No discount was given on either bill.
    EXPECT_EQ(Int(L"select count(*) from PurBills where ifnull(DisCountRate,1)<1;"), 0);
    EXPECT_EQ(Int(L"select count(*) from SaleBills where ifnull(DisCountRate,1)<1;"), 0);
    // Relinking a sale to an order that is gone leaves it without an order code.
    Exec(L"Update SaleBills set SaleOrderID=0,SaleOrderCode=(Select BillCode from SaleOrderBills where SaleOrderID=0 limit 1) "
         L"where SaleID=1");
    EXPECT_EQ(Int(L"Select count(1) as bPush from SaleBills where SaleOrderID<>0 And SaleOrderID=0 limit 1"), 0);

    // An order line starts undelivered and unselected.
    Exec(L"INSERT INTO SaleOrderBills (BillCode, CompanyID, BillType) VALUES ('XSDD2013050001', 1, '1')");
    Exec(L"INSERT INTO SaleOrderBillItems (SaleOrderID, ProductID, Coefficient, ShowItemCount) VALUES (1, 7, '12', 1)");
    EXPECT_EQ(Int(L"select count(*) from SaleOrderBills where BillState = 0 and IsSystem = 0 and IsDelete = 0"), 1);
    EXPECT_EQ(Int(L"select count(1) as Fnsh from SaleOrderBillItems where FnshItemCount<ShowItemCount And SaleOrderID=1 "), 1);
    Exec(L"UpDate SaleOrderBillItems set FnshItemCount=FnshItemCount+(6.00000000/Coefficient) where ProductID=7 And SaleOrderID=1");
    EXPECT_EQ(Real(L"select FnshItemCount from SaleOrderBillItems"), 0.5);
    EXPECT_EQ(Int(L"select ItemState from SaleOrderBillItems"), 0);

    // A plain contact names six columns; the rest read as an ordinary, unticked partner.
    Exec(L"insert into Companies (CompanyName,CompanyCode,SearchCode,CompanyType,Mobile,ContactGroup)\tvalues('王五','WW','WW',3,"
         L"'13800000000','朋友')");
    EXPECT_EQ(Int(L"select Count(*) from Companies where (ContactGroup = '朋友' or '朋友' = '') and IsSystem = 0 and IsDisable = 0 "
                  L"and IsDelete = 0"),
              1);
    EXPECT_EQ(Int(L"select count(*) from Companies where CompanyName = '王五' and IsSelect = 0 and CurAmount = 0 and IsBoth = 0"), 1);
}

TEST_F(Schema, MembersImportedFromCustomersStartWithoutPoints) {
    Exec(L"INSERT INTO Companies (CompanyName, SearchCode, CompanyType, CurAmount) VALUES ('张三', 'ZS', 1, 20)");
    Exec(L"insert into VipMember(CompanyID,MemberName,SearchCode,Contact,Tel,Birthday, LevelName,Mobile,Fax,QQ,Email,Address,"
         L"CreateDate, ActiveDate,LastUpdateDate,Remark) select CompanyID,CompanyName,SearchCode,Contact,Tel, '1900-01-01', "
         L"'普通会员',Mobile,Fax,QQ,Email,Address,'2013-05-06 14:03:09', '2013-05-06 14:03:09','2013-05-06 14:03:09',Remark "
         L"from Companies where IsSystem = 0 and IsDisable = 0 and CompanyType = '1' and IsDelete = 0  and CurAmount <> 0  "
         L"and CompanyID not in( select CompanyID from VipMember);");
    CppSQLite3Query m = db.execQuery(L"select * from VipMember");
    ASSERT_FALSE(m.eof());
    EXPECT_EQ(m.getStringField(L"MemberName"), L"张三");
    EXPECT_EQ(m.getStringField(L"VipCore"), L"0");
    EXPECT_EQ(m.getStringField(L"MemberCode"), L"");
    EXPECT_EQ(m.getIntField(L"Sex"), 0);
    m.nextRow();
    EXPECT_TRUE(m.eof());  // the delivered customers are system rows
    // An earning row names no remark; an adjustment names no money.
    Exec(L"insert into VipScores(MemberName,MemberCode,ScoreDocument,ScoreStyle,Money,Scores,CreateDate,EffectDate)\tvalues"
         L"('张三','','XSD2013050001',0,'95.80',9,'2013-05-06 14:03:09','2013-05-06 14:03:09') ");
    Exec(L"insert into VipScores(MemberName,MemberCode,ScoreDocument,ScoreStyle,Scores,CreateDate,EffectDate,Remark)\tvalues"
         L"('张三','','TZ20130506140309',2,'5','2013-05-06 14:03:09','2013-05-06 14:03:09','') ");
    EXPECT_EQ(Int(L"select sum(a.score) - sum(b.fscore) as core from (select ifnull(sum(scores),0) as score from  vipscores "
                  L"where Scorestyle <> '1' and MemberName = '张三')  as a, (select ifnull(sum(scores),0) as fscore from  "
                  L"vipscores where Scorestyle = '1' and MemberName = '张三')  as b;"),
              14);
}

// --- Lookups that must not scan whole tables -------------------------------------------

TEST_F(Schema, StockLedgerLookupsUseItsIndexes) {
    // By product: the cost calculation's walk and its neighbour lookups, the ledger card.
    ExpectIndexed(L"select * from Stocks where ProductID= 7 order by SortID", "IX_Stocks_Product");
    EXPECT_EQ(PlanOf(L"select * from Stocks where ProductID= 7 order by SortID").find("TEMP B-TREE"), std::string::npos);
    ExpectIndexed(L"select * from Stocks where ProductID=7 and SortID < 9 order by SortID DESC", "IX_Stocks_Product");
    ExpectIndexed(L"update Stocks set isCale=0,IsCale2 = 0 where ProductID=7 and SortID=4", "IX_Stocks_Product");
    ExpectIndexed(L"select * from Stocks where productID = 7 and billDate < '2013-05-01' order by sortID desc limit 1",
                  "IX_Stocks_Product");
    ExpectIndexed(L"select * from Stocks where ProductID = '7' AND BillDate <= '2013-05-06' AND BillType='出货'  AND "
                  L"BillCode <>'XSD2013050001' order by BillDate desc;",
                  "IX_Stocks_ProductType");
    // By bill: the rows a deleted bill takes with it.
    ExpectIndexed(L"select ProductID,BillDate from Stocks where billCode = 'XSD2013050001' AND BillType='出货' ;",
                  "IX_Stocks_Bill");
    ExpectIndexed(L"Delete from Stocks where BillCode = 'XSD2013050001' AND BillType='出货';", "IX_Stocks_Bill");
    // By the calculation flags: only the rows still to be costed or changed are read.
    ExpectIndexed(L"select distinct ProductID from Stocks where IsCale <> 1 order by ProductID", "IX_Stocks_Uncalculated");
    ExpectIndexed(L"select count(*) from Stocks where IsCale2 <> 1;", "IX_Stocks_Changed");
    ExpectIndexed(L"update Stocks set IsCale2 = 1 where IsCale2 <> 1 ", "IX_Stocks_Changed");
}

TEST_F(Schema, PostingLookupsUseIndexes) {
    // The ledger reads a bill's lines by its code.
    ExpectIndexed(L"select PurBillItems.*, BillDate, CompanyID, CompanyName, CompanyCode from PurBills, PurBillItems "
                  L"where PurBills.PurID = PurBillItems.PurID and PurBills.BillCode = 'JHD2013050001'",
                  "IX_PurBillItems_Bill");
    ExpectIndexed(L"select SaleBillItems.*, BillDate, CompanyID, CompanyName, CompanyCode from SaleBills, SaleBillItems "
                  L"where SaleBills.SaleID = SaleBillItems.SaleID and SaleBills.BillCode = 'XSD2013050001'",
                  "IX_SaleBills_Code");
    ExpectIndexed(L" SELECT BillCode FROM SaleOrderBills WHERE BillCode='XSDD2013050001' ", "IX_SaleOrderBills_Code");
    ExpectIndexed(L" SELECT * FROM SaleOrderBillItems WHERE SaleOrderID=1 ;", "IX_SaleOrderBillItems_Bill");
    // The day's journal line, a receipt by its code.
    ExpectIndexed(L"update Account set InAmount = InAmount + (10.00000000) where strftime('%Y-%m-%d', AccountDate) = "
                  L"strftime('%Y-%m-%d', '2013-05-06') and   ProjectType =1 and AccountType = '收入'",
                  "IX_Account_Day");
    ExpectIndexed(L"select * from Account where AccountCode='SK2013050001' And AccountCode<>'' ", "IX_Account_Code");
    // Partners, products, customer prices and warehouse stock by name.
    ExpectIndexed(L" SELECT * FROM Companies WHERE CompanyName='张三' ORDER BY CompanyID  DESC LIMIT 1 ;", "IX_Companies_Name");
    ExpectIndexed(L" SELECT * FROM Products WHERE ProductName='笔' ;", "IX_Products_Name");
    ExpectIndexed(L" SELECT * FROM Products WHERE ProductCode ='P1'", "IX_Products_Code");
    ExpectIndexed(L" SELECT * FROM  CompPrice WHERE CompanyName='张三' AND ProductName='笔' And UnitName='支';",
                  "IX_CompPrice_CustProdUnit");
    ExpectIndexed(L"SELECT * FROM ProductStock where ProductID = '7'", "IX_ProductStock_Product");
}

}  // namespace
