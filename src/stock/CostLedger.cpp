#include "stock/CostLedger.h"

#include <algorithm>
#include <cmath>
#include <numeric>

#include "common/AmountText.h"
#include "frame/SqlText.h"

namespace shopbiz {

namespace {

// A divisor whose size is below this gives a correction row the unit cost 0.
constexpr double kZeroDivisor = 1e-7;

}  // namespace

double CorrectedUnitCost(double amount, double count) {
    return std::fabs(count) < kZeroDivisor ? 0.0 : amount / count;
}

double AsStored(double value) {
    if (!std::isfinite(value)) return value;
    if (!(std::fabs(value) < 1e7)) return ParseAmount(Fmt(L"%.08lf", value));
    // value × 10^8 is exactly scaled + error; rounding that sum to a whole number is what
    // printing eight decimals does. The division is then the nearest double to the printed
    // decimal, which is what reading it back gives.
    const double scaled = value * 1e8;
    const double error = std::fma(value, 1e8, -scaled);
    double whole = std::nearbyint(scaled);
    const double rest = scaled - whole;
    if (rest == 0.5 && error > 0) whole += 1;
    else if (rest == -0.5 && error < 0) whole -= 1;
    return whole / 1e8 + 0.0;  // no negative zero
}

CostStatements::CostStatements(CppSQLite3DB& database)
    : db(database),
      rowsOfProduct(db.compileStatement(
          L"select StockID, SortID, case BillType when '期初' then 1 when '进货' then 2 when '出货' then 3 else 0 end, "
          L"IsSystem, IsVirtual, IsCale, IsCale2, InCount, InPrice, InAmount, OutCount, OutPrice, OutAmount, "
          L"LastCount, LastPrice, LastAmount from Stocks where ProductID = ? order by BillDate, BillType, BillCode, "
          L"StockID")),
      writeValues(db.compileStatement(
          L"update Stocks set InCount = ?, InPrice = ?, InAmount = ?, OutCount = ?, OutPrice = ?, OutAmount = ?, "
          L"LastCount = ?, LastPrice = ?, LastAmount = ? where StockID = ?")),
      writeRow(db.compileStatement(
          L"update Stocks set InCount = ?, InPrice = ?, InAmount = ?, OutCount = ?, OutPrice = ?, OutAmount = ?, "
          L"LastCount = ?, LastPrice = ?, LastAmount = ?, SortID = ?, IsVirtual = ?, IsCale = ?, IsCale2 = ? "
          L"where StockID = ?")) {}

ProductCostLedger::ProductCostLedger(CostStatements& statements, int productID)
    : st_(statements), productID_(productID) {
    Load();
}

void ProductCostLedger::Load() {
    st_.rowsOfProduct.bind(1, productID_);
    CppSQLite3Query q = st_.rowsOfProduct.execQuery();
    long long openingID = 0, highestID = 0;
    for (; !q.eof(); q.nextRow()) {
        Row r{};
        r.stockID = q.getInt64Field(0);
        r.sortID = q.getIntField(1);
        const int kind = q.getIntField(2);
        r.kind = kind >= 1 && kind <= 3 ? static_cast<Kind>(kind) : Kind::Other;
        r.isSystem = q.getIntField(3);
        r.isVirtual = q.getIntField(4);
        r.isCale = q.getIntField(5);
        r.isCale2 = q.getIntField(6);
        r.inCount = q.getFloatField(7);
        r.inPrice = q.getFloatField(8);
        r.inAmount = q.getFloatField(9);
        r.outCount = q.getFloatField(10);
        r.outPrice = q.getFloatField(11);
        r.outAmount = q.getFloatField(12);
        r.lastCount = q.getFloatField(13);
        r.lastPrice = q.getFloatField(14);
        r.lastAmount = q.getFloatField(15);
        // The opening balance is the opening row's (the first one, should there be more).
        if (r.isSystem == 1 && (openingID == 0 || r.stockID < openingID)) {
            openingID = r.stockID;
            openingCount_ = r.lastCount;
            openingPrice_ = r.lastPrice;
            openingAmount_ = r.lastAmount;
        }
        storedCorrections_ = storedCorrections_ || r.isSystem == 2;
        highestID = std::max(highestID, r.stockID);
        rows_.push_back(r);
    }
    q.finalize();
    stored_ = rows_;
    nextCorrectionID_ = highestID + 1;
}

void ProductCostLedger::Calculate(bool recalculateAll) {
    if (recalculateAll)
        for (Row& r : rows_) r.isCale = r.isCale2 = 0;
    // Each walk either reaches the end, which leaves every row calculated, or places a
    // correction row and starts again; a purchase is corrected at most once per calculation,
    // so the walks end.
    while (AnyWaiting()) {
        Renumber();
        Walk();
    }
    Finish();
}

bool ProductCostLedger::AnyWaiting() const {
    return std::any_of(rows_.begin(), rows_.end(), [](const Row& r) { return !r.dropped && r.isCale == 0; });
}

std::vector<size_t> ProductCostLedger::ByPosition() const {
    std::vector<size_t> order;
    for (size_t i = 0; i < rows_.size(); ++i)
        if (!rows_[i].dropped) order.push_back(i);
    std::sort(order.begin(), order.end(), [&](size_t a, size_t b) {
        return rows_[a].sortID != rows_[b].sortID ? rows_[a].sortID < rows_[b].sortID
                                                  : rows_[a].stockID < rows_[b].stockID;
    });
    return order;
}

// Positions 1, 3, 5, ... in date order (in the current order while a correction row stands);
// every row from the first uncalculated one on, and every row that had no position, is to be
// calculated again.
void ProductCostLedger::Renumber() {
    const bool corrections = std::any_of(rows_.begin(), rows_.end(), [](const Row& r) { return r.isSystem == 2; });
    if (corrections) {
        walk_ = ByPosition();
    } else {
        walk_.resize(rows_.size());
        std::iota(walk_.begin(), walk_.end(), size_t{0});
    }
    bool marking = false;
    int position = 1;
    for (size_t i : walk_) {
        Row& r = rows_[i];
        marking = marking || r.isCale != 1;
        if (marking || r.sortID < 1) r.isCale = r.isCale2 = 0;
        r.sortID = position;
        position += 2;
    }
}

// One walk over the rows in position order with the running balance. False when it stopped
// to place a correction row.
bool ProductCostLedger::Walk() {
    double count = openingCount_, price = openingPrice_, amount = openingAmount_;
    for (size_t i = 0; i < walk_.size(); ++i) {
        Row& r = rows_[walk_[i]];
        // The unit cost after the row before: what a sale at no or negative stock is costed at.
        const double lastPrice = i == 0 ? 0.0 : rows_[walk_[i - 1]].lastPrice;
        if (r.isCale == 1) {
            // calculated before: carried as it stands
        } else if (r.isSystem == 2 || r.kind == Kind::Opening) {
            // a correction row or the opening row holds its own balance
            for (double* v : {&r.inCount, &r.inPrice, &r.inAmount, &r.outCount, &r.outPrice, &r.outAmount,
                              &r.lastCount, &r.lastPrice, &r.lastAmount})
                *v = AsStored(*v);
            r.isCale = 1;
        } else {
            const bool takesCost = r.kind == Kind::GoodsOut || (r.kind == Kind::GoodsIn && r.inCount > 0);
            const bool noStock = std::fabs(count) < kZeroStock;
            if (count > 0 && takesCost) {
                // goods on hand: out at the moving average (a purchase records the cost before it)
                r.outPrice = price;
                r.outAmount = AsStored(r.outCount * price);
            } else if (count <= 0 && (noStock ? takesCost : r.kind == Kind::GoodsOut)) {
                // no stock, or a sale into negative stock: at the cost of the row before
                r.outPrice = lastPrice;
                r.outAmount = AsStored(r.outCount * lastPrice);
            } else if (count <= 0 && !noStock && r.kind == Kind::GoodsIn && r.inCount > 0 && r.isVirtual == 0) {
                // a purchase that meets negative stock corrects the sales before it
                PlaceCorrection(i);
                return false;
            }
            // Everything else (returns, purchases already corrected, rows of no known kind)
            // is balanced with the amounts it holds.
            for (double* v : {&r.inCount, &r.inPrice, &r.inAmount, &r.outCount, &r.outPrice, &r.outAmount})
                *v = AsStored(*v);
            r.lastCount = AsStored(count + r.inCount - r.outCount);
            r.lastAmount = AsStored(amount + r.inAmount - r.outAmount);
            r.lastPrice = r.lastCount == 0 ? lastPrice : AsStored(r.lastAmount / r.lastCount);
            r.isCale = 1;
        }
        count = r.lastCount;
        price = r.lastPrice;
        amount = r.lastAmount;
    }
    return true;
}

// The purchase at walk position `at` arrived at a negative balance: the correction row goes
// just after the last row at which the balance was not negative (a bill row at zero or above,
// or the opening row), with the purchase's quantity and amount in its unit cost.
void ProductCostLedger::PlaceCorrection(size_t at) {
    const Row purchase = rows_[walk_[at]];
    const Row* found = nullptr;
    for (size_t j = at; j-- > 0 && !found;) {
        const Row& r = rows_[walk_[j]];
        if ((r.isSystem == 0 && (r.lastCount > 0 || std::fabs(r.lastCount) < kZeroStock)) || r.kind == Kind::Opening)
            found = &r;
    }
    if (found) {
        // Every walk starts renumbered 1, 3, 5, ..., so no correction row stands at the even
        // place yet: it is always a new one.
        const Row after = *found;
        const int place = after.sortID + 1;
        Row c{};
        c.stockID = nextCorrectionID_++;
        c.sortID = place;
        c.kind = Kind::GoodsIn;
        c.isSystem = 2;
        c.inCount = AsStored(purchase.inCount);
        c.inPrice = AsStored(purchase.inPrice);
        c.inAmount = AsStored(purchase.inAmount);
        c.lastCount = AsStored(after.lastCount);
        c.lastPrice =
            AsStored(CorrectedUnitCost(after.lastAmount + purchase.inAmount, after.lastCount + purchase.inCount));
        c.lastAmount = AsStored(after.lastAmount);
        rows_.push_back(c);  // uncalculated (IsCale 0, IsCale2 0)
    }
    // Marked also when there is no place, so the purchase is balanced as it stands next time.
    for (Row& r : rows_)
        if (r.sortID == purchase.sortID) r.isVirtual = 1;
}

void ProductCostLedger::Finish() {
    for (Row& r : rows_) {
        if (r.isSystem == 2) r.dropped = true;
        if (r.isVirtual == 1) r.isVirtual = 0;
    }
    KeepNegativeTailOpen();
}

// A balance that ends negative leaves the first row of its negative run waiting, so that
// every later calculation looks at it again and a later purchase can correct it.
void ProductCostLedger::KeepNegativeTailOpen() {
    const std::vector<size_t> order = ByPosition();
    if (order.empty() || rows_[order.back()].lastCount >= 0) return;
    for (size_t k = order.size() - 1; k-- > 0;) {
        if (rows_[order[k]].lastCount >= 0) {
            Row& first = rows_[order[k + 1]];
            first.isCale = first.isCale2 = 0;
            return;
        }
    }
}

void ProductCostLedger::MarkAllUnchanged() {
    for (Row& r : rows_) r.isCale2 = 1;
}

void ProductCostLedger::Save() {
    if (storedCorrections_)
        st_.db.execDML(Sql(L"delete from Stocks where ProductID=%d AND IsSystem=2 ", productID_));
    const std::vector<size_t> order = ByPosition();
    for (auto it = order.rbegin(); it != order.rend(); ++it) {
        if (*it >= stored_.size()) continue;  // a correction row: never stored
        const Row& r = rows_[*it];
        const Row& s = stored_[*it];
        const double values[9] = {r.inCount,  r.inPrice,  r.inAmount,  r.outCount,  r.outPrice,
                                  r.outAmount, r.lastCount, r.lastPrice, r.lastAmount};
        const double was[9] = {s.inCount,  s.inPrice,  s.inAmount,  s.outCount,  s.outPrice,
                               s.outAmount, s.lastCount, s.lastPrice, s.lastAmount};
        const bool valuesChanged = !std::equal(values, values + 9, was);
        const bool placeChanged = r.sortID != s.sortID || r.isVirtual != s.isVirtual || r.isCale != s.isCale ||
                                  r.isCale2 != s.isCale2;
        if (!valuesChanged && !placeChanged) continue;
        CppSQLite3Statement& write = placeChanged ? st_.writeRow : st_.writeValues;
        for (int k = 0; k < 9; ++k) write.bind(k + 1, values[k]);
        int next = 10;
        if (placeChanged) {
            for (int flag : {r.sortID, r.isVirtual, r.isCale, r.isCale2}) write.bind(next++, flag);
        }
        write.bindInt64(next, r.stockID);
        write.execDML();
        ++written_;
    }
}

}  // namespace shopbiz
