// What the bills, the stock ledger and the cash journal keep of a partner: the virtual
// opening bills of sales and purchases, and the renames that carry a new name and code.
#include <gtest/gtest.h>

#include "frame/ServiceFrame.h"
#include "support/ShopDbTest.h"

using shopbiz::Fmt;

namespace {

class PartnerDocuments : public ShopDbTest {
protected:
    void SetUp() override {
        ShopDbTest::SetUp();
        Exec(
            L"INSERT INTO Companies(CompanyID, CompanyName, CompanyCode, CompanyType) VALUES(4, 'O''Brien', 'K''1', "
            L"1)");
        Exec(L"INSERT INTO Companies(CompanyID, CompanyName, CompanyCode, CompanyType) VALUES(5, '供应商', 'G1', 2)");
    }
    CString VirtualBill(const wchar_t* table, int id) {
        return Text(
            Fmt(L"SELECT BillCode || '|' || BillType || '|' || CompanyCode || '|' || CompanyName || '|' || "
                L"BillAmount || '|' || DiscountAmount || '|' || GetAmount || '|' || OweAmount || '|' || "
                L"BillDate || '|' || UserName || '|' || Remark FROM %s WHERE CompanyID=%d AND IsSystem=1",
                table, id));
    }
    double Balance(int id) { return Real(Fmt(L"SELECT CurAmount FROM Companies WHERE CompanyID=%d", id)); }

    CSaleBLL sale;
    CPurBLL pur;
    CString error;
};

TEST_F(PartnerDocuments, VirtualBillsCarryTheOpeningBalance) {
    EXPECT_EQ(sale.InsertVirtualBill(db, L"100.5", 4, error), 1);
    EXPECT_EQ(VirtualBill(L"SaleBills", 4),
              L"XS1970010001|0|K'1|O'Brien|100.5|100.5|0.0|100.5|1970-01-01|Admin|虚拟单据");
    EXPECT_EQ(Balance(4), 100.5);
    EXPECT_EQ(pur.InsertVirtualBill(db, L"30", 5, error), 1);
    EXPECT_EQ(VirtualBill(L"PurBills", 5), L"JH1970010001|0|G1|供应商|30.0|30.0|0.0|30.0|1970-01-01|Admin|虚拟单据");
    EXPECT_EQ(Balance(5), 30.0);
    EXPECT_EQ(Int(L"SELECT COUNT(*) FROM SaleBills WHERE IsSystem=0") + Int(L"SELECT COUNT(*) FROM Account"), 0);
}

TEST_F(PartnerDocuments, NoVirtualBillForAnUnknownPartner) {
    EXPECT_EQ(sale.InsertVirtualBill(db, L"10", 999, error), -1);
    EXPECT_EQ(error, L"查询客户资料数据时错误!");
    EXPECT_EQ(pur.InsertVirtualBill(db, L"10", 999, error), -1);
    EXPECT_EQ(Int(L"SELECT COUNT(*) FROM SaleBills") + Int(L"SELECT COUNT(*) FROM PurBills"), 0);

    Exec(L"CREATE TRIGGER NoBills BEFORE INSERT ON PurBills BEGIN SELECT RAISE(ABORT, 'full'); END");
    EXPECT_EQ(pur.InsertVirtualBill(db, L"10", 5, error), -1);
    EXPECT_EQ(error, L"full");
    EXPECT_EQ(Balance(5), 0.0);  // the balance moves only with the bill
}

TEST_F(PartnerDocuments, UpdateVirtualBillRewritesOnlyThePartnersVirtualBill) {
    sale.InsertVirtualBill(db, L"100", 4, error);
    Exec(L"INSERT INTO SaleBills(BillCode, CompanyID, BillAmount, OweAmount, IsSystem) VALUES('XS1', 4, 7, 7, 0)");
    Exec(L"INSERT INTO Companies(CompanyID, CompanyName) VALUES(6, '丙')");
    sale.InsertVirtualBill(db, L"60", 6, error);

    EXPECT_EQ(sale.UpdateVirtualBill(db, L" 80.25 ", 4, error), 1);
    EXPECT_EQ(Text(L"SELECT group_concat(BillAmount || '/' || OweAmount || '/' || DiscountAmount, ' ') FROM "
                   L"(SELECT * FROM SaleBills ORDER BY SaleID)"),
              L"80.25/80.25/80.25 7.0/7.0/0.0 60.0/60.0/60.0");
    EXPECT_EQ(Balance(4), 100.0);  // the balance is the caller's business
    // A text that is no number is refused as a failing statement would be, and nothing moves.
    Exec(L"INSERT INTO Products(ProductName) VALUES('铅笔')");
    const wchar_t* everything = L"SELECT (SELECT group_concat(BillAmount) FROM SaleBills), (SELECT count(*) FROM "
                                L"Products), (SELECT group_concat(OweAmount) FROM PurBills)";
    const CString before = Text(everything);
    const CString injected = L"0 WHERE 1=1; DELETE FROM Products; --";
    EXPECT_EQ(sale.UpdateVirtualBill(db, injected, 4, error), -1);
    EXPECT_EQ(error, L"not a number: '" + injected + L"'");
    EXPECT_EQ(TakeLog().back(), error);
    EXPECT_EQ(pur.UpdateVirtualBill(db, L"abc", 5, error), -1);
    EXPECT_EQ(error, L"not a number: 'abc'");
    EXPECT_EQ(Text(everything), before);
}

TEST_F(PartnerDocuments, RenamesReachTheirOwnTableAndPartnerOnly) {
    for (int id : {4, 5})
        for (const wchar_t* table : {L"SaleBills", L"PurBills", L"Stocks", L"Account"})
            Exec(Fmt(L"INSERT INTO %s(CompanyID, CompanyName, CompanyCode) VALUES(%d, 'old', 'old')", table, id));
    auto renamed = [&](const wchar_t* table) {
        return Text(Fmt(L"SELECT group_concat(CompanyName || '/' || CompanyCode, ' ') FROM (SELECT * FROM %s ORDER "
                        L"BY CompanyID)",
                        table));
    };
    // The bill services make the texts safe; the ledger and the journal store them as given.
    EXPECT_EQ(CSaleBLL().UpdateBillComName(db, 4, L" A'B ", L"C|1", error), 0);
    EXPECT_EQ(renamed(L"SaleBills"), L"A*B/C\uFF5C1 old/old");
    EXPECT_EQ(CPurBLL().UpdateBillComName(db, 5, L"P", L"P1", error), 0);
    EXPECT_EQ(renamed(L"PurBills"), L"old/old P/P1");
    EXPECT_EQ(CStocksBLL().UpdateBillComName(db, 4, L"A'B", L"S1", error), 0);
    EXPECT_EQ(renamed(L"Stocks"), L"A'B/S1 old/old");
    EXPECT_EQ(CAccountBLL().UpdateBillComName(db, 5, L"J'1", L"J1", error), 0);
    EXPECT_EQ(CAccountBLL().UpdateBillProName(db, 4, L"K", L"K1", error), 0);
    EXPECT_EQ(renamed(L"Account"), L"K/K1 J'1/J1");
}

}  // namespace
