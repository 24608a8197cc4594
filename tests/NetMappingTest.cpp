// Marketplace items mapped to local products, the delivery check, the shop's profile and
// shipping data (CNetDataBLL).
#include <gtest/gtest.h>

#include "support/BillFixture.h"

// The marketplace records are built from the fields a test names; the others stay empty.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

using namespace shopbiz;

namespace {

class NetMapping : public BillFixture {
protected:
    int Product(const wchar_t* name, const wchar_t* code) {
        return CProductsBLL().AddProducts(db, name, code, L"支", L"2.5").getIntField(L"ProductID");
    }
    static NetOrderLine Line(const wchar_t* item, const wchar_t* sku) {
        return {.tid = L"1001", .num_iid = item, .sku_id = sku};
    }
    int Map(const wchar_t* item, const wchar_t* sku, int productID) {
        return net.UpdateTBProdVYR(db, item, sku, Fmt(L"%d", productID), L"", L"", error);
    }
    // The product a variant is mapped to: "ID|code|name", or "-" when unmapped.
    CString MappedTo(const wchar_t* item, const wchar_t* sku) {
        CString id, code, name;
        return net.GetLocalProdBySkuID(db, item, sku, id, code, name) ? id + L"|" + code + L"|" + name : CString(L"-");
    }
    CString Mappings() { return Rows(L"SELECT num_iid, sku_id, prodid FROM net_tbprodvyr ORDER BY num_iid, sku_id"); }
    CNetDataBLL net;
};

TEST_F(NetMapping, AnItemMappedWithoutThenWithAVariant) {
    const int pen = Product(L"中性笔", L"WJ001"), redPen = Product(L"红色中性笔", L"WJ011");
    const NetRows lines = OrderLineRows({Line(L"501", L"11"), Line(L"502", L"")});
    ASSERT_EQ(net.SaveOrderBill(db, OrderFields({.tid = L"1001"}), lines, 2, error), 1);
    EXPECT_FALSE(net.IsCanDeliver(db, L"1001"));

    // The whole item: every variant finds it.
    auto variants = [&] { return MappedTo(L"501", L"11") + L"; " + MappedTo(L"501", L"12"); };
    EXPECT_EQ(Map(L"501", L"", pen), 1) << error;
    EXPECT_EQ(variants(), Fmt(L"%d|WJ001|中性笔; %d|WJ001|中性笔", pen, pen));
    EXPECT_FALSE(net.IsCanDeliver(db, L"1001"));  // 502 is not mapped yet
    // One variant gets its own product; the others keep the whole item's.
    EXPECT_EQ(Map(L"501", L"11", redPen), 1) << error;
    EXPECT_EQ(variants(), Fmt(L"%d|WJ011|红色中性笔; %d|WJ001|中性笔", redPen, pen));
    // Mapped by name: the product is made in the default type.
    EXPECT_EQ(net.UpdateTBProdVYR(db, L"502", L"", L"", L"练习本", L"WJ002", error), 1) << error;
    EXPECT_EQ(Rows(L"SELECT ProductCode, TypeID, TypeName = (SELECT TypeName FROM Products WHERE ProductID=1), "
                   L"(SELECT COUNT(*) FROM Stocks s WHERE s.ProductID = p.ProductID AND BillType='期初') FROM Products "
                   L"p WHERE ProductName='练习本'"),
              L"WJ002|2|1|1");
    EXPECT_TRUE(net.IsCanDeliver(db, L"1001"));
    EXPECT_FALSE(net.IsCanDeliver(db, L"9999"));  // no lines, nothing to ship

    // The mapping screen: mapped items, a suggestion by code, or nothing.
    EXPECT_EQ(FieldsOf(net.GetTPProdToVYR(db, L"501", L"11", L""), {L"ProductName", L"SkuID", L"Status"}),
              L"红色中性笔|11|1");
    EXPECT_EQ(FieldsOf(net.GetTPProdToVYR(db, L"777", L"", L"WJ002"), {L"ProductName", L"SkuID", L"Status"}),
              L"练习本||0");
    EXPECT_TRUE(net.GetTPProdToVYR(db, L"777", L"", L"XX").eof());

    // The whole item mapped again takes the variants' mappings away.
    EXPECT_EQ(Map(L"501", L"", pen), 1);
    EXPECT_EQ(Mappings(), Fmt(L"501||%d; 502||%d", pen, pen + 2));
    EXPECT_EQ(MappedTo(L"777", L""), L"-");
}

TEST_F(NetMapping, MappingsThatCannotBeMadeChangeNothing) {
    const int pen = Product(L"中性笔", L"WJ001");
    ASSERT_EQ(Map(L"501", L"", pen), 1);
    TakeLog();
    struct Case { const wchar_t *prodid, *name, *error; } cases[] = {
        {L"77", L"", L"货品ID[77]不存在！"},
        {L"abc", L"", L"货品ID[abc]不是有效的数字！"},
        {L"", L" ", L"货品名称为空，无法建立货品对应关系！"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(net.UpdateTBProdVYR(db, L"501", L"", c.prodid, c.name, L"", error), -1) << c.error;
        EXPECT_EQ(error, c.error);
        EXPECT_EQ(Joined(TakeLog()), Fmt(L"UpdateTBProdVYR() ERR: num_iid=501,sku_id=\r\n%s\n", c.error).ToUtf8());
    }
    EXPECT_EQ(net.UpdateTBProdVYR(db, L"", L"", L"", L"橡皮", L"", error), 0);
    // A database error undoes the product it made too.
    Exec(L"CREATE TRIGGER Lock BEFORE INSERT ON net_tbprodvyr BEGIN SELECT RAISE(ABORT,'no'); END");
    EXPECT_EQ(net.UpdateTBProdVYR(db, L"501", L"", L"", L"橡皮", L"XP01", error), -1);
    EXPECT_EQ(error, L"no");
    EXPECT_EQ(Joined(TakeLog()),
              "UpdateTBProdVYR() ERR:\r\n sql= INSERT INTO net_tbprodvyr (num_iid,prodid,sku_id) VALUES('501','2','');"
              "\r\nno\n");
    EXPECT_EQ(Mappings(), Fmt(L"501||%d", pen));
    EXPECT_EQ(Count(L"Products"), 1);
}

TEST_F(NetMapping, LocalProductsAreFoundByMappingOrCodeOrMade) {
    const int pen = Product(L"中性笔", L"WJ001");
    // The item's outer code finds the product; no mapping is recorded for it.
    EXPECT_EQ(net.GetLocalProdID(db, L"501", L"WJ001", L"", L"中性笔", L"黑色"), Fmt(L"%d", pen));
    EXPECT_EQ(Mappings(), L"");
    // Otherwise a product named after the item is made, and mapped.
    const CString made = net.GetLocalProdID(db, L"601", L"", L"11", L"橡皮", L"4B");
    EXPECT_EQ(Rows(L"SELECT ProductID, ProductName, SearchCode, IsDisable FROM Products WHERE ProductID > 1"),
              made + L"|橡皮 4B 601|XP 4B 601|0");
    EXPECT_EQ(Mappings(), L"601|11|" + made);
    EXPECT_EQ(Int(L"SELECT COUNT(*) FROM ProdCache WHERE Flag=1 AND UpdateValue LIKE 'XP 4B 601|橡皮 4B 601|%'"), 1);
    EXPECT_EQ(net.GetLocalProdID(db, L"601", L"", L"11", L"橡皮", L"4B"), made);  // no second product: see below
    // A product of the made name that was switched off is used again rather than a second one made.
    Exec(L"DELETE FROM net_tbprodvyr; UPDATE Products SET IsDisable=1");
    EXPECT_EQ(net.GetLocalProdID(db, L"601", L"", L"12", L"橡皮", L"4B"), made);
    EXPECT_EQ(Rows(L"SELECT COUNT(*), total(IsDisable) FROM Products"), L"2|1.0");
    EXPECT_TRUE(net.AddNetProd(db, L" ", L"").eof());
    EXPECT_EQ(net.GetLocalProdID(db, L"", L"", L"", L"", L""), L"0");
}

TEST_F(NetMapping, ItemsTheirVariantsAndPictures) {
    NetItem item{.num_iid = L"501", .title = L"中性笔", .desc = L"0.5mm 黑色", .outer_id = L"WJ001",
                 .prod_picture = L"http://img.example/501.jpg"};
    EXPECT_EQ(net.UpdateTBProdData(db, ItemFields(item), L""), 1);
    item.sku_id = L"11";
    item.sku_val = L"颜色:红色";
    item.prod_picture = L"http://img.example/501-red.jpg";
    EXPECT_EQ(net.UpdateTBProdData(db, ItemFields(item), L"11"), 1);
    item.sku_val = L"颜色:大红";
    EXPECT_EQ(net.UpdateTBProdData(db, ItemFields(item), L"11"), 1);  // replaces only that variant
    EXPECT_EQ(net.GetProdToVYR(db, L"501", L"11", L""), L"");  // not mapped yet
    ASSERT_EQ(Map(L"501", L"11", Product(L"中性笔", L"WJ001")), 1);
    EXPECT_EQ(net.GetProdToVYR(db, L"501", L"11", L""), L"http://img.example/501-red.jpg");
    EXPECT_EQ(net.UpdateTBProdVYRField(db, L"501", 1), 0);
    EXPECT_EQ(net.GetTPProdToVYR(db, L"501", L"11", L"").getIntField(L"PicDownload"), 1);

    CStringArray shortItem = ItemFields(item);
    shortItem.SetSize(20);
    EXPECT_EQ(net.UpdateTBProdData(db, shortItem, L"11"), -1);
    EXPECT_EQ(Joined(TakeLog()), "UpdateTBProdData() ERR: num_iid=501,sku_id=11\r\n宝贝数据不完整：应有21项，只有20项！\n");
    EXPECT_EQ(Rows(L"SELECT num_iid, sku_id, title, \"desc\", outer_id, sku_val FROM net_tbprod ORDER BY sku_id"),
              L"501||中性笔|0.5mm 黑色|WJ001|; 501|11|中性笔|0.5mm 黑色|WJ001|颜色:大红");
}

TEST_F(NetMapping, ShopProfileSenderAndLogistics) {
    NetShop shop{.sid = L"88", .title = L"城东文具", .desc = L"文具批发零售", .state = L"浙江省", .city = L"杭州市",
                 .district = L"西湖区", .address = L"文三路1号", .zip = L"310012"};
    EXPECT_EQ(net.UpdateTBShopInfoData(db, ShopFields(shop), error), 1) << error;
    EXPECT_EQ(Rows(L"SELECT sid, title, \"desc\", zip FROM net_tbshop"), L"88|城东文具|文具批发零售|310012");
    // The first profile gives the sender address; later ones leave it to the shop.
    EXPECT_EQ(Rows(L"SELECT sender_name, sender_state, sender_city, sender_district, sender_address, sender_zip, "
                   L"lastupdate FROM net_tbaddress"),
              L"|浙江省|杭州市|西湖区|文三路1号|310012|2013-05-06 14:03:09");
    EXPECT_EQ(net.UpdateSenderAddr(db, L"张店长", L"13900000000", L"310013", L"浙江省", L"杭州市", L"拱墅区", L"湖墅南路2号"), 1);
    shop.title = L"城东文具旗舰店";
    EXPECT_EQ(net.UpdateTBShopInfoData(db, ShopFields(shop), error), 1);
    EXPECT_EQ(Rows(L"SELECT title FROM net_tbshop"), L"城东文具旗舰店");
    EXPECT_EQ(FieldsOf(net.GetSenderAddr(db), {L"sender_name", L"sender_district", L"sender_zip"}), L"张店长|拱墅区|310013");
    EXPECT_EQ(Count(L"net_tbaddress"), 1);
    EXPECT_EQ(net.UpdataTBShopInfoData(db, L"城东文具", L"文三路1号"), 0);
    EXPECT_EQ(Rows(L"SELECT CompanyName, StoreAddress FROM SystemInfo"), L"城东文具|文三路1号");

    // Logistics companies: added when new, or the list replaced.
    const NetRows first = LogisticsCompanyRows({{L"1", L"YTO", L"圆通速递"}, {L"2", L"STO", L"申通快递"}});
    EXPECT_EQ(net.InsertCompany(db, first, 2, error), 1);
    EXPECT_EQ(net.InsertCompany(db, LogisticsCompanyRows({{L"2", L"STO", L"申通"}, {L"3", L"EMS", L"邮政"}}), 2, error), 1);
    EXPECT_EQ(ListOf(net.GetCompanyInfo(db, error), L"name"), L"圆通速递,申通快递,邮政");
    EXPECT_EQ(net.UpdateCompany(db, first, 1, error), 1);
    EXPECT_EQ(ListOf(net.GetCompanyInfo(db, error), L"name"), L"圆通速递");
    EXPECT_EQ(net.UpdateCompany(db, {{L"9", L"SF"}}, 1, error), -1);
    EXPECT_EQ(error, L"第1行物流公司数据不完整：应有3项，只有2项！");
    EXPECT_EQ(ListOf(net.GetDeliveryComInfo(db, L"圆通速递", error), L"code"), L"YTO");

    // Regions: the children of a region, and a region's id within its parent.
    Exec(
        L"INSERT INTO net_tbcity(id, name, parent_id) VALUES ('330000','浙江省','1'), ('330100','杭州市','330000'), "
        L"('330200','宁波市','330000'), ('330106','西湖区','330100'), ('350100','西湖区','350000')");
    EXPECT_EQ(ListOf(net.GetCityInfo(db, L"浙江省", error), L"name"), L"杭州市,宁波市");
    EXPECT_TRUE(net.GetCityInfo(db, L"火星", error).eof());
    EXPECT_EQ(net.GetCityInfoByName(db, L"西湖区", L"杭州市", L"", error), L"330106");
    EXPECT_EQ(net.GetCityInfoByName(db, L"西湖区", L"宁波市", L"", error), L"");
    EXPECT_EQ(net.GetCityInfoByName(db, L"杭州市", L"", L"", error), L"330100");
}

TEST_F(NetMapping, TheOlderBulkOrderStore) {
    Exec(L"INSERT INTO net_billmain(tid) VALUES('old'); INSERT INTO net_billitem(tid) VALUES('old')");
    // The receiver and the line's own number are not columns of the bulk form.
    const NetOrder order{.tid = L"1001", .buyer_message = L"包装好", .receiver_name = L"王小二"};
    const NetRows lines = {
        BulkOrderLineFields({.tid = L"1001", .oid = L"1", .num_iid = L"501", .sku_id = L"11", .outer_iid = L"WJ001"})};
    EXPECT_EQ(lines[0].size(), 14u);
    EXPECT_EQ(net.UpdateTBBillData(db, BulkOrderFields(order), lines, 1, error), 1) << error;
    EXPECT_EQ(Rows(L"SELECT (SELECT COUNT(*) FROM net_billmain) + (SELECT COUNT(*) FROM net_billitem), tid, "
                   L"buyer_message, receiver_name, local_status FROM net_tbbillmain"),
              L"0|1001|包装好||0");
    EXPECT_EQ(Rows(L"SELECT tid, num_iid, sku_id, outer_iid, oid FROM net_tbbillitem"), L"1001|501|11|WJ001|");
    EXPECT_EQ(net.UpdateTBBillData(db, BulkOrderFields(order), {}, 0, error), -1);
    EXPECT_EQ(Joined(TakeLog()), "ERR: UpdateTBBillData()\r\n DataRows is NULL\n");
}

}  // namespace
