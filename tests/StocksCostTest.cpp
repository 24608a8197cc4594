// The cost calculation: worked ledgers, failures, and a model of the rules on rows in memory
// compared with the database over random ledgers costed by the calculation or by its single
// steps taken one by one.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <map>
#include <random>
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
    // A bill row as the postings write it: no position and, unless said, uncalculated.
    void Row(int product, const wchar_t* type, const wchar_t* date, double in, double price, double out,
             const wchar_t* code = L"B", int isCale = 0) {
        Exec(Fmt(L"insert into Stocks(BillType, BillDate, BillCode, ProductID, InCount, InPrice, InAmount, OutCount, "
                 L"IsCale) values ('%s', '%s', '%s', %d, %.08lf, %.08lf, %.08lf, %.08lf, %d)",
                 type, date, code, product, in, price, in * price, out, isCale));
    }
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
    Row(1, L"进货", L"2013-05-01", 10, 4, 0);
    Row(1, L"出货", L"2013-05-02", 0, 0, 5);
    Row(1, L"出货", L"2013-05-03", 0, 0, 15);  // the whole stock: the unit cost stays that of the row before
    EXPECT_EQ(stocks.CaculateCost(db), 1);
    EXPECT_EQ(Ledger(1),
              L"1|期初|0.0|0.0|10.0|2.0|20.0|1\n"
              L"3|进货|2.0|0.0|20.0|3.0|60.0|1\n"  // a purchase records the cost before it
              L"5|出货|3.0|15.0|15.0|3.0|45.0|1\n"
              L"7|出货|3.0|45.0|0.0|3.0|0.0|1");
    EXPECT_EQ(stocks.IsHaveNewData(db), 0);
}

TEST_F(Cost, SalesIntoNegativeStockAreCostedAtTheLaterPurchase) {
    Opening(1, 0, 0);
    Row(1, L"出货", L"2013-05-01", 0, 0, 5);
    Row(1, L"进货", L"2013-05-02", 10, 4, 0);
    EXPECT_EQ(stocks.CaculateCost(db, 1, false), 1);
    EXPECT_EQ(Ledger(1),
              L"1|期初|0.0|0.0|0.0|0.0|0.0|1\n"
              L"5|出货|4.0|20.0|-5.0|4.0|-20.0|1\n"  // after the correction row that stood at 3
              L"7|进货|0.0|0.0|5.0|4.0|20.0|1");
    EXPECT_EQ(Int(L"select count(*) from Stocks where IsSystem = 2 or IsVirtual <> 0"), 0);
    EXPECT_EQ(stocks.IsHaveNewData(db), 1);  // only a full pass counts the rows as unchanged
}

TEST_F(Cost, ANegativeTailWaitsForTheNextPassAlone) {
    Opening(1, 2, 5);
    Row(1, L"出货", L"2013-05-01", 0, 0, 2);
    Row(1, L"出货", L"2013-05-02", 0, 0, 3);  // below zero from here on
    Row(1, L"出货", L"2013-05-03", 0, 0, 1);
    Opening(2, 4, 1);
    Row(2, L"出货", L"2013-05-01", 0, 0, 1);
    EXPECT_EQ(stocks.CaculateCost(db), 1);
    EXPECT_EQ(Text(L"select group_concat(ProductID || ':' || SortID) from Stocks where IsCale = 0"), L"1:5");
    // A purchase dated in the tail (after the day's sale) costs the sales after the last row
    // that was not negative.
    Row(1, L"进货", L"2013-05-02", 10, 8, 0);
    EXPECT_EQ(stocks.CaculateCost(db), 1);
    EXPECT_EQ(Ledger(1),
              L"1|期初|0.0|0.0|2.0|5.0|10.0|1\n"
              L"3|出货|5.0|10.0|0.0|5.0|0.0|1\n"
              L"7|出货|8.0|24.0|-3.0|8.0|-24.0|1\n"
              L"9|进货|0.0|0.0|7.0|8.0|56.0|1\n"
              L"11|出货|8.0|8.0|6.0|8.0|48.0|1");
}

// Rows that no rule prices at a negative balance are balanced as they stand, and a purchase
// with no earlier row to place a correction after is taken as it stands: the calculation ends.
TEST_F(Cost, RowsNoRulePricesAreBalancedAsTheyStand) {
    Row(1, L"出货", L"2013-05-01", 0, 0, 3);  // no opening row
    Row(1, L"进货", L"2013-05-02", 0, 4, 0);
    Row(1, L"调拨", L"2013-05-03", 2, 3, 0);
    Row(1, L"进货", L"2013-05-04", 2, 5, 0);
    EXPECT_EQ(stocks.CaculateCost(db), 1);
    EXPECT_EQ(Ledger(1),
              L"1|出货|0.0|0.0|-3.0|0.0|0.0|1\n"
              L"3|进货|0.0|0.0|-3.0|0.0|0.0|1\n"
              L"5|调拨|0.0|0.0|-1.0|-6.0|6.0|1\n"
              L"7|进货|0.0|0.0|1.0|16.0|16.0|1");
}

TEST_F(Cost, AFailedOrCancelledPassRollsBackAndNamesTheProduct) {
    for (int product : {1, 7}) {
        Opening(product, 10, 2);
        Row(product, L"出货", L"2013-05-01", 0, 0, 4);
    }
    const CString before = RowsOf(db, L"select * from Stocks order by StockID");
    Exec(L"create trigger refuse before update of LastCount on Stocks when new.ProductID = 7 begin select "
         L"raise(abort, 'refused'); end;");
    std::vector<std::pair<int, int>> told;
    EXPECT_EQ(stocks.CaculateCost(db, [&](int done, int total) { told.emplace_back(done, total); }), -1);
    EXPECT_EQ(told, (std::vector<std::pair<int, int>>{{1, 2}}));
    EXPECT_EQ(RowsOf(db, L"select * from Stocks order by StockID"), before);
    // A host cancels by throwing from the progress callback.
    Exec(L"drop trigger refuse");
    EXPECT_EQ(stocks.CaculateCost(db, [](int, int) { throw 1; }), -1);
    EXPECT_EQ(RowsOf(db, L"select * from Stocks order by StockID"), before);
    EXPECT_EQ(TakeLog(),
              (std::vector<CString>{L"ProductID:7 CaculateCost() 异常!", L"ProductID:1 CaculateCost() 异常!"}));
}

TEST_F(Cost, StepsLogErrorsInTheirOwnWords) {
    Opening(1, 10, 2);
    Exec(L"create trigger refuse before update of SortID on Stocks begin select raise(abort, 'refused'); end;");
    EXPECT_EQ(stocks.UpdateFlagAfterFirst(db, 1), -1);
    Exec(L"drop table Stocks");
    EXPECT_EQ(stocks.IsHaveNewData(db), 0);
    EXPECT_EQ(TakeLog(),
              (std::vector<CString>{L"UpdateFlagAfterFirst() 异常：refused", L"IsHaveNewData Err:no such table: Stocks"}));
}

// Called by itself, a correction is placed after the last row that was not negative, or topped
// up when one already stands there.
TEST_F(Cost, ACorrectionRowIsPlacedOrToppedUp) {
    Opening(1, 2, 3);
    Row(1, L"出货", L"2013-05-01", 0, 0, 4);
    Row(1, L"进货", L"2013-05-02", 10, 4, 0);
    Exec(L"update Stocks set SortID = StockID * 2 - 1, LastCount = -2 where IsSystem = 0");
    stocks.AddVirtualData(db, 10, 4, 40, 5, 1);
    stocks.AddVirtualData(db, 6, 5, 30, 5, 1);
    EXPECT_TRUE(stocks.IsExistVirtualData(db, 1));
    EXPECT_EQ(RowsOf(db, L"select SortID, BillDate, InCount, InAmount, LastCount, LastPrice, LastAmount, IsCale from "
                         L"Stocks where IsSystem = 2"),
              L"2|2013-01-01|16.0|70.0|2.0|4.22222222|6.0|0");
    EXPECT_EQ(Int(L"select SortID from Stocks where IsVirtual = 1"), 5);
}

TEST(StoredValue, IsWhatEightDecimalsReadBackGive) {
    std::mt19937_64 rng(15);
    for (int i = 0; i < 100000; ++i) {
        const double v = (static_cast<double>(rng() % 2000001) - 1000000) / std::pow(10.0, rng() % 12) +
                         (i % 3 ? 0 : 1.0 / static_cast<double>(1 + rng() % 4096));  // ties among these
        ASSERT_EQ(shopbiz::AsStored(v), shopbiz::ParseAmount(Fmt(L"%.08lf", v)) + 0.0) << Fmt(L"%.17g", v);
    }
    EXPECT_EQ(shopbiz::AsStored(1.0 / 512), 0.00195312);  // a true tie goes to the even digit, as printed
}

// --- The model: the rules on rows in memory --------------------------------------------------

double Stored(double v) { return shopbiz::ParseAmount(Fmt(L"%.08lf", v)) + 0.0; }

enum Value { kIn, kInPrice, kInAmount, kOut, kOutPrice, kOutAmount, kCount, kPrice, kAmount };
struct MRow {
    long long id;
    int product, sort, sys, virt, cale, cale2;
    std::wstring type, date, code;
    double v[9];
};
bool BySort(const MRow& a, const MRow& b) { return std::tie(a.sort, a.id) < std::tie(b.sort, b.id); }

enum class Step { Cost, Balance, Correct };
// What a row that is not carried does at running quantity q and unit cost p; `unitCost` is
// what it goes out at when costed.
Step RuleFor(const MRow& r, double q, double p, double lastPrice, double& unitCost) {
    const bool sale = r.type == L"出货", purchase = r.type == L"进货" && r.v[kIn] > 0;
    unitCost = q > 0 ? p : lastPrice;
    if (q > 0 || std::fabs(q) < 1e-6) return sale || purchase ? Step::Cost : Step::Balance;
    if (sale) return Step::Cost;
    return purchase && r.virt == 0 ? Step::Correct : Step::Balance;
}
// The balance step, the row going out at `unitCost` when given; everything as stored.
void Balance(MRow& r, double q, double v, double lastPrice, const double* unitCost) {
    if (unitCost) r.v[kOutPrice] = *unitCost, r.v[kOutAmount] = r.v[kOut] * *unitCost;
    for (double& x : r.v) x = Stored(x);
    r.v[kCount] = Stored(q + r.v[kIn] - r.v[kOut]);
    r.v[kAmount] = Stored(v + r.v[kInAmount] - r.v[kOutAmount]);
    r.v[kPrice] = r.v[kCount] == 0 ? lastPrice : Stored(r.v[kAmount] / r.v[kCount]);
}

void ModelCost(std::vector<MRow>& rows, bool all) {
    double q0 = 0, p0 = 0, v0 = 0;
    long long openingID = LLONG_MAX, nextID = LLONG_MAX / 2;
    for (MRow& r : rows) {
        if (r.sys == 1 && r.id < openingID) std::tie(openingID, q0, p0, v0) = std::tuple(r.id, r.v[kCount], r.v[kPrice], r.v[kAmount]);
        if (all) r.cale = r.cale2 = 0;
    }
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
        double q = q0, p = p0, v = v0, unitCost = 0;
        for (size_t i = 0; i < rows.size(); ++i) {
            MRow& r = rows[i];
            const double lastPrice = i ? rows[i - 1].v[kPrice] : 0;
            if (r.cale == 1) {
            } else if (r.sys == 2 || r.type == L"期初") {
                for (double& x : r.v) x = Stored(x);
            } else if (Step step = RuleFor(r, q, p, lastPrice, unitCost); step != Step::Correct) {
                Balance(r, q, v, lastPrice, step == Step::Cost ? &unitCost : nullptr);
            } else {
                // After the last row at which the balance was not negative, when there is one.
                const MRow purchase = r;
                for (size_t j = i; j-- > 0;) {
                    const MRow& f = rows[j];
                    if (!((f.sys == 0 && (f.v[kCount] > 0 || std::fabs(f.v[kCount]) < 1e-6)) || f.type == L"期初"))
                        continue;
                    const double d = f.v[kCount] + purchase.v[kIn];
                    MRow c{nextID++, f.product, f.sort + 1, 2, 0, 0, 0, L"进货", f.date, L"", {}};
                    std::copy(purchase.v, purchase.v + 3, c.v);
                    c.v[kCount] = f.v[kCount];
                    c.v[kAmount] = f.v[kAmount];
                    c.v[kPrice] = Stored(std::fabs(d) < 1e-7 ? 0 : (f.v[kAmount] + purchase.v[kInAmount]) / d);
                    rows.push_back(c);
                    break;
                }
                for (MRow& x : rows) x.virt = x.sort == purchase.sort ? 1 : x.virt;
                break;
            }
            r.cale = 1;
            std::tie(q, p, v) = std::tuple(r.v[kCount], r.v[kPrice], r.v[kAmount]);
        }
    }
    std::erase_if(rows, [](const MRow& r) { return r.sys == 2; });
    for (MRow& r : rows) r.virt = r.virt == 1 ? 0 : r.virt;
    // The first row of a negative closing run waits for the next calculation.
    std::sort(rows.begin(), rows.end(), BySort);
    for (size_t k = rows.size(); k-- > 0 && rows.back().v[kCount] < 0;) {
        if (rows[k].v[kCount] >= 0) {
            rows[k + 1].cale = rows[k + 1].cale2 = 0;
            break;
        }
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
               q.getStringField(9).GetString(), {}};
        for (int k = 0; k < 9; ++k) r.v[k] = q.getFloatField(10 + k);
        rows.push_back(r);
    }
    return rows;
}

// Rows by ID with everything the calculation decides, values as the ledger stores them.
std::string LedgerText(std::vector<MRow> rows) {
    std::sort(rows.begin(), rows.end(), [](const MRow& a, const MRow& b) { return a.id < b.id; });
    CString text;
    for (const MRow& r : rows)
        text += Fmt(L"%lld|%d|%d|%.08lf|%.08lf|%.08lf|%.08lf|%.08lf|%d|%d|%d|%d\n", r.id, r.product, r.sort,
                    r.v[kOutPrice], r.v[kOutAmount], r.v[kCount], r.v[kPrice], r.v[kAmount], r.cale, r.cale2, r.virt,
                    r.sys);
    return text.ToUtf8();
}

// The calculation taken through the single steps, as a caller of them would.
void StepByStep(CppSQLite3DB& db, int product, bool all) {
    CStocksBLL s;
    double q0, p0, v0, unitCost = 0;
    s.GetInitStock(db, q0, p0, v0, product);
    if (all) db.execDML(Fmt(L"update Stocks set IsCale=0, IsCale2 = 0 where ProductID= %d", product));
    while (!s.IsFinishCal(db, product)) {
        ASSERT_EQ(s.UpdateFlagAfterFirst(db, product), 1);
        double q = q0, p = p0, v = v0;
        std::vector<MRow> rows = Snapshot(db, product);
        std::sort(rows.begin(), rows.end(), BySort);
        for (MRow& r : rows) {
            const double lastPrice = s.GetLastSalePrice(db, product, r.sort);
            if (r.cale == 1 || r.sys == 2 || r.type == L"期初") {
            } else if (Step step = RuleFor(r, q, p, lastPrice, unitCost); step != Step::Correct) {
                Balance(r, q, v, lastPrice, step == Step::Cost ? &unitCost : nullptr);
            } else {
                s.AddVirtualData(db, r.v[kIn], r.v[kInPrice], r.v[kInAmount], r.sort, product);
                break;
            }
            if (r.cale != 1)
                s.UpdateCaleResult(db, static_cast<int>(r.id), r.v[0], r.v[1], r.v[2], r.v[3], r.v[4], r.v[5], r.v[6],
                                   r.v[7], r.v[8]);
            std::tie(q, p, v) = std::tuple(r.v[kCount], r.v[kPrice], r.v[kAmount]);
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
                if (odd == 0) Row(product, L"进货", date, 0, price, 0, code);
                else if (odd == 1) Row(product, L"调拨", date, 1 + Next(3), price, 0, code);
                else if (odd == 2) Row(product, L"出货", date, 0, 0, 1, code, 1);
                else if (sale) Row(product, L"出货", date, 0, 0, sign * 0.3 * (1 + Next(25)), code);
                else Row(product, L"进货", date, sign * 0.3 * (1 + Next(40)), price, 0, code);
            }
            // Now and then the product's whole stock sold, after every other row.
            if (const int product = 1 + Next(products); Next(6) == 0) {
                const double left = Real(Fmt(L"select sum(InCount - OutCount + (IsSystem = 1) * LastCount) from Stocks "
                                             L"where ProductID = %d", product));
                if (left > 0) Row(product, L"出货", L"2013-01-09", 0, 0, left, code);
            }
            bills_.emplace_back(code, sale);
        }
    }
    std::mt19937 rng;
    std::vector<std::pair<CString, bool>> bills_;
};

TEST_P(CostModel, DatabaseAgreesWithTheModel) {
    for (int seed = GetParam() * 30; seed < GetParam() * 30 + 30; ++seed) {
        const bool bySteps = seed % 10 == 0;  // every tenth ledger is costed through the single steps
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

            // The model of the same calculation, product by product.
            std::map<int, std::vector<MRow>> model;
            for (const MRow& r : Snapshot(db)) model[r.product].push_back(r);
            if (Next(10) < 7) {
                for (auto& [product, rows] : model) {
                    if (std::any_of(rows.begin(), rows.end(), [](const MRow& r) { return r.cale != 1; }))
                        ModelCost(rows, false);
                    for (MRow& r : rows) r.cale2 = 1;
                }
                if (!bySteps) {
                    ASSERT_EQ(stocks.CaculateCost(db), 1);
                } else {
                    CStringArray ids;
                    stocks.GetProductIDs(db, ids);
                    for (int i = 0; i < ids.GetSize(); ++i) StepByStep(db, shopbiz::WToI(ids[i]), false);
                    Exec(L"update Stocks set IsCale2 = 1 where IsCale2 <> 1 ");
                }
            } else {
                const int product = 1 + Next(products);
                const bool all = Next(2);
                ModelCost(model[product], all);
                if (!bySteps) ASSERT_EQ(stocks.CaculateCost(db, product, all), 1);
                else StepByStep(db, product, all);
            }
            std::vector<MRow> expected;
            for (auto& [product, rows] : model) expected.insert(expected.end(), rows.begin(), rows.end());
            ASSERT_EQ(LedgerText(Snapshot(db)), LedgerText(expected)) << "seed " << seed << ", round " << round;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Seeds, CostModel, ::testing::Range(0, 10));

}  // namespace
