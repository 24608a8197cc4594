// Every statement of a posting and of a deletion made to fail in turn, as the database would
// (an I/O error, a full disk, a busy file). Whatever fails, the call tells the truth: success
// only when everything is done, otherwise -1 with a message; each step is either done or not
// at all, and done steps form a prefix of the road (a step the call may survive aside); a
// retry adds exactly one clean posting to what survived; run through Atomically, a failure
// leaves the shop database exactly as it was.
#include <sqlite3.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "frame/Atomically.h"
#include "frame/StatementFaults.h"
#include "support/BillFixture.h"

using shopbiz::Fmt;
using shopbiz::testing::StatementFaults;

namespace {

using Values = std::map<std::string, double>;

// One step of a call's road: the values it moves, all together or none. A tolerated step may
// fail while the call goes on and succeeds.
struct Effect {
    const char* name;
    std::vector<std::string> values;
    bool tolerated = false;
};

struct Road {
    const char* name;
    std::vector<Effect> effects;
    std::function<int(CString& error)> call;
};

constexpr int kFaultCodes[] = {SQLITE_IOERR, SQLITE_FULL, SQLITE_BUSY};

class PostingFaults : public BillFixture {
protected:
    void SetUp() override {
        BillFixture::SetUp();
        Setting(L"IsUseDataSync", L"1");  // every change journalled: more statements to fail
        Setting(L"AccountMode", L"1");    // customer prices remembered
        PutCompany(L"老客户", 1, 20);
        PutMember(L"老客户");
        PutCompany(L"老供应商", 2, 50);
        // Two stocked products, and a cash account that stands at -150.
        Purchase({}, Items({{.name = L"铅笔", .price = L"1", .count = L"100"},
                            {.name = L"橡皮", .price = L"2", .count = L"100"}}));
        CAccInfoBLL().UpdateBaseAccount(db, L"现金", 150 + AccountBalance(L"现金"), error, 1);
        ASSERT_EQ(AccountBalance(L"现金"), -150.0);
    }

    // A sale of two stocked lines, 30 due and 10 paid; a purchase the same way.
    int PostSale(CString& e) {
        return sale.InsertBill(db, L"", L"现金", L"2013-05-06", L"老客户", L"30", L"30", L"100", L"10", L"", kLines, 2,
                               L"", L"店员", e, L"1");
    }
    int PostPurchase(CString& e) {
        return pur.InsertBill(db, L"", L"1", L"现金", L"2013-05-06", L"老供应商", L"30", L"30", L"100", L"10", L"",
                              kLines, 2, L"", L"店员", e);
    }

    Values Observe() {
        Values v;
        auto real = [&](const char* name, const CString& sql) { v[name] = Real(sql); };
        real("cash", L"SELECT CurAmount FROM SettleAcct WHERE SettleAcctName='现金'");
        real("customer", L"SELECT CurAmount FROM Companies WHERE CompanyName='老客户'");
        real("supplier", L"SELECT CurAmount FROM Companies WHERE CompanyName='老供应商'");
        for (const wchar_t* p : {L"铅笔", L"橡皮"}) {
            const std::string key = CString(p).ToUtf8();
            real(("stock " + key).c_str(), Fmt(L"SELECT CurStock FROM Products WHERE ProductName='%s'", p));
            real(("warehouse " + key).c_str(), Fmt(L"SELECT CurStock FROM ProductStock WHERE ProductName='%s'", p));
            real(("sold " + key).c_str(), Fmt(L"SELECT COUNT(*) FROM SaleBillItems WHERE ProductName='%s'", p));
            real(("bought " + key).c_str(), Fmt(L"SELECT COUNT(*) FROM PurBillItems WHERE ProductName='%s'", p));
            real(("price " + key).c_str(), Fmt(L"SELECT COUNT(*) FROM CompPrice WHERE ProductName='%s'", p));
        }
        real("sale bills", L"SELECT COUNT(*) FROM SaleBills");
        real("purchase bills", L"SELECT COUNT(*) FROM PurBills");
        real("ledger", L"SELECT COUNT(*) FROM Stocks");
        real("journal in", L"SELECT TOTAL(InAmount) FROM Account");
        real("journal out", L"SELECT TOTAL(OutAmount) FROM Account");
        real("month in", L"SELECT TOTAL(InAmount) FROM AccountMonth");
        real("month out", L"SELECT TOTAL(OutAmount) FROM AccountMonth");
        real("month balance", L"SELECT TOTAL(Balance) FROM AccountMonth");
        real("points", L"SELECT COUNT(*) FROM VipScores");
        real("numbering", L"SELECT TOTAL(LastNO) FROM BillCode");
        return v;
    }

    // Every row of every table, as text: what "no trace" is compared on.
    CString Everything() {
        CString all;
        for (CppSQLite3Query t = db.execQuery(L"SELECT name FROM sqlite_master WHERE type='table' ORDER BY name");
             !t.eof(); t.nextRow())
            all += t.fieldValue(0) + L":\n" + RowsOf(db, Fmt(L"SELECT * FROM [%s] ORDER BY rowid", t.fieldValue(0))) + L"\n";
        return all;
    }

    // The shop as it is now becomes the one each try starts from.
    void KeepAsStart() {
        start_.open(":memory:");
        Copy(db, start_);
    }
    void Restore() { Copy(start_, db); }

    static void Copy(CppSQLite3DB& from, CppSQLite3DB& to) {
        sqlite3_backup* b = sqlite3_backup_init(to.handle(), "main", from.handle(), "main");
        ASSERT_NE(b, nullptr);
        sqlite3_backup_step(b, -1);
        sqlite3_backup_finish(b);
    }

    // Walks every statement of `road.call` with a fault, with and without Atomically.
    void Walk(const Road& road);

    static const BillItemRows kLines;
    CppSQLite3DB start_;
};

const BillItemRows PostingFaults::kLines = Items({{.name = L"铅笔", .price = L"1.5", .count = L"10"},
                                                 {.name = L"橡皮", .price = L"1.5", .count = L"10"}});

std::string Describe(const Values& v) {
    std::string s;
    for (const auto& [k, x] : v) s += k + "=" + std::to_string(x) + " ";
    return s;
}

void PostingFaults::Walk(const Road& road) {
    KeepAsStart();
    const Values before = Observe();
    const CString untouched = Everything();
    CString e;
    StatementFaults::Arm(db, 0, SQLITE_IOERR);
    ASSERT_GE(road.call(e), 1) << e;
    const int statements = StatementFaults::Disarm();
    const Values clean = Observe();
    const CString cleanEverything = Everything();
    ASSERT_GT(statements, 10);

    // Whether an effect is done (1), not done (0), or torn (-1) in `now`.
    auto state = [&](const Effect& effect, const Values& now) {
        int done = 0, undone = 0;
        for (const std::string& key : effect.values) {
            if (now.at(key) == clean.at(key)) ++done;
            if (now.at(key) == before.at(key)) ++undone;
        }
        const int n = static_cast<int>(effect.values.size());
        return done == n ? 1 : undone == n ? 0 : -1;
    };

    for (int failAt = 1; failAt <= statements; ++failAt) {
        SCOPED_TRACE(std::string(road.name) + ", statement " + std::to_string(failAt) + " of " +
                     std::to_string(statements));
        const int code = kFaultCodes[failAt % 3];

        // Without a wrapper: what the road's steps did stays, and tells the truth.
        Restore();
        e = L"";
        StatementFaults::Arm(db, failAt, code);
        const int result = road.call(e);
        StatementFaults::Disarm();
        ASSERT_TRUE(StatementFaults::Fired());
        const Values after = Observe();
        for (const auto& [key, value] : after)
            EXPECT_TRUE(value == before.at(key) || value == clean.at(key))
                << key << " is " << value << ", neither " << before.at(key) << " nor " << clean.at(key);
        bool gap = false;
        int toleratedFailures = 0;
        for (const Effect& effect : road.effects) {
            const int s = state(effect, after);
            EXPECT_NE(s, -1) << effect.name << " is torn: " << Describe(after);
            if (gap) {
                EXPECT_NE(s, 1) << effect.name << " done after a step that was not";
            } else if (s == 0 && effect.tolerated) {
                ++toleratedFailures;  // the call went on without it
            } else if (s == 0) {
                gap = true;
                EXPECT_LT(result, 1) << effect.name << " is missing after a success";
            }
        }
        if (result >= 1) {
            EXPECT_LE(toleratedFailures, 1);
            if (toleratedFailures) {
                EXPECT_FALSE(e.IsEmpty());
            }
        } else {
            EXPECT_EQ(result, -1);
            EXPECT_FALSE(e.IsEmpty());

            // Posting again adds one clean posting to what survived.
            CString again;
            ASSERT_GE(road.call(again), 1) << again;
            const Values retried = Observe();
            for (const auto& [key, value] : retried) {
                if (key == "numbering" || key.rfind("price ", 0) == 0) continue;  // not sums of postings
                EXPECT_DOUBLE_EQ(value - after.at(key), clean.at(key) - before.at(key)) << key << " after a retry";
            }
        }

        // Through Atomically: all of it, or no trace at all.
        Restore();
        e = L"";
        StatementFaults::Arm(db, failAt, code);
        const int atomic = shopbiz::Atomically(db, e, [&] { return road.call(e); });
        StatementFaults::Disarm();
        if (atomic >= 1) {
            for (const Effect& effect : road.effects)
                if (!effect.tolerated) {
                    EXPECT_EQ(state(effect, Observe()), 1) << effect.name;
                }
        } else {
            EXPECT_FALSE(e.IsEmpty());
            EXPECT_EQ(Everything(), untouched) << "a failed posting left a trace";
            CString again;
            ASSERT_GE(road.call(again), 1) << again;
            EXPECT_EQ(Everything(), cleanEverything);
        }
    }
}

TEST_F(PostingFaults, EveryStatementOfASale) {
    Walk({"sale",
          {{"cash account", {"cash"}},
           {"header", {"sale bills"}},
           {"line 1", {"sold 铅笔", "stock 铅笔", "warehouse 铅笔", "price 铅笔"}},
           {"line 2", {"sold 橡皮", "stock 橡皮", "warehouse 橡皮", "price 橡皮"}},
           {"journal", {"journal in", "month in", "month balance"}},
           {"ledger", {"ledger"}},
           {"receivable", {"customer"}},
           {"points", {"points"}},
           {"numbering", {"numbering"}}},
          [&](CString& e) { return PostSale(e); }});
}

TEST_F(PostingFaults, EveryStatementOfAPurchase) {
    Walk({"purchase",
          {{"cash account", {"cash"}},
           {"header", {"purchase bills"}},
           {"line 1", {"bought 铅笔", "stock 铅笔", "warehouse 铅笔"}},
           {"line 2", {"bought 橡皮", "stock 橡皮", "warehouse 橡皮"}},
           {"journal", {"journal out", "month out", "month balance"}},
           {"ledger", {"ledger"}},
           {"payable", {"supplier"}},
           {"numbering", {"numbering"}}},
          [&](CString& e) { return PostPurchase(e); }});
}

TEST_F(PostingFaults, EveryStatementOfASaleDeletion) {
    const int id = PostSale(error);
    ASSERT_GE(id, 1) << error;
    Walk({"sale deletion",
          {{"line 1", {"stock 铅笔", "warehouse 铅笔"}},
           {"line 2", {"stock 橡皮", "warehouse 橡皮"}},
           {"journal", {"journal in", "month in", "month balance"}},
           {"cash account", {"cash"}},
           {"receivable", {"customer"}},
           {"rows", {"ledger", "sale bills", "sold 铅笔", "sold 橡皮"}}},
          [&](CString& e) { return sale.DeleteBillByID(db, id, e); }});
}

TEST_F(PostingFaults, EveryStatementOfAPurchaseDeletion) {
    const int id = PostPurchase(error);
    ASSERT_GE(id, 1) << error;
    Walk({"purchase deletion",
          {{"line 1", {"stock 铅笔", "warehouse 铅笔"}},
           {"line 2", {"stock 橡皮", "warehouse 橡皮"}},
           {"journal", {"journal out", "month out", "month balance"}, true},
           {"cash account", {"cash"}},
           {"payable", {"supplier"}, true},
           {"rows", {"ledger", "purchase bills", "bought 铅笔", "bought 橡皮"}}},
          [&](CString& e) { return pur.DeleteBillByID(db, id, e); }});
}

}  // namespace
