// Product codes, units, the existence checks and the prices learned from bills.
#include <gtest/gtest.h>

#include "frame/ServiceFrame.h"
#include "support/ProductRows.h"

using shopbiz::Sql;

namespace {

class ProductCodes : public ShopDbTest {
protected:
    CProductsBLL products;
};

TEST_F(ProductCodes, NewCodeFollowsTheNewestProduct) {
    EXPECT_EQ(products.GetNewProductCode(db), L"");
    PutProduct(db, {.name = L"甲", .code = L"P0100"});
    const int newest = PutProduct(db, {.name = L"乙", .code = L"P0009"});
    EXPECT_EQ(products.GetNewProductCode(db), L"P0010");
    EXPECT_EQ(products.GetProductCode(db, newest), L"P0009");
    EXPECT_EQ(products.GetProductCode(db, 999), L"");
    EXPECT_EQ(products.GetProdNameByCode(db, L"P0100"), L"甲");
    EXPECT_EQ(products.GetProdNameByCode(db, L"x'y"), L"");
    PutProduct(db, {.name = L"丙", .code = L"ABC"});
    EXPECT_EQ(products.GetNewProductCode(db), L"");
}

TEST_F(ProductCodes, ExistenceChecksTellLocalFromOnline) {
    const int local = PutProduct(db, {.name = L"铅笔", .code = L"P1"});
    PutProduct(db, {.name = L"网店笔", .code = L"N1", .isLocal = 0});
    EXPECT_FALSE(products.IsExists(db, local, L"铅笔", L"P1"));  // the product itself
    EXPECT_TRUE(products.IsExists(db, local + 100, L"铅笔", L"P1"));
    EXPECT_FALSE(products.IsExists(db, 0, L"网店笔", L"N1"));  // online products do not count
    EXPECT_TRUE(products.IsExists(db, L"网店笔"));
    EXPECT_FALSE(products.IsExistsByCode(db, L"N1"));
    EXPECT_TRUE(products.IsExistsCode(db, L"N1"));
    EXPECT_FALSE(products.IsExistsNet(db, L"铅笔", L""));
    EXPECT_TRUE(products.IsExistsNameOrCode(db, L"新的", L"P1"));
    EXPECT_FALSE(products.IsExistsNameOrCode(db, L"新'的", L"Q'1"));
}

TEST_F(ProductCodes, CodeAndNameMustNameTheSameProduct) {
    PutProduct(db, {.name = L"甲", .code = L"A1"});
    PutProduct(db, {.name = L"乙", .code = L"B1"});
    PutProduct(db, {.name = L"a*b", .code = L"C，1"});
    EXPECT_FALSE(products.CheckProdCodeAndName(db, L"A1", L"乙"));
    EXPECT_TRUE(products.CheckProdCodeAndName(db, L"A1", L"甲"));
    EXPECT_TRUE(products.CheckProdCodeAndName(db, L"Z9", L"丙"));  // neither exists
    EXPECT_FALSE(products.CheckProdCodeAndName(db, L"Z9", L"甲"));
    EXPECT_TRUE(products.CheckProdCodeAndName(db, L"", L"甲"));
    EXPECT_TRUE(products.CheckProdCodeAndName(db, L" C,1", L"a'b "));  // made safe as they were stored
}

TEST_F(ProductCodes, SalesFillMissingPricesPurchasesAlwaysSetThePurchasePrice) {
    const int pen = PutProduct(db, {.inPrice = 1});
    auto prices = [&] {
        return Text(
            Sql(L"select printf('%%.2f/%%.2f/%%.2f', Price, WholesalePrice, InPrice) from Products where "
                L"ProductID=%d",
                pen));
    };
    EXPECT_EQ(products.UpdateProductPrice(db, pen, 5, 1, L"8"), 1);    // a customer: wholesale
    EXPECT_EQ(products.UpdateProductPrice(db, pen, 1, 1, L"9.5"), 1);  // the retail customer: retail
    EXPECT_EQ(prices(), L"9.50/8.00/1.00");
    EXPECT_EQ(products.UpdateProductPrice(db, pen, 5, 1, L"7"), 1);
    EXPECT_EQ(products.UpdateProductPrice(db, pen, 2, 1, L"6"), 1);
    EXPECT_EQ(prices(), L"9.50/8.00/1.00");  // set prices stay
    EXPECT_EQ(products.UpdateProductPrice(db, pen, 2, 2, L"3.25"), 1);
    EXPECT_EQ(products.UpdateProductPrice(db, pen, 7, 2, L"3"), 1);
    EXPECT_EQ(prices(), L"9.50/8.00/3.00");  // the last purchase wins

    for (const wchar_t* bad : {L"", L"0", L"abc", L"-5"})
        EXPECT_EQ(products.UpdateProductPrice(db, pen, 7, 2, bad), 0) << bad;
    EXPECT_EQ(prices(), L"9.50/8.00/3.00");
    EXPECT_EQ(products.UpdateProductPrice(db, 999, 7, 2, L"4"), 1);
    EXPECT_EQ(Int(L"select count(*) from Products where InPrice=4"), 0);
}

TEST_F(ProductCodes, DisableEnableAndTypeChange) {
    const int pen = PutProduct(db, {});
    const int other = PutProduct(db, {.name = L"橡皮", .code = L"P2"});
    EXPECT_EQ(products.DisableProduct(db, pen), 1);
    EXPECT_EQ(products.DisableProduct(db, pen), 0);
    EXPECT_EQ(products.DisableProduct(db, 999), 0);
    EXPECT_EQ(Int(Sql(L"select IsDisable from Products where ProductID=%d", other)), 0);
    EXPECT_EQ(products.EnableProduct(db, pen), 1);
    EXPECT_EQ(Int(Sql(L"select IsDisable from Products where ProductID=%d", pen)), 0);
    EXPECT_EQ(Int(L"select count(*) from ProdCache"), 0);

    PutBillLine(db, L"SaleBillItems", pen);
    PutOpeningRow(db, pen, 1, 1);
    PutOpeningRow(db, other, 1, 1);
    EXPECT_EQ(products.ChangProdType(db, L"7", L"文具's", Sql(L"%d", pen)), 1);
    for (const wchar_t* table : {L"Products", L"SaleBillItems", L"Stocks"})
        EXPECT_EQ(Text(Sql(L"select TypeID||TypeName from %s where ProductID=%d", table, pen)), L"7文具's") << table;
    // The IDs go into the statements as they are: only whole numbers are taken.
    EXPECT_EQ(products.ChangProdType(db, L"8", L"x", L"1 or 1=1"), 0);
    EXPECT_EQ(products.ChangProdType(db, L"", L"x", Sql(L"%d", other)), 0);
    EXPECT_EQ(Int(Sql(L"select TypeID from Products where ProductID=%d", other)), 2);
}

}  // namespace
