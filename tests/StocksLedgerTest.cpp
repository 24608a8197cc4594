// The stock ledger: bills posted into it and taken out again, the products left for the cost
// calculation, and the indexes behind the statements it runs.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <string>
#include <vector>

#include "frame/ServiceFrame.h"
#include "support/RowText.h"
#include "support/ShopDbTest.h"

using shopbiz::Fmt;

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
            Fmt(L"insert into %s (BillCode, CompanyID, CompanyCode, CompanyName, DiscountRate, BillDate) values "
                L"('%s', %d, '%s', '%s', %.2f, '%s')",
                sale ? L"SaleBills" : L"PurBills", code, sale ? 1 : 2, sale ? L"KH0001" : L"GYS0001",
                sale ? L"零售客户" : L"零散供应商", rate, date));
        const int id = Int(L"select last_insert_rowid()");
        for (const Line& l : lines)
            Exec(
                Fmt(L"insert into %s (%s, BillCode, ProductID, ProductCode, ProductName, TypeID, TypeName, UnitID, "
                    L"UnitName, Price, ItemCount, Amount, SearchCode) values (%d, '%s', %d, 'P%d', '%s', 2, "
                    L"'默认类别', 13, '瓶', %.2f, %.2f, %.2f, 'KL')",
                    sale ? L"SaleBillItems" : L"PurBillItems", sale ? L"SaleID" : L"PurID", id, code, l.productID,
                    l.productID, l.name, l.price, l.count, l.amount));
    }
    // One-line bills posted into the ledger.
    void Buy(const wchar_t* code, const wchar_t* date, int productID) {
        AddBill(false, code, date, 1.0, {{productID, L"可乐", 5, 2, 10}});
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
            Fmt(L"select ifnull(group_concat(case BillCode when '' then BillType else BillCode end), '') from "
                L"(select * from Stocks where ProductID = %d and IsCale = 0 and IsCale2 = 0 order by StockID)",
                productID));
    }

    CStocksBLL stocks;
};

TEST_F(Ledger, BillsGoInAndOutAtTheDiscountedPrices) {
    AddBill(false, L"JH1", L"2013-05-02", 0.9, {{7, L"可乐", 10, 5, 50}, {9, L"雪碧", -2, 4, -8}});  // then a return
    AddBill(true, L"XS1", L"2013-05-03", 0.8, {{7, L"可乐", 4, 10, 40}});
    EXPECT_EQ(stocks.AddStockIn(db, L"JH1"), 1);
    EXPECT_EQ(stocks.AddStockOut(db, L"XS1"), 1);
    // The cost side of a sale (OutPrice, OutAmount) is left to the cost calculation.
    EXPECT_EQ(RowsOf(db,
                     L"select BillType, BillDate, BillItemID, ProductID, CompanyCode, UnitID, round(InCount, 6), "
                     L"round(InPrice, 6), round(InAmount, 6), OutCount, round(SalePrice, 6), round(SaleAmount, 6), "
                     L"OutPrice + OutAmount, SortID + IsSystem + IsVirtual + IsCale + IsCale2 from Stocks order by "
                     L"StockID"),
              L"进货|2013-05-02|1|7|GYS0001|13|10.0|4.5|45.0|0.0|0.0|0.0|0.0|0\n"
              L"进货|2013-05-02|2|9|GYS0001|13|-2.0|3.6|-7.2|0.0|0.0|0.0|0.0|0\n"
              L"出货|2013-05-03|1|7|KH0001|13|0.0|0.0|0.0|4.0|8.0|32.0|0.0|0");
}

TEST_F(Ledger, APurchaseLogsAndSkipsALineThatFailsASaleStopsThere) {
    Exec(
        L"create trigger no_sprite before insert on Stocks when new.ProductID = 8 begin select raise(abort, "
        L"'no sprite'); end;");
    const std::vector<Line> lines = {{7, L"可乐", 1, 5, 5}, {8, L"雪碧", 1, 4, 4}, {9, L"芬达", 1, 3, 3}};
    AddBill(false, L"JH2", L"2013-05-02", 1.0, lines);
    AddBill(true, L"XS2", L"2013-05-03", 1.0, lines);
    EXPECT_EQ(stocks.AddStockIn(db, L"JH2"), 1);
    EXPECT_THROW(stocks.AddStockOut(db, L"XS2"), CppSQLite3Exception);
    EXPECT_EQ(Text(L"select group_concat(BillCode || ProductID) from Stocks"), L"JH27,JH29,XS27");
    const std::vector<CString> log = TakeLog();
    ASSERT_EQ(log.size(), 2u) << Joined(log);
    EXPECT_EQ(log[1], L"no sprite");
}

TEST_F(Ledger, DeletedSaleMarksTheThirdNewestEarlierSaleOrTheOldest) {
    Opening(7, L"可乐");
    Opening(8, L"雪碧");
    Opening(9, L"芬达");
    Buy(L"JH1", L"2013-04-01", 7);
    for (int day = 1; day <= 5; ++day) Sell(Fmt(L"XS%d", day), Fmt(L"2013-05-%02d", day), 7);
    Sell(L"XS9", L"2013-05-10", 7);  // later than the deleted bill: not a candidate
    Sell(L"YS1", L"2013-05-01", 9);  // only two earlier sales of 芬达
    Sell(L"YS2", L"2013-05-02", 9);
    AddBill(true, L"XS6", L"2013-05-06", 1.0, {{7, L"可乐", 2, 3, 6}, {8, L"雪碧", 1, 3, 3}, {9, L"芬达", 1, 3, 3}});
    stocks.AddStockOut(db, L"XS6");
    CalculateAll();

    EXPECT_EQ(stocks.DeleteStockOut(db, L"XS6"), 1);
    EXPECT_EQ(Uncalculated(7), L"XS3");
    EXPECT_EQ(Uncalculated(8), L"期初");  // its only sale: everything left of it is recalculated
    EXPECT_EQ(Uncalculated(9), L"YS1");
    EXPECT_EQ(Int(L"select count(*) from Stocks"), 12);  // the three rows of the bill gone, no other
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
}

TEST_F(Ledger, ProductsWaitingForTheCostCalculation) {
    Opening(12, L"芬达");
    Opening(7, L"可乐");
    Sell(L"XS1", L"2013-05-01", 12);
    Sell(L"XS3", L"2013-05-03", 7);
    CStringArray ids;
    stocks.GetProductIDs(db, ids);
    EXPECT_EQ(ids.GetSize() == 2 ? ids[0] + L"," + ids[1] : L"", L"7,12");
    CalculateAll();
    stocks.GetProductIDs(db, ids);
    EXPECT_EQ(ids.GetSize(), 0);
}

// Every statement the ledger runs, but its plain inserts, reads through an index and never walks a
// whole table; those by bill code and by product use the bill and product indexes.
TEST_F(Ledger, BillAndProductStatementsReadThroughIndexes) {
    Opening(7, L"可乐");
    Opening(8, L"雪碧");
    AddBill(false, L"JH1", L"2013-05-01", 0.9, {{7, L"可乐", 5, 2, 10}});
    for (int day = 1; day <= 5; ++day)
        AddBill(true, Fmt(L"XS%d", day), Fmt(L"2013-05-%02d", day), 1.0,
                {{7, L"可乐", 1, 3, 3}, {8, L"雪碧", 1, 3, 3}});
    std::vector<std::string> statements;  // a trigger's own lines ("--") left out
    sqlite3_trace_v2(
        db.handle(), SQLITE_TRACE_STMT,
        [](unsigned, void* context, void*, void* text) {
            const char* sql = static_cast<const char*>(text);
            if (sql && std::string(sql).rfind("--", 0) != 0)
                static_cast<std::vector<std::string>*>(context)->push_back(sql);
            return 0;
        },
        &statements);
    CStringArray ids;
    stocks.AddStockIn(db, L"JH1");
    for (const wchar_t* code : {L"XS1", L"XS2", L"XS3", L"XS4", L"XS5"}) stocks.AddStockOut(db, code);
    stocks.DeleteStockOut(db, L"XS5");
    stocks.DeleteStockIn(db, L"JH1");
    stocks.GetProductIDs(db, ids);
    sqlite3_trace_v2(db.handle(), 0, nullptr, nullptr);

    int byBill = 0, byProduct = 0, byFlags = 0;
    for (const std::string& sql : statements) {
        if (sql.rfind("insert into Stocks(", 0) == 0) continue;  // nothing to look up
        std::string plan;
        for (CppSQLite3Query q = db.execQuery(CString::FromUtf8("EXPLAIN QUERY PLAN " + sql)); !q.eof(); q.nextRow())
            plan += q.getStringField(L"detail").ToUtf8() + "\n";
        for (std::string::size_type at = 0; (at = plan.find("SCAN ", at)) != std::string::npos; ++at)
            EXPECT_NE(plan.substr(at, plan.find('\n', at) - at).find(" INDEX "), std::string::npos) << sql << plan;
        if (sql.find(" Stocks ") == std::string::npos) continue;
        byBill += plan.find("INDEX IX_Stocks_Bill ") != std::string::npos;
        // Any index led by the product will do; the reports' period index is one.
        byProduct += plan.find("INDEX IX_Stocks_Product") != std::string::npos ||
                     plan.find("INDEX IX_Stocks_Period (ProductID=") != std::string::npos;
        byFlags += plan.find("INDEX IX_Stocks_Uncalculated") != std::string::npos;
        // The earlier rows of a deleted bill's product come in date order, without sorting.
        if (sql.rfind("select * from Stocks where ProductID =", 0) == 0) {
            EXPECT_NE(plan.find("INDEX IX_Stocks_ProductType "), std::string::npos) << plan;
            EXPECT_EQ(plan.find("TEMP B-TREE"), std::string::npos) << plan;
        }
    }
    EXPECT_EQ(byBill, 4);     // two bills: their rows, then their deletion
    EXPECT_EQ(byProduct, 4);  // 3 earlier-row reads, 1 mark of a whole product
    EXPECT_EQ(byFlags, 1);
}

}  // namespace
