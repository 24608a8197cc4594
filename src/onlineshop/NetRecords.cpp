// Marketplace records into the arrays of texts the online shop service takes: each record
// names its fields by column, and the layout puts each column at its position.
#include "onlineshop/NetRecords.h"

#include <cwchar>
#include <stdexcept>
#include <utility>

namespace shopbiz {

namespace {

template <class Record>
using Member = std::pair<const wchar_t*, CString Record::*>;

// The record's value of each column of the layout, at that column's position; `width`
// leaves room for positions that are not read.
template <class Record, size_t N>
NetFields Place(const Record& record, const std::array<const wchar_t*, N>& layout,
                const std::vector<Member<Record>>& members, size_t width = N) {
    NetFields fields(width);
    for (size_t position = 0; position < N; ++position) {
        bool found = false;
        for (const auto& [column, member] : members)
            if (std::wcscmp(column, layout[position]) == 0) {
                fields[position] = record.*member;
                found = true;
                break;
            }
        // A layout column without its field is a mistake in this file, never the caller's.
        if (!found) throw std::logic_error("marketplace record lacks a column of its layout");
    }
    return fields;
}

CStringArray AsArray(const NetFields& fields) {
    CStringArray array;
    for (const CString& f : fields) array.Add(f);
    return array;
}

#define SHOPBIZ_WIDE_TEXT(text) L##text
#define SHOPBIZ_WIDE(text) SHOPBIZ_WIDE_TEXT(text)
#define SHOPBIZ_FIELD(Record, name) Member<Record>(SHOPBIZ_WIDE(#name), &Record::name)

const std::vector<Member<NetOrder>>& OrderMembers() {
#define F(name) SHOPBIZ_FIELD(NetOrder, name)
    static const std::vector<Member<NetOrder>> members = {F(tid),
                                                          F(status),
                                                          F(seller_nick),
                                                          F(buyer_nick),
                                                          F(title),
                                                          F(created),
                                                          F(seller_rate),
                                                          F(buyer_rate),
                                                          F(payment),
                                                          F(total_fee),
                                                          F(post_fee),
                                                          F(pay_time),
                                                          F(consign_time),
                                                          F(buyer_memo),
                                                          F(buyer_message),
                                                          F(alipay_no),
                                                          F(receiver_name),
                                                          F(receiver_state),
                                                          F(receiver_city),
                                                          F(receiver_district),
                                                          F(receiver_address),
                                                          F(receiver_zip),
                                                          F(receiver_mobile),
                                                          F(receiver_phone)};
#undef F
    return members;
}

const std::vector<Member<NetOrderLine>>& OrderLineMembers() {
#define F(name) SHOPBIZ_FIELD(NetOrderLine, name)
    static const std::vector<Member<NetOrderLine>> members = {
        F(tid),       F(oid),     F(num_iid), F(sku_id),   F(title),     F(sku_properties_name), F(price), F(num),
        F(total_fee), F(payment), F(status),  F(outer_id), F(outer_iid), F(item_memo),           F(cid)};
#undef F
    return members;
}

}  // namespace

NetFields OrderFields(const NetOrder& order) { return Place(order, kNetOrderColumns, OrderMembers()); }

NetFields OrderLineFields(const NetOrderLine& line) { return Place(line, kNetOrderLineColumns, OrderLineMembers()); }

NetFields BulkOrderFields(const NetOrder& order) { return Place(order, kNetBulkOrderColumns, OrderMembers()); }

NetFields BulkOrderLineFields(const NetOrderLine& line) {
    return Place(line, kNetBulkOrderLineColumns, OrderLineMembers(), kNetBulkOrderLineWidth);
}

CStringArray RefundFields(const NetRefund& refund) {
#define F(name) SHOPBIZ_FIELD(NetRefund, name)
    return AsArray(
        Place(refund, kNetRefundColumns,
              {F(refund_id),   F(tid),          F(oid),          F(num_iid),         F(sku_id),     F(sku_val),
               F(sid),         F(refund_fee),   F(desc),         F(payment),         F(status),     F(reason),
               F(good_status), F(order_status), F(modified),     F(has_good_return), F(title),      F(num),
               F(created),     F(company_name), F(total_fee),    F(seller_nick),     F(buyer_nick), F(price),
               F(address),     F(alipay_no),    F(local_prodid), F(outer_id)}));
#undef F
}

NetFields ShopFields(const NetShop& shop) {
#define F(name) SHOPBIZ_FIELD(NetShop, name)
    return Place(shop, kNetShopColumns,
                 {F(sid), F(cid), F(nick), F(title), F(desc), F(bulletin), F(country), F(state), F(city), F(district),
                  F(address), F(zip), F(pic_path), F(created), F(modified)});
#undef F
}

CStringArray ItemFields(const NetItem& item) {
#define F(name) SHOPBIZ_FIELD(NetItem, name)
    return AsArray(
        Place(item, kNetItemColumns,
              {F(num_iid),     F(sku_id),      F(title),       F(desc),        F(price),        F(cid),
               F(seller_cids), F(props),       F(outer_id),    F(list_time),   F(delist_time),  F(approve_status),
               F(post_fee),    F(express_fee), F(ems_fee),     F(has_invoice), F(has_warranty), F(sku_outer_id),
               F(sku_val),     F(last_update), F(prod_picture)}));
#undef F
}

NetFields LogisticsCompanyFields(const NetLogisticsCompany& company) {
#define F(name) SHOPBIZ_FIELD(NetLogisticsCompany, name)
    return Place(company, kNetLogisticsColumns, {F(id), F(code), F(name)});
#undef F
}

NetRows OrderLineRows(const std::vector<NetOrderLine>& lines) {
    NetRows rows;
    for (const NetOrderLine& line : lines) rows.push_back(OrderLineFields(line));
    return rows;
}

NetRows LogisticsCompanyRows(const std::vector<NetLogisticsCompany>& companies) {
    NetRows rows;
    for (const NetLogisticsCompany& company : companies) rows.push_back(LogisticsCompanyFields(company));
    return rows;
}

}  // namespace shopbiz
