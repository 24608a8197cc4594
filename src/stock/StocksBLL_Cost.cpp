// CStocksBLL: the cost calculation, for one product and for every product with rows to cost.
// Each product's ledger is costed in memory (stock/CostLedger.h) and only what changed is
// written back.
#include "common/NumberText.h"
#include "frame/ServiceFrame.h"
#include "stock/CostLedger.h"
#include "stock/StocksBLL.h"

using namespace shopbiz;

int CStocksBLL::CaculateCost(CppSQLite3DB& db) { return CaculateCost(db, CostProgress()); }

int CStocksBLL::CaculateCost(CppSQLite3DB& db, const CostProgress& progress) {
    ServiceLock lock;
    int productID = 0;  // the product being costed, for the log
    try {
        CStringArray productIDs;
        GetProductIDs(db, productIDs);
        Transaction tx(db);
        CostStatements statements(db);
        const int total = productIDs.GetSize();
        for (int i = 0; i < total; ++i) {
            productID = WToI(productIDs[i]);
            ProductCostLedger ledger(statements, productID);
            ledger.Calculate(false);
            // The pass ends with every row unchanged; the rows written here say so already.
            ledger.MarkAllUnchanged();
            ledger.Save();
            if (progress) progress(i + 1, total);
        }
        db.execDML(L"update Stocks set IsCale2 = 1 where IsCale2 <> 1 ");
        tx.Commit();
        return 1;
    } catch (...) {
        // The transaction has rolled back on the way here.
        LogLine(Fmt(L"ProductID:%d CaculateCost() 异常!", productID));
        return -1;
    }
}

int CStocksBLL::CaculateCost(CppSQLite3DB& db, int productID, bool recalculateAll) {
    ServiceLock lock;
    CostStatements statements(db);
    ProductCostLedger ledger(statements, productID);
    ledger.Calculate(recalculateAll);
    ledger.Save();
    return 1;
}
