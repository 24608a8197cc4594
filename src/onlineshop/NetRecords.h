#pragma once
// Marketplace data as readable records, and the arrays of texts in fixed positions that
// CNetDataBLL takes them in. A host fills a record by field name and hands over what the
// matching function builds, so that nobody counts positions by hand:
//
//     NetOrder order;
//     order.tid = L"2013050612345";
//     order.status = L"WAIT_SELLER_SEND_GOODS";
//     ...
//     CNetDataBLL().SaveOrderBill(db, OrderFields(order), lines, lineCount, error);
//
// The layouts (k...Columns) name the column each position fills; the service stores the
// arrays by the same lists. Every value is text, exactly as the marketplace sent it.

#include <array>
#include <vector>

#include "platform/CString.h"
#include "platform/CStringArray.h"

namespace shopbiz {

// One array of texts in fixed positions; an order's lines, or a list of them, as rows.
using NetFields = std::vector<CString>;
using NetRows = std::vector<NetFields>;

// --- Layouts: the column of each position -------------------------------------------------

// The order header of SaveOrderBill (net_tbbillmain).
inline constexpr std::array<const wchar_t*, 24> kNetOrderColumns = {
    L"buyer_memo",     L"consign_time",    L"receiver_zip",  L"buyer_message", L"receiver_address",  L"buyer_rate",
    L"receiver_phone", L"title",           L"alipay_no",     L"created",       L"total_fee",         L"tid",
    L"receiver_state", L"seller_nick",     L"payment",       L"status",        L"receiver_city",     L"pay_time",
    L"post_fee",       L"receiver_mobile", L"receiver_name", L"buyer_nick",    L"receiver_district", L"seller_rate"};

// An order line of SaveOrderBill (net_tbbillitem).
inline constexpr std::array<const wchar_t*, 13> kNetOrderLineColumns = {
    L"num",    L"title", L"price", L"payment", L"status", L"oid", L"total_fee", L"num_iid", L"sku_properties_name",
    L"sku_id", L"cid",   L"tid",   L"outer_id"};

// The older bulk order store (UpdateTBBillData): its header and its lines. A bulk line is 14
// texts wide; the last position is not read.
inline constexpr std::array<const wchar_t*, 16> kNetBulkOrderColumns = {
    L"seller_nick",  L"buyer_nick", L"title",     L"created",      L"tid",      L"seller_rate",
    L"buyer_rate",   L"status",     L"payment",   L"total_fee",    L"post_fee", L"pay_time",
    L"consign_time", L"buyer_memo", L"alipay_no", L"buyer_message"};
inline constexpr std::array<const wchar_t*, 13> kNetBulkOrderLineColumns = {
    L"num_iid",   L"title",  L"price",     L"num", L"total_fee", L"payment", L"sku_id", L"sku_properties_name",
    L"outer_iid", L"status", L"item_memo", L"cid", L"tid"};
inline constexpr int kNetBulkOrderLineWidth = 14;

// A refund of UpdateTBRefund (net_tbrefund): the marketplace's 26 fields, then the mapped
// local product and the item's outer code, which a host may leave off.
inline constexpr std::array<const wchar_t*, 28> kNetRefundColumns = {
    L"refund_id", L"sid",         L"refund_fee",   L"desc",        L"payment",         L"status",
    L"reason",    L"good_status", L"order_status", L"modified",    L"has_good_return", L"title",
    L"num",       L"created",     L"company_name", L"oid",         L"total_fee",       L"num_iid",
    L"sku_id",    L"sku_val",     L"tid",          L"seller_nick", L"buyer_nick",      L"price",
    L"address",   L"alipay_no",   L"local_prodid", L"outer_id"};
inline constexpr int kNetRefundMarketplaceFields = 26;

// The seller's shop of UpdateTBShopInfoData (net_tbshop).
inline constexpr std::array<const wchar_t*, 15> kNetShopColumns = {
    L"sid",  L"cid",      L"nick",    L"title", L"desc",     L"bulletin", L"country", L"state",
    L"city", L"district", L"address", L"zip",   L"pic_path", L"created",  L"modified"};

// An item (or item variant) of UpdateTBProdData (net_tbprod).
inline constexpr std::array<const wchar_t*, 21> kNetItemColumns = {
    L"num_iid",     L"title",        L"desc",        L"price",          L"cid",      L"seller_cids", L"props",
    L"outer_id",    L"list_time",    L"delist_time", L"approve_status", L"post_fee", L"express_fee", L"ems_fee",
    L"has_invoice", L"has_warranty", L"sku_id",      L"sku_outer_id",   L"sku_val",  L"last_update", L"prod_picture"};

// A logistics company of InsertCompany and UpdateCompany (net_tblogst).
inline constexpr std::array<const wchar_t*, 3> kNetLogisticsColumns = {L"id", L"code", L"name"};

// --- Records ----------------------------------------------------------------------------

// A marketplace order's header.
struct NetOrder {
    CString tid;     // the marketplace's order number
    CString status;  // "WAIT_SELLER_SEND_GOODS": paid, to be shipped
    CString seller_nick, buyer_nick, title, created, seller_rate, buyer_rate;
    CString payment, total_fee, post_fee, pay_time, consign_time, buyer_memo, buyer_message, alipay_no;
    CString receiver_name, receiver_state, receiver_city, receiver_district, receiver_address, receiver_zip,
        receiver_mobile, receiver_phone;
};

// One line of a marketplace order.
struct NetOrderLine {
    CString tid, oid;         // the order, and the line's own number
    CString num_iid, sku_id;  // the item, and its variant ("" for an item without variants)
    CString title, sku_properties_name, price, num, total_fee, payment, status;
    CString outer_id, outer_iid, item_memo, cid;
};

// A marketplace refund.
struct NetRefund {
    CString refund_id, tid, oid, num_iid, sku_id, sku_val;
    CString sid, refund_fee, desc, payment, status, reason, good_status, order_status, modified, has_good_return;
    CString title, num, created, company_name, total_fee, seller_nick, buyer_nick, price, address, alipay_no;
    CString local_prodid, outer_id;
};

// The seller's shop profile.
struct NetShop {
    CString sid, cid, nick, title, desc, bulletin, country, state, city, district, address, zip, pic_path, created,
        modified;
};

// One of the shop's marketplace items, or one variant of it (sku_id).
struct NetItem {
    CString num_iid, sku_id;
    CString title, desc, price, cid, seller_cids, props, outer_id, list_time, delist_time, approve_status, post_fee,
        express_fee, ems_fee, has_invoice, has_warranty, sku_outer_id, sku_val, last_update, prod_picture;
};

struct NetLogisticsCompany {
    CString id, code, name;
};

// --- The arrays -------------------------------------------------------------------------

NetFields OrderFields(const NetOrder& order);                          // SaveOrderBill's header
NetFields OrderLineFields(const NetOrderLine& line);                   // SaveOrderBill's line rows
NetFields BulkOrderFields(const NetOrder& order);                      // UpdateTBBillData's header
NetFields BulkOrderLineFields(const NetOrderLine& line);               // UpdateTBBillData's line rows
CStringArray RefundFields(const NetRefund& refund);                    // UpdateTBRefund, all 28 positions
NetFields ShopFields(const NetShop& shop);                             // UpdateTBShopInfoData
CStringArray ItemFields(const NetItem& item);                          // UpdateTBProdData
NetFields LogisticsCompanyFields(const NetLogisticsCompany& company);  // InsertCompany, UpdateCompany rows

// Rows of several records at once.
NetRows OrderLineRows(const std::vector<NetOrderLine>& lines);
NetRows LogisticsCompanyRows(const std::vector<NetLogisticsCompany>& companies);

}  // namespace shopbiz
