#pragma once
// The shop of the ledger benchmarks: a stock ledger of 1,000,000 rows on 10,000 products (a
// year of purchases and sales, 2012; one product in twenty sells more than it buys and ends in
// negative stock), written straight into a new shop database in memory, uncosted and costed.
#include <sqlite3.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "BenchSql.h"
#include "shopbiz.h"

namespace ledger_shop {

constexpr int kProducts = 10000, kRows = 1000000;

using bench_sql::Run;

// The ledger written straight in, as the postings leave it: an opening row per product, then
// bill rows in date order with the products interleaved, five lines to a bill. The Stocks
// indexes are built after the rows, which is quicker than keeping them on the way.
inline void FillLedger(sqlite3* db) {
    std::vector<std::string> indexes;
    sqlite3_stmt* st = nullptr;
    sqlite3_prepare_v2(db, "SELECT name, sql FROM sqlite_master WHERE type='index' AND tbl_name='Stocks'", -1, &st,
                       nullptr);
    std::vector<std::string> names;
    while (sqlite3_step(st) == SQLITE_ROW) {
        names.emplace_back(reinterpret_cast<const char*>(sqlite3_column_text(st, 0)));
        indexes.emplace_back(reinterpret_cast<const char*>(sqlite3_column_text(st, 1)));
    }
    sqlite3_finalize(st);
    for (const std::string& name : names) Run(db, ("DROP INDEX " + name).c_str());

    Run(db, "BEGIN");
    Run(db,
        "WITH RECURSIVE p(i) AS (SELECT 1 UNION ALL SELECT i+1 FROM p WHERE i<10000) "
        "INSERT INTO Stocks(SortID,BillType,BillDate,BillCode,ProductID,ProductName,ProductCode,SearchCode,TypeID,"
        "TypeName,UnitName,LastCount,LastPrice,LastAmount,IsSystem,IsVirtual,IsCale,IsCale2,CreateDate,"
        "LastUpdateDate) SELECT 1,'期初','2012-01-01','',i,'商品'||i,printf('SP%05d',i),'SP',2,'默认类别','个',"
        "20,5,100,1,0,1,1,'2012-01-01','2012-01-01 00:00:00' FROM p");
    // Row i: product spread over all products; a purchase in 3 rows of 10 (in 3 of 20 for
    // every twentieth product, which so sells more than it buys).
    Run(db,
        "WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i+1 FROM n WHERE i+1<990000), "
        "r(i, product, buy) AS (SELECT i, 1 + (i*7919 + i/37) % 10000, 0 FROM n), "
        "s(i, product, buy) AS (SELECT i, product, ((i*2654435761) >> 16) % 100 < (CASE WHEN product % 20 = 0 THEN 15 ELSE 30 "
        "END) FROM r) "
        "INSERT INTO Stocks(BillType,BillDate,BillCode,BillItemID,ProductID,ProductName,ProductCode,SearchCode,"
        "CompanyID,CompanyCode,CompanyName,TypeID,TypeName,UnitID,UnitName,InCount,InPrice,InAmount,OutCount,"
        "SalePrice,SaleAmount,IsSystem,IsVirtual,IsCale,IsCale2,SyncState,UserID,UserName,CreateDate,"
        "LastUpdateDate) SELECT CASE WHEN buy THEN '进货' ELSE '出货' END, date('2012-01-02', '+' || (i*365/990000) "
        "|| ' days'), printf(CASE WHEN buy THEN 'JH%07d' ELSE 'XS%07d' END, i/5), i+1, product, '商品'||product, "
        "printf('SP%05d',product), 'SP', 4 + i%200, printf('KH%04d', 3 + i%200), '客户'||(i%200), 2, '默认类别', 1, "
        "'个', CASE WHEN buy THEN 10 + i%21 ELSE 0 END, CASE WHEN buy THEN 4 + (i%7)*0.25 ELSE 0 END, "
        "CASE WHEN buy THEN (10 + i%21)*(4 + (i%7)*0.25) ELSE 0 END, CASE WHEN buy THEN 0 ELSE 1 + i%10 END, "
        "CASE WHEN buy THEN 0 ELSE 9.5 END, CASE WHEN buy THEN 0 ELSE 9.5*(1 + i%10) END, 0,0,0,0,0,0,'', "
        "date('2012-01-02', '+' || (i*365/990000) || ' days'), '2012-12-31 12:00:00' FROM s");
    Run(db, "COMMIT");
    for (const std::string& sql : indexes) Run(db, sql.c_str());
}

inline CppSQLite3DB& NewShop(CppSQLite3DB* shop) {
    shop->open(":memory:");
    shopbiz::CreateShopSchema(*shop);
    return *shop;
}

// The shop with nothing costed yet, and the same after one full pass.
inline CppSQLite3DB& UncostedShop() {
    static CppSQLite3DB* db = [] {
        auto* shop = new CppSQLite3DB;
        FillLedger(NewShop(shop).handle());
        return shop;
    }();
    return *db;
}
inline CppSQLite3DB& CostedShop() {
    static CppSQLite3DB* db = [] {
        auto* shop = new CppSQLite3DB;
        NewShop(shop);
        sqlite3_backup* copy = sqlite3_backup_init(shop->handle(), "main", UncostedShop().handle(), "main");
        sqlite3_backup_step(copy, -1);
        sqlite3_backup_finish(copy);
        // Twice: the second pass settles the positions that the first pass's corrections left
        // (each pass renumbers the products it visits), as after any pass in daily use.
        for (int pass = 0; pass < 2; ++pass)
            if (CStocksBLL().CaculateCost(*shop) != 1) std::abort();
        return shop;
    }();
    return *db;
}

}  // namespace ledger_shop
