// Posting sale bills of five lines on a shop database with 1,000 products, 200 customers and a
// long ledger (a year of history: 20,000 bills, 100,000 ledger rows), in memory and on a file
// in WAL mode; beside it the least SQLite work that leaves the same rows, with prepared
// statements in one transaction, the same committed once per bill (the least work a durable
// posting needs), and the bare inserts of the headers and lines alone. On files the figures
// are wall-clock time, syncs included; in memory they are CPU time.
//
// Growth: sales and purchases posted on a WAL file into a shop with an empty ledger and into
// one with 1,000,000 ledger rows (200,000 bills of history).
#include <benchmark/benchmark.h>
#include <sqlite3.h>
#include <unistd.h>

#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "common/AmountText.h"
#include "frame/SqlText.h"
#include "shopbiz.h"
#include "BenchSql.h"

namespace {

using shopbiz::Fmt;

constexpr int kProducts = 1000, kCustomers = 200, kHistoryBills = 20000;
constexpr int kBills = 2000, kLines = 5;

CString ProductName(int i) { return Fmt(L"商品%04d", i); }
CString CustomerName(int i) { return Fmt(L"客户%03d", i); }

// --- The shop before the run -------------------------------------------------------------------

using bench_sql::Run;

// Products and customers through the services; a year of sales, their ledger rows and day
// lines written straight in.
CppSQLite3DB& TemplateShop() {
    static CppSQLite3DB* db = [] {
        auto* shop = new CppSQLite3DB;
        shop->open(":memory:");
        shopbiz::CreateShopSchema(*shop);
        CProductsBLL products;
        for (int i = 0; i < kProducts; ++i) {
            bool exists = false;
            products.AddProducts(*shop, ProductName(i), Fmt(L"SP%04d", i), L"", L"个", L"1000", L"6", L"10.5", L"9",
                                 L"", L"", false, L"", exists);
        }
        CString error;
        for (int i = 0; i < kCustomers; ++i) CCustomerBLL().InsertCompany(*shop, CustomerName(i), 1, error);
        sqlite3* h = shop->handle();
        Run(h, "BEGIN");
        Run(h,
            "INSERT INTO ProductStock(ProductID,ProductName,ProductCode,SearchCode,WarehouseID,WarehouseName,"
            "WarehouseCode,UnitID,UnitName,InitStock,CurStock,HighLimit,LowLimit) SELECT ProductID,ProductName,"
            "ProductCode,SearchCode,'1','默认仓库','CK0001',UnitID,UnitName,'1000',1000,'0','0' FROM Products");
        Run(h,
            "WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i+1 FROM n WHERE i+1<20000) "
            "INSERT INTO SaleBills(BillCode,CompanyID,CompanyCode,CompanyName,SettleAcctID,SettleAcctName,BillAmount,"
            "DiscountAmount,DiscountRate,GetAmount,OweAmount,BillDate,UserName,CreateDate,LastUpdateDate,BillType) "
            "SELECT printf('XS2012%02d%04d', 1 + i % 12, i / 12 + 1), C.CompanyID, C.CompanyCode, C.CompanyName, 1, "
            "'现金', 52.5, 52.5, 1, 52.5, 0, printf('2012-%02d-%02d', 1 + i % 12, 1 + i % 28), '店员', "
            "'2012-12-31 12:00:00', '2012-12-31 12:00:00', 1 FROM n JOIN Companies C ON C.CompanyID = 4 + i % 200");
        Run(h,
            "WITH RECURSIVE k(j) AS (SELECT 0 UNION ALL SELECT j+1 FROM k WHERE j+1<5) "
            "INSERT INTO SaleBillItems(SaleID,BillCode,ProductID,ProductCode,ProductName,TypeID,TypeName,UnitID,"
            "UnitName,Price,ItemCount,Amount,ShowUnitID,ShowUnitName,Coefficient,ShowItemCount,ShowPrice,"
            "OriginalPrice,DisRate,SearchCode,UserName,CreateDate,LastUpdateDate) "
            "SELECT B.SaleID, B.BillCode, P.ProductID, P.ProductCode, P.ProductName, P.TypeID, P.TypeName, P.UnitID, "
            "P.UnitName, 10.5, 1, 10.5, P.UnitID, P.UnitName, '1', 1, 10.5, 10.5, 1, P.SearchCode, '店员', "
            "B.CreateDate, B.CreateDate FROM SaleBills B, k JOIN Products P ON P.ProductID = 1 + (B.SaleID * 7 + "
            "k.j * 131) % 1000");
        Run(h,
            "INSERT INTO Stocks(BillType,BillDate,BillCode,BillItemID,ProductID,ProductName,ProductCode,SearchCode,"
            "CompanyID,CompanyCode,CompanyName,TypeID,TypeName,UnitID,UnitName,OutCount,SalePrice,SaleAmount,"
            "IsSystem,IsVirtual,IsCale,IsCale2,SyncState,UserID,UserName,CreateDate,LastUpdateDate) "
            "SELECT '出货', B.BillDate, B.BillCode, I.SaleItemID, I.ProductID, I.ProductName, I.ProductCode, "
            "I.SearchCode, B.CompanyID, B.CompanyCode, B.CompanyName, I.TypeID, I.TypeName, I.UnitID, I.UnitName, "
            "I.ItemCount, I.Price, I.Amount, 0, 0, 1, 1, 0, 0, '', B.BillDate, B.LastUpdateDate "
            "FROM SaleBills B JOIN SaleBillItems I ON I.SaleID = B.SaleID");
        Run(h,
            "INSERT INTO Account(AccountDate,CompanyID,CompanyCode,CompanyName,SettleAcctID,SettleAcctName,ProjectID,"
            "ProjectName,ProjectType,AccountType,InAmount,OutAmount,AccountDesp,IsSystem,CreateDate,LastUpdateDate) "
            "SELECT BillDate, 1, 'KH0001', '零售客户', -1, '', 1, '销售收入', 1, '收入', SUM(GetAmount), 0, "
            "'销售货品', 1, "
            "MAX(CreateDate), MAX(CreateDate) FROM SaleBills GROUP BY BillDate");
        Run(h,
            "INSERT INTO AccountMonth(Month,SettleAcctName,SettleAcctID,InAmount,OutAmount,Balance) "
            "SELECT MIN(BillDate), '现金', 1, SUM(GetAmount), 0, SUM(GetAmount) FROM SaleBills "
            "GROUP BY substr(BillDate, 1, 7)");
        Run(h, "UPDATE SettleAcct SET CurAmount = (SELECT SUM(GetAmount) FROM SaleBills) WHERE SettleAcctID=1");
        Run(h,
            "UPDATE Products SET CurStock = CurStock - (SELECT IFNULL(SUM(ItemCount), 0) FROM SaleBillItems I "
            "WHERE I.ProductID = Products.ProductID)");
        Run(h,
            "UPDATE ProductStock SET CurStock = (SELECT CurStock FROM Products P WHERE P.ProductID = "
            "ProductStock.ProductID)");
        Run(h, "COMMIT");
        return shop;
    }();
    return *db;
}

// A copy of the template shop: in memory, or a new file in WAL mode (by default every commit
// is synced; a host may trade that for speed with synchronous=NORMAL).
void OpenShop(CppSQLite3DB& db, const std::string& path, bool syncNormal = false) {
    std::remove(path.c_str());
    std::remove((path + "-wal").c_str());
    std::remove((path + "-shm").c_str());
    db.open(path.c_str());
    sqlite3_backup* copy = sqlite3_backup_init(db.handle(), "main", TemplateShop().handle(), "main");
    sqlite3_backup_step(copy, -1);
    sqlite3_backup_finish(copy);
    if (path != ":memory:") Run(db.handle(), "PRAGMA journal_mode=WAL");
    if (syncNormal) Run(db.handle(), "PRAGMA synchronous=NORMAL");
}

std::string FilePath() { return "/tmp/shopbiz_posting_bench_" + std::to_string(getpid()) + ".db"; }
std::string ShopPath(const benchmark::State& state) { return state.range(0) == 0 ? ":memory:" : FilePath(); }
bool SyncNormal(const benchmark::State& state) { return state.range(0) == 2; }

// --- The bills -----------------------------------------------------------------------------------

struct Bill {
    CString customer, date, amount, paid;
    BillItemRows lines;
    struct Line {
        int product;
        int count;
    };
    std::vector<Line> parts;
};

constexpr double kPrice = 10.5;

const std::vector<Bill>& Bills() {
    static const std::vector<Bill> bills = [] {
        std::vector<Bill> all;
        for (int b = 0; b < kBills; ++b) {
            Bill bill;
            bill.customer = CustomerName(b % kCustomers);
            bill.date = Fmt(L"2013-05-%02d", 1 + b % 28);
            double total = 0;
            for (int k = 0; k < kLines; ++k) {
                const int product = (b * 7 + k * 131) % kProducts, count = 1 + (b + k) % 5;
                const CString price = Fmt(L"%.2lf", kPrice), qty = Fmt(L"%d", count);
                const CString amount = Fmt(L"%.2lf", kPrice * count);
                bill.lines.push_back({Fmt(L"SP%04d", product), ProductName(product), L"个", price, qty, amount, L"",
                                      L"", L"个", L"1", qty, price, price, L"1"});
                bill.parts.push_back({product + 1, count});
                total += kPrice * count;
            }
            bill.amount = Fmt(L"%.2lf", total);
            bill.paid = Fmt(L"%.2lf", b % 3 == 0 ? total - 10 : total);  // every third bill leaves 10 owing
            all.push_back(bill);
        }
        return all;
    }();
    return bills;
}

// Runs `post` on a fresh copy of the shop per iteration; only `post` is timed.
template <class Post>
void OnFreshShops(benchmark::State& state, Post post) {
    const std::string path = ShopPath(state);
    for (auto _ : state) {
        state.PauseTiming();
        auto db = std::make_unique<CppSQLite3DB>();
        OpenShop(*db, path, SyncNormal(state));
        state.ResumeTiming();
        post(*db);
        state.PauseTiming();
        db.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * kBills);
    state.SetLabel("items = bills");
}

// --- Posting through the library ------------------------------------------------------------------

void PostSales(benchmark::State& state) {
    if (state.range(1)) CSysBLL().UpdateSysSetting(TemplateShop(), L"IsUseDataSync", L"1");
    OnFreshShops(state, [&](CppSQLite3DB& db) {
        CSaleBLL sale;
        CString error;
        for (const Bill& bill : Bills()) {
            if (sale.InsertBill(db, L"", L"现金", bill.date, bill.customer, bill.amount, bill.amount, L"100", bill.paid,
                                L"", bill.lines, kLines, L"", L"店员", error, L"1") < 1) {
                state.SkipWithError(error.ToUtf8().c_str());
                return;
            }
        }
    });
    CSysBLL().UpdateSysSetting(TemplateShop(), L"IsUseDataSync", L"0");
}

// --- The least SQLite work with the same end state -------------------------------------------------

void BindText(sqlite3_stmt* st, int index, const CString& text) {
    const std::string utf8 = text.ToUtf8();
    sqlite3_bind_text(st, index, utf8.c_str(), static_cast<int>(utf8.size()), SQLITE_TRANSIENT);
}

class Statement {
public:
    Statement(sqlite3* db, const char* sql) {
        if (sqlite3_prepare_v2(db, sql, -1, &st_, nullptr) != SQLITE_OK) {
            std::fprintf(stderr, "%s\n%s\n", sqlite3_errmsg(db), sql);
            std::abort();
        }
    }
    ~Statement() { sqlite3_finalize(st_); }
    Statement& Text(int i, const CString& text) {
        BindText(st_, i, text);
        return *this;
    }
    Statement& Int(int i, sqlite3_int64 value) {
        sqlite3_bind_int64(st_, i, value);
        return *this;
    }
    Statement& Real(int i, double value) {
        sqlite3_bind_double(st_, i, value);
        return *this;
    }
    // Runs it; the rows changed.
    int Step() {
        sqlite3_step(st_);
        sqlite3_reset(st_);
        return sqlite3_changes(sqlite3_db_handle(st_));
    }

private:
    sqlite3_stmt* st_ = nullptr;
};

// Every row the postings leave: header, lines, ledger rows, the stock counters, the customer
// prices, balances, the day line and month totals and the numbering, with nothing looked up
// that the caller could know.
void PlainWork(benchmark::State& state, bool commitPerBill) {
    const CString now = L"2013-05-06 14:03:09";
    OnFreshShops(state, [&](CppSQLite3DB& db) {
        sqlite3* h = db.handle();
        Statement header(h,
                         "INSERT INTO SaleBills(BillCode,CompanyID,CompanyCode,CompanyName,SettleAcctID,"
                         "SettleAcctName,BillAmount,DiscountAmount,DiscountRate,GetAmount,OweAmount,BillDate,"
                         "UserID,UserName,CreateDate,LastUpdateDate,Remark,BillType) "
                         "VALUES(?,?,?,?,1,'现金',?,?,1,?,?,?,0,'店员',?,?,'',1)");
        Statement line(h,
                       "INSERT INTO SaleBillItems(SaleID,BillCode,ProductCode,ProductName,TypeName,UnitName,"
                       "UserName,CreateDate,LastUpdateDate,Remark,ProductID,TypeID,UnitID,Price,Amount,UserID,"
                       "ItemCount,SearchCode,ShowUnitID,ShowUnitName,Coefficient,ShowItemCount,ShowPrice,"
                       "OriginalPrice,DisRate) VALUES(?,?,?,?,'默认类别','个','店员',?,?,'',?,2,1,?,?,0,?,'SP',1,"
                       "'个','1',?,?,?,1)");
        Statement ledger(h,
                         "INSERT INTO Stocks(BillType,BillDate,BillCode,BillItemID,ProductID,ProductName,"
                         "ProductCode,SearchCode,CompanyID,CompanyCode,CompanyName,TypeID,TypeName,UnitID,"
                         "UnitName,OutCount,SalePrice,SaleAmount,IsSystem,IsVirtual,IsCale,SyncState,UserID,"
                         "UserName,CreateDate,LastUpdateDate) VALUES('出货',?,?,?,?,?,?,'SP',?,?,?,2,'默认类别',1,"
                         "'个',?,?,?,0,0,0,0,0,'',?,?)");
        Statement stock(h, "UPDATE Products SET CurStock=CurStock-? WHERE ProductID=?");
        Statement warehouse(h, "UPDATE ProductStock SET CurStock=CurStock-? WHERE ProductID=?");
        Statement priceUpdate(h,
                              "UPDATE CompPrice SET Price=?,LastUpdateDate=? WHERE CompanyID=? AND ProductID=? "
                              "AND UnitID=1");
        Statement priceInsert(h,
                              "INSERT INTO CompPrice(ProductID,ProductName,ProductCode,CompanyID,CompanyCode,"
                              "CompanyName,TypeID,TypeName,UnitID,UnitName,Price,LastUpdateDate,CompSearchCode,"
                              "ProdSearchCode) VALUES(?,?,?,?,?,?,2,'默认类别',1,'个',?,?,'KH','SP')");
        Statement balance(h, "UPDATE Companies SET CurAmount=CurAmount+? WHERE CompanyID=?");
        Statement cash(h, "UPDATE SettleAcct SET CurAmount=CurAmount+? WHERE SettleAcctID=1");
        Statement dayLine(h,
                          "UPDATE Account SET InAmount=InAmount+? WHERE AccountDate=? AND ProjectType=1 AND "
                          "AccountType='收入'");
        Statement newDayLine(h,
                             "INSERT INTO Account(AccountDate,CompanyID,CompanyCode,CompanyName,SettleAcctID,"
                             "SettleAcctName,ProjectID,ProjectName,ProjectType,AccountType,InAmount,OutAmount,"
                             "AccountDesp,IsSystem,CreateDate,LastUpdateDate) VALUES(?,1,'KH0001','零售客户',-1,'',"
                             "1,'销售收入',1,'收入',?,0,'销售货品',1,?,?)");
        Statement month(h,
                        "UPDATE AccountMonth SET InAmount=InAmount+?,Balance=Balance+? WHERE SettleAcctID=1 AND "
                        "substr(Month,1,7)='2013-05'");
        Statement newMonth(h,
                           "INSERT INTO AccountMonth(Month,SettleAcctName,SettleAcctID,InAmount,OutAmount,Balance) "
                           "VALUES(?,'现金',1,?,0,?)");
        Statement numbering(h, "UPDATE BillCode SET LastNO=? WHERE BillType='XSD' AND YearMonth='201305'");
        Run(h, "INSERT INTO BillCode(BillType,PreCode,YearMonth,LastNO) VALUES('XSD','XS','201305',0)");

        Run(h, "BEGIN");
        int number = 0;
        for (const Bill& bill : Bills()) {
            if (commitPerBill && number > 0) Run(h, "COMMIT; BEGIN");
            const CString code = Fmt(L"XS201305%04d", ++number);
            const int customer = 4 + (number - 1) % kCustomers;
            const double amount = shopbiz::ParseAmount(bill.amount), paid = shopbiz::ParseAmount(bill.paid);
            header.Text(1, code).Int(2, customer).Text(3, Fmt(L"KH%04d", customer - 1)).Text(4, bill.customer);
            header.Real(5, amount).Real(6, amount).Real(7, paid).Real(8, amount - paid).Text(9, bill.date);
            header.Text(10, now).Text(11, now).Step();
            const sqlite3_int64 saleID = sqlite3_last_insert_rowid(h);
            for (const Bill::Line& part : bill.parts) {
                const CString name = ProductName(part.product - 1), productCode = Fmt(L"SP%04d", part.product - 1);
                line.Int(1, saleID).Text(2, code).Text(3, productCode).Text(4, name).Text(5, now).Text(6, now);
                line.Int(7, part.product).Real(8, kPrice).Real(9, kPrice * part.count).Real(10, part.count);
                line.Real(11, part.count).Real(12, kPrice).Real(13, kPrice).Step();
                const sqlite3_int64 itemID = sqlite3_last_insert_rowid(h);
                ledger.Text(1, bill.date).Text(2, code).Int(3, itemID).Int(4, part.product).Text(5, name);
                ledger.Text(6, productCode).Int(7, customer).Text(8, Fmt(L"KH%04d", customer - 1));
                ledger.Text(9, bill.customer).Real(10, part.count).Real(11, kPrice);
                ledger.Real(12, kPrice * part.count).Text(13, bill.date).Text(14, now).Step();
                stock.Real(1, part.count).Int(2, part.product).Step();
                warehouse.Real(1, part.count).Int(2, part.product).Step();
                if (priceUpdate.Real(1, kPrice).Text(2, now).Int(3, customer).Int(4, part.product).Step() == 0) {
                    priceInsert.Int(1, part.product).Text(2, name).Text(3, productCode).Int(4, customer);
                    priceInsert.Text(5, Fmt(L"KH%04d", customer - 1)).Text(6, bill.customer).Real(7, kPrice);
                    priceInsert.Text(8, now).Step();
                }
            }
            if (amount != paid) balance.Real(1, amount - paid).Int(2, customer).Step();
            cash.Real(1, paid).Step();
            if (dayLine.Real(1, paid).Text(2, bill.date).Step() == 0)
                newDayLine.Text(1, bill.date).Real(2, paid).Text(3, now).Text(4, now).Step();
            if (month.Real(1, paid).Real(2, paid).Step() == 0)
                newMonth.Text(1, bill.date).Real(2, paid).Real(3, paid).Step();
            numbering.Int(1, number).Step();
        }
        Run(h, "COMMIT");
    });
}

void PlainSameEndState(benchmark::State& state) { PlainWork(state, false); }
void PlainCommitPerBill(benchmark::State& state) { PlainWork(state, true); }

// Only the headers and their lines, prepared, in one transaction.
void PlainHeadersAndLines(benchmark::State& state) {
    const CString now = L"2013-05-06 14:03:09";
    OnFreshShops(state, [&](CppSQLite3DB& db) {
        sqlite3* h = db.handle();
        Statement header(h,
                         "INSERT INTO SaleBills(BillCode,CompanyID,CompanyName,SettleAcctID,SettleAcctName,"
                         "BillAmount,DiscountAmount,GetAmount,OweAmount,BillDate,UserName,CreateDate,"
                         "LastUpdateDate) VALUES(?,?,?,1,'现金',?,?,?,?,?,'店员',?,?)");
        Statement line(h,
                       "INSERT INTO SaleBillItems(SaleID,BillCode,ProductID,ProductName,Price,ItemCount,Amount,"
                       "ShowItemCount,ShowPrice,OriginalPrice,CreateDate,LastUpdateDate) "
                       "VALUES(?,?,?,?,?,?,?,?,?,?,?,?)");
        Run(h, "BEGIN");
        int number = 0;
        for (const Bill& bill : Bills()) {
            const CString code = Fmt(L"XS201305%04d", ++number);
            const double amount = shopbiz::ParseAmount(bill.amount), paid = shopbiz::ParseAmount(bill.paid);
            header.Text(1, code).Int(2, 4 + (number - 1) % kCustomers).Text(3, bill.customer).Real(4, amount);
            header.Real(5, amount).Real(6, paid).Real(7, amount - paid).Text(8, bill.date).Text(9, now);
            header.Text(10, now).Step();
            const sqlite3_int64 saleID = sqlite3_last_insert_rowid(h);
            for (const Bill::Line& part : bill.parts) {
                line.Int(1, saleID).Text(2, code).Int(3, part.product).Text(4, ProductName(part.product - 1));
                line.Real(5, kPrice).Real(6, part.count).Real(7, kPrice * part.count).Real(8, part.count);
                line.Real(9, kPrice).Real(10, kPrice).Text(11, now).Text(12, now).Step();
            }
        }
        Run(h, "COMMIT");
    });
}

// --- Growth: an empty ledger against 1,000,000 rows --------------------------------------------

constexpr int kGrownRows = 1000000, kGrowthBills = 500;

// The template shop with `rows` ledger rows of history behind it (bills of five lines).
CppSQLite3DB& GrownShop(int rows) {
    static std::map<int, std::unique_ptr<CppSQLite3DB>> shops;
    std::unique_ptr<CppSQLite3DB>& shop = shops[rows];
    if (shop) return *shop;
    shop = std::make_unique<CppSQLite3DB>();
    shop->open(":memory:");
    sqlite3_backup* copy = sqlite3_backup_init(shop->handle(), "main", TemplateShop().handle(), "main");
    sqlite3_backup_step(copy, -1);
    sqlite3_backup_finish(copy);
    sqlite3* h = shop->handle();
    Run(h, "BEGIN");
    Run(h, "DELETE FROM Stocks WHERE IsSystem=0");
    Run(h, "DELETE FROM SaleBillItems");
    Run(h, "DELETE FROM SaleBills");
    const std::string sql =
        "WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i+1 FROM n WHERE i+1<" + std::to_string(rows) +
        ") INSERT INTO Stocks(BillType,BillDate,BillCode,BillItemID,ProductID,ProductName,ProductCode,SearchCode,"
        "CompanyID,CompanyCode,CompanyName,TypeID,TypeName,UnitID,UnitName,OutCount,SalePrice,SaleAmount,IsSystem,"
        "IsVirtual,IsCale,IsCale2,SyncState,UserID,UserName,CreateDate,LastUpdateDate) SELECT '出货', "
        "printf('2012-%02d-%02d', 1 + i / 5 % 12, 1 + i / 5 % 28), printf('XS2012%06d', i / 5), i, "
        "P.ProductID, P.ProductName, P.ProductCode, P.SearchCode, 4 + i % 200, 'KH', '客户', P.TypeID, P.TypeName, "
        "P.UnitID, P.UnitName, 1, 10.5, 10.5, 0, 0, 1, 1, 0, 0, '', '2012-12-31', '2012-12-31' FROM n JOIN Products "
        "P ON P.ProductID = 1 + (i * 7 + i / 5 * 131) % 1000";
    if (rows > 0) Run(h, sql.c_str());
    Run(h, "COMMIT");
    return *shop;
}

// Posts kGrowthBills sales or purchases of five lines into a WAL file copied from the grown shop.
void PostIntoGrownShop(benchmark::State& state, bool purchases) {
    const int rows = static_cast<int>(state.range(0));
    CppSQLite3DB& grown = GrownShop(rows);
    const std::string path = FilePath();
    for (auto _ : state) {
        state.PauseTiming();
        auto db = std::make_unique<CppSQLite3DB>();
        std::remove(path.c_str());
        std::remove((path + "-wal").c_str());
        std::remove((path + "-shm").c_str());
        db->open(path.c_str());
        sqlite3_backup* copy = sqlite3_backup_init(db->handle(), "main", grown.handle(), "main");
        sqlite3_backup_step(copy, -1);
        sqlite3_backup_finish(copy);
        Run(db->handle(), "PRAGMA journal_mode=WAL");
        state.ResumeTiming();
        CString error;
        for (int b = 0; b < kGrowthBills; ++b) {
            const Bill& bill = Bills()[static_cast<size_t>(b)];
            const int id =
                purchases ? CPurBLL().InsertBill(*db, L"", L"1", L"现金", bill.date, L"", bill.amount, bill.amount,
                                                 L"100", bill.amount, L"", bill.lines, kLines, L"", L"店员", error)
                          : CSaleBLL().InsertBill(*db, L"", L"现金", bill.date, bill.customer, bill.amount,
                                                  bill.amount, L"100", bill.paid, L"", bill.lines, kLines, L"",
                                                  L"店员", error, L"1");
            if (id < 1) {
                state.SkipWithError(error.ToUtf8().c_str());
                return;
            }
        }
        state.PauseTiming();
        db.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * kGrowthBills);
    state.SetLabel("items = bills");
}

void SalesIntoGrownShop(benchmark::State& state) { PostIntoGrownShop(state, false); }
void PurchasesIntoGrownShop(benchmark::State& state) { PostIntoGrownShop(state, true); }

// Arguments: 0 in memory (CPU time), 1 a file in WAL mode, 2 the same with synchronous=NORMAL
// (wall-clock time); for the library also with the change journal on.
void InMemory(benchmark::internal::Benchmark* b) { b->ArgNames({"file", "journal"})->Args({0, 0}); }
void OnFiles(benchmark::internal::Benchmark* b) {
    b->ArgNames({"file", "journal"})->Args({1, 0})->Args({2, 0})->UseRealTime();
}
void InMemoryWithJournal(benchmark::internal::Benchmark* b) { b->ArgNames({"file", "journal"})->Args({0, 1}); }

}  // namespace

BENCHMARK(PostSales)->Apply(InMemory)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(PostSales)->Apply(InMemoryWithJournal)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(PlainSameEndState)->Apply(InMemory)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(PlainCommitPerBill)->Apply(InMemory)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(PlainHeadersAndLines)->Apply(InMemory)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(PostSales)->Apply(OnFiles)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(PlainSameEndState)->Apply(OnFiles)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(PlainCommitPerBill)->Apply(OnFiles)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(PlainHeadersAndLines)->Apply(OnFiles)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(SalesIntoGrownShop)->ArgName("ledger")->Arg(0)->Arg(kGrownRows)->UseRealTime()->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(PurchasesIntoGrownShop)->ArgName("ledger")->Arg(0)->Arg(kGrownRows)->UseRealTime()->Unit(benchmark::kMillisecond)->Iterations(1);

BENCHMARK_MAIN();
