#pragma once
// One product's stock ledger costed in memory: its rows are read once, walked by the
// moving-average rules (with the negative-stock correction and its restarts) exactly as the
// step methods of CStocksBLL would walk them on the database, and only the rows whose stored
// values or flags end up different are written back. Correction rows never reach the
// database: they are made and dropped within the walk.
//
// Values are kept as the ledger stores them: every number a step writes is rounded to eight
// decimals ("%.08lf") at once, and the next step reads it rounded. Not thread-safe; the caller
// holds the library lock.

#include <cstdint>
#include <vector>

#include "frame/CppSQLite3.h"

namespace shopbiz {

// A running quantity whose size is below this counts as no stock.
constexpr double kZeroStock = 1e-6;

// The unit cost of `amount` over `count`; 0 when the count is too close to zero to divide by.
double CorrectedUnitCost(double amount, double count);

// The value that "%.08lf" writes and the database reads back: rounded to eight decimals, half
// to even on the exact binary value as printf rounds.
double AsStored(double value);

// The statements of one costing run, compiled once and shared by its products.
struct CostStatements {
    explicit CostStatements(CppSQLite3DB& db);

    CppSQLite3DB& db;
    CppSQLite3Statement rowsOfProduct;   // in date order, with the columns the walk reads
    CppSQLite3Statement writeValues;     // quantities, costs and balance only
    CppSQLite3Statement writeRow;        // the same with position and flags
};

class ProductCostLedger {
public:
    ProductCostLedger(CostStatements& statements, int productID);

    // The calculation of one product: from the first uncalculated row on, or every row.
    void Calculate(bool recalculateAll);
    // As a full pass leaves them: every row counts as unchanged (IsCale2 1).
    void MarkAllUnchanged();
    // Writes the changed rows, the last in walk order first: should a write fail, the first
    // changed row is still waiting in the database and the next calculation redoes them all.
    void Save();

    // How many rows were read and written (for progress and benchmarks).
    int RowCount() const { return static_cast<int>(rows_.size()); }
    int WrittenCount() const { return written_; }

private:
    enum class Kind : std::uint8_t { Other, Opening, GoodsIn, GoodsOut };
    struct Row {
        long long stockID;  // correction rows made here: beyond every stored ID, in the order made
        int sortID;
        Kind kind;
        int isSystem, isVirtual, isCale, isCale2;
        double inCount, inPrice, inAmount, outCount, outPrice, outAmount, lastCount, lastPrice, lastAmount;
        bool dropped;  // a correction row removed at the end
    };

    void Load();
    bool AnyWaiting() const;
    void Renumber();
    bool Walk();
    void PlaceCorrection(size_t at);
    void Finish();
    void KeepNegativeTailOpen();
    std::vector<size_t> ByPosition() const;

    CostStatements& st_;
    int productID_;
    std::vector<Row> rows_;    // stored rows in date order, then correction rows as made
    std::vector<Row> stored_;  // the stored rows as read, for the write-back
    std::vector<size_t> walk_;  // indexes of rows_ in walk order
    double openingCount_ = 0, openingPrice_ = 0, openingAmount_ = 0;
    long long nextCorrectionID_ = 0;
    bool storedCorrections_ = false;
    int written_ = 0;
};

}  // namespace shopbiz
