#include "documents/BillPrint.h"

#include "documents/BillQueries.h"
#include "printing/PrintRows.h"

namespace shopbiz {

// clang-format off
const BillPrintForm kSalePrint = {
    L"销售单", L"销售单列表",
    L"select a.CompanyName,a.BillDate,a.BillCode,a.DiscountAmount,a.OweAmount,a.DisCountRate AS DisCountRate,"
    L"a.BillAmount,a.GetAmount,a.Remark,a.SettleAcctName,a.SaleOrderCode,b.SaleItemID AS ItemID,b.ProductName,"
    L"b.ProductCode,b.ShowUnitName,b.ShowItemCount,b.OriginalPrice,b.DisRate,b.ShowPrice,b.Amount,"
    L"b.Remark AS ItemRemark from SaleBills a left join SaleBillItems b on a.BillCode = b.BillCode where "
    L"a.BillCode= '%s' order by b.SaleItemID asc;",
    1, L"CustomerRemark", true, true, true, L"SalePrintErr:%s\r\n%s"};

const BillPrintForm kPurchasePrint = {
    L"进货单", L"进货单列表",
    L"select a.CompanyName,a.BillDate,a.BillCode,a.DiscountAmount,a.OweAmount,a.DisCountRate AS DisCountRate,"
    L"a.BillAmount,a.GetAmount,a.Remark,a.SettleAcctName,b.PurItemID AS ItemID,b.ProductName,b.ProductCode,"
    L"b.ShowUnitName,b.ShowItemCount,b.OriginalPrice,b.DisRate,b.ShowPrice,b.Amount,b.Remark AS ItemRemark from "
    L"PurBills a left join PurBillItems b on a.BillCode = b.BillCode where a.BillCode= '%s' order by b.PurItemID "
    L"asc;",
    2, L"ProviderRemark", false, true, true, L"PurPrintErr:%s\r\n%s"};

// Orders print on the sale bill's template.
const BillPrintForm kOrderPrint = {
    L"销售单", L"销售单列表",
    L"select a.CompanyName,a.BillDate,a.BillCode,a.BillAmount,a.GetAmount,a.Remark,a.SettleAcctName,"
    L"b.SaleOrderItemID AS ItemID,b.ProductName,b.ProductCode,b.ShowUnitName,b.ShowItemCount,b.ShowPrice,b.Amount,"
    L"b.Remark AS ItemRemark from SaleOrderBills a left join SaleOrderBillItems b on a.BillCode = b.BillCode where "
    L"a.BillCode= '%s' order by b.SaleOrderItemID asc;",
    1, L"CustomerRemark", false, false, false, L"SaleOrderPrintErr:%s\r\n%s"};
// clang-format on

namespace {

// The header fields, from the first row of the bill query.
void PrintHeader(const BillPrintForm& form, PrintRows& rows, const CppSQLite3Query& bill) {
    const CString companyName = bill.getStringField(L"CompanyName");
    rows.Text(kDocumentEntry, L"CompanyName", companyName);
    rows.StoreFields();
    rows.CompanyFields(form.partnerType, companyName, form.remarkCode);
    rows.Text(kDocumentEntry, L"BillDate", bill.getStringField(L"BillDate"));
    rows.Text(kDocumentEntry, L"BillCode", bill.getStringField(L"BillCode"));
    rows.Text(kDocumentEntry, L"Remark", bill.getStringField(L"Remark"));
    if (form.ordersLinked) {
        const CString orderCode = bill.getStringField(L"SaleOrderCode");
        rows.Text(kDocumentEntry, L"SaleOrderCode", orderCode);
        rows.Text(kDocumentEntry, L"SaleCodeRemark", orderCode.IsEmpty() ? L"" : L"订单编号：");
    }
    if (form.discounted) {
        rows.Money(kDocumentEntry, L"DiscountAmount", bill.getFloatField(L"DiscountAmount"));
        rows.Money(kDocumentEntry, L"OweAmount", bill.getFloatField(L"OweAmount"));
    }
    rows.Text(kDocumentEntry, L"SettleAcct", bill.getStringField(L"SettleAcctName"));
    // The rate is kept as a fraction and printed as a percentage: 0.9 is "90.00%".
    if (form.discounted && !bill.fieldIsNull(L"DisCountRate"))
        rows.Text(kDocumentEntry, L"DisCountRate", Fmt(L"%.02f", bill.getFloatField(L"DisCountRate") * 100) + L"%");
    const double billAmount = bill.getFloatField(L"BillAmount");
    rows.Text(kDocumentEntry, L"BillAmountRMB", CSysBLL().Double2RMB(billAmount));
    rows.Money(kDocumentEntry, L"BillAmount", billAmount);
    rows.Money(kDocumentEntry, L"GetAmount", bill.getFloatField(L"GetAmount"));
}

// One table row per bill line.
void PrintLine(const BillPrintForm& form, PrintRows& rows, int entry, const CppSQLite3Query& line) {
    rows.Text(entry, L"ProductName", line.getStringField(L"ProductName"));
    rows.Text(entry, L"ProductCode", line.getStringField(L"ProductCode"));
    rows.Text(entry, L"UnitName", line.getStringField(L"ShowUnitName"));
    rows.Count(entry, L"ItemCount", line.getFloatField(L"ShowItemCount"));
    rows.Price(entry, L"Price", line.getFloatField(L"ShowPrice"));
    if (form.discounted) {
        rows.Price(entry, L"OriginalPrice", line.getFloatField(L"OriginalPrice"));
        rows.Price(entry, L"DIsRate", line.getFloatField(L"DisRate"));
    }
    rows.Money(entry, L"Amount", line.getFloatField(L"Amount"));
    rows.Text(entry, L"ItemRemark", line.getStringField(L"ItemRemark"));
    rows.RowNo(entry);
}

}  // namespace

int PrintBill(CppSQLite3DB& db, const BillPrintForm& form, CString billCode, long& rowCount, CString& error) {
    rowCount = 0;
    error = L"";
    return Guard(Report(error, ErrorText::WithStatement(form.errorFormat)), -1, [&] {
        billCode = SafeText(billCode);
        CppSQLite3Query bill = db.execQuery(Sql(form.billQuery, Quoted(billCode)));
        if (bill.eof()) {
            error = Fmt(L"没有编号为 %s 的%s", billCode.GetString(), form.label);
            LogLine(error);
            return -1;
        }
        PrintRows rows(db, form.label);
        PrintHeader(form, rows, bill);
        double count = 0;
        int lines = 0;
        // A bill without lines joins to one row whose line columns are NULL.
        for (; !bill.eof() && !bill.fieldIsNull(L"ItemID"); bill.nextRow()) {
            PrintLine(form, rows, ++lines, bill);
            count += bill.getFloatField(L"ShowItemCount");
        }
        rows.Count(kDocumentEntry, L"Count", count);
        rowCount = lines;
        return 0;
    });
}

int PrintBillList(CppSQLite3DB& db, const BillPrintForm& form, CString startDate, CString endDate,
                  const std::function<CppSQLite3Query()>& search, long& rowCount, CString& error) {
    rowCount = 0;
    error = L"";
    return Guard(Report(error, ErrorText::WithStatement(form.errorFormat)), -1, [&] {
        PrintRows rows(db, form.listLabel);
        rows.StoreFields();
        CppSQLite3Query bills = search();
        if (!error.IsEmpty()) return -1;  // the search reported its own failure
        double billSum = 0, discountSum = 0, getSum = 0;
        int entry = 0;
        for (; !bills.eof(); bills.nextRow()) {
            ++entry;
            rows.Text(entry, L"BillDate", bills.getStringField(L"BillDate"));
            rows.Text(entry, L"BillCode", bills.getStringField(L"BillCode"));
            if (form.ordersLinked) rows.Text(entry, L"SaleOrderCode", bills.getStringField(L"SaleOrderCode"));
            rows.Text(entry, L"CompanyName", bills.getStringField(L"CompanyName"));
            const double billAmount = bills.getFloatField(L"BillAmount"), getAmount = bills.getFloatField(L"GetAmount");
            rows.Money(entry, L"BillAmount", billAmount);
            // Orders keep no discount.
            if (form.discounted) {
                const double discount = bills.getFloatField(L"DiscountAmount");
                rows.Money(entry, L"DiscountAmount", discount);
                discountSum += discount;
            }
            rows.Money(entry, L"GetAmount", getAmount);
            rows.Text(entry, L"Remark", bills.getStringField(L"Remark"));
            rows.Text(entry, L"SettleAcct", bills.getStringField(L"SettleAcctName"));
            rows.RowNo(entry);
            if (form.listDates) {
                rows.Text(entry, L"StartDate", SafeText(startDate));
                rows.Text(entry, L"EndDate", SafeText(endDate));
            }
            billSum += billAmount;
            getSum += getAmount;
        }
        rows.Money(kDocumentEntry, L"SumInAmount", billSum);
        if (form.discounted) rows.Money(kDocumentEntry, L"SumDiscountAmount", discountSum);
        rows.Money(kDocumentEntry, L"SumOutAmount", getSum);
        rowCount = entry;
        return 0;
    });
}

}  // namespace shopbiz
