// The stock ledger: opening rows, bills posted into it and taken out again, renames, and
// the indexes behind the statements it runs.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <string>
#include <vector>

#include "frame/ServiceFrame.h"
#include "support/RowText.h"
#include "support/ShopDbTest.h"

using shopbiz::Sql;

namespace {

struct Line {
    int productID;
    const wchar_t* name;
    double count, price, amount;
};

class Ledger : public ShopDbTest {
protected:
    // A sale (to the retail customer) or purchase (from the occasional supplier) with its lines,
    // written as the postings write them.
    void AddBill(bool sale, const wchar_t* code, const wchar_t* date, double rate, const std::vector<Line>& lines) {
        Exec(
            Sql(L"insert into %s (BillCode, CompanyID, CompanyCode, CompanyName, DiscountRate, BillDate) values "
                L"('%s', %d, '%s', '%s', %.2f, '%s')",
                sale ? L"SaleBills" : L"PurBills", code, sale ? 1 : 2, sale ? L"KH0001" : L"GYS0001",
                sale ? L"零售客户" : L"零散供应商", rate, date));
        const int id = Int(L"select last_insert_rowid()");
        for (const Line& l : lines)
            Exec(
                Sql(L"insert into %s (%s, BillCode, ProductID, ProductCode, ProductName, TypeID, TypeName, UnitID, "
                    L"UnitName, Price, ItemCount, Amount, SearchCode) values (%d, '%s', %d, 'P%d', '%s', 2, "
                    L"'默认类别', 13, '瓶', %.2f, %.2f, %.2f, 'KL')",
                    sale ? L"SaleBillItems" : L"PurBillItems", sale ? L"SaleID" : L"PurID", id, code, l.productID,
                    l.productID, l.name, l.price, l.count, l.amount));
    }
    // One-line bills posted into the ledger.
    void Buy(const wchar_t* code, const wchar_t* date, int productID, double count = 5) {
        AddBill(false, code, date, 1.0, {{productID, L"可乐", count, 2, 2 * count}});
        stocks.AddStockIn(db, code);
    }
    void Sell(const wchar_t* code, const wchar_t* date, int productID) {
        AddBill(true, code, date, 1.0, {{productID, L"可乐", 1, 3, 3}});
        stocks.AddStockOut(db, code);
    }
    void Opening(int productID, const wchar_t* name) {
        stocks.AddStockVirtual(db, L"2013-05-06", productID, name, L"P", L"默认类别", L"瓶", L"10", L"2");
    }
    // As after a cost calculation: every row costed and unchanged.
    void CalculateAll() { Exec(L"update Stocks set IsCale = 1, IsCale2 = 1, SortID = StockID"); }
    // Bill codes (or the opening row's type) of the product's rows still to be costed.
    CString Uncalculated(int productID) {
        return Text(
            Sql(L"select ifnull(group_concat(case BillCode when '' then BillType else BillCode end), '') from "
                L"(select * from Stocks where ProductID = %d and IsCale = 0 and IsCale2 = 0 order by StockID)",
                productID));
    }
    void NoSprite() {
        Exec(
            L"create trigger no_sprite before insert on Stocks when new.ProductID = 8 begin "
            L"select raise(abort, 'no sprite'); end;");
    }

    CStocksBLL stocks;
};

TEST_F(Ledger, OpeningRowIsDatedWithTheSystemStartDate) {
    EXPECT_EQ(stocks.AddStockVirtual(db, L"2013-05-06", 7, L"雪碧汽水", L"P001", L"默认类别", L"瓶", L"12", L"2.5"), 1);
    EXPECT_EQ(RowsOf(db,
                     L"select SortID, BillType, BillDate, BillCode, ProductID, ProductName, ProductCode, SearchCode, "
                     L"TypeID, TypeName, UnitName, InCount + OutCount, LastCount, LastPrice, LastAmount, IsSystem, "
                     L"IsVirtual, IsCale, CreateDate, LastUpdateDate from Stocks"),
              L"1|期初|1970-01-01||7|雪碧汽水|P001|XBQS|2|默认类别|瓶|0.0|12.0|2.5|30.0|1|0|1|1970-01-01|2013-05-06 "
              L"14:03:09");
    // A type not in the tree, a quote in the name, quantities that are no numbers.
    EXPECT_EQ(stocks.AddStockVirtual(db, L"", 8, L"Joe's", L"P'2", L"没有的类别", L"", L"abc", L""), 1);
    EXPECT_EQ(
        RowsOf(db, L"select ProductName, ProductCode, TypeID, LastCount, LastAmount from Stocks where ProductID = 8"),
        L"Joe's|P'2|0|0.0|0.0");
    // A failed insert is swallowed: the caller goes on, nothing is logged.
    Exec(L"create trigger ledger_closed before insert on Stocks begin select raise(abort, 'ledger closed'); end;");
    EXPECT_EQ(stocks.AddStockVirtual(db, L"", 9, L"雪碧", L"P3", L"默认类别", L"瓶", L"1", L"1"), 1);
    EXPECT_EQ(Int(L"select count(*) from Stocks where ProductID = 9"), 0);
    EXPECT_TRUE(TakeLog().empty());
}

TEST_F(Ledger, PurchaseGoesInAtTheDiscountedPriceAndLinesThatFailAreLoggedAndSkipped) {
    AddBill(false, L"JH1", L"2013-05-02", 0.9, {{7, L"可乐", 10, 5, 50}, {8, L"雪碧", -2, 4, -8}});  // then a return
    EXPECT_EQ(stocks.AddStockIn(db, L"JH1"), 1);
    EXPECT_EQ(RowsOf(db,
                     L"select BillType, BillDate, BillCode, BillItemID = (select PurItemID from PurBillItems i where "
                     L"i.ProductID = s.ProductID), ProductID, ProductName, ProductCode, SearchCode, CompanyID, "
                     L"CompanyCode, CompanyName, TypeID, TypeName, UnitID, UnitName, round(InCount, 6), "
                     L"round(InPrice, 6), round(InAmount, 6), OutCount + SaleAmount, SortID, IsSystem + IsVirtual + "
                     L"IsCale + IsCale2, CreateDate, LastUpdateDate from Stocks s order by StockID"),
              L"进货|2013-05-02|JH1|1|7|可乐|P7|KL|2|GYS0001|零散供应商|2|默认类别|13|瓶|10.0|4.5|45.0|0.0|0|0|"
              L"2013-05-06|2013-05-06\n"
              L"进货|2013-05-02|JH1|1|8|雪碧|P8|KL|2|GYS0001|零散供应商|2|默认类别|13|瓶|-2.0|3.6|-7.2|0.0|0|0|"
              L"2013-05-06|2013-05-06");
    // Codes that find no bill post nothing.
    EXPECT_EQ(stocks.AddStockIn(db, L"JH2099010001"), 1);
    EXPECT_EQ(stocks.AddStockIn(db, L"JH'"), 1);
    EXPECT_EQ(Int(L"select count(*) from Stocks"), 2);

    AddBill(false, L"JH2", L"2013-05-02", 1.0, {{7, L"可乐", 1, 5, 5}, {8, L"雪碧", 1, 4, 4}, {9, L"芬达", 1, 3, 3}});
    NoSprite();
    EXPECT_EQ(stocks.AddStockIn(db, L"JH2"), 1);
    EXPECT_EQ(Text(L"select group_concat(ProductID) from Stocks where BillCode = 'JH2'"), L"7,9");
    const std::vector<CString> log = TakeLog();
    ASSERT_EQ(log.size(), 2u) << Joined(log);
    EXPECT_EQ(log[0].Left(19), L"insert into Stocks(");
    EXPECT_NE(log[0].Find(L"'雪碧'"), -1);
    EXPECT_EQ(log[1], L"no sprite");
}

TEST_F(Ledger, SaleGoesOutAtTheDiscountedSalePriceAndStopsAtTheFirstLineThatFails) {
    AddBill(true, L"XS1", L"2013-05-03", 0.8, {{7, L"可乐", 4, 10, 40}});
    EXPECT_EQ(stocks.AddStockOut(db, L"XS1"), 1);
    // The cost side (OutPrice, OutAmount) is left to the cost calculation.
    EXPECT_EQ(RowsOf(db,
                     L"select BillType, BillDate, BillItemID = (select SaleItemID from SaleBillItems), CompanyID, "
                     L"CompanyCode, CompanyName, OutCount, round(SalePrice, 6), round(SaleAmount, 6), OutPrice + "
                     L"OutAmount + InCount, IsCale + IsCale2, CreateDate, LastUpdateDate from Stocks"),
              L"出货|2013-05-03|1|1|KH0001|零售客户|4.0|8.0|32.0|0.0|0|2013-05-06|2013-05-06 14:03:09");
    EXPECT_EQ(stocks.AddStockOut(db, L"XS2099010001"), 1);  // no such bill: nothing to post

    AddBill(true, L"XS2", L"2013-05-03", 1.0, {{7, L"可乐", 1, 5, 5}, {8, L"雪碧", 1, 4, 4}, {9, L"芬达", 1, 3, 3}});
    NoSprite();
    EXPECT_THROW(stocks.AddStockOut(db, L"XS2"), CppSQLite3Exception);
    EXPECT_EQ(Text(L"select group_concat(ProductID) from Stocks where BillCode = 'XS2'"), L"7");
    EXPECT_TRUE(TakeLog().empty());
}

TEST_F(Ledger, DeletedSaleMarksTheThirdNewestEarlierSaleOrTheOldest) {
    Opening(7, L"可乐");
    Opening(8, L"雪碧");
    Opening(9, L"芬达");
    Buy(L"JH1", L"2013-04-01", 7, 50);
    for (int day = 1; day <= 5; ++day) Sell(Sql(L"XS%d", day), Sql(L"2013-05-%02d", day), 7);
    Sell(L"XS9", L"2013-05-10", 7);  // later than the deleted bill: not a candidate
    Sell(L"YS1", L"2013-05-01", 9);  // only two earlier sales of 芬达
    Sell(L"YS2", L"2013-05-02", 9);
    AddBill(true, L"XS6", L"2013-05-06", 1.0, {{7, L"可乐", 2, 3, 6}, {8, L"雪碧", 1, 3, 3}, {9, L"芬达", 1, 3, 3}});
    stocks.AddStockOut(db, L"XS6");
    CalculateAll();

    EXPECT_EQ(stocks.DeleteStockOut(db, L"XS6"), 1);
    EXPECT_EQ(Int(L"select count(*) from Stocks where BillCode = 'XS6'"), 0);
    EXPECT_EQ(Uncalculated(7), L"XS3");
    EXPECT_EQ(Uncalculated(8), L"期初");  // its only sale: everything left of it is recalculated
    EXPECT_EQ(Uncalculated(9), L"YS1");
    EXPECT_EQ(Int(L"select count(*) from Stocks"), 12);
    // A bill that is not in the ledger changes nothing.
    CalculateAll();
    EXPECT_EQ(stocks.DeleteStockOut(db, L"XS404"), 1);
    EXPECT_EQ(Int(L"select count(*) from Stocks where IsCale = 0 or IsCale2 = 0"), 0);
}

TEST_F(Ledger, DeletedPurchaseLooksOnlyAtPurchases) {
    Opening(7, L"可乐");
    Buy(L"JH1", L"2013-05-01", 7);
    Sell(L"XS1", L"2013-05-02", 7);
    Buy(L"JH2", L"2013-05-03", 7);
    Sell(L"JH2", L"2013-05-03", 7);  // a sale that happens to carry the same code
    CalculateAll();

    EXPECT_EQ(stocks.DeleteStockIn(db, L"JH2"), 1);
    EXPECT_EQ(Uncalculated(7), L"JH1");
    EXPECT_EQ(Text(L"select group_concat(BillType) from Stocks where BillCode = 'JH2'"), L"出货");
    // The generic form with the type named.
    CalculateAll();
    EXPECT_EQ(stocks.DeleteStock(db, L"JH2", L"出货"), 1);
    EXPECT_EQ(Uncalculated(7), L"XS1");
    EXPECT_EQ(Int(L"select count(*) from Stocks where BillCode = 'JH2'"), 0);
}

TEST_F(Ledger, EditedOpeningStockIsRecalculatedAndARenameReachesEveryRowOfTheProduct) {
    Opening(7, L"可乐");
    Opening(8, L"雪碧");
    Sell(L"XS1", L"2013-05-01", 7);
    CalculateAll();
    EXPECT_EQ(stocks.UpdateStock(db, 7, 20, 3), 1);
    EXPECT_EQ(RowsOf(db,
                     L"select LastCount, LastPrice, LastAmount, LastUpdateDate from Stocks where ProductID = 7 "
                     L"and IsSystem = 1"),
              L"20.0|3.0|60.0|2013-05-06 14:03:09");
    EXPECT_EQ(Uncalculated(7), L"期初");
    EXPECT_EQ(Uncalculated(8), L"");
    EXPECT_EQ(Real(L"select LastCount from Stocks where BillCode = 'XS1'"), 0.0);

    CString error;
    EXPECT_EQ(stocks.UpdateBillProName(db, 7, L"芬达汽水", L"P'7", error), 0);
    EXPECT_TRUE(error.IsEmpty());
    EXPECT_EQ(RowsOf(db, L"select ProductID, ProductName, ProductCode, SearchCode from Stocks order by StockID"),
              L"7|芬达汽水|P'7|FDQS\n8|雪碧|P|XB\n7|芬达汽水|P'7|FDQS");
    Exec(L"drop table Stocks");
    EXPECT_EQ(stocks.UpdateBillProName(db, 7, L"可乐", L"P7", error), -1);
    EXPECT_EQ(error, L"同步货品资料时出错！\r\n\r\nno such table: Stocks");
    EXPECT_EQ(Joined(TakeLog()), Joined({error}));
}

TEST_F(Ledger, ProductsWaitingForTheCostCalculation) {
    Opening(12, L"芬达");
    Opening(7, L"可乐");
    Sell(L"XS1", L"2013-05-01", 12);
    Sell(L"XS2", L"2013-05-02", 12);
    Sell(L"XS3", L"2013-05-03", 7);
    Opening(9, L"雪碧");
    CStringArray ids;
    ids.Add(L"stale");
    stocks.GetProductIDs(db, ids);
    ASSERT_EQ(ids.GetSize(), 2);
    EXPECT_EQ(ids[0] + L"," + ids[1], L"7,12");
    CalculateAll();
    stocks.GetProductIDs(db, ids);
    EXPECT_EQ(ids.GetSize(), 0);
}

TEST_F(Ledger, PreviousAndNextProduct) {
    Exec(
        L"insert into Products (ProductID, ProductName, SearchCode, TypeName, IsLocal, IsDisable) values "
        L"(1, '可乐', 'KL', '饮料', 1, 0), (2, '薯片', 'SP', '零食', 1, 0), (3, '雪碧', 'XB', '饮料', 1, 1), "
        L"(4, '芬达', 'FD', '饮料', 0, 0), (5, '橙汁', 'CZ', '饮料', 1, 0)");
    EXPECT_EQ(stocks.GetPreNextProductID(db, 1, L"全部类别", L"", true), 2);
    EXPECT_EQ(stocks.GetPreNextProductID(db, 1, L"饮料", L"", true), 5);  // disabled and online ones skipped
    EXPECT_EQ(stocks.GetPreNextProductID(db, 5, L"", L"", false), 2);
    EXPECT_EQ(stocks.GetPreNextProductID(db, 1, L"", L"CZ", true), 5);
    EXPECT_EQ(stocks.GetPreNextProductID(db, 5, L"全部类别", L"", true), 5);  // none after it
    EXPECT_EQ(stocks.GetPreNextProductID(db, 1, L"饮'料", L"", true), 1);
}

// --- Indexes behind the ledger's statements ----------------------------------------------------

// The query plan of `sql`, after checking that no step of it walks a whole table.
std::string PlanWithoutTableScan(CppSQLite3DB& db, const std::string& sql) {
    std::string plan;
    for (CppSQLite3Query q = db.execQuery(CString::FromUtf8("EXPLAIN QUERY PLAN " + sql)); !q.eof(); q.nextRow())
        plan += q.getStringField(L"detail").ToUtf8() + "\n";
    for (std::string::size_type at = 0; (at = plan.find("SCAN ", at)) != std::string::npos;) {
        const std::string step = plan.substr(at, plan.find('\n', at) - at);
        EXPECT_NE(step.find(" INDEX "), std::string::npos) << sql << "\n" << plan;
        at += step.size();
    }
    return plan;
}

TEST_F(Ledger, BillAndProductStatementsReadThroughIndexes) {
    Opening(7, L"可乐");
    Opening(8, L"雪碧");
    AddBill(false, L"JH1", L"2013-05-01", 0.9, {{7, L"可乐", 5, 2, 10}});
    for (int day = 1; day <= 5; ++day)
        AddBill(true, Sql(L"XS%d", day), Sql(L"2013-05-%02d", day), 1.0,
                {{7, L"可乐", 1, 3, 3}, {8, L"雪碧", 1, 3, 3}});
    // Every statement the connection prepares while the ledger works, but a trigger's own lines.
    std::vector<std::string> statements;
    sqlite3_trace_v2(
        db.handle(), SQLITE_TRACE_STMT,
        [](unsigned, void* context, void*, void* text) {
            const char* sql = static_cast<const char*>(text);
            if (sql && std::string(sql).rfind("--", 0) != 0)
                static_cast<std::vector<std::string>*>(context)->push_back(sql);
            return 0;
        },
        &statements);
    CString error;
    CStringArray ids;
    stocks.AddStockIn(db, L"JH1");
    for (const wchar_t* code : {L"XS1", L"XS2", L"XS3", L"XS4", L"XS5"}) stocks.AddStockOut(db, code);
    stocks.DeleteStockOut(db, L"XS5");
    stocks.DeleteStockIn(db, L"JH1");
    stocks.UpdateStock(db, 7, 3, 2);
    stocks.UpdateBillProName(db, 7, L"百事可乐", L"P7", error);
    stocks.GetProductIDs(db, ids);
    sqlite3_trace_v2(db.handle(), 0, nullptr, nullptr);

    int byBill = 0, byProduct = 0, byFlags = 0;
    for (const std::string& sql : statements) {
        if (sql.rfind("insert into Stocks(", 0) == 0) continue;  // nothing to look up
        const std::string plan = PlanWithoutTableScan(db, sql);
        if (sql.find(" Stocks ") == std::string::npos) continue;
        byBill += plan.find("INDEX IX_Stocks_Bill ") != std::string::npos;
        byProduct += plan.find("INDEX IX_Stocks_Product") != std::string::npos;
        byFlags += plan.find("INDEX IX_Stocks_Uncalculated") != std::string::npos;
        // The earlier rows of a deleted bill's product come in date order, without sorting.
        if (sql.rfind("select * from Stocks where ProductID =", 0) == 0) {
            EXPECT_NE(plan.find("INDEX IX_Stocks_ProductType "), std::string::npos) << plan;
            EXPECT_EQ(plan.find("TEMP B-TREE"), std::string::npos) << plan;
        }
    }
    EXPECT_EQ(byBill, 4);     // two bills: their rows, then their deletion
    EXPECT_EQ(byProduct, 6);  // 3 earlier-row reads, 1 mark of a whole product, the opening stock, the rename
    EXPECT_EQ(byFlags, 1);
}

}  // namespace
