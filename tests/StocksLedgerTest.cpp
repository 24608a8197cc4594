// The stock ledger: opening rows, bills posted into it and taken out again, renames, and
// the indexes behind the statements it runs.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <string>
#include <vector>

#include "support/RowText.h"
#include "support/ShopDbTest.h"

namespace {

struct Line {
    int productID;
    const wchar_t* name;
    double count, price, amount;
};

class Ledger : public ShopDbTest {
protected:
    // A purchase bill (from the occasional supplier) with its lines, written as the
    // purchase posting writes them; returns the bill ID.
    int AddPurchase(const wchar_t* code, const wchar_t* date, double rate, const std::vector<Line>& lines) {
        return AddBill(L"PurBills", L"PurBillItems", L"PurID", 2, L"GYS0001", L"零散供应商", code, date, rate, lines);
    }
    int AddSale(const wchar_t* code, const wchar_t* date, double rate, const std::vector<Line>& lines) {
        return AddBill(L"SaleBills", L"SaleBillItems", L"SaleID", 1, L"KH0001", L"零售客户", code, date, rate, lines);
    }

    // Posts a one-line sale into the ledger.
    void Sell(const wchar_t* code, const wchar_t* date, int productID, double count = 1) {
        AddSale(code, date, 1.0, {{productID, L"可乐", count, 3, 3 * count}});
        stocks.AddStockOut(db, code);
    }
    void Opening(int productID, const wchar_t* name) {
        stocks.AddStockVirtual(db, L"2013-05-06", productID, name, L"P", L"默认类别", L"瓶", L"10", L"2");
    }
    // As after a cost calculation: every row costed and unchanged.
    void CalculateAll() { Exec(L"update Stocks set IsCale = 1, IsCale2 = 1, SortID = StockID"); }
    // Bill codes (or the opening row's type) of the product's rows still to be costed.
    CString Uncalculated(int productID) {
        CString sql;
        sql.Format(L"select ifnull(group_concat(case BillCode when '' then BillType else BillCode end), '') from "
                   L"(select * from Stocks where ProductID = %d and IsCale = 0 and IsCale2 = 0 order by StockID)",
                   productID);
        return Text(sql);
    }

    CStocksBLL stocks;

private:
    int AddBill(const wchar_t* bills, const wchar_t* items, const wchar_t* key, int companyID, const wchar_t* companyCode,
                const wchar_t* companyName, const wchar_t* code, const wchar_t* date, double rate,
                const std::vector<Line>& lines) {
        CString sql;
        sql.Format(L"insert into %s (BillCode, CompanyID, CompanyCode, CompanyName, DiscountRate, BillDate) values "
                   L"('%s', %d, '%s', '%s', %.2f, '%s')",
                   bills, code, companyID, companyCode, companyName, rate, date);
        Exec(sql);
        const int id = Int(L"select last_insert_rowid()");
        for (const Line& l : lines) {
            sql.Format(L"insert into %s (%s, BillCode, ProductID, ProductCode, ProductName, TypeID, TypeName, UnitID, "
                       L"UnitName, Price, ItemCount, Amount, SearchCode) values (%d, '%s', %d, 'P%d', '%s', 2, "
                       L"'默认类别', 13, '瓶', %.2f, %.2f, %.2f, 'KL')",
                       items, key, id, code, l.productID, l.productID, l.name, l.price, l.count, l.amount);
            Exec(sql);
        }
        return id;
    }
};

// --- Opening rows -------------------------------------------------------------------------

TEST_F(Ledger, OpeningRowIsDatedWithTheSystemStartDate) {
    EXPECT_EQ(stocks.AddStockVirtual(db, L"2013-05-06", 7, L"雪碧汽水", L"P001", L"默认类别", L"瓶", L"12", L"2.5"), 1);
    EXPECT_EQ(RowsOf(db, L"select SortID, BillType, BillDate, BillCode, ProductID, ProductName, ProductCode, SearchCode, "
                         L"TypeID, TypeName, UnitName, InCount + OutCount, LastCount, LastPrice, LastAmount, IsSystem, "
                         L"IsVirtual, IsCale, CreateDate, LastUpdateDate from Stocks"),
              L"1|期初|1970-01-01||7|雪碧汽水|P001|XBQS|2|默认类别|瓶|0.0|12.0|2.5|30.0|1|0|1|1970-01-01|2013-05-06 14:03:09");
}

TEST_F(Ledger, OpeningRowOfOddInput) {
    // A type not in the tree, a quote in the name, quantities that are no numbers.
    EXPECT_EQ(stocks.AddStockVirtual(db, L"", 8, L"Joe's", L"P'2", L"没有的类别", L"", L"abc", L""), 1);
    EXPECT_EQ(Text(L"select ProductName || '|' || ProductCode || '|' || TypeID || '|' || LastCount || '|' || LastAmount "
                   L"from Stocks where ProductID = 8"),
              L"Joe's|P'2|0|0.0|0.0");
    // A failed insert is swallowed: the caller goes on, nothing is logged.
    Exec(L"create trigger ledger_closed before insert on Stocks begin select raise(abort, 'ledger closed'); end;");
    EXPECT_EQ(stocks.AddStockVirtual(db, L"", 9, L"雪碧", L"P3", L"默认类别", L"瓶", L"1", L"1"), 1);
    EXPECT_EQ(Int(L"select count(*) from Stocks where ProductID = 9"), 0);
    EXPECT_TRUE(TakeLog().empty());
}

// --- Bills into the ledger ----------------------------------------------------------------

TEST_F(Ledger, PurchaseGoesInAtTheDiscountedPrice) {
    AddPurchase(L"JH2013050001", L"2013-05-02", 0.9, {{7, L"可乐", 10, 5, 50}, {8, L"雪碧", -2, 4, -8}});  // then a return
    EXPECT_EQ(stocks.AddStockIn(db, L"JH2013050001"), 1);
    EXPECT_EQ(RowsOf(db, L"select BillType, BillDate, BillCode, BillItemID = (select PurItemID from PurBillItems i where "
                         L"i.ProductID = s.ProductID), ProductID, ProductName, ProductCode, SearchCode, CompanyID, "
                         L"CompanyCode, CompanyName, TypeID, TypeName, UnitID, UnitName, round(InCount, 6), "
                         L"round(InPrice, 6), round(InAmount, 6), OutCount + SaleAmount, SortID, IsSystem + IsVirtual + "
                         L"IsCale + IsCale2, CreateDate, LastUpdateDate from Stocks s order by StockID"),
              L"进货|2013-05-02|JH2013050001|1|7|可乐|P7|KL|2|GYS0001|零散供应商|2|默认类别|13|瓶|10.0|4.5|45.0|0.0|0|0|"
              L"2013-05-06|2013-05-06\n"
              L"进货|2013-05-02|JH2013050001|1|8|雪碧|P8|KL|2|GYS0001|零散供应商|2|默认类别|13|瓶|-2.0|3.6|-7.2|0.0|0|0|"
              L"2013-05-06|2013-05-06");

    // Codes that find no bill post nothing.
    EXPECT_EQ(stocks.AddStockIn(db, L"JH2099010001"), 1);
    EXPECT_EQ(stocks.AddStockIn(db, L"JH'"), 1);
    EXPECT_EQ(Int(L"select count(*) from Stocks"), 2);
}

TEST_F(Ledger, PurchaseLineThatCannotBeWrittenIsLoggedAndSkipped) {
    AddPurchase(L"JH2013050001", L"2013-05-02", 1.0, {{7, L"可乐", 1, 5, 5}, {8, L"雪碧", 1, 4, 4}, {9, L"芬达", 1, 3, 3}});
    Exec(L"create trigger no_sprite before insert on Stocks when new.ProductID = 8 begin select raise(abort, 'no sprite'); "
         L"end;");
    EXPECT_EQ(stocks.AddStockIn(db, L"JH2013050001"), 1);
    EXPECT_EQ(Text(L"select group_concat(ProductID) from Stocks"), L"7,9");
    const std::vector<CString> log = TakeLog();
    ASSERT_EQ(log.size(), 2u) << Joined(log);
    EXPECT_EQ(log[0].Left(19), L"insert into Stocks(");
    EXPECT_NE(log[0].Find(L"'雪碧'"), -1);
    EXPECT_EQ(log[1], L"no sprite");
}

TEST_F(Ledger, SaleGoesOutAtTheDiscountedSalePrice) {
    AddSale(L"XS2013050001", L"2013-05-03", 0.8, {{7, L"可乐", 4, 10, 40}});
    EXPECT_EQ(stocks.AddStockOut(db, L"XS2013050001"), 1);
    // The cost side (OutPrice, OutAmount) is left to the cost calculation.
    EXPECT_EQ(RowsOf(db, L"select BillType, BillDate, BillItemID = (select SaleItemID from SaleBillItems), CompanyID, "
                         L"CompanyCode, CompanyName, OutCount, round(SalePrice, 6), round(SaleAmount, 6), OutPrice + "
                         L"OutAmount + InCount, IsCale + IsCale2, CreateDate, LastUpdateDate from Stocks"),
              L"出货|2013-05-03|1|1|KH0001|零售客户|4.0|8.0|32.0|0.0|0|2013-05-06|2013-05-06 14:03:09");
}

TEST_F(Ledger, SaleStopsAtTheFirstLineThatCannotBeWritten) {
    AddSale(L"XS2013050001", L"2013-05-03", 1.0, {{7, L"可乐", 1, 5, 5}, {8, L"雪碧", 1, 4, 4}, {9, L"芬达", 1, 3, 3}});
    Exec(L"create trigger no_sprite before insert on Stocks when new.ProductID = 8 begin select raise(abort, 'no sprite'); "
         L"end;");
    EXPECT_THROW(stocks.AddStockOut(db, L"XS2013050001"), CppSQLite3Exception);
    EXPECT_EQ(Text(L"select group_concat(ProductID) from Stocks"), L"7");
    EXPECT_TRUE(TakeLog().empty());
    EXPECT_EQ(stocks.AddStockOut(db, L"XS2099010001"), 1);  // no such bill: nothing to post
}

// --- Bills out of the ledger ---------------------------------------------------------------

TEST_F(Ledger, DeletedSaleMarksTheThirdNewestEarlierSale) {
    Opening(7, L"可乐");
    Opening(8, L"雪碧");
    AddPurchase(L"JH1", L"2013-04-01", 1.0, {{7, L"可乐", 50, 2, 100}});
    stocks.AddStockIn(db, L"JH1");
    Sell(L"XS1", L"2013-05-01", 7);
    Sell(L"XS2", L"2013-05-02", 7);
    Sell(L"XS3", L"2013-05-03", 7);
    Sell(L"XS4", L"2013-05-04", 7);
    Sell(L"XS5", L"2013-05-05", 7);
    Sell(L"XS9", L"2013-05-10", 7);  // later than the deleted bill: not a candidate
    AddSale(L"XS6", L"2013-05-06", 1.0, {{7, L"可乐", 2, 3, 6}, {8, L"雪碧", 1, 3, 3}});
    stocks.AddStockOut(db, L"XS6");
    CalculateAll();

    EXPECT_EQ(stocks.DeleteStockOut(db, L"XS6"), 1);
    EXPECT_EQ(Int(L"select count(*) from Stocks where BillCode = 'XS6'"), 0);
    EXPECT_EQ(Uncalculated(7), L"XS3");
    // The only sale of the product: everything left of it is recalculated.
    EXPECT_EQ(Uncalculated(8), L"期初");
    EXPECT_EQ(Int(L"select count(*) from Stocks"), 9);
}

TEST_F(Ledger, DeletedSaleWithFewerEarlierSalesMarksTheOldest) {
    Opening(7, L"可乐");
    Sell(L"XS1", L"2013-05-01", 7);
    Sell(L"XS2", L"2013-05-02", 7);
    Sell(L"XS3", L"2013-05-03", 7);
    CalculateAll();
    EXPECT_EQ(stocks.DeleteStockOut(db, L"XS3"), 1);
    EXPECT_EQ(Uncalculated(7), L"XS1");
    // A bill that is not in the ledger changes nothing.
    CalculateAll();
    EXPECT_EQ(stocks.DeleteStockOut(db, L"XS404"), 1);
    EXPECT_EQ(Uncalculated(7), L"");
}

TEST_F(Ledger, DeletedPurchaseLooksOnlyAtPurchases) {
    Opening(7, L"可乐");
    AddPurchase(L"JH1", L"2013-05-01", 1.0, {{7, L"可乐", 5, 2, 10}});
    stocks.AddStockIn(db, L"JH1");
    Sell(L"XS1", L"2013-05-02", 7);
    AddPurchase(L"JH2", L"2013-05-03", 1.0, {{7, L"可乐", 5, 2, 10}});
    stocks.AddStockIn(db, L"JH2");
    Sell(L"JH2", L"2013-05-03", 7);  // a sale that happens to carry the same code
    CalculateAll();

    EXPECT_EQ(stocks.DeleteStockIn(db, L"JH2"), 1);
    EXPECT_EQ(Uncalculated(7), L"JH1");
    EXPECT_EQ(Int(L"select count(*) from Stocks where BillCode = 'JH2' and BillType = '出货'"), 1);
    EXPECT_EQ(Int(L"select count(*) from Stocks where BillCode = 'JH2'"), 1);
    // The generic form with the type named.
    CalculateAll();
    EXPECT_EQ(stocks.DeleteStock(db, L"JH2", L"出货"), 1);
    EXPECT_EQ(Uncalculated(7), L"XS1");
    EXPECT_EQ(Int(L"select count(*) from Stocks where BillCode = 'JH2'"), 0);
}

// --- Opening stock and renames -------------------------------------------------------------

TEST_F(Ledger, EditedOpeningStockIsRecalculated) {
    Opening(7, L"可乐");
    Opening(8, L"雪碧");
    Sell(L"XS1", L"2013-05-01", 7);
    CalculateAll();
    EXPECT_EQ(stocks.UpdateStock(db, 7, 20, 3), 1);
    EXPECT_EQ(Text(L"select LastCount || '|' || LastPrice || '|' || LastAmount || '|' || LastUpdateDate from Stocks "
                   L"where ProductID = 7 and IsSystem = 1"),
              L"20.0|3.0|60.0|2013-05-06 14:03:09");
    EXPECT_EQ(Uncalculated(7), L"期初");
    EXPECT_EQ(Uncalculated(8), L"");
    EXPECT_EQ(Real(L"select LastCount from Stocks where BillCode = 'XS1'"), 0.0);
}

TEST_F(Ledger, RenamedProductOnItsRows) {
    Opening(7, L"可乐");
    Opening(8, L"雪碧");
    Sell(L"XS1", L"2013-05-01", 7);
    CString error;
    EXPECT_EQ(stocks.UpdateBillProName(db, 7, L"芬达汽水", L"P'7", error), 0);
    EXPECT_TRUE(error.IsEmpty());
    EXPECT_EQ(Text(L"select group_concat(ProductName || ProductCode || SearchCode, ',') from Stocks where ProductID = 7"),
              L"芬达汽水P'7FDQS,芬达汽水P'7FDQS");
    EXPECT_EQ(Text(L"select ProductName from Stocks where ProductID = 8"), L"雪碧");

    Exec(L"drop table Stocks");
    EXPECT_EQ(stocks.UpdateBillProName(db, 7, L"可乐", L"P7", error), -1);
    EXPECT_EQ(error, L"同步货品资料时出错！\r\n\r\nno such table: Stocks");
    EXPECT_EQ(Joined(TakeLog()), Joined({error}));
}

// --- Lookups --------------------------------------------------------------------------------

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
    EXPECT_EQ(ids[0], L"7");
    EXPECT_EQ(ids[1], L"12");
    CalculateAll();
    stocks.GetProductIDs(db, ids);
    EXPECT_EQ(ids.GetSize(), 0);
}

TEST_F(Ledger, PreviousAndNextProduct) {
    Exec(L"insert into Products (ProductID, ProductName, SearchCode, TypeName, IsLocal, IsDisable) values "
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

class LedgerPlans : public Ledger {
protected:
    // Every statement the connection prepares while `run` runs.
    template <class Run>
    std::vector<std::string> StatementsOf(Run run) {
        std::vector<std::string> statements;
        sqlite3_trace_v2(
            db.handle(), SQLITE_TRACE_STMT,
            [](unsigned, void* context, void*, void* text) {
                const char* sql = static_cast<const char*>(text);
                if (sql && std::string(sql).rfind("--", 0) != 0)  // not a trigger's own line
                    static_cast<std::vector<std::string>*>(context)->push_back(sql);
                return 0;
            },
            &statements);
        run();
        sqlite3_trace_v2(db.handle(), 0, nullptr, nullptr);
        return statements;
    }

    std::string PlanOf(const std::string& sql) {
        CppSQLite3Query q = db.execQuery(CString::FromUtf8("EXPLAIN QUERY PLAN " + sql));
        std::string plan;
        for (; !q.eof(); q.nextRow()) plan += q.getStringField(L"detail").ToUtf8() + "\n";
        return plan;
    }

    // No step of the plan walks a whole table; returns the plan.
    std::string ExpectNoTableScan(const std::string& sql) {
        const std::string plan = PlanOf(sql);
        for (std::string::size_type at = 0; (at = plan.find("SCAN ", at)) != std::string::npos;) {
            const std::string step = plan.substr(at, plan.find('\n', at) - at);
            EXPECT_NE(step.find(" INDEX "), std::string::npos) << sql << "\n" << plan;
            at += step.size();
        }
        return plan;
    }

    static bool StartsWith(const std::string& sql, const char* prefix) { return sql.rfind(prefix, 0) == 0; }
};

TEST_F(LedgerPlans, BillAndProductStatementsReadThroughIndexes) {
    Opening(7, L"可乐");
    Opening(8, L"雪碧");
    AddPurchase(L"JH1", L"2013-05-01", 0.9, {{7, L"可乐", 5, 2, 10}});
    for (int day = 1; day <= 5; ++day) {
        CString code, date;
        code.Format(L"XS%d", day);
        date.Format(L"2013-05-%02d", day);
        AddSale(code, date, 1.0, {{7, L"可乐", 1, 3, 3}, {8, L"雪碧", 1, 3, 3}});
    }
    CString error;
    CStringArray ids;
    const std::vector<std::string> statements = StatementsOf([&] {
        stocks.AddStockIn(db, L"JH1");
        for (const wchar_t* code : {L"XS1", L"XS2", L"XS3", L"XS4", L"XS5"}) stocks.AddStockOut(db, code);
        stocks.DeleteStockOut(db, L"XS5");
        stocks.DeleteStockIn(db, L"JH1");
        stocks.UpdateStock(db, 7, 3, 2);
        stocks.UpdateBillProName(db, 7, L"百事可乐", L"P7", error);
        stocks.GetProductIDs(db, ids);
    });

    int byBill = 0, byProduct = 0, byFlags = 0;
    for (const std::string& sql : statements) {
        if (StartsWith(sql, "insert into Stocks(")) continue;  // nothing to look up
        const std::string plan = ExpectNoTableScan(sql);
        const bool onLedger = sql.find(" Stocks ") != std::string::npos;
        if (!onLedger) continue;
        if (plan.find("INDEX IX_Stocks_Bill ") != std::string::npos) ++byBill;
        if (plan.find("INDEX IX_Stocks_Product") != std::string::npos) ++byProduct;
        if (plan.find("INDEX IX_Stocks_Uncalculated") != std::string::npos) ++byFlags;
        // The earlier rows of a deleted bill's product come in date order, without sorting.
        if (StartsWith(sql, "select * from Stocks where ProductID =")) {
            EXPECT_NE(plan.find("INDEX IX_Stocks_ProductType "), std::string::npos) << plan;
            EXPECT_EQ(plan.find("TEMP B-TREE"), std::string::npos) << plan;
        }
    }
    EXPECT_EQ(byBill, 4);     // two bills: their rows, then their deletion
    EXPECT_EQ(byProduct, 6);  // 3 earlier-row reads, 1 mark of a whole product, the opening stock, the rename
    EXPECT_EQ(byFlags, 1);
}

TEST_F(LedgerPlans, CostCalculationStatementsReadThroughIndexes) {
    // The statements the cost calculation runs per product and over the flags.
    for (const char* sql : {"select count(1) from Stocks where ProductID= 7 and IsCale=0",
                            "delete from Stocks where ProductID=7 AND IsSystem=2 ",
                            "update Stocks set IsVirtual=0 where ProductID=7 AND IsVirtual=1 ",
                            "select * from Stocks where ProductID = 7 order by BillDate, BillType, BillCode, StockID",
                            "select * from Stocks where ProductID= 7 order by SortID desc ",
                            "select * from Stocks where ProductID=7 and sortID < 9 and sortID=8 and IsSystem=2 ",
                            "select count(1) from Stocks where ProductID=7 and IsSystem=2",
                            "update Stocks set isVirtual=1 where ProductID=7 and SortID=9"}) {
        const std::string plan = ExpectNoTableScan(sql);
        EXPECT_NE(plan.find("INDEX IX_Stocks_Product"), std::string::npos) << sql << "\n" << plan;
    }
    // Single rows by their key.
    for (const char* sql : {"update Stocks set IsCale=0, IsCale2 = 0 where StockID = 5",
                            "update Stocks set IsCale=0, IsCale2 = 0 where ProductID= 7 and StockID=5"})
        EXPECT_NE(ExpectNoTableScan(sql).find("INTEGER PRIMARY KEY"), std::string::npos) << sql;
}

}  // namespace
