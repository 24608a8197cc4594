// CPurBLL: posting and changing a purchase bill, the code check and the bill's data for reopening.
#include "documents/BillPosting.h"
#include "documents/PurBLL.h"
#include "frame/ServiceFrame.h"
#include "masterdata/ProductsBLL.h"
#include "money/AccountBLL.h"
#include "stock/StocksBLL.h"

using namespace shopbiz;

namespace {

// One bought line: product, line row, the purchase price learned, stock in.
int PostPurchaseLine(CppSQLite3DB& db, BillPosting& post, const BillHeader& bill, int purID, BillLine& line) {
    CProductsBLL products;
    const int found =
        post.TakeProduct(products.AddProducts(db, line.productName, line.productCode, line.unitName, L"0"), line);
    if (found < 0) return found;
    BillPosting::TakeEnteredUnit(line);

    const CString now = CSysBLL().GetTimeNowLong();
    if (!post.InsertLine([&] {
            return Sql(L" INSERT INTO  PurBillItems (PurID, BillCode, ProductCode, ProductName,  TypeName, UnitName, "
                       L"UserName,CreateDate, LastUpdateDate, Remark,  ProductID, TypeID, UnitID, Price, Amount, "
                       L"UserID, ItemCount,SearchCode,Remark,  ShowUnitID,ShowUnitName,Coefficient,ShowItemCount,"
                       L"ShowPrice,OriginalPrice,DisRate   ) VALUES (  %d, '%s', '%s', '%s',   '%s', '%s', '%s', "
                       L"'%s', '%s', '%s',   %d,  %d,  %d, %.08lf, %.08lf, %d, %.08lf ,'%s','%s',  %d, '%s', '%s', "
                       L"%.08lf, %.08lf, %.08lf, %.08lf);",
                       purID, Quoted(bill.billCode), Quoted(line.productCode), Quoted(line.productName),
                       Quoted(line.typeName), Quoted(line.unitName), Quoted(bill.userName), Quoted(now), Quoted(now),
                       Quoted(line.remark), line.productID, line.typeID, line.unitID, line.price, line.amount, 0,
                       line.count, Quoted(line.searchCode), Quoted(line.remark), line.showUnitID,
                       Quoted(line.showUnitName), Quoted(line.coefficient), line.showCount, line.showPrice,
                       line.originalPrice, line.disRate);
        }))
        return -1;

    // The purchase price remembered is the one before the line discount.
    const double listPrice = line.disRate != 0 ? line.price / line.disRate : line.price;
    products.UpdateProductPrice(db, line.productID, bill.companyID, 2, Fmt(L"%.08lf", listPrice));

    products.AddProductsStock(db, line.productID, Fmt(L"%.08lf", line.count), Fmt(L"%.08lf", line.price));
    products.AddStockProductsFromBill(db, line.productName, L"默认仓库", line.unitName, L"0.0",
                                      Fmt(L"%.08lf", -line.count));
    return 1;
}

}  // namespace

int CPurBLL::InsertBill(CppSQLite3DB& db, CString billCode, CString billType, CString settleAcctName, CString billDate,
                        CString companyName, CString billAmount, CString discountAmount, CString discountRate,
                        CString getAmount, CString remark, const BillItemRows& items, int itemCount, CString,
                        CString userName, CString& error) {
    ServiceLock lock;
    BillPosting post(db, kPurchaseRoad, error);
    if (!BillPosting::ItemsComplete(items, itemCount)) return post.Fail(L"单据明细数据不完整，操作已经终止!");

    // Texts made safe (the operator's name is stored as given); the amounts read.
    for (CString* text : {&billCode, &billType, &settleAcctName, &billDate, &companyName, &billAmount, &discountAmount,
                          &getAmount, &remark})
        CSysBLL::GetSafeString(*text);
    BillHeader bill = BillPosting::ReadHeader(billCode, billType, settleAcctName, billDate, companyName, billAmount,
                                              discountAmount, discountRate, getAmount, remark, userName);

    return post.RunCall([&] {
        // The supplier and the account found or made (money goes out), the bill numbered, its
        // header written and journalled; then its lines.
        const int purID =
            post.OpenBill(bill, bill.getAmountValue, [&](const CString& code) { return CheckBillCode(db, code); });
        if (purID < 1) return -1;
        const int posted = post.PostLines(
            items, itemCount, [&](BillLine& line) { return PostPurchaseLine(db, post, bill, purID, line); });
        if (posted < 0) return posted;

        // The paid amount into the day's purchase line and the month totals.
        if (post.Step([&] {
                if (CAccountBLL().UpdateAccountByPur(db, bill.settleAcctName, bill.settleAcctID, bill.billDate,
                                                     bill.getAmount, error) < 0)
                    return post.FailLogged(Fmt(L"更新收支帐失败 单据ID=[%s]\r\n%s", bill.billCode, error));
                return 0;
            }) < 0)
            return -1;
        // The goods in into the stock ledger: every line, or the posting fails.
        if (post.Step([&] {
                CStocksBLL().AddStockIn(db, bill.billCode);
                error = L"";
                return 0;
            }) < 0)
            return -1;
        // What is left owing onto the supplier's balance; a generated number is consumed.
        if (post.Step([&] { return post.RaisePartnerBalance(bill, L"更新供应商应付款失败，单据编号:") ? 0 : -1; }) < 0)
            return -1;
        if (post.Step([&] { return post.AdvanceNumbering(bill), 0; }) < 0) return -1;
        return purID;
    });
}

int CPurBLL::UpdateBillByID(CppSQLite3DB& db, int purID, CString billCode, CString billType, CString settleAcctName,
                            CString billDate, CString companyName, CString billAmount, CString discountAmount,
                            CString discountRate, CString getAmount, CString remark, const BillItemRows& items,
                            int itemCount, CString unused, CString userName, CString& error) {
    ServiceLock lock;
    BillPosting post(db, kPurchaseRoad, error);
    return post.RunCall([&] {
        if (DeleteBillByID(db, purID, error) < 0) return -1;
        return InsertBill(db, billCode, billType, settleAcctName, billDate, companyName, billAmount, discountAmount,
                          discountRate, getAmount, remark, items, itemCount, unused, userName, error);
    });
}

int CPurBLL::CheckBillCode(CppSQLite3DB& db, CString billCode) {
    ServiceLock lock;
    return BillPosting::CodeTaken(db,
                                  Sql(L" SELECT BillCode FROM PurBills WHERE BillCode='%s' ", Quoted(billCode)));
}

CppSQLite3Query CPurBLL::GetBillDataByBillID(CppSQLite3DB& db, int purID) {
    ServiceLock lock;
    return BillPosting::BillData(db, kPurchaseRoad, purID, L"");
}
