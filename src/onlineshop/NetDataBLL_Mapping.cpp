// CNetDataBLL: the shop's marketplace items and their mapping to local products. An item
// (num_iid) is mapped as a whole (sku_id "") or per variant; an order can be shipped once
// every line's item is mapped.
#include "masterdata/BaseBLL.h"
#include "masterdata/ProductsSupport.h"
#include "onlineshop/NetDataBLL.h"
#include "onlineshop/NetSupport.h"
#include "platform/Numbers.h"
#include "stock/StocksBLL.h"

using namespace shopbiz;

namespace {

// " AND sku_id='...' " for a variant, nothing for the whole item.
SqlText VariantCondition(const wchar_t* column, const CString& skuID) {
    return skuID.IsEmpty() ? SqlText() : Sql(L" AND %s='%s' ", column, Quoted(skuID));
}

int MappingCount(CppSQLite3DB& db, const CString& numIid, const CString& skuID) {
    return db.execScalar(Sql(L" SELECT COUNT(*) FROM net_tbprodvyr WHERE num_iid='%s'", Quoted(numIid)) +
                         VariantCondition(L"sku_id", skuID));
}

void InsertMapping(CppSQLite3DB& db, const CString& numIid, const CString& productID, const CString& skuID) {
    db.execDML(Sql(L" INSERT INTO net_tbprodvyr (num_iid,prodid,sku_id) VALUES('%s','%s','%s');", Quoted(numIid),
                   Quoted(productID), Quoted(skuID)));
}

}  // namespace

CppSQLite3Query CNetDataBLL::AddNetProd(CppSQLite3DB& db, CString ProductName, CString ProductCode) {
    ServiceLock lock;
    // Names are stored made safe everywhere, so that a sale bill naming the product finds it.
    MakeSafe({&ProductName, &ProductCode});
    if (ProductName.IsEmpty()) return CppSQLite3Query();
    return Guard(Log(ErrorText::WithStatement(L"AddNetProd() ERR:\r\n%s\r\nsql=%s")), CppSQLite3Query(), [&] {
        const QuotedSlot name = Quoted(ProductName);
        int productID = 0;
        if (db.execScalar(Sql(L" SELECT COUNT(*) FROM Products WHERE ProductName='%s';", name)) > 0) {
            CppSQLite3Query found = db.execQuery(Sql(L" SELECT * FROM Products WHERE ProductName='%s';", name));
            productID = found.getIntField(L"ProductID");
            const bool disabled = found.getIntField(L"IsDisable") == 1;
            const CString entry = ProductEntryOf(found);
            found.finalize();
            if (disabled) {
                db.execDML(Sql(L" UPDATE Products SET IsDisable=0 WHERE ProductID=%d", productID));
                WriteProdCache(db, kProdAdded, entry);
            }
        } else {
            // An ordinary product of the default type, with its (empty) opening row.
            const CString searchCode = SearchCodeOf(ProductName);
            const CString typeName = CBaseBLL().GetDefaultTypeName(db);
            db.execDML(
                Sql(L"INSERT INTO Products(ProductName,ProductCode,SearchCode,TypeID,TypeName)"
                    L"VALUES('%s','%s','%s',2,'%s');",
                    name, Quoted(ProductCode), Quoted(searchCode), Quoted(typeName)));
            productID = db.execScalar(Sql(L" SELECT ProductID  FROM Products WHERE ProductName='%s';", name));
            CSysBLL sys;
            sys.AddOperateData(db, L"Products", L"ProductName", ProductName, L"A");
            WriteProdCache(db, kProdAdded, ProductEntry(searchCode, ProductName, typeName));
            CStocksBLL().AddStockVirtual(db, sys.GetTimeNowShort(), productID, ProductName, ProductCode, typeName, L"",
                                         L"0", L"0");
        }
        return db.execQuery(Sql(L" SELECT * FROM Products WHERE ProductID=%d", productID));
    });
}

CString CNetDataBLL::GetLocalProdID(CppSQLite3DB& db, CString num_iid, CString ProductCode, CString sku_id,
                                    CString desc1, CString desc2) {
    ServiceLock lock;
    if (num_iid.IsEmpty()) return L"0";
    return Guard(Log(ErrorText::WithStatement(L"GetLocalProdID() ERR:\r\n%s\r\nsql=%s")), CString(L"0"), [&] {
        CppSQLite3Query mapping =
            db.execQuery(Sql(L" SELECT *  FROM  net_tbprodvyr WHERE num_iid='%s' ", Quoted(num_iid)) +
                         VariantCondition(L"sku_id", sku_id));
        if (!mapping.eof()) return mapping.getStringField(L"prodid");
        mapping.finalize();
        // A product with the item's outer code serves without a mapping.
        if (!ProductCode.IsEmpty()) {
            CppSQLite3Query product =
                db.execQuery(Sql(L" SELECT * FROM Products WHERE ProductCode='%s'", Quoted(ProductCode)));
            if (!product.eof()) return product.getStringField(L"ProductID");
        }
        CppSQLite3Query made = AddNetProd(db, Fmt(L"%s %s %s", desc1, desc2, num_iid), ProductCode);
        if (made.eof()) return CString(L"0");
        const CString productID = made.getStringField(L"ProductID");
        made.finalize();
        InsertMapping(db, num_iid, productID, sku_id);
        return productID;
    });
}

bool CNetDataBLL::GetLocalProdBySkuID(CppSQLite3DB& db, CString num_iid, CString sku_id, CString& prodid,
                                      CString& ProductCode, CString& ProductName) {
    ServiceLock lock;
    prodid = ProductCode = ProductName = L"";
    return Guard(Log(ErrorText::WithStatement(L"err:%s,sql:%s")), false, [&] {
        const QuotedSlot item = Quoted(num_iid);
        CppSQLite3Query mapping =
            db.execQuery(Sql(L"SELECT * FROM net_tbprodvyr WHERE num_iid='%s' AND sku_id='%s' ", item, Quoted(sku_id)));
        // Any mapping of the item serves a variant without its own; the whole item's first.
        if (mapping.eof())
            mapping = db.execQuery(
                Sql(L"SELECT * FROM net_tbprodvyr WHERE num_iid='%s' ORDER BY sku_id, rowid", item));
        if (mapping.eof()) return false;
        prodid = mapping.getStringField(L"prodid");
        mapping.finalize();
        CppSQLite3Query product =
            db.execQuery(Sql(L"SELECT ProductCode, ProductName FROM Products WHERE ProductID='%s'", Quoted(prodid)));
        ProductCode = product.getStringField(L"ProductCode");
        ProductName = product.getStringField(L"ProductName");
        return true;
    });
}

int CNetDataBLL::UpdateTBProdVYR(CppSQLite3DB& db, CString num_iid, CString sku_id, CString prodid, CString ProductName,
                                 CString ProductCode, CString& error) {
    ServiceLock lock;
    error = L"";
    if (num_iid.IsEmpty()) return 0;
    const CString record = Fmt(L"num_iid=%s,sku_id=%s", num_iid, sku_id);
    int productID = 0;
    prodid.Trim();
    if (!prodid.IsEmpty() && !IsWholeNumber(prodid, false, &productID))
        return ReportNetFailure(L"UpdateTBProdVYR", record, Fmt(L"货品ID[%s]不是有效的数字！", prodid), &error);
    if (prodid.IsEmpty() && CString(ProductName).Trim().IsEmpty())
        return ReportNetFailure(L"UpdateTBProdVYR", record, L"货品名称为空，无法建立货品对应关系！", &error);

    const OnError form =
        Report(error).LogAs({ErrorText::StatementAndMessage(L"UpdateTBProdVYR() ERR:\r\n sql=%s\r\n%s")});
    return Guard(form, -1, [&] {
        if (!prodid.IsEmpty() &&
            db.execScalar(Sql(L"SELECT COUNT(*) FROM Products WHERE ProductID=%d", productID)) == 0)
            return ReportNetFailure(L"UpdateTBProdVYR", record, Fmt(L"货品ID[%s]不存在！", prodid), &error);
        Transaction tx(db);
        if (prodid.IsEmpty()) {
            CppSQLite3Query product = AddNetProd(db, ProductName, ProductCode);
            if (product.eof())  // nothing of the call is kept
                return ReportNetFailure(L"UpdateTBProdVYR", record, Fmt(L"新增货品[%s]失败!", ProductName), &error);
            productID = product.getIntField(L"ProductID");
        }
        if (sku_id.IsEmpty())  // the whole item: its variants' mappings go too
            db.execDML(Sql(L" DELETE FROM net_tbprodvyr WHERE num_iid='%s'  ", Quoted(num_iid)));
        else
            db.execDML(Sql(L" DELETE FROM net_tbprodvyr WHERE num_iid='%s'  AND sku_id='%s'  ", Quoted(num_iid),
                           Quoted(sku_id)));
        InsertMapping(db, num_iid, Fmt(L"%d", productID), sku_id);
        tx.Commit();
        return 1;
    });
}

int CNetDataBLL::UpdateTBProdVYRField(CppSQLite3DB& db, CString num_iid, int flag) {
    ServiceLock lock;
    return Guard(Log(ErrorText::WithStatement(L"UpdateTBProdVYRField() ERR:\r\n%s\r\nsql=%s")), -1, [&] {
        return db.execDML(
            Sql(L"Update net_tbprodvyr set pictureIsdownload=%d where num_iid='%s'", flag, Quoted(num_iid)));
    });
}

CString CNetDataBLL::GetProdToVYR(CppSQLite3DB& db, CString num_iid, CString sku_id, CString) {
    ServiceLock lock;
    return Guard(Log(ErrorText::WithStatement(L"GetProdToVYR() ERR:\r\n%s\r\nsql=%s")), CString(), [&] {
        if (MappingCount(db, num_iid, sku_id) == 0) return CString();
        return db.execScalarStr(Sql(L" SELECT A.prod_picture AS PicUrl FROM net_tbprod AS A, net_tbprodvyr AS B WHERE "
                                    L"B.num_iid='%s' AND A.num_iid=B.num_iid",
                                    Quoted(num_iid)) +
                                VariantCondition(L"A.sku_id", sku_id));
    });
}

CppSQLite3Query CNetDataBLL::GetTPProdToVYR(CppSQLite3DB& db, CString num_iid, CString sku_id, CString ProductCode) {
    ServiceLock lock;
    return Guard(Log(ErrorText::WithStatement(L"%s,sql=%s")), CppSQLite3Query(), [&] {
        if (MappingCount(db, num_iid, sku_id) > 0)
            return db.execQuery(
                Sql(L" SELECT A.ProductID,A.ProductName,A.ProductCode,A.SearchCode, B.sku_id AS SkuID , 1 AS Status "
                    L",B.pictureIsdownload as PicDownload FROM Products AS A, net_tbprodvyr AS B WHERE B.num_iid='%s' "
                    L"AND A.ProductID=B.prodid",
                    Quoted(num_iid)) +
                VariantCondition(L"sku_id", sku_id));
        return db.execQuery(
            Sql(L" SELECT ProductID,ProductName,ProductCode,SearchCode, '' AS SkuID , 0 AS Status,0 "
                L"as PicDownload FROM Products WHERE ProductCode='%s';",
                Quoted(ProductCode)));
    });
}

int CNetDataBLL::UpdateTBProdData(CppSQLite3DB& db, const CStringArray& fields, CString sku_id) {
    ServiceLock lock;
    const NetFields item = FieldsOf(fields);
    const CString numIid = item.empty() ? CString() : item[0];
    const CString record = Fmt(L"num_iid=%s,sku_id=%s", numIid, sku_id);
    const CString missing = MissingFields(L"宝贝数据", item.size(), kNetItemColumns.size());
    if (!missing.IsEmpty()) return ReportNetFailure(L"UpdateTBProdData", record, missing);
    if (CString(numIid).Trim().IsEmpty())
        return ReportNetFailure(L"UpdateTBProdData", record, L"宝贝编号(num_iid)为空！");

    return Guard(Log(ErrorText::WithStatement(L"Err: UpdateTBProdData()\r\n%s\r\n%s")), -1, [&] {
        if (sku_id.IsEmpty())
            db.execDML(Sql(L" DELETE FROM [net_tbprod] WHERE num_iid='%s' ;", Quoted(numIid)));
        else
            db.execDML(
                Sql(L" DELETE FROM [net_tbprod] WHERE num_iid='%s' AND sku_id='%s' ;", Quoted(numIid), Quoted(sku_id)));
        db.execDML(NetInsert(L"net_tbprod", kNetItemColumns, item));
        return 1;
    });
}
