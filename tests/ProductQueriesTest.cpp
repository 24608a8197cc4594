// The product lists, pickers, pages and look-ups.
#include <gtest/gtest.h>

#include <vector>

#include "frame/ServiceFrame.h"
#include "support/ProductRows.h"

using shopbiz::Sql;

namespace {

class ProductQueries : public ShopDbTest {
protected:
    CProductsBLL products;

    // Products 笔01.. with codes B01.. and search codes BI01..; local unless told otherwise.
    std::vector<int> PutPens(int count, int isLocal = 1, int first = 1) {
        std::vector<int> ids;
        for (int i = first; i < first + count; ++i) {
            const CString name = Sql(L"笔%02d", i), code = Sql(L"B%02d", i), search = Sql(L"BI%02d", i);
            ids.push_back(PutProduct(db, {.name = name, .code = code, .searchCode = search, .isLocal = isLocal}));
        }
        return ids;
    }

    static std::vector<CString> Column(CppSQLite3Query q, const wchar_t* column) {
        std::vector<CString> values;
        for (; !q.eof(); q.nextRow()) values.push_back(q.getStringField(column));
        return values;
    }
};

TEST_F(ProductQueries, PagingHoldsThePageToTheLastOne) {
    PutPens(25);
    PutProduct(db, {.name = L"橡皮", .code = L"X1", .searchCode = L"XP"});
    long size = 10, total = 0, page = 9, pages = 0;
    std::vector<CString> codes =
        Column(products.GetProductByPage(db, L"笔", size, total, page, pages, true, false), L"ProductCode");
    EXPECT_EQ(total, 25);
    EXPECT_EQ(pages, 3);
    EXPECT_EQ(page, 3);
    EXPECT_EQ(codes, (std::vector<CString>{L"B21", L"B22", L"B23", L"B24", L"B25"}));

    page = 0;
    codes = Column(products.GetProductByPage(db, L"BI", size, total, page, pages, true, false), L"ProductCode");
    EXPECT_EQ(page, 1);
    EXPECT_EQ(codes.size(), 10u);
    EXPECT_EQ(codes.front(), L"B01");

    size = 5;
    page = 5;
    codes = Column(products.GetProductByPage(db, L"笔", size, total, page, pages, true, false), L"ProductCode");
    EXPECT_EQ(pages, 5);  // 25 rows fill exactly five pages
    EXPECT_EQ(codes.back(), L"B25");

    page = 4;
    codes = Column(products.GetProductByPage(db, L"没有", size, total, page, pages, true, false), L"ProductCode");
    EXPECT_EQ(total, 0);
    EXPECT_EQ(pages, 1);
    EXPECT_EQ(page, 1);
    EXPECT_TRUE(codes.empty());

    size = 0;  // no page size: one page with everything
    page = 3;
    codes = Column(products.GetProductByPage(db, L"", size, total, page, pages, true, false), L"ProductCode");
    EXPECT_EQ(total, 26);
    EXPECT_EQ(pages, 1);
    EXPECT_EQ(page, 1);
    EXPECT_EQ(codes.size(), 26u);
}

TEST_F(ProductQueries, PagingFiltersAndOrder) {
    PutProduct(db, {.name = L"网笔", .code = L"N1", .searchCode = L"A1", .isLocal = 0});
    PutProduct(db, {.name = L"停笔", .code = L"S1", .searchCode = L"A2", .isDisable = 1});
    PutProduct(db, {.name = L"铅笔", .code = L"P1", .searchCode = L"QB"});
    long size = 10, total = 0, page = 1, pages = 0;
    EXPECT_EQ(Column(products.GetProductByPage(db, L"笔", size, total, page, pages, false, false), L"ProductCode"),
              (std::vector<CString>{L"P1", L"N1"}));  // the shop's own products first
    EXPECT_EQ(Column(products.GetProductByPage(db, L"笔", size, total, page, pages, false, true), L"ProductCode"),
              (std::vector<CString>{L"S1", L"P1", L"N1"}));
    EXPECT_EQ(total, 3);
    EXPECT_EQ(Column(products.GetProductByPage(db, L"笔", size, total, page, pages, true, true), L"ProductCode"),
              (std::vector<CString>{L"S1", L"P1"}));
}

TEST_F(ProductQueries, KeysWithQuotesAndPercentSigns) {
    PutProduct(db, {.name = L"a*b％c", .code = L"Q1"});
    PutProduct(db, {.name = L"abc", .code = L"Q2"});
    long size = 10, total = 0, page = 1, pages = 0;
    EXPECT_EQ(Column(products.GetProductByPage(db, L"a'b%", size, total, page, pages, false, false), L"ProductCode"),
              std::vector<CString>{L"Q1"});
    EXPECT_EQ(Column(products.GetProductByPop(db, L" a'b%", L"", L"", false), L"ProductCode"),
              std::vector<CString>{L"Q1"});
    // Keys taken as they are still cannot break the statement.
    EXPECT_TRUE(products.GetProductByInfo(db, L"x' or '1'='1", 0).eof());
    EXPECT_TRUE(products.GetProductForPop(db, L"'", true, L"全部类别").eof());
    EXPECT_TRUE(TakeLog().empty());
}

TEST_F(ProductQueries, PickerListsFiftyEnabledProductsLocalFirst) {
    PutPens(30, 0);
    PutPens(30, 1, 31);
    PutProduct(db, {.name = L"停笔", .code = L"S1", .isDisable = 1});
    db.execDML(L"update Products set WholesalePrice = 2.5");
    CppSQLite3Query pop = products.GetProductByPop(db, L"笔", L"x", L"y", false);
    EXPECT_DOUBLE_EQ(pop.getFloatField(L"CompPrice"), 2.5);
    std::vector<CString> local = Column(pop, L"IsLocal");
    ASSERT_EQ(local.size(), 50u);
    EXPECT_EQ(local[29], L"1");
    EXPECT_EQ(local[30], L"0");
    EXPECT_EQ(Column(products.GetProductByPop(db, L"笔", L"", L"", true), L"IsLocal").size(), 30u);

    db.execDML(L"update Products set IsDelete = 1 where ProductCode = 'B31'");
    EXPECT_EQ(Column(products.GetProductByPop(db, L"B31", L"", L"", false), L"ProductCode").size(), 0u);
}

TEST_F(ProductQueries, PickerErrorIsLoggedWithItsStatement) {
    db.execDML(L"drop table Products");
    EXPECT_TRUE(products.GetProductByPop(db, L"k", L"", L"", true).eof());
    CStringArray names;
    products.GetProductBySch(db, L"", names);
    EXPECT_EQ(names.GetSize(), 0);
    EXPECT_TRUE(products.GetProductByName(db, L"k").eof());
    const auto log = TakeLog();
    ASSERT_EQ(log.size(), 3u);
    EXPECT_EQ(log[0].Find(L"Err:no such table: Products\r\nsql=select *,WholeSalePrice"), 0);
    EXPECT_EQ(log[1],
              L"Err:no such table: products\r\nsql=Select ProductName from products Where IsLocal=1 order by "
              L"ProductID ");
    EXPECT_EQ(log[2], L"GetProductByName;no such table: Products");
    EXPECT_TRUE(products.GetProductsByID(db, 1).eof());
    EXPECT_TRUE(products.GetAllProductsID(db).eof());
    EXPECT_TRUE(TakeLog().empty());
}

TEST_F(ProductQueries, PickerByType) {
    PutPens(3, 0);
    PutProduct(db, {.name = L"本子", .code = L"J1", .type = L"文具", .searchCode = L"BZ"});
    PutProduct(db, {.name = L"笔记本", .code = L"J2", .type = L"文具", .searchCode = L"BJB"});
    PutProduct(db, {.name = L"网本", .code = L"J3", .type = L"文具", .searchCode = L"WB", .isLocal = 0});
    EXPECT_EQ(Column(products.GetProductForPop(db, L"", false, L"全部类别"), L"ProductCode"),
              (std::vector<CString>{L"B01", L"B02", L"B03", L"J3"}));
    EXPECT_EQ(Column(products.GetProductForPop(db, L"", true, L"-1"), L"ProductCode"),
              (std::vector<CString>{L"J2", L"J1"}));
    // A named type lists the shop's own products of it, whatever the flag.
    EXPECT_EQ(Column(products.GetProductForPop(db, L"本", false, L"文具"), L"ProductCode"),
              (std::vector<CString>{L"J2", L"J1"}));
}

TEST_F(ProductQueries, LookUpsAndBrowsing) {
    int maxID = -1, minID = -1;
    products.GetMaxMinProductID(db, maxID, minID, L"", L"");
    EXPECT_EQ(maxID + minID, 0);  // an empty catalogue

    const int a = PutProduct(db, {.name = L"铅笔", .code = L"P1", .type = L"文具"});
    PutProduct(db, {.name = L"铅笔", .code = L"P2", .type = L"文具", .isDisable = 1});
    const int c = PutProduct(db, {.name = L"苹果", .code = L"F1", .type = L"水果"});
    PutProduct(db, {.name = L"网笔", .code = L"N1", .type = L"文具", .isLocal = 0});
    EXPECT_EQ(Column(products.GetProductByNameCode(db, L"铅笔", L""), L"ProductCode").size(), 2u);
    EXPECT_EQ(Column(products.GetProductByNameOrCode(db, L"铅笔", L"F1"), L"ProductCode"),
              (std::vector<CString>{L"F1", L"P1", L"P2"}));
    EXPECT_TRUE(products.GetProductByNameCode(db, L"o'clock", L"it's").eof());
    EXPECT_EQ(Column(products.GetProductsByType(db, L"文具", false), L"ProductCode"), std::vector<CString>{L"P1"});
    EXPECT_EQ(Column(products.GetProductByInfo(db, L"笔", 1), L"ProductCode"), (std::vector<CString>{L"P1", L"P2"}));
    EXPECT_EQ(Column(products.GetProductsID(db, L"全部类别", L"F"), L"ProductID"), std::vector<CString>{Sql(L"%d", c)});

    products.GetMaxMinProductID(db, maxID, minID, L"", L"");
    EXPECT_EQ(maxID, c);
    EXPECT_EQ(minID, a);
    products.GetMaxMinProductID(db, maxID, minID, L"文具", L"P");
    EXPECT_EQ(maxID, a);  // the disabled one is skipped

    CStringArray names;
    names.Add(L"kept");
    products.GetProductBySch(db, L"", names);
    ASSERT_EQ(names.GetSize(), 4);
    EXPECT_EQ(names[3], L"苹果");
}

TEST_F(ProductQueries, ListOrderAndProductLookupsReadThroughIndexes) {
    auto plan = [&](const wchar_t* sql) {
        std::string text;
        for (CppSQLite3Query q = db.execQuery(CString(L"explain query plan ") + sql); !q.eof(); q.nextRow())
            text += q.getStringField(L"detail").ToUtf8() + "\n";
        return text;
    };
    // A deep page of the whole list walks the index instead of sorting every product.
    const std::string page = plan(
        L"select ProductID from Products where (ProductName like '%%' or ProductCode like '%%' "
        L"or SearchCode like '%%') and IsDisable = 0 order by IsLocal desc, SearchCode limit "
        L"9980,20");
    EXPECT_NE(page.find("INDEX IX_Products_List"), std::string::npos) << page;
    EXPECT_EQ(page.find("TEMP B-TREE"), std::string::npos) << page;
    // Whether a product is used, renames into its lines, and the journal entry of a row.
    for (const wchar_t* table : {L"SaleBillItems", L"PurBillItems", L"SaleOrderBillItems", L"CompPrice"}) {
        const std::string lines = plan(Sql(L"select count(*) from %s where ProductID=7", table));
        EXPECT_NE(lines.find("_Product"), std::string::npos) << lines;
    }
    const std::string journal =
        plan(L"SELECT * FROM  OperateData WHERE TName='Products' AND CName='ProductID' AND CValue = '7' ");
    EXPECT_NE(journal.find("INDEX IX_OperateData_Row"), std::string::npos) << journal;
}

}  // namespace
