// CSaleBLL: posting and changing a sale bill, the code check and the bill's data for reopening.
#include "documents/BillPosting.h"
#include "documents/SaleBLL.h"
#include "frame/ServiceFrame.h"
#include "masterdata/ProductsBLL.h"
#include "members/MemberBLL.h"
#include "money/AccountBLL.h"
#include "stock/StocksBLL.h"

using namespace shopbiz;

namespace {

// One sold line: the product found or made, the line row, the prices remembered, stock out.
int PostSaleLine(CppSQLite3DB& db, BillPosting& post, const BillHeader& bill, int saleID, BillLine& line,
                 CString& error) {
    CProductsBLL products;
    CSysBLL sys;
    bool exists = false;
    const int found =
        post.TakeProduct(products.AddProducts(db, line.productName, line.productCode, L"", line.unitName, L"0.0",
                                              L"0.0", L"0.0", L"0.0", L"", L"", false, L"", exists),
                         line);
    if (found < 0) return found;
    BillPosting::TakeEnteredUnit(line);

    const CString now = sys.GetTimeNowLong();
    // The price per base unit goes in as the caller typed it, when it is a number.
    if (!post.InsertLine([&] {
            return Sql(
                L" INSERT INTO  SaleBillItems (SaleID, BillCode, ProductCode, ProductName,  TypeName, UnitName, "
                L"UserName,CreateDate, LastUpdateDate, Remark,  ProductID, TypeID, UnitID, Price, Amount, UserID, "
                L"ItemCount ,SearchCode,Remark,  ShowUnitID,ShowUnitName,Coefficient,ShowItemCount,ShowPrice,"
                L"OriginalPrice,DisRate  ) VALUES (  %d, '%s', '%s', '%s',   '%s', '%s', '%s', '%s', '%s', '%s',   "
                L"%d,  %d,  %d, %s, %.08lf, %d, %.08lf,'%s','%s',  %d, '%s', '%s', %.08lf, %.08lf,%.08lf,%.08lf);",
                saleID, Quoted(bill.billCode), Quoted(line.productCode), Quoted(line.productName),
                Quoted(line.typeName), Quoted(line.unitName), Quoted(bill.userName), Quoted(now), Quoted(now),
                Quoted(line.remark), line.productID, line.typeID, line.unitID, Amount(line.priceText), line.amount, 0,
                line.count, Quoted(line.searchCode), Quoted(line.remark), line.showUnitID, Quoted(line.showUnitName),
                Quoted(line.coefficient), line.showCount, line.showPrice, line.originalPrice, line.disRate);
        }))
        return -1;

    // The price remembered: the entered unit's price (also as the customer's price), or the
    // price before the line discount when discounts are kept per line.
    CString price;
    if (sys.GetSysSettingForint(db, L"IsUseEachDiscount", 0) == 0) {
        price = Fmt(L"%.08lf", line.showPrice);
        products.UpdateCompPrice(db, 0, bill.companyName, line.productName, line.showUnitName, price, error, false);
    } else {
        price = Fmt(L"%.08lf", line.originalPrice);
    }
    products.UpdateProductPrice(db, line.productID, bill.companyID, 1, price);

    // Customer prices of real customers, not of online-shop postings.
    if (bill.companyID > 3 && bill.billType != L"3" && bill.billType != L"4" &&
        sys.GetSysSettingForint(db, L"AccountMode", 0) == 1) {
        const CString unit = line.showUnitID == line.unitID ? line.unitName : line.showUnitName;
        products.UpdateCompPrice(db, 0, bill.companyName, line.productName, unit, price, error, false);
    }

    products.DecProductsStock(db, line.productID, Fmt(L"%.08lf", line.count), Fmt(L"%.08lf", line.price));
    products.AddStockProductsFromBill(db, line.productName, L"默认仓库", line.unitName, L"0.0",
                                      Fmt(L"%.08lf", line.count));
    return 1;
}

}  // namespace

int CSaleBLL::InsertBill(CppSQLite3DB& db, CString billCode, CString settleAcctName, CString billDate,
                         CString companyName, CString billAmount, CString discountAmount, CString discountRate,
                         CString getAmount, CString remark, const BillItemRows& items, int itemCount, CString,
                         CString userName, CString& error, CString billType) {
    ServiceLock lock;
    BillPosting post(db, kSaleRoad, error);
    if (!BillPosting::ItemsComplete(items, itemCount)) return post.Fail(L"单据明细数据不完整，操作已经终止!");

    // Texts made safe; the amounts read.
    for (CString* text : {&billCode, &settleAcctName, &billDate, &companyName, &billAmount, &discountAmount, &getAmount,
                          &remark, &billType, &userName})
        CSysBLL::GetSafeString(*text);
    BillHeader bill = BillPosting::ReadHeader(billCode, billType, settleAcctName, billDate, companyName, billAmount,
                                              discountAmount, discountRate, getAmount, remark, userName);

    return post.RunCall([&] {
        // The customer and the account found or made (money comes in), the bill numbered, its
        // header written and journalled; then its lines.
        const int saleID =
            post.OpenBill(bill, -bill.getAmountValue, [&](const CString& code) { return CheckBillCode(db, code); });
        if (saleID < 1) return -1;
        const int posted = post.PostLines(
            items, itemCount, [&](BillLine& line) { return PostSaleLine(db, post, bill, saleID, line, error); });
        if (posted < 0) return posted;

        // The paid amount into the day's sales line and the month totals.
        if (post.Step([&] {
                if (CAccountBLL().UpdateAccountBySale(db, bill.settleAcctName, bill.settleAcctID, bill.billDate,
                                                      bill.getAmount, error) < 0)
                    return post.FailLogged(L"更新收支帐失败 单据ID=[" + bill.billCode + L"]");
                return 0;
            }) < 0)
            return -1;
        // The goods out into the stock ledger.
        if (post.Step([&] {
                CStocksBLL().AddStockOut(db, bill.billCode);
                error = L"";
                return 0;
            }) < 0)
            return -1;
        // What is left owing onto the customer's balance.
        if (post.Step([&] { return post.RaisePartnerBalance(bill, L"更新客户应收款失败，单据编号:") ? 0 : -1; }) < 0)
            return -1;
        // The member's points for the money received; a generated number is consumed.
        if (post.Step([&] { return CMemberBLL().AddMoneytoSocre(db, bill.companyName, bill.billCode, bill.getAmount), 0; }) < 0)
            return -1;
        if (post.Step([&] { return post.AdvanceNumbering(bill), 0; }) < 0) return -1;
        return saleID;
    });
}

int CSaleBLL::UpdateBillByID(CppSQLite3DB& db, int saleID, CString billCode, CString billType, CString settleAcctName,
                             CString billDate, CString companyName, CString billAmount, CString discountAmount,
                             CString discountRate, CString getAmount, CString remark, const BillItemRows& items,
                             int itemCount, CString unused, CString userName, CString& error) {
    ServiceLock lock;
    BillPosting post(db, kSaleRoad, error);
    return post.RunCall([&] {
        if (DeleteBillByID(db, saleID, error) < 0) return -1;
        return InsertBill(db, billCode, settleAcctName, billDate, companyName, billAmount, discountAmount,
                          discountRate, getAmount, remark, items, itemCount, unused, userName, error, billType);
    });
}

int CSaleBLL::CheckBillCode(CppSQLite3DB& db, CString billCode) {
    ServiceLock lock;
    return BillPosting::CodeTaken(db,
                                  Sql(L" SELECT BillCode FROM SaleBills WHERE BillCode='%s' ", Quoted(billCode)));
}

CppSQLite3Query CSaleBLL::GetBillDataByBillID(CppSQLite3DB& db, int saleID) {
    ServiceLock lock;
    return BillPosting::BillData(db, kSaleRoad, saleID, L", B.UserName, B.SaleOrderCode, B.SaleOrderID");
}
