// CPrintData: a sale order with its deliveries, and the order list.
#include "documents/BillQueries.h"
#include "documents/OrderSaleBLL.h"
#include "printing/PrintData.h"
#include "printing/PrintRows.h"

using namespace shopbiz;

int CPrintData::InsertSaleOrderPrintData(CppSQLite3DB& db, CString orderCode, CString label, int, long& rowCount,
                                         CString& error) {
    ServiceLock lock;
    rowCount = 0;
    error = L"";
    return Guard(Report(error, L"InsertSaleOrderPrintData Err:%s"), -1, [&] {
        orderCode = SafeText(orderCode);
        CppSQLite3Query order = db.execQuery(
            Sql(L"select a.CompanyName,a.BillDate,a.BillCode,a.BillAmount,a.GetAmount,a.Remark,a.SettleAcctName,"
                L"b.SaleOrderItemID AS ItemID,b.ProductName,b.ProductCode,b.ShowUnitName,b.ShowItemCount,"
                L"b.FnshItemCount,b.ShowPrice,b.Amount,b.Remark AS ItemRemark from SaleOrderBills a left join "
                L"SaleOrderBillItems b on a.BillCode = b.BillCode where a.BillCode= '%s' order by b.SaleOrderItemID "
                L"asc;",
                Quoted(orderCode)));
        if (order.eof()) {
            error = Fmt(L"没有编号为 %s 的销售订单", orderCode.GetString());
            LogLine(error);
            return -1;
        }
        PrintRows rows(db, label);
        const double billAmount = order.getFloatField(L"BillAmount");
        rows.Text(kDocumentEntry, L"CompanyName", order.getStringField(L"CompanyName"));
        rows.Text(kDocumentEntry, L"BillDate", order.getStringField(L"BillDate"));
        rows.Text(kDocumentEntry, L"BillCode", order.getStringField(L"BillCode"));
        rows.Text(kDocumentEntry, L"Remark", order.getStringField(L"Remark"));
        rows.Text(kDocumentEntry, L"SettleAcct", order.getStringField(L"SettleAcctName"));
        rows.Text(kDocumentEntry, L"BillAmountRMB", CSysBLL().Double2RMB(billAmount));
        rows.Money(kDocumentEntry, L"BillAmount", billAmount);
        rows.Money(kDocumentEntry, L"GetAmount", order.getFloatField(L"GetAmount"));
        double count = 0, delivered = 0;
        int entry = 0;
        // An order without lines joins to one row whose line columns are NULL.
        for (; !order.eof() && !order.fieldIsNull(L"ItemID"); order.nextRow()) {
            ++entry;
            rows.Text(entry, L"ProductName", order.getStringField(L"ProductName"));
            rows.Text(entry, L"ProductCode", order.getStringField(L"ProductCode"));
            rows.Text(entry, L"UnitName", order.getStringField(L"ShowUnitName"));
            rows.Count(entry, L"ItemCount", order.getFloatField(L"ShowItemCount"));
            rows.Count(entry, L"FnshItemCount", order.getFloatField(L"FnshItemCount"));
            rows.Price(entry, L"Price", order.getFloatField(L"ShowPrice"));
            rows.Money(entry, L"Amount", order.getFloatField(L"Amount"));
            rows.Text(entry, L"ItemRemark", order.getStringField(L"ItemRemark"));
            rows.RowNo(entry);
            count += order.getFloatField(L"ShowItemCount");
            delivered += order.getFloatField(L"FnshItemCount");
        }
        rows.Count(kDocumentEntry, L"Count", count);
        rows.Count(kDocumentEntry, L"SumFnshItemCount", delivered);
        rowCount = entry;
        return 0;
    });
}

int CPrintData::InsertSaleOrderListPrintData(CppSQLite3DB& db, CString label, int billState, CString startDate,
                                             CString endDate, CString keyword, long& rowCount, CString& error) {
    ServiceLock lock;
    rowCount = 0;
    error = L"";
    return Guard(Report(error, L"InsertSaleOrderListPrintData Err:%s"), -1, [&] {
        CppSQLite3Query orders = COrderSaleBLL().QuryBillList(db, billState, startDate, endDate, keyword, error);
        if (!error.IsEmpty()) return -1;  // reported and logged by the search
        PrintRows rows(db, label);
        const CString from = SafeText(startDate), to = SafeText(endDate);
        double billSum = 0, getSum = 0;
        int entry = 0;
        for (; !orders.eof(); orders.nextRow()) {
            const double billAmount = orders.getFloatField(L"BillAmount"), getAmount = orders.getFloatField(L"GetAmount");
            ++entry;
            rows.Text(entry, L"BillDate", orders.getStringField(L"BillDate"));
            rows.Text(entry, L"BillCode", orders.getStringField(L"BillCode"));
            rows.Text(entry, L"StartDate", from);
            rows.Text(entry, L"EndDate", to);
            rows.Text(entry, L"BillStatus", orders.getIntField(L"BillState") == 1 ? L"已完成" : L"未完成");
            rows.Text(entry, L"CompanyName", orders.getStringField(L"CompanyName"));
            rows.Money(entry, L"BillAmount", billAmount);
            rows.Money(entry, L"GetAmount", getAmount);
            rows.Text(entry, L"Remark", orders.getStringField(L"Remark"));
            rows.Text(entry, L"SettleAcct", orders.getStringField(L"SettleAcctName"));
            rows.RowNo(entry);
            billSum += billAmount;
            getSum += getAmount;
        }
        rows.Money(kDocumentEntry, L"SumInAmount", billSum);
        rows.Money(kDocumentEntry, L"SumGetAmount", getSum);
        rowCount = entry;
        return 0;
    });
}
