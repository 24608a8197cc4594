// CNetDataBLL: the seller's shop profile, the sender address shipments carry, and the
// store's own name and address.
#include "onlineshop/NetDataBLL.h"
#include "onlineshop/NetSupport.h"

using namespace shopbiz;

namespace {

// Positions of the shop array that give a first sender address.
enum ShopPosition { kShopState = 7, kShopCity = 8, kShopDistrict = 9, kShopAddress = 10, kShopZip = 11 };

bool HasSenderRow(CppSQLite3DB& db) { return db.execScalar(L"SELECT COUNT(*)  FROM  net_tbaddress;") != 0; }

}  // namespace

int CNetDataBLL::UpdateTBShopInfoData(CppSQLite3DB& db, const NetFields& shop, CString& error) {
    ServiceLock lock;
    error = L"";
    const CString record = L"sid=" + (shop.empty() ? CString() : shop[0]);
    const CString missing = MissingFields(L"店铺数据", shop.size(), kNetShopColumns.size());
    if (!missing.IsEmpty()) return ReportNetFailure(L"UpdateTBShopInfoData", record, missing, &error);

    return Guard(
        Report(error).LogAs({ErrorText::WithStatement(L"Err: UpdateTBShopInfoData()\r\n%s;\r\nsql=%s")}), -1, [&] {
            db.execDML(L" DELETE FROM net_tbshop;");
            db.execDML(NetInsert(L"net_tbshop", kNetShopColumns, shop));
            if (!HasSenderRow(db))
                db.execDML(
                    Sql(L"INSERT INTO net_tbaddress (sender_state,sender_city,sender_district,"
                        L"sender_address,sender_zip,lastupdate) VALUES ('%s','%s','%s','%s','%s','%s')",
                        Quoted(shop[kShopState]), Quoted(shop[kShopCity]), Quoted(shop[kShopDistrict]),
                        Quoted(shop[kShopAddress]), Quoted(shop[kShopZip]), Quoted(CSysBLL().GetTimeNowLong())));
            return 1;
        });
}

int CNetDataBLL::UpdataTBShopInfoData(CppSQLite3DB& db, CString storeName, CString storeAddress) {
    ServiceLock lock;
    return Guard(Log(ErrorText::WithStatement(L"UpdataTBShopInfoData() ERR:\r\n%s\r\nsql=%s")), -1, [&] {
        return db.execDML(
            Sql(L"UPDATE SystemInfo SET CompanyName='%s',StoreAddress='%s' ", Quoted(storeName), Quoted(storeAddress)));
    });
}

int CNetDataBLL::UpdateSenderAddr(CppSQLite3DB& db, CString sender_name, CString sender_mobile, CString sender_zip,
                                  CString sender_state, CString sender_city, CString sender_district,
                                  CString sender_address) {
    ServiceLock lock;
    return Guard(Log(ErrorText(L"UpdateSenderAddr 异常：%s")), -1, [&] {
        if (!HasSenderRow(db))
            db.execDML(
                Sql(L"INSERT INTO net_tbaddress (sender_name,sender_mobile,sender_zip,sender_state,sender_city,"
                    L"sender_district,sender_address,lastupdate) VALUES "
                    L"('%s','%s','%s','%s','%s','%s','%s','%s')",
                    Quoted(sender_name), Quoted(sender_mobile), Quoted(sender_zip), Quoted(sender_state),
                    Quoted(sender_city), Quoted(sender_district), Quoted(sender_address),
                    Quoted(CSysBLL().GetTimeNowLong())));
        else  // one row: no filter
            db.execDML(
                Sql(L"UPDATE net_tbaddress SET sender_name='%s',sender_mobile='%s',sender_zip='%s',"
                    L"sender_state='%s',sender_city='%s',sender_district='%s',sender_address='%s'",
                    Quoted(sender_name), Quoted(sender_mobile), Quoted(sender_zip), Quoted(sender_state),
                    Quoted(sender_city), Quoted(sender_district), Quoted(sender_address)));
        return 1;
    });
}

CppSQLite3Query CNetDataBLL::GetSellerInfo(CppSQLite3DB& db, CString, CString& error) {
    ServiceLock lock;
    error = L"";
    return Guard(Report(error).LogAs({ErrorText::WithStatement(L"GetSellerInfo() ERR:\r\n%s\r\nsql=%s")}),
                 CppSQLite3Query(), [&] { return db.execQuery(L"Select *from net_tbaddress"); });
}

CppSQLite3Query CNetDataBLL::GetSenderAddr(CppSQLite3DB& db) {
    ServiceLock lock;
    return Guard(Log(ErrorText::WithStatement(L"GetSenderAddr() ERR:\r\n%s\r\nsql=%s")), CppSQLite3Query(),
                 [&] { return db.execQuery(L"select * from net_tbaddress limit 1"); });
}
