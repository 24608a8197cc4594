#pragma once
// Online marketplace orders, refunds, shops and product mappings.
//
// The host downloads from the marketplace and hands the values over as arrays of texts in
// fixed positions (build them with onlineshop/NetRecords.h); this service keeps them in the
// net_ tables exactly as received, lists them back, maps marketplace items to local products
// and posts orders and refunds as sale bills. Every method holds the library lock and catches
// database errors: they are logged, reported in the error text where the method has one, and
// give the failure value (-1, false, "" or an empty result set). An array that is too short,
// or a posting with amounts that are no numbers, is refused before anything is written.
//
// Transactions are savepoints: the postings, SaveOrderBill, UpdateTBRefund, UpdateCompany,
// DeleteOrderBill and UpdateTBProdVYR nest inside a transaction of the host's and undo only
// their own work on a database error.

#include "frame/ServiceTypes.h"
#include "onlineshop/NetRecords.h"

class CNetDataBLL {
    SHOPBIZ_STATELESS_SERVICE(CNetDataBLL)

public:
    // --- Posting orders and refunds as sale bills ---
    // Posts the saved order `tid` as a sale bill of type 3 to the shop's system customer
    // "淘宝网客户" (made when missing) under the operator "taobao_order", and marks the order posted with the
    // bill's code and the time; `BillCode` (in: the code wanted, may be empty) receives the
    // bill's code. Items are sale item rows (CSaleBLL::InsertBill). The new SaleID, or
    // InsertBill's failure value (-1, -2) with what that posting left kept and the order left
    // unposted; -1 with nothing written for an unknown or already posted order, amounts or
    // item numbers that are no numbers or rows that are too short, and after a database error
    // (everything of the call rolled back). Every failure is logged with the order's tid.
    int InsertTBBillToSaleBill(CppSQLite3DB& db, CString& BillCode, CString SettleAcctName, CString BillDate,
                               CString BillAmount, CString DiscountAmount, CString DiscountRate, CString GetAmount,
                               CString Remark, const BillItemRows& items, int itemCount, CString unused, CString tid);
    // The same for the saved refund `refund_id`: a sale bill of type 4 (the host passes the
    // returned quantities and the money paid back as negative numbers, as on a return).
    int InsertRefundToSaleBill(CppSQLite3DB& db, CString BillCode, CString SettleAcctName, CString BillDate,
                               CString BillAmount, CString DiscountAmount, CString DiscountRate, CString GetAmount,
                               CString Remark, const BillItemRows& items, int itemCount, CString unused,
                               CString refund_id);

    // --- Storing what was downloaded ---
    // Replaces the order (24 texts, OrderFields) and its lines (the first `rowCount` rows of
    // 13 texts, OrderLineFields), saved now and unposted: saving a posted order again makes
    // it unposted. 1, or -1 with the error text.
    int SaveOrderBill(CppSQLite3DB& db, const shopbiz::NetFields& header, const shopbiz::NetRows& lines, int rowCount,
                      CString& error);
    // The older bulk form: empties net_billmain and net_billitem and adds the order (16 texts,
    // BulkOrderFields) and its lines (14 texts, BulkOrderLineFields) without replacing
    // anything. No transaction. 1, or -1 (no lines given: nothing done).
    int UpdateTBBillData(CppSQLite3DB& db, const shopbiz::NetFields& header, const shopbiz::NetRows& lines,
                         int rowCount, CString& error);
    // Replaces the refund (RefundFields: 26 to 28 texts, in column order) unless it is posted.
    // 1 stored, 0 already posted (nothing written), -1 refused or on a database error.
    int UpdateTBRefund(CppSQLite3DB& db, const CStringArray& fields, CString unused);
    // Replaces the shop's profile (15 texts, ShopFields); the first time also makes the sender
    // address from the shop's. 1, or -1 with the error text.
    int UpdateTBShopInfoData(CppSQLite3DB& db, const shopbiz::NetFields& shop, CString& error);
    // The store's name and address (SystemInfo). Statement status, -1 on a database error.
    int UpdataTBShopInfoData(CppSQLite3DB& db, CString storeName, CString storeAddress);
    // Adds the logistics companies (rows of 3 texts: id, code, name) whose id is new. 1, or -1.
    int InsertCompany(CppSQLite3DB& db, const shopbiz::NetRows& rows, int rowCount, CString& error);
    // Replaces the list of logistics companies. 1, or -1 with the list as it was.
    int UpdateCompany(CppSQLite3DB& db, const shopbiz::NetRows& rows, int rowCount, CString& error);
    // The one sender row: made when missing, else rewritten. 1, or -1.
    int UpdateSenderAddr(CppSQLite3DB& db, CString sender_name, CString sender_mobile, CString sender_zip,
                         CString sender_state, CString sender_city, CString sender_district, CString sender_address);
    // Corrects an order's receiver and records the logistics company and waybill it ships
    // with. 1; 0 when there is no such order; -1 on a database error.
    int UpdateReceiverAddr(CppSQLite3DB& db, CString receiver_name, CString receiver_mobile, CString receiver_zip,
                           CString receiver_state, CString receiver_city, CString receiver_district,
                           CString receiver_address, CString companycode, CString companyname, CString outerid,
                           CString tid, CString& error);
    // Deletes the order `tid` with its lines, posted or not; "" deletes every order waiting to
    // be shipped. 1, or -1.
    int DeleteTBBills(CppSQLite3DB& db, CString tid);
    // Deletes every order not posted, with its lines. 1, or -1 with nothing deleted.
    int DeleteOrderBill(CppSQLite3DB& db);

    // --- Reading ---
    // Orders waiting to be shipped; a keyword finds them by tid, buyer or a line's title.
    CppSQLite3Query QueryTBBillMain(CppSQLite3DB& db, CString keyword);
    CppSQLite3Query QueryTBBillItem(CppSQLite3DB& db, CString tid);
    // The lines waiting to be shipped of the seller's unposted orders, each with its order's
    // columns: oid, num_iid, ProdName, ProdPrice, ProdCount, ProdAmount, ProdPayment, sku_id,
    // sku_properties_name. `tids` ("'1','2'", the quotes optional) and `keyword` (buyer or
    // title) narrow them when given; `count` receives how many there are. The fourth and
    // sixth texts are not read.
    CppSQLite3Query GetOrderBillsData(CppSQLite3DB& db, CString seller_nick, CString tids, CString keyword,
                                      CString unused4, int& count, CString unused6, CString& error);
    CppSQLite3Query GetOrderBillByID(CppSQLite3DB& db, CString tid, CString& error);
    // The order's lines waiting to be shipped; `count` receives how many.
    CppSQLite3Query GetOrderBillItemByID(CppSQLite3DB& db, CString tid, int& count, CString& error);
    CppSQLite3Query GetRefundByID(CppSQLite3DB& db, CString refund_id);
    // The sender address; the first text is not read.
    CppSQLite3Query GetSellerInfo(CppSQLite3DB& db, CString unused, CString& error);
    CppSQLite3Query GetSenderAddr(CppSQLite3DB& db);
    // Logistics companies: all of them, or the one of that name.
    CppSQLite3Query GetCompanyInfo(CppSQLite3DB& db, CString& error);
    CppSQLite3Query GetDeliveryComInfo(CppSQLite3DB& db, CString name, CString& error);
    // The regions below the region of that name (none for an unknown name).
    CppSQLite3Query GetCityInfo(CppSQLite3DB& db, CString name, CString& error);
    // The id of the region of that name, within the region named `parentName` when one is
    // given; "" when there is none. The third text is not read.
    CString GetCityInfoByName(CppSQLite3DB& db, CString name, CString parentName, CString unused, CString& error);
    // When orders were last saved ("" before the first): where the next download goes on.
    CString GetLastDT(CppSQLite3DB& db);
    // True when the order has lines and every line's item is mapped to a local product.
    bool IsCanDeliver(CppSQLite3DB& db, CString tid);

    // --- Mapping marketplace items to local products ---
    // The local ProductID (as text) of the item (variant): its mapping; else the product whose
    // code is the item's outer code (not recorded as a mapping); else a product named
    // "desc1 desc2 num_iid" found or made, and mapped. "0" when none can be had.
    CString GetLocalProdID(CppSQLite3DB& db, CString num_iid, CString ProductCode, CString sku_id, CString desc1,
                           CString desc2);
    // The mapping of the variant, else the item's other mapping (the whole item's first): the
    // product's ID, code and name.
    bool GetLocalProdBySkuID(CppSQLite3DB& db, CString num_iid, CString sku_id, CString& prodid, CString& ProductCode,
                             CString& ProductName);
    // Maps the item (one variant, or with "" the whole item, replacing its variants' mappings)
    // to the product `prodid`, or to the product named so (found or made) when `prodid` is "".
    // 1; 0 for an empty num_iid; -1 refused (an unknown product, a product without a name) or
    // on a database error, with nothing changed.
    int UpdateTBProdVYR(CppSQLite3DB& db, CString num_iid, CString sku_id, CString prodid, CString ProductName,
                        CString ProductCode, CString& error);
    // Marks whether the item's picture is in its product's pictures. Statement status, -1.
    int UpdateTBProdVYRField(CppSQLite3DB& db, CString num_iid, int flag);
    // Where the mapped item's picture is; "" when the item is not mapped. The third text is
    // not read.
    CString GetProdToVYR(CppSQLite3DB& db, CString num_iid, CString sku_id, CString unused);
    // The local product of the item for the mapping screen: ProductID, ProductName,
    // ProductCode, SearchCode, SkuID, Status (1 mapped, 0 only a product with the code) and
    // PicDownload.
    CppSQLite3Query GetTPProdToVYR(CppSQLite3DB& db, CString num_iid, CString sku_id, CString ProductCode);
    // Replaces the item (with `sku_id`: that variant) by the 21 texts of ItemFields. 1, or -1.
    int UpdateTBProdData(CppSQLite3DB& db, const CStringArray& fields, CString sku_id);
    // The Products row of the product of that name: found (and enabled again) or made in the
    // default type with its opening ledger row. Empty for an empty name.
    CppSQLite3Query AddNetProd(CppSQLite3DB& db, CString ProductName, CString ProductCode);
};
