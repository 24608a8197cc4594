// CStocksBLL: writing and removing ledger rows (Stocks) for products and bills.
#include <utility>
#include <vector>

#include "common/AmountText.h"
#include "frame/ServiceFrame.h"
#include "masterdata/BaseBLL.h"
#include "stock/StocksBLL.h"

using namespace shopbiz;

namespace {

constexpr const wchar_t* kGoodsIn = L"进货";
constexpr const wchar_t* kGoodsOut = L"出货";

// What differs between a purchase and a sale when a bill goes into the ledger.
struct BillSide {
    const wchar_t* billType;      // the ledger's movement type
    const wchar_t* headerTable;   // PurBills / SaleBills
    const wchar_t* linesQuery;    // the bill's lines with the header columns the ledger copies
    const wchar_t* itemIDColumn;  // PurItemID / SaleItemID
    const wchar_t* quantities;    // the ledger columns of quantity, price and amount
};

const BillSide kPurchase = {kGoodsIn, L"PurBills",
                            L"select PurBillItems.*, BillDate, CompanyID, CompanyName, CompanyCode\t\tfrom PurBills, "
                            L"PurBillItems\t\twhere PurBills.PurID = PurBillItems.PurID\t\tand PurBills.BillCode = '%s'",
                            L"PurItemID", L"InCount, InPrice, InAmount"};
const BillSide kSale = {kGoodsOut, L"SaleBills",
                        L"select SaleBillItems.*, BillDate, CompanyID, CompanyName, CompanyCode\t\tfrom SaleBills, "
                        L"SaleBillItems\t\twhere SaleBills.SaleID = SaleBillItems.SaleID\t\tand SaleBills.BillCode = '%s'",
                        L"SaleItemID", L"OutCount, SalePrice, SaleAmount"};

// The bill's discount rate (a fraction); 1 when there is no such bill.
double DiscountRateOf(CppSQLite3DB& db, const BillSide& side, const QuotedSlot& code) {
    CppSQLite3Query bill = db.execQuery(Sql(L" SELECT * FROM  %s WHERE BillCode='%s' ", side.headerTable, code));
    return bill.eof() ? 1.0 : bill.getFloatField(L"DiscountRate", 1.0);
}

// The ledger row of one bill line: quantity as posted, price and amount after the bill
// discount. The row is uncalculated; its position comes with the next cost calculation.
SqlText LedgerRowOf(const BillSide& side, const CppSQLite3Query& line, const QuotedSlot& code, double rate,
                    const CString& created, const CString& updated) {
    return Sql(L"insert into Stocks(BillType, BillDate, BillCode, BillItemID, ProductID, ProductName, ProductCode, "
               L"SearchCode, CompanyID, CompanyCode, CompanyName, TypeID, TypeName, UnitID, UnitName, %s, IsSystem, "
               L"IsVirtual, IsCale, SyncState, UserID, UserName, CreateDate, LastUpdateDate) values ('%s','%s','%s','%s',"
               L"%d,'%s','%s','%s',%d,'%s','%s',%d,'%s',%d,'%s','%.08lf','%.08lf','%.08lf',0,0,0,0,0,'','%s','%s')",
               side.quantities, side.billType, Quoted(line.getStringField(L"BillDate")), code,
               Quoted(line.fieldValue(side.itemIDColumn)), line.getIntField(L"ProductID"),
               Quoted(line.getStringField(L"ProductName")), Quoted(line.getStringField(L"ProductCode")),
               Quoted(line.getStringField(L"SearchCode")), line.getIntField(L"CompanyID"),
               Quoted(line.getStringField(L"CompanyCode")), Quoted(line.getStringField(L"CompanyName")),
               line.getIntField(L"TypeID"), Quoted(line.getStringField(L"TypeName")), line.getIntField(L"UnitID"),
               Quoted(line.getStringField(L"UnitName")), line.getFloatField(L"ItemCount"),
               line.getFloatField(L"Price") * rate, line.getFloatField(L"Amount") * rate, Quoted(created),
               Quoted(updated));
}

}  // namespace

int CStocksBLL::AddStockVirtual(CppSQLite3DB& db, CString /*date*/, int productID, CString productName,
                                CString productCode, CString typeName, CString unitName, CString openingCount,
                                CString openingPrice) {
    ServiceLock lock;
    CSysBLL sys;
    CString searchCode, typeError;
    sys.GetFirstPY(productName, searchCode);
    const int typeID = CBaseBLL().GetADBaseDataID(db, typeName, 1, typeError);
    const double count = ParseAmount(openingCount), price = ParseAmount(openingPrice);
    const CString startDate = sys.GetSysStartDate();
    // A failed insert leaves the product without its opening row; the caller is not told.
    Guard(Log().NotLogged(), [&] {
        db.execDML(Sql(L"insert into Stocks(SortID, BillType, BillDate, BillCode, ProductID, ProductName, ProductCode, "
                       L"SearchCode, TypeID, TypeName, UnitName, LastCount, LastPrice, LastAmount, IsSystem, IsVirtual, "
                       L"IsCale, SyncState, UserID, UserName, CreateDate, LastUpdateDate) values (1,'期初','%s','',%d,"
                       L"'%s','%s','%s',%d,'%s','%s','%.08lf','%.08lf','%.08lf',1,0,1,0,0,'','%s','%s')",
                       Quoted(startDate), productID, Quoted(productName), Quoted(productCode), Quoted(searchCode),
                       typeID, Quoted(typeName), Quoted(unitName), count, price, count * price, Quoted(startDate),
                       Quoted(sys.GetTimeNowLong())));
    });
    return 1;
}

int CStocksBLL::AddStockIn(CppSQLite3DB& db, CString billCode) {
    ServiceLock lock;
    CSysBLL sys;
    const QuotedSlot code = Quoted(billCode);
    const double rate = DiscountRateOf(db, kPurchase, code);
    const CString today = sys.GetTimeNowShort();
    // One bad line does not keep the others out of the ledger: the log gets the statement,
    // then the message.
    const OnError skipLine = Log().LogAs({ErrorText::Statement(), ErrorText()});
    for (CppSQLite3Query line = db.execQuery(Sql(kPurchase.linesQuery, code)); !line.eof(); line.nextRow())
        Guard(skipLine, [&] { db.execDML(LedgerRowOf(kPurchase, line, code, rate, today, today)); });
    return 1;
}

int CStocksBLL::AddStockOut(CppSQLite3DB& db, CString billCode) {
    ServiceLock lock;
    CSysBLL sys;
    const QuotedSlot code = Quoted(billCode);
    const double rate = DiscountRateOf(db, kSale, code);
    const CString today = sys.GetTimeNowShort(), now = sys.GetTimeNowLong();
    for (CppSQLite3Query line = db.execQuery(Sql(kSale.linesQuery, code)); !line.eof(); line.nextRow())
        db.execDML(LedgerRowOf(kSale, line, code, rate, today, now));
    return 1;
}

int CStocksBLL::DeleteStockIn(CppSQLite3DB& db, CString billCode) { return DeleteStock(db, billCode, kGoodsIn); }

int CStocksBLL::DeleteStockOut(CppSQLite3DB& db, CString billCode) { return DeleteStock(db, billCode, kGoodsOut); }

int CStocksBLL::DeleteStock(CppSQLite3DB& db, CString billCode, CString billType) {
    ServiceLock lock;
    const QuotedSlot code = Quoted(billCode), type = Quoted(billType);

    // The bill's rows are read first: the updates below touch the same table.
    std::vector<std::pair<CString, CString>> billRows;  // ProductID, BillDate
    CppSQLite3Query rows =
        db.execQuery(Sql(L"select ProductID,BillDate from Stocks where billCode = '%s' AND BillType='%s' ;", code, type));
    for (; !rows.eof(); rows.nextRow()) billRows.emplace_back(rows.fieldValue(L"ProductID"), rows.fieldValue(L"BillDate"));
    rows.finalize();

    for (const auto& [productID, billDate] : billRows) {
        const QuotedSlot product = Quoted(productID);
        // The third newest earlier row of the same kind (or the oldest, when there are
        // fewer) is recalculated, and with it everything after it.
        int markedStockID = 0;
        CppSQLite3Query earlier = db.execQuery(Sql(L"select * from Stocks where ProductID = '%s' AND BillDate <= '%s' AND "
                                                   L"BillType='%s'  AND BillCode <>'%s' order by BillDate desc;",
                                                   product, Quoted(billDate), type, code));
        for (int reached = 0; reached < 3 && !earlier.eof(); ++reached, earlier.nextRow())
            markedStockID = earlier.getIntField(L"StockID");
        earlier.finalize();

        if (markedStockID != 0)
            db.execDML(Sql(L"Update Stocks set\t\tIsCale = 0 ,IsCale2 = 0\t\twhere StockID = %d", markedStockID));
        else
            db.execDML(Sql(L"Update Stocks set\t\tIsCale = 0,IsCale2 = 0\t\twhere ProductID = '%s' ", product));
    }

    db.execDML(Sql(L"Delete from Stocks where BillCode = '%s' AND BillType='%s';", code, type));
    return 1;
}

int CStocksBLL::UpdateStock(CppSQLite3DB& db, int productID, double count, double price) {
    ServiceLock lock;
    db.execDML(Sql(L"Update Stocks set IsCale = 0,IsCale2 = 0,\t\tLastCount = %.08lf,\t\tLastPrice = %.08lf,\t\t"
                   L"LastAmount = %.08lf,\t\tLastUpdateDate = '%s' where productID = %d AND IsSystem=1",
                   count, price, count * price, Quoted(CSysBLL().GetTimeNowLong()), productID));
    return 1;
}
