// The demo's month: a small stationery and household shop stocks up, sells over the counter
// and on account, takes a return, and settles with its partners.
#include "demo/DemoShop.h"

namespace shopbiz::app::demo {

void PostTheMonth(Shop& shop, const std::function<void(const char* stage)>& stage) {
    stage("setting up the shop: accounts, partners, products");
    shop.OpenDay(1, 8);
    shop.Industry();
    shop.ProductType(L"文具");
    shop.ProductType(L"日用品");
    shop.ProductType(L"饮料");
    shop.Account(L"工商银行", L"中国工商银行城东支行", L"6222 0210 0100 8888", 20000);
    shop.Partner(L"华联文具批发", 2, L"王经理", L"0571-88001234", 0);
    shop.Partner(L"光明日用品公司", 2, L"陈小姐", L"0571-88115566", 1200);
    shop.Partner(L"城东小学", 1, L"刘老师", L"13800571234", 300);
    shop.Partner(L"李记便利店", 1, L"李老板", L"13900578888", 0);

    //            name          code      type      unit   in     price  whole  2nd unit coefficient
    shop.Product(L"中性笔0.5mm", L"WJ001", L"文具", L"支", 1.20, 2.50, 2.00, L"盒", L"12");
    shop.Product(L"练习本A5", L"WJ002", L"文具", L"本", 1.50, 3.00, 2.40, L"箱", L"100");
    shop.Product(L"2B铅笔", L"WJ003", L"文具", L"支", 0.60, 1.50, 1.00, L"盒", L"10");
    shop.Product(L"洗衣粉1kg", L"RY001", L"日用品", L"袋", 9.80, 15.00, 13.00, L"箱", L"10");
    shop.Product(L"抽纸三层", L"RY002", L"日用品", L"包", 3.20, 5.50, 4.60, L"箱", L"24");
    shop.Product(L"矿泉水550ml", L"YL001", L"饮料", L"瓶", 0.85, 2.00, 1.40, L"箱", L"24");

    stage("stocking up: purchases");
    shop.Purchase(2, L"华联文具批发", L"工商银行",
                  {{L"中性笔0.5mm", L"支", L"盒", 12, 20, 14.40},
                   {L"练习本A5", L"本", L"箱", 100, 3, 150.00},
                   {L"2B铅笔", L"支", L"盒", 10, 30, 6.00}},
                  600.00);
    shop.Purchase(3, L"光明日用品公司", L"工商银行",
                  {{L"洗衣粉1kg", L"袋", L"箱", 10, 5, 98.00}, {L"抽纸三层", L"包", L"箱", 24, 4, 76.80}}, 500.00);
    // A supplier named for the first time is created by the bill; a line bought at a 10% discount.
    shop.Purchase(4, L"清泉饮品经销部", L"现金", {{L"矿泉水550ml", L"瓶", L"箱", 24, 20, 18.36, 0.9}}, 367.20);

    stage("selling: counter sales, sales on account, a return");
    for (int day = 5; day <= 28; day += 3) {
        shop.CounterSale(day, 11,
                         {{L"中性笔0.5mm", L"支", L"支", 1, 6.0 + day % 4, 2.50},
                          {L"矿泉水550ml", L"瓶", L"瓶", 1, 10.0 + day, 2.00},
                          {L"抽纸三层", L"包", L"包", 1, 2, 5.50}});
    }
    // Customers on account: a bill discount, part paid now.
    shop.Sale(6, 15, L"城东小学", L"工商银行",
              {{L"练习本A5", L"本", L"箱", 100, 1, 240.00}, {L"2B铅笔", L"支", L"盒", 10, 10, 10.00}}, 95, 200.00);
    shop.Sale(9, 14, L"李记便利店", L"现金",
              {{L"洗衣粉1kg", L"袋", L"箱", 10, 2, 130.00}, {L"矿泉水550ml", L"瓶", L"箱", 24, 5, 33.60}}, 98,
              300.00);
    // A customer named for the first time is created by the bill; nothing paid yet.
    shop.Sale(12, 10, L"阳光幼儿园", L"",
              {{L"2B铅笔", L"支", L"支", 1, 60, 1.00}, {L"练习本A5", L"本", L"本", 1, 40, 2.40}}, 100, 0);
    // Part of the school's order comes back.
    shop.Sale(14, 9, L"城东小学", L"工商银行", {{L"练习本A5", L"本", L"本", 1, -20, 2.40}}, 100, -48.00, L"2");
    shop.Sale(20, 16, L"李记便利店", L"现金", {{L"抽纸三层", L"包", L"箱", 24, 2, 110.40, 0.95}}, 100, 100.00);

    stage("the online shop: a day of marketplace orders, a refund");
    shop.OnlineShop();
    //               item      variant  title                     variant text  price  local product
    shop.OnlineItem(L"6001", L"", L"中性笔0.5mm 12支装", L"", 28.00, L"中性笔0.5mm");
    shop.OnlineItem(L"6002", L"", L"A5练习本", L"", 3.00, L"练习本A5");
    shop.OnlineItem(L"6002", L"60021", L"A5练习本 横线", L"款式:横线", 3.00, L"练习本A5");
    shop.OnlineItem(L"6003", L"", L"三层抽纸", L"", 5.50, L"抽纸三层");
    // The orders of one evening, saved as they come in, shipped and posted the next morning.
    shop.OnlineOrder(26, 20, L"3380001", L"杭州小陈", {{L"6001", L"", L"中性笔0.5mm", 12, 2.40}});
    shop.OnlineOrder(26, 21, L"3380002", L"文具控阿May",
                     {{L"6002", L"60021", L"A5练习本 横线", 10, 3.00}, {L"6003", L"", L"三层抽纸", 4, 5.50}});
    shop.OnlineOrder(26, 22, L"3380003", L"宁波老周", {{L"6002", L"", L"A5练习本", 20, 2.90}});
    shop.OpenDay(27, 9);
    shop.ShipOnlineOrder(L"3380001", L"圆通速递", L"YT8800012601");
    shop.ShipOnlineOrder(L"3380002", L"圆通速递", L"YT8800012602");
    shop.ShipOnlineOrder(L"3380003", L"申通快递", L"ST6600012603");
    // Two of the notebooks come back.
    shop.OnlineRefund(28, L"9100001", L"3380002", {L"6002", L"60021", L"A5练习本 横线", 2, 3.00});

    stage("settling: receipts from customers, payments to suppliers");
    shop.Receipt(18, L"城东小学", L"工商银行", 150.00);
    shop.Receipt(25, L"阳光幼儿园", L"现金", 100.00);
    shop.Payment(21, L"华联文具批发", L"工商银行", 300.00);
    shop.Payment(27, L"光明日用品公司", L"工商银行", 800.00);

    stage("restocking what sold well");
    shop.Purchase(24, L"清泉饮品经销部", L"现金", {{L"矿泉水550ml", L"瓶", L"箱", 24, 10, 20.40}}, 204.00);
}

}  // namespace shopbiz::app::demo
