// The cost calculation: worked ledgers, its single steps, its failures, and a model of the
// rules on rows in memory compared with the database over seeded random ledgers.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <map>
#include <random>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "common/AmountText.h"
#include "common/NumberText.h"
#include "frame/ServiceFrame.h"
#include "stock/CostLedger.h"
#include "support/RowText.h"
#include "support/ShopDbTest.h"

using shopbiz::Fmt;

namespace {

class Cost : public ShopDbTest {
protected:
    void Opening(int product, double count, double price) {
        Exec(Fmt(L"insert into Stocks(SortID, BillType, BillDate, ProductID, LastCount, LastPrice, LastAmount, IsSystem, "
                 L"IsCale) values (1, '期初', '2013-01-01', %d, %.08lf, %.08lf, %.08lf, 1, 1)",
                 product, count, price, count * price));
    }
    // A bill row as the postings write it: uncalculated, without a position.
    void Row(int product, const wchar_t* type, const wchar_t* date, const wchar_t* code, double in, double inPrice,
             double out, int isCale = 0) {
        Exec(Fmt(L"insert into Stocks(BillType, BillDate, BillCode, ProductID, InCount, InPrice, InAmount, OutCount, "
                 L"SalePrice, SaleAmount, IsCale) values ('%s', '%s', '%s', %d, %.08lf, %.08lf, %.08lf, %.08lf, 9, "
                 L"%.08lf, %d)",
                 type, date, code, product, in, inPrice, in * inPrice, out, out * 9, isCale));
    }
    void Buy(int product, const wchar_t* date, double count, double price) {
        Row(product, L"进货", date, L"JH", count, price, 0);
    }
    void Sell(int product, const wchar_t* date, double count) { Row(product, L"出货", date, L"XS", 0, 0, count); }
    // The product's rows in position order: SortID, type, OutPrice, OutAmount, balance, IsCale.
    CString Ledger(int product) {
        return RowsOf(db, Fmt(L"select SortID, BillType, round(OutPrice, 6), round(OutAmount, 6), round(LastCount, 6), "
                              L"round(LastPrice, 6), round(LastAmount, 6), IsCale from Stocks where ProductID = %d "
                              L"order by SortID",
                              product));
    }
    CStocksBLL stocks;
};

TEST_F(Cost, OutboundRowsTakeTheMovingAverage) {
    Opening(1, 10, 2);
    Buy(1, L"2013-05-01", 10, 4);
    Sell(1, L"2013-05-02", 5);
    Sell(1, L"2013-05-03", 15);  // the whole stock: the unit cost stays that of the row before
    EXPECT_EQ(stocks.CaculateCost(db), 1);
    EXPECT_EQ(Ledger(1),
              L"1|期初|0.0|0.0|10.0|2.0|20.0|1\n"
              L"3|进货|2.0|0.0|20.0|3.0|60.0|1\n"  // a purchase records the cost before it
              L"5|出货|3.0|15.0|15.0|3.0|45.0|1\n"
              L"7|出货|3.0|45.0|0.0|3.0|0.0|1");
    EXPECT_EQ(Int(L"select count(*) from Stocks where IsCale2 <> 1"), 0);
    EXPECT_EQ(stocks.IsHaveNewData(db), 0);
}

TEST_F(Cost, SalesIntoNegativeStockAreCostedAtTheLaterPurchase) {
    Opening(1, 0, 0);
    Sell(1, L"2013-05-01", 5);
    Buy(1, L"2013-05-02", 10, 4);
    EXPECT_EQ(stocks.CaculateCost(db, 1, false), 1);
    EXPECT_EQ(Ledger(1),
              L"1|期初|0.0|0.0|0.0|0.0|0.0|1\n"
              L"5|出货|4.0|20.0|-5.0|4.0|-20.0|1\n"  // after the correction row that stood at 3
              L"7|进货|0.0|0.0|5.0|4.0|20.0|1");
    EXPECT_EQ(Int(L"select count(*) from Stocks where IsSystem = 2 or IsVirtual <> 0"), 0);
    EXPECT_EQ(Int(L"select count(*) from Stocks where IsCale2 = 0"), 3);  // only a full pass clears them
}

TEST_F(Cost, ANegativeTailWaitsForTheNextPassAlone) {
    Opening(1, 2, 5);
    Sell(1, L"2013-05-01", 2);
    Sell(1, L"2013-05-02", 3);  // below zero from here on
    Sell(1, L"2013-05-03", 1);
    Opening(2, 4, 1);
    Sell(2, L"2013-05-01", 1);
    EXPECT_EQ(stocks.CaculateCost(db), 1);
    EXPECT_EQ(Text(L"select group_concat(SortID) from Stocks where IsCale = 0"), L"5");
    CStringArray waiting;
    stocks.GetProductIDs(db, waiting);
    ASSERT_EQ(waiting.GetSize(), 1);
    EXPECT_EQ(waiting[0], L"1");
    // A purchase dated in the tail (after the day's sale) costs the sales after the last row
    // that was not negative.
    Buy(1, L"2013-05-02", 10, 8);
    EXPECT_EQ(stocks.CaculateCost(db), 1);
    EXPECT_EQ(Ledger(1),
              L"1|期初|0.0|0.0|2.0|5.0|10.0|1\n"
              L"3|出货|5.0|10.0|0.0|5.0|0.0|1\n"
              L"7|出货|8.0|24.0|-3.0|8.0|-24.0|1\n"
              L"9|进货|0.0|0.0|7.0|8.0|56.0|1\n"
              L"11|出货|8.0|8.0|6.0|8.0|48.0|1");
}

TEST_F(Cost, RecalculatingEverythingRedoesRowsMarkedCalculated) {
    Opening(1, 10, 2);
    Sell(1, L"2013-05-01", 4);
    EXPECT_EQ(stocks.CaculateCost(db), 1);
    Exec(L"update Stocks set OutPrice = 99, LastPrice = 99 where BillType = '出货'; update Stocks set IsCale = 0 "
         L"where IsSystem = 1");
    EXPECT_EQ(stocks.CaculateCost(db, 1, false), 1);  // from the opening row on, which holds its own balance
    EXPECT_EQ(Ledger(1), L"1|期初|0.0|0.0|10.0|2.0|20.0|1\n3|出货|2.0|8.0|6.0|2.0|12.0|1");
    Exec(L"update Stocks set OutPrice = 99, LastPrice = 99 where BillType = '出货'");
    EXPECT_EQ(stocks.CaculateCost(db, 1, false), 1);
    EXPECT_EQ(Ledger(1), L"1|期初|0.0|0.0|10.0|2.0|20.0|1\n3|出货|99.0|8.0|6.0|99.0|12.0|1");
    EXPECT_EQ(stocks.CaculateCost(db, 1, true), 1);
    EXPECT_EQ(Ledger(1), L"1|期初|0.0|0.0|10.0|2.0|20.0|1\n3|出货|2.0|8.0|6.0|2.0|12.0|1");
}

// Rows that no rule prices at a negative balance are balanced as they stand, and a purchase
// with no earlier non-negative row to correct after is taken as it stands: the calculation ends.
TEST_F(Cost, RowsNoRulePricesAreBalancedAsTheyStand) {
    Sell(1, L"2013-05-01", 3);  // no opening row
    Row(1, L"进货", L"2013-05-02", L"JH", 0, 4, 0);
    Row(1, L"调拨", L"2013-05-03", L"DB", 2, 3, 0);
    Buy(1, L"2013-05-04", 2, 5);
    EXPECT_EQ(stocks.CaculateCost(db), 1);
    EXPECT_EQ(Ledger(1),
              L"1|出货|0.0|0.0|-3.0|0.0|0.0|1\n"
              L"3|进货|0.0|0.0|-3.0|0.0|0.0|1\n"
              L"5|调拨|0.0|0.0|-1.0|-6.0|6.0|1\n"
              L"7|进货|0.0|0.0|1.0|16.0|16.0|1");
}

TEST_F(Cost, AFailedPassRollsBackAndNamesTheProduct) {
    Opening(1, 10, 2);
    Sell(1, L"2013-05-01", 4);
    Opening(7, 10, 2);
    Sell(7, L"2013-05-01", 4);
    const CString before = RowsOf(db, L"select * from Stocks order by StockID");
    Exec(L"create trigger refuse before update of LastCount on Stocks when new.ProductID = 7 begin select "
         L"raise(abort, 'refused'); end;");
    std::vector<std::pair<int, int>> told;
    EXPECT_EQ(stocks.CaculateCost(db, [&](int done, int total) { told.emplace_back(done, total); }), -1);
    EXPECT_EQ(told, (std::vector<std::pair<int, int>>{{1, 2}}));
    EXPECT_EQ(RowsOf(db, L"select * from Stocks order by StockID"), before);
    EXPECT_EQ(TakeLog(), std::vector<CString>{L"ProductID:7 CaculateCost() 异常!"});

    // A host cancels by throwing from the progress callback.
    Exec(L"drop trigger refuse");
    EXPECT_EQ(stocks.CaculateCost(db, [](int, int) { throw 1; }), -1);
    EXPECT_EQ(RowsOf(db, L"select * from Stocks order by StockID"), before);
    EXPECT_EQ(TakeLog(), std::vector<CString>{L"ProductID:1 CaculateCost() 异常!"});
}

TEST_F(Cost, StepsReportErrorsInTheirOwnWords) {
    Opening(1, 10, 2);
    Exec(L"create trigger refuse before update of SortID on Stocks begin select raise(abort, 'refused'); end;");
    EXPECT_EQ(stocks.UpdateFlagAfterFirst(db, 1), -1);
    EXPECT_EQ(stocks.IsHaveNewData(db), 1);
    Exec(L"drop table Stocks");
    EXPECT_EQ(stocks.IsHaveNewData(db), 0);
    EXPECT_EQ(TakeLog(),
              (std::vector<CString>{L"UpdateFlagAfterFirst() 异常：refused", L"IsHaveNewData Err:no such table: Stocks"}));
}

// Called by itself, a correction is placed after the last row that was not negative, or topped
// up when one already stands there.
TEST_F(Cost, ACorrectionRowIsPlacedOrToppedUp) {
    Opening(1, 2, 3);
    Sell(1, L"2013-05-01", 4);
    Buy(1, L"2013-05-02", 10, 4);
    Exec(L"update Stocks set SortID = StockID * 2 - 1, LastCount = -2 where IsSystem = 0");
    stocks.AddVirtualData(db, 10, 4, 40, 5, 1);
    stocks.AddVirtualData(db, 6, 5, 30, 5, 1);
    EXPECT_TRUE(stocks.IsExistVirtualData(db, 1));
    EXPECT_EQ(RowsOf(db, L"select SortID, BillDate, InCount, InAmount, LastCount, LastPrice, LastAmount, IsCale from "
                         L"Stocks where IsSystem = 2"),
              L"2|2013-01-01|16.0|70.0|2.0|4.22222222|6.0|0");
    EXPECT_EQ(Text(L"select group_concat(IsVirtual) from (select IsVirtual from Stocks order by SortID)"), L"0,0,0,1");
    EXPECT_DOUBLE_EQ(stocks.GetLastSalePrice(db, 1, 3), 4.22222222);
    EXPECT_DOUBLE_EQ(stocks.GetLastSalePrice(db, 1, 1), 0);
}

TEST(StoredValue, IsWhatEightDecimalsReadBackGive) {
    std::mt19937_64 rng(15);
    for (int i = 0; i < 100000; ++i) {
        const double v = (static_cast<double>(rng() % 2000001) - 1000000) / std::pow(10.0, rng() % 12) +
                         (i % 3 ? 0 : 1.0 / static_cast<double>(1 + rng() % 4096));
        ASSERT_EQ(shopbiz::AsStored(v), shopbiz::ParseAmount(Fmt(L"%.08lf", v)) + 0.0) << Fmt(L"%.17g", v);
    }
    EXPECT_EQ(shopbiz::AsStored(1.0 / 512), 0.00195312);  // a true tie goes to the even digit, as printed
    EXPECT_EQ(shopbiz::AsStored(123456789.123456789), 123456789.12345679);
}

// --- The model: the rules on rows in memory --------------------------------------------------

double Stored(double v) { return shopbiz::ParseAmount(Fmt(L"%.08lf", v)) + 0.0; }

struct MRow {
    long long id = 0;
    int product = 0, sort = 0, sys = 0, virt = 0, cale = 0, cale2 = 0;
    std::wstring type, date, code;
    double in = 0, inPrice = 0, inAmount = 0, out = 0, outPrice = 0, outAmount = 0, count = 0, price = 0, amount = 0;
};

enum class Step { Cost, Balance, Correct };

// What a row that is not carried does at running quantity q and unit cost p; `unitCost` is
// what it goes out at when it is costed.
Step RuleFor(const std::wstring& type, double in, int virt, double q, double p, double lastPrice, double& unitCost) {
    const bool sale = type == L"出货", purchase = type == L"进货" && in > 0;
    unitCost = q > 0 ? p : lastPrice;
    if (q > 0 || std::fabs(q) < 1e-6) return sale || purchase ? Step::Cost : Step::Balance;
    if (sale) return Step::Cost;
    return purchase && virt == 0 ? Step::Correct : Step::Balance;
}

bool BySort(const MRow& a, const MRow& b) { return std::tie(a.sort, a.id) < std::tie(b.sort, b.id); }

// One product's calculation on its rows.
void ModelCost(std::vector<MRow>& rows, bool all) {
    double q0 = 0, p0 = 0, v0 = 0;
    long long openingID = LLONG_MAX, nextID = LLONG_MAX / 2;
    for (const MRow& r : rows)
        if (r.sys == 1 && r.id < openingID) std::tie(openingID, q0, p0, v0) = std::tuple(r.id, r.count, r.price, r.amount);
    for (MRow& r : rows)
        if (all) r.cale = r.cale2 = 0;
    while (std::any_of(rows.begin(), rows.end(), [](const MRow& r) { return r.cale == 0; })) {
        if (std::any_of(rows.begin(), rows.end(), [](const MRow& r) { return r.sys == 2; }))
            std::sort(rows.begin(), rows.end(), BySort);
        else
            std::sort(rows.begin(), rows.end(), [](const MRow& a, const MRow& b) {
                return std::tie(a.date, a.type, a.code, a.id) < std::tie(b.date, b.type, b.code, b.id);
            });
        bool marking = false;
        for (size_t i = 0; i < rows.size(); ++i) {
            marking = marking || rows[i].cale != 1;
            if (marking || rows[i].sort < 1) rows[i].cale = rows[i].cale2 = 0;
            rows[i].sort = static_cast<int>(2 * i + 1);
        }
        double q = q0, p = p0, v = v0;
        for (size_t i = 0; i < rows.size(); ++i) {
            MRow& r = rows[i];
            const double lastPrice = i ? rows[i - 1].price : 0;
            double unitCost = 0;
            if (r.cale == 1) {
            } else if (r.sys == 2 || r.type == L"期初") {
                for (double* x : {&r.in, &r.inPrice, &r.inAmount, &r.out, &r.outPrice, &r.outAmount, &r.count, &r.price,
                                  &r.amount})
                    *x = Stored(*x);
            } else if (Step step = RuleFor(r.type, r.in, r.virt, q, p, lastPrice, unitCost); step == Step::Correct) {
                // After the last row at which the balance was not negative, when there is one.
                const MRow purchase = r;
                for (size_t j = i; j-- > 0;) {
                    const MRow& f = rows[j];
                    if (!((f.sys == 0 && (f.count > 0 || std::fabs(f.count) < 1e-6)) || f.type == L"期初")) continue;
                    const double d = f.count + purchase.in;
                    MRow c{.id = nextID++, .product = f.product, .sort = f.sort + 1, .sys = 2, .type = L"进货",
                           .date = f.date, .code = L"", .in = purchase.in, .inPrice = purchase.inPrice,
                           .inAmount = purchase.inAmount, .count = f.count,
                           .price = Stored(std::fabs(d) < 1e-7 ? 0 : (f.amount + purchase.inAmount) / d),
                           .amount = f.amount};
                    rows.push_back(c);
                    break;
                }
                for (MRow& x : rows)
                    if (x.sort == purchase.sort) x.virt = 1;
                break;
            } else {
                if (step == Step::Cost) std::tie(r.outPrice, r.outAmount) = std::tuple(unitCost, Stored(r.out * unitCost));
                for (double* x : {&r.in, &r.inPrice, &r.inAmount, &r.out, &r.outPrice, &r.outAmount}) *x = Stored(*x);
                r.count = Stored(q + r.in - r.out);
                r.amount = Stored(v + r.inAmount - r.outAmount);
                r.price = r.count == 0 ? lastPrice : Stored(r.amount / r.count);
            }
            r.cale = 1;
            std::tie(q, p, v) = std::tuple(r.count, r.price, r.amount);
        }
    }
    std::erase_if(rows, [](const MRow& r) { return r.sys == 2; });
    for (MRow& r : rows)
        if (r.virt == 1) r.virt = 0;
    // The first row of a negative closing run waits for the next calculation.
    std::sort(rows.begin(), rows.end(), BySort);
    for (size_t k = rows.size(); k-- > 0 && rows.back().count < 0;) {
        if (rows[k].count >= 0) {
            rows[k + 1].cale = rows[k + 1].cale2 = 0;
            break;
        }
    }
}

// Every product with a row waiting, then every row counts as unchanged.
void ModelFullPass(std::vector<MRow>& all) {
    std::map<int, std::vector<MRow>> byProduct;
    for (const MRow& r : all) byProduct[r.product].push_back(r);
    all.clear();
    for (auto& [product, rows] : byProduct) {
        if (std::any_of(rows.begin(), rows.end(), [](const MRow& r) { return r.cale != 1; })) ModelCost(rows, false);
        for (MRow& r : rows) all.push_back(r), all.back().cale2 = 1;
    }
}

std::vector<MRow> Snapshot(CppSQLite3DB& db, int product = 0) {
    std::vector<MRow> rows;
    CppSQLite3Query q = db.execQuery(Fmt(
        L"select StockID, ProductID, SortID, IsSystem, IsVirtual, IsCale, IsCale2, BillType, BillDate, BillCode, InCount, "
        L"InPrice, InAmount, OutCount, OutPrice, OutAmount, LastCount, LastPrice, LastAmount from Stocks where %d in "
        L"(0, ProductID)",
        product));
    for (; !q.eof(); q.nextRow()) {
        MRow r{q.getInt64Field(0), q.getIntField(1), q.getIntField(2), q.getIntField(3), q.getIntField(4),
               q.getIntField(5),   q.getIntField(6), q.getStringField(7).GetString(), q.getStringField(8).GetString(),
               q.getStringField(9).GetString()};
        double* values[] = {&r.in, &r.inPrice, &r.inAmount, &r.out, &r.outPrice, &r.outAmount, &r.count, &r.price,
                            &r.amount};
        for (int k = 0; k < 9; ++k) *values[k] = q.getFloatField(10 + k);
        rows.push_back(r);
    }
    return rows;
}

// Rows by ID with everything the calculation decides, values as the ledger stores them.
std::string LedgerText(std::vector<MRow> rows) {
    std::sort(rows.begin(), rows.end(), [](const MRow& a, const MRow& b) { return a.id < b.id; });
    CString text;
    for (const MRow& r : rows)
        text += Fmt(L"%lld|%d|%d|%.08lf|%.08lf|%.08lf|%.08lf|%.08lf|%d|%d|%d|%d\n", r.id, r.product, r.sort, r.outPrice,
                    r.outAmount, r.count, r.price, r.amount, r.cale, r.cale2, r.virt, r.sys);
    return text.ToUtf8();
}

// The calculation taken step by step through the step methods, as they are meant to be used.
void StepByStep(CppSQLite3DB& db, int product, bool all) {
    CStocksBLL s;
    double q0, p0, v0;
    s.GetInitStock(db, q0, p0, v0, product);
    if (all) db.execDML(Fmt(L"update Stocks set IsCale=0, IsCale2 = 0 where ProductID= %d", product));
    while (!s.IsFinishCal(db, product)) {
        ASSERT_EQ(s.UpdateFlagAfterFirst(db, product), 1);
        double q = q0, p = p0, v = v0;
        std::vector<MRow> rows = Snapshot(db, product);
        std::sort(rows.begin(), rows.end(), BySort);
        for (const MRow& r : rows) {
            MRow n = r;
            double unitCost = 0, lastPrice = s.GetLastSalePrice(db, product, r.sort);
            if (r.cale == 1 || r.sys == 2 || r.type == L"期初") {
            } else if (Step step = RuleFor(r.type, r.in, r.virt, q, p, lastPrice, unitCost); step == Step::Correct) {
                s.AddVirtualData(db, r.in, r.inPrice, r.inAmount, r.sort, product);
                break;
            } else {
                if (step == Step::Cost) std::tie(n.outPrice, n.outAmount) = std::tuple(unitCost, Stored(r.out * unitCost));
                n.count = Stored(q + r.in - r.out);
                n.amount = Stored(v + r.inAmount - n.outAmount);
                n.price = n.count == 0 ? lastPrice : Stored(n.amount / n.count);
            }
            if (r.cale != 1)
                s.UpdateCaleResult(db, static_cast<int>(n.id), n.in, n.inPrice, n.inAmount, n.out, n.outPrice,
                                   n.outAmount, n.count, n.price, n.amount);
            std::tie(q, p, v) = std::tuple(n.count, n.price, n.amount);
        }
    }
    db.execDML(Fmt(L"delete from Stocks where ProductID=%d AND IsSystem=2 ", product));
    db.execDML(Fmt(L"update Stocks set IsVirtual=0 where ProductID=%d AND IsVirtual=1 ", product));
    s.UpdateNegtiveCalFlag(db, product);
}

// Random ledgers: purchases, returns both ways, several rows on a date, quantities in tenths,
// sales of the whole stock and into negative stock, rows of no known kind or already marked
// calculated, opening stock edits and deleted bills, costed in rounds.
class CostModel : public Cost, public ::testing::WithParamInterface<int> {
protected:
    int Next(int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); }
    void AddBills(int round, int products) {
        for (int b = 0, bills = 2 + Next(8); b < bills; ++b) {
            const CString code = Fmt(L"B%d-%d", round, b);
            const bool sale = Next(10) < 6;
            const CString date = Next(25) ? Fmt(L"2013-01-%02d", 1 + Next(8)) : CString(L"2012-12-31");
            for (int line = 0, lines = 1 + Next(2); line < lines; ++line) {
                const int product = 1 + Next(products), odd = Next(30), sign = Next(10) ? 1 : -1;
                const double price = 2 + 0.25 * Next(16);
                if (odd == 0) Row(product, L"进货", date, code, 0, price, 0);
                else if (odd == 1) Row(product, L"调拨", date, code, 1 + Next(3), price, 0);
                else if (odd == 2) Row(product, L"出货", date, code, 0, 0, 1, 1);
                else if (sale) Row(product, L"出货", date, code, 0, 0, sign * 0.3 * (1 + Next(25)));
                else Row(product, L"进货", date, code, sign * 0.3 * (1 + Next(40)), price, 0);
            }
            // Now and then the product's whole stock sold, after every other row.
            if (const int product = 1 + Next(products); Next(6) == 0) {
                const double left = Real(Fmt(L"select sum(InCount - OutCount) + sum(case IsSystem when 1 then "
                                             L"LastCount else 0 end) from Stocks where ProductID = %d",
                                             product));
                if (left > 0) Row(product, L"出货", L"2013-01-09", code, 0, 0, left);
            }
            bills_.emplace_back(code, sale);
        }
    }
    std::mt19937 rng;
    std::vector<std::pair<CString, bool>> bills_;
};

TEST_P(CostModel, DatabaseAgreesWithTheModel) {
    for (int seed = GetParam() * 30; seed < GetParam() * 30 + 30; ++seed) {
        rng.seed(seed);
        bills_.clear();
        Exec(L"delete from Stocks");
        const int products = 1 + Next(3);
        for (int product = 1; product <= products; ++product)
            if (Next(8)) Opening(product, Next(4) ? 0.5 * Next(30) : 0, 1 + 0.5 * Next(10));
        for (int round = 0; round < 4; ++round) {
            AddBills(round, products);
            if (round > 0 && Next(3) == 0) {
                const auto& [code, sale] = bills_[Next(static_cast<int>(bills_.size()))];
                sale ? stocks.DeleteStockOut(db, code) : stocks.DeleteStockIn(db, code);
            }
            if (Next(4) == 0) stocks.UpdateStock(db, 1 + Next(products), 0.5 * Next(20), 1 + Next(6));

            std::vector<MRow> model = Snapshot(db);
            CppSQLite3DB steps;  // the same ledger for the step methods, every tenth seed
            if (seed % 10 == 0) {
                steps.open(":memory:");
                sqlite3_backup* copy = sqlite3_backup_init(steps.handle(), "main", db.handle(), "main");
                sqlite3_backup_step(copy, -1);
                sqlite3_backup_finish(copy);
            }
            if (Next(10) < 7) {
                ModelFullPass(model);
                ASSERT_EQ(stocks.CaculateCost(db), 1);
                if (steps.isOpen()) {
                    CStringArray ids;
                    stocks.GetProductIDs(steps, ids);
                    for (int i = 0; i < ids.GetSize(); ++i) StepByStep(steps, shopbiz::WToI(ids[i]), false);
                    steps.execDML(L"update Stocks set IsCale2 = 1 where IsCale2 <> 1 ");
                }
            } else {
                const int product = 1 + Next(products);
                const bool all = Next(2);
                std::vector<MRow> mine, others;
                for (const MRow& r : model) (r.product == product ? mine : others).push_back(r);
                ModelCost(mine, all);
                model = others;
                model.insert(model.end(), mine.begin(), mine.end());
                ASSERT_EQ(stocks.CaculateCost(db, product, all), 1);
                if (steps.isOpen()) StepByStep(steps, product, all);
            }
            ASSERT_EQ(LedgerText(Snapshot(db)), LedgerText(model)) << "seed " << seed << ", round " << round;
            if (steps.isOpen()) {
                ASSERT_EQ(LedgerText(Snapshot(steps)), LedgerText(model)) << "steps, seed " << seed;
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Seeds, CostModel, ::testing::Range(0, 10));

}  // namespace
