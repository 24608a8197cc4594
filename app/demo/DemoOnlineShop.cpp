// The demo's online shop: the front end hands what it downloaded from the marketplace to
// the library (shop profile, logistics companies, items, orders, a refund), maps the items
// to the shop's products, ships the orders and posts them and the refund as sale bills.
#include "demo/DemoShop.h"

namespace shopbiz::app::demo {

namespace {

const wchar_t* kSeller = L"城东文具便利店";
const wchar_t* kWaiting = L"WAIT_SELLER_SEND_GOODS";
const wchar_t* kOnlineAccount = L"支付宝";

CString Stamp(int day, int hour) {
    CString t;
    t.Format(L"%s %02d:00:00", Day(day), hour);
    return t;
}

// A sale item row for `count` of the product the marketplace item is mapped to, at `price`.
BillItemRow MappedRow(CppSQLite3DB& db, const CString& item, const CString& sku, double count, double price) {
    CString id, code, name;
    Check(CNetDataBLL().GetLocalProdBySkuID(db, item, sku, id, code, name), CString(L"online item ") + item,
          L"not mapped");
    CppSQLite3Query product = CProductsBLL().GetProductByName(db, name);
    Check(!product.eof(), CString(L"product of online item ") + item, L"missing");
    const CString unit = product.getStringField(L"UnitName");
    return {code, name, unit, Money(price), Money(count), Money(count * price), L"",
            L"",  unit, L"1", Money(count), Money(price), Money(price),         L"1"};
}

}  // namespace

void Shop::OnlineShop() {
    NetShop shop;
    shop.sid = L"62001";
    shop.nick = kSeller;
    shop.title = L"城东文具 网上小店";
    shop.state = L"浙江省";
    shop.city = L"杭州市";
    shop.district = L"上城区";
    shop.address = L"城东路18号";
    shop.zip = L"310002";
    CString error;
    CNetDataBLL net;
    Check(net.UpdateTBShopInfoData(db_, ShopFields(shop), error) == 1, L"online shop profile", error);
    const NetRows logistics = LogisticsCompanyRows({{L"101", L"YTO", L"圆通速递"}, {L"102", L"STO", L"申通快递"}});
    Check(net.UpdateCompany(db_, logistics, static_cast<int>(logistics.size()), error) == 1, L"logistics companies",
          error);
}

void Shop::OnlineItem(const wchar_t* item, const wchar_t* sku, const wchar_t* title, const wchar_t* variant,
                      double price, const wchar_t* product) {
    NetItem i;
    i.num_iid = item;
    i.sku_id = sku;
    i.title = title;
    i.sku_val = variant;
    i.price = Money(price);
    i.approve_status = L"onsale";
    CNetDataBLL net;
    Check(net.UpdateTBProdData(db_, ItemFields(i), sku) == 1, CString(L"online item ") + title, L"not stored");
    CppSQLite3Query local = CProductsBLL().GetProductByName(db_, product);
    Check(!local.eof(), CString(L"product ") + product, L"missing");
    CString error;
    Check(net.UpdateTBProdVYR(db_, item, sku, local.getStringField(L"ProductID"), L"", L"", error) == 1,
          CString(L"mapping of online item ") + title, error);
}

void Shop::OnlineOrder(int day, int hour, const wchar_t* tid, const wchar_t* buyer,
                       const std::vector<OnlineLine>& lines) {
    OpenDay(day, hour);
    double total = 0;
    std::vector<NetOrderLine> rows;
    for (size_t n = 0; n < lines.size(); ++n) {
        const OnlineLine& l = lines[n];
        NetOrderLine line;
        line.tid = tid;
        line.oid.Format(L"%s%02d", tid, static_cast<int>(n + 1));
        line.num_iid = l.item;
        line.sku_id = l.sku;
        line.title = l.title;
        line.price = Money(l.price);
        line.num = Money(l.count);
        line.total_fee = line.payment = Money(l.count * l.price);
        line.status = kWaiting;
        rows.push_back(line);
        total += l.count * l.price;
    }
    NetOrder order;
    order.tid = tid;
    order.status = kWaiting;
    order.seller_nick = kSeller;
    order.buyer_nick = buyer;
    order.title = kSeller;
    order.created = order.pay_time = Stamp(day, hour);
    order.total_fee = order.payment = Money(total);
    order.post_fee = L"0.00";
    order.receiver_name = buyer;
    order.receiver_state = L"浙江省";
    order.receiver_city = L"杭州市";
    CString error;
    Check(CNetDataBLL().SaveOrderBill(db_, OrderFields(order), OrderLineRows(rows), static_cast<int>(rows.size()),
                                      error) == 1,
          CString(L"online order ") + tid, error);
}

void Shop::ShipOnlineOrder(const wchar_t* tid, const wchar_t* logistics, const wchar_t* waybill) {
    CNetDataBLL net;
    CString error;
    Check(net.IsCanDeliver(db_, tid), CString(L"online order ") + tid, L"has items without a local product");
    CppSQLite3Query order = net.GetOrderBillByID(db_, tid, error);
    Check(!order.eof(), CString(L"online order ") + tid, error);
    const CString receiver = order.getStringField(L"receiver_name");
    const CString date = order.getStringField(L"pay_time").Left(10);
    order.finalize();
    CppSQLite3Query company = net.GetDeliveryComInfo(db_, logistics, error);
    Check(!company.eof(), CString(L"logistics company ") + logistics, error);
    Check(net.UpdateReceiverAddr(db_, receiver, L"13700000000", L"310000", L"浙江省", L"杭州市", L"西湖区",
                                 L"文三路" + CString(tid).Right(2) + L"号", company.getStringField(L"code"), logistics,
                                 waybill, tid, error) == 1,
          CString(L"shipping of online order ") + tid, error);

    // The bill's lines from the order's lines, each as the local product it is mapped to.
    BillItemRows items;
    double amount = 0;
    int count = 0;
    for (CppSQLite3Query line = net.GetOrderBillItemByID(db_, tid, count, error); !line.eof(); line.nextRow()) {
        const double n = line.getFloatField(L"num"), price = line.getFloatField(L"price");
        items.push_back(MappedRow(db_, line.getStringField(L"num_iid"), line.getStringField(L"sku_id"), n, price));
        amount += n * price;
    }
    CString code;
    const int saleID =
        net.InsertTBBillToSaleBill(db_, code, kOnlineAccount, date, Money(amount), Money(amount), L"100", Money(amount),
                                   CString(L"网店订单 ") + tid, items, static_cast<int>(items.size()), L"", tid);
    Check(saleID > 0, CString(L"posting of online order ") + tid, L"refused (see the log)");
    ++sales_;
    ++onlineOrders_;
}

void Shop::OnlineRefund(int day, const wchar_t* refundID, const wchar_t* tid, const OnlineLine& returned) {
    OpenDay(day, 10);
    const double amount = returned.count * returned.price;
    NetRefund refund;
    refund.refund_id = refundID;
    refund.tid = tid;
    refund.num_iid = returned.item;
    refund.sku_id = returned.sku;
    refund.title = returned.title;
    refund.num = Money(returned.count);
    refund.price = Money(returned.price);
    refund.refund_fee = refund.payment = Money(amount);
    refund.has_good_return = L"true";
    refund.good_status = L"BUYER_RETURNED_GOODS";
    refund.status = L"SUCCESS";
    refund.reason = L"颜色不喜欢";
    refund.created = refund.modified = Stamp(day, 10);
    CNetDataBLL net;
    Check(net.UpdateTBRefund(db_, RefundFields(refund), L"") == 1, CString(L"online refund ") + refundID,
          L"not stored");
    // The goods come back and the money goes back out: negative quantities and amounts.
    const BillItemRows items = {MappedRow(db_, returned.item, returned.sku, -returned.count, returned.price)};
    const int saleID =
        net.InsertRefundToSaleBill(db_, L"", kOnlineAccount, Day(day), Money(-amount), Money(-amount), L"100",
                                   Money(-amount), CString(L"网店退款 ") + refundID, items, 1, L"", refundID);
    Check(saleID > 0, CString(L"posting of online refund ") + refundID, L"refused (see the log)");
    ++sales_;
    ++onlineRefunds_;
}

}  // namespace shopbiz::app::demo
