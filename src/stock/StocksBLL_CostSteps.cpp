// CStocksBLL: the single steps of the cost calculation, each working on the database as it
// stands. The calculation itself (StocksBLL_Cost.cpp) does the same work on a product's rows
// in memory; these are for callers that take the steps one by one.
#include <cmath>
#include <vector>

#include "frame/ServiceFrame.h"
#include "stock/CostLedger.h"
#include "stock/StocksBLL.h"

using namespace shopbiz;

bool CStocksBLL::IsFinishCal(CppSQLite3DB& db, int productID) {
    ServiceLock lock;
    return db.execScalar(Sql(L"select count(1) from Stocks where ProductID= %d and IsCale=0", productID)) == 0;
}

bool CStocksBLL::IsExistVirtualData(CppSQLite3DB& db, int productID) {
    ServiceLock lock;
    return db.execScalar(Sql(L"select count(1) from Stocks where ProductID=%d and IsSystem=2", productID)) >= 1;
}

int CStocksBLL::UpdateFlagAfterFirst(CppSQLite3DB& db, int productID) {
    ServiceLock lock;
    const OnError form = CatchAll(L"UpdateFlagAfterFirst() 异常.").LogAs({ErrorText(L"UpdateFlagAfterFirst() 异常：%s")});
    return Guard(form, -1, [&] {
        // While a correction row stands, the current positions are the order; otherwise the
        // dates are.
        const wchar_t* order = IsExistVirtualData(db, productID)
                                   ? L"select * from Stocks where ProductID = %d order by SortID"
                                   : L"select * from Stocks where ProductID = %d order by BillDate, BillType, BillCode, "
                                     L"StockID";
        struct Row {
            int stockID, sortID, isCale;
        };
        std::vector<Row> rows;  // read first: the updates below move rows within the walk's index
        CppSQLite3Query q = db.execQuery(Sql(order, productID));
        for (; !q.eof(); q.nextRow())
            rows.push_back({q.getIntField(L"StockID"), q.getIntField(L"SortID"), q.getIntField(L"IsCale")});
        q.finalize();

        bool marking = false;
        int position = 1;
        for (const Row& row : rows) {
            marking = marking || row.isCale != 1;
            if (marking || row.sortID < 1)
                db.execDML(Sql(L"update Stocks set IsCale=0, IsCale2 = 0 where StockID = %d", row.stockID));
            db.execDML(Sql(L"update Stocks set SortID = %d where StockID = %d", position, row.stockID));
            position += 2;
        }
        return 1;
    });
}

void CStocksBLL::UpdateNegtiveCalFlag(CppSQLite3DB& db, int productID) {
    ServiceLock lock;
    std::vector<std::pair<int, double>> newestFirst;  // StockID, LastCount
    CppSQLite3Query q = db.execQuery(Sql(L"select * from Stocks where ProductID= %d order by SortID desc ", productID));
    for (; !q.eof(); q.nextRow()) newestFirst.emplace_back(q.getIntField(L"StockID"), q.getFloatField(L"LastCount"));
    q.finalize();

    // The oldest row of the trailing negative run stays open; nothing when the balance ends
    // at zero or above, or when it was never anything but negative.
    if (newestFirst.empty() || newestFirst.front().second >= 0) return;
    for (size_t i = 1; i < newestFirst.size(); ++i) {
        if (newestFirst[i].second >= 0) {
            db.execDML(Sql(L"update Stocks set IsCale=0, IsCale2 = 0 where ProductID= %d and StockID=%d", productID,
                           newestFirst[i - 1].first));
            return;
        }
    }
}

void CStocksBLL::AddVirtualData(CppSQLite3DB& db, double inCount, double inPrice, double inAmount, int sortID,
                                int productID) {
    ServiceLock lock;
    // The last row, going back from the purchase, after which the balance was not negative:
    // a bill row at zero or above, or the opening row.
    bool found = false;
    double foundCount = 0, foundAmount = 0;
    int foundSortID = 0;
    CString foundDate;
    CppSQLite3Query earlier = db.execQuery(
        Sql(L"select * from Stocks where ProductID=%d and sortID < %d order by SortID DESC", productID, sortID));
    for (; !earlier.eof() && !found; earlier.nextRow()) {
        const double count = earlier.getFloatField(L"LastCount");
        const bool billRowNotNegative =
            earlier.getIntField(L"IsSystem") == 0 && (count > 0 || std::fabs(count) < kZeroStock);
        if (billRowNotNegative || earlier.getStringField(L"BillType") == L"期初") {
            found = true;
            foundCount = count;
            foundAmount = earlier.getFloatField(L"LastAmount");
            foundSortID = earlier.getIntField(L"SortID");
            foundDate = earlier.getStringField(L"BillDate");
        }
    }
    earlier.finalize();

    if (found) {
        const int place = foundSortID + 1;
        CppSQLite3Query standing = db.execQuery(
            Sql(L"select * from Stocks where ProductID=%d and sortID < %d and sortID=%d and IsSystem=2 ", productID,
                sortID, place));
        if (!standing.eof()) {
            const double count = foundCount + inCount + standing.getFloatField(L"InCount");
            const double amount = foundAmount + inAmount + standing.getFloatField(L"InAmount");
            standing.finalize();
            db.execDML(Sql(L"update Stocks set InCount=InCount+%.08lf, InAmount=InAmount+%.08lf, LastPrice=%.08lf\t\t"
                           L"where ProductID=%d and sortID=%d and IsSystem=2",
                           inCount, inAmount, CorrectedUnitCost(amount, count), productID, place));
        } else {
            standing.finalize();
            db.execDML(Sql(L"insert into Stocks(ProductID, BillType, BillDate, SortID, InCount, InPrice, InAmount, "
                           L"LastCount, LastPrice, LastAmount, IsSystem, IsCale, CreateDate) values (%d, '进货', '%s', "
                           L"%d, %.08lf, %.08lf, %.08lf, %.08lf, %.08lf, %.08lf, 2, 0, '%s')",
                           productID, Quoted(foundDate), place, inCount, inPrice, inAmount, foundCount,
                           CorrectedUnitCost(foundAmount + inAmount, foundCount + inCount), foundAmount,
                           Quoted(foundDate)));
        }
        db.execDML(Sql(L"update Stocks set isCale=0,IsCale2 = 0 where ProductID=%d and SortID=%d", productID, place));
    }
    // Marked also when no place was found, so that the purchase is balanced as it stands
    // next time instead of being sent back here for ever.
    db.execDML(Sql(L"update Stocks set isVirtual=1 where ProductID=%d and SortID=%d", productID, sortID));
}

void CStocksBLL::GetInitStock(CppSQLite3DB& db, double& count, double& price, double& amount, int productID) {
    ServiceLock lock;
    CppSQLite3Query opening = db.execQuery(Sql(
        L"select LastCount, LastPrice, LastAmount from Stocks where ProductID=%d and IsSystem=1 order by StockID",
        productID));
    count = opening.eof() ? 0 : opening.getFloatField(0);
    price = opening.eof() ? 0 : opening.getFloatField(1);
    amount = opening.eof() ? 0 : opening.getFloatField(2);
}

int CStocksBLL::UpdateCaleResult(CppSQLite3DB& db, int stockID, double inCount, double inPrice, double inAmount,
                                 double outCount, double outPrice, double outAmount, double lastCount,
                                 double lastPrice, double lastAmount) {
    ServiceLock lock;
    return db.execDML(Sql(L"update Stocks set IsCale=1,\t\tInCount=%.08lf,\t\tInPrice=%.08lf,\t\tInAmount=%.08lf,\t\t"
                          L"OutCount=%.08lf,\t\tOutPrice=%.08lf,\t\tOutAmount=%.08lf,\t\tLastCount=%.08lf,\t\t"
                          L"LastPrice=%.08lf,\t\tLastAmount=%.08lf where StockID=%d",
                          inCount, inPrice, inAmount, outCount, outPrice, outAmount, lastCount, lastPrice, lastAmount,
                          stockID));
}

double CStocksBLL::GetLastSalePrice(CppSQLite3DB& db, int productID, int sortID) {
    ServiceLock lock;
    CppSQLite3Query earlier = db.execQuery(
        Sql(L"select * from Stocks where ProductID=%d and SortID < %d order by SortID DESC", productID, sortID));
    return earlier.eof() ? 0.0 : earlier.getFloatField(L"LastPrice");
}

int CStocksBLL::IsHaveNewData(CppSQLite3DB& db) {
    ServiceLock lock;
    return Guard(Log(ErrorText(L"IsHaveNewData Err:%s")), 0,
                 [&] { return db.execScalar(L"select count(*) from Stocks where IsCale2 <> 1;") > 0 ? 1 : 0; });
}
