// COrderSaleBLL: posting and changing an order, the code check and the order's data for a sale.
#include "documents/BillPosting.h"
#include "documents/OrderSaleBLL.h"
#include "frame/ServiceFrame.h"
#include "masterdata/CustomerBLL.h"
#include "masterdata/ProductsBLL.h"
#include "money/AccountBLL.h"

using namespace shopbiz;

namespace {

// The order's rows in the layout of a bill's item rows (no original price, no line discount),
// so that they are read and posted line by line as bills are.
BillItemRows AsItemRows(const OrderItemRows& rows) {
    BillItemRows items;
    items.reserve(rows.size());
    for (const OrderItemRow& row : rows) {
        BillItemRow item(row.begin(), row.end());
        item.resize(kItemRowWidth);
        items.push_back(std::move(item));
    }
    return items;
}

// One ordered line: the product found or made, the line row, the prices remembered. An order
// moves no stock.
int PostOrderLine(CppSQLite3DB& db, BillPosting& post, const BillHeader& bill, int saleOrderID, BillLine& line,
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
                L" INSERT INTO  SaleOrderBillItems (SaleOrderID, BillCode, ProductCode, ProductName,  TypeName, "
                L"UnitName, UserName,CreateDate, LastUpdateDate, Remark,  ProductID, TypeID, UnitID, Price, Amount, "
                L"UserID, ItemCount ,SearchCode,Remark,  ShowUnitID,ShowUnitName,Coefficient,ShowItemCount,ShowPrice  "
                L") VALUES (  %d, '%s', '%s', '%s',   '%s', '%s', '%s', '%s', '%s', '%s',   %d,  %d,  %d, %s, %.08lf, "
                L"%d, %.08lf,'%s','%s',  %d, '%s', '%s', %.08lf, %.08lf);",
                saleOrderID, Quoted(bill.billCode), Quoted(line.productCode), Quoted(line.productName),
                Quoted(line.typeName), Quoted(line.unitName), Quoted(bill.userName), Quoted(now), Quoted(now),
                Quoted(line.remark), line.productID, line.typeID, line.unitID, Amount(line.priceText), line.amount, 0,
                line.count, Quoted(line.searchCode), Quoted(line.remark), line.showUnitID, Quoted(line.showUnitName),
                Quoted(line.coefficient), line.showCount, line.showPrice);
        }))
        return -1;

    // The entered unit's price is remembered for the product, and for real customers (not
    // online-shop orders) as their own price when the shop keeps customer prices.
    const CString price = Fmt(L"%.08lf", line.showPrice);
    products.UpdateProductPrice(db, line.productID, bill.companyID, 1, price);
    if (bill.companyID > 3 && bill.billType != L"3" && bill.billType != L"4" &&
        sys.GetSysSettingForint(db, L"AccountMode", 0) == 1) {
        const CString unit = line.showUnitID == line.unitID ? line.unitName : line.showUnitName;
        products.UpdateCompPrice(db, 0, bill.companyName, line.productName, unit, price, error, false);
    }
    return 1;
}

}  // namespace

int COrderSaleBLL::InsertBill(CppSQLite3DB& db, CString billCode, CString settleAcctName, CString billDate,
                              CString companyName, CString billAmount, CString discountAmount, CString discountRate,
                              CString getAmount, CString remark, OrderItemRows rows, int rowCount, CString userName,
                              CString& error, CString billType) {
    ServiceLock lock;
    BillPosting post(db, kOrderRoad, error);
    const BillItemRows items = AsItemRows(rows);
    rows.clear();  // the caller's rows are released whatever happens next
    if (!BillPosting::ItemsComplete(items, rowCount)) return post.Fail(L"单据明细数据不完整，操作已经终止!");

    // Texts made safe; the amounts read. What is left owing only decides whether a customer
    // must be named.
    for (CString* text : {&billCode, &settleAcctName, &billDate, &companyName, &billAmount, &discountAmount, &getAmount,
                          &remark, &billType, &userName})
        CSysBLL::GetSafeString(*text);
    BillHeader bill = BillPosting::ReadHeader(billCode, billType, settleAcctName, billDate, companyName, billAmount,
                                              discountAmount, discountRate, getAmount, remark, userName);

    return post.RunCall([&] {
        // The customer and the account found or made (the deposit comes in), the order
        // numbered and its header written; then its lines.
        const int saleOrderID =
            post.OpenBill(bill, -bill.getAmountValue, [&](const CString& code) { return CheckBillCode(db, code); });
        if (saleOrderID < 1) return -1;
        const int posted = post.PostLines(items, rowCount, [&](BillLine& line) {
            return PostOrderLine(db, post, bill, saleOrderID, line, error);
        });
        if (posted < 0) return posted;

        // The deposit into the day's income line and the month totals.
        if (post.Step([&] {
                if (CAccountBLL().UpdateAccountBySaleOrder(db, bill.settleAcctName, bill.settleAcctID, bill.billDate,
                                                           bill.getAmount, error) < 0)
                    return post.FailLogged(L"更新收支帐失败 单据ID=[" + bill.billCode + L"]");
                return 0;
            }) < 0)
            return -1;
        // The deposit comes off what the customer owes.
        if (post.Step([&] {
                error = L"";
                if (bill.getAmountValue != 0 &&
                    CCustomerBLL().DecCurrentAmount(db, bill.companyID,
                                                    bill.getAmountValue * post.PartnerSign(bill.companyID), error) < 1)
                    return post.FailLogged(L"更新客户应收款失败，单据编号:" + bill.billCode);
                return 0;
            }) < 0)
            return -1;
        if (post.Step([&] { return post.AdvanceNumbering(bill), 0; }) < 0) return -1;
        return saleOrderID;
    });
}

int COrderSaleBLL::UpdateBillByID(CppSQLite3DB& db, int saleOrderID, CString billCode, CString billType,
                                  CString settleAcctName, CString billDate, CString companyName, CString billAmount,
                                  CString discountAmount, CString discountRate, CString getAmount, CString remark,
                                  OrderItemRows rows, int rowCount, CString userName, CString& error) {
    ServiceLock lock;
    BillPosting post(db, kOrderRoad, error);
    return post.RunCall([&] {
        // The deliveries carry the order's code: the stored one (the caller's when there is no
        // such order). Never an empty code, which every sale that delivers no order carries.
        CString deliveredCode = billCode;
        CSysBLL::GetSafeString(deliveredCode);
        {
            CString ignored;
            CppSQLite3Query old = QueryBillByID(db, saleOrderID, ignored);
            if (!old.eof()) deliveredCode = old.getStringField(L"BillCode");
        }

        if (DeleteBillByID(db, saleOrderID, error) < 0) return -1;
        const int newID = InsertBill(db, billCode, settleAcctName, billDate, companyName, billAmount, discountAmount,
                                     discountRate, getAmount, remark, std::move(rows), rowCount, userName, error,
                                     billType);
        if (newID < 1 || deliveredCode.IsEmpty()) return newID;

        // The sale bills that delivered the order count again, against the new one.
        std::vector<int> deliveries;
        Guard(Report(error), [&] {
            for (CppSQLite3Query sale =
                     db.execQuery(Sql(L"select * from Salebills where SaleOrderCode='%s' ", Quoted(deliveredCode)));
                 !sale.eof(); sale.nextRow())
                deliveries.push_back(sale.getIntField(L"SaleID"));
        });
        for (int saleID : deliveries) UpdateOrderSendCount(db, newID, saleID, 0);
        return newID;
    });
}

int COrderSaleBLL::CheckBillCode(CppSQLite3DB& db, CString billCode) {
    ServiceLock lock;
    return BillPosting::CodeTaken(
        db, Sql(L" SELECT BillCode FROM SaleOrderBills WHERE BillCode='%s' ", Quoted(billCode)));
}

CppSQLite3Query COrderSaleBLL::GetBillDataByBillID(CppSQLite3DB& db, int saleOrderID) {
    ServiceLock lock;
    return BillPosting::BillData(db, kOrderRoad, saleOrderID,
                                 L", A.SaleOrderItemID AS ItemID, B.BillState, A.FnshItemCount AS SendCount, "
                                 L"A.ItemState AS IsSelect");
}
