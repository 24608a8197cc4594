// Units and product types of the product service, found or created in the base data.
#include "masterdata/BaseBLL.h"
#include "masterdata/ProductsSupport.h"

namespace shopbiz {

namespace {
const int kUnits = 2;         // BaseData.BaseType of units
const int kProductTypes = 1;  // AdvancedBaseData.BaseType of product types
const int kTypeRoot = 1;      // new types hang below the root of the type tree
}  // namespace

int FindOrCreateUnit(CppSQLite3DB& db, const CString& unitName) {
    if (unitName.IsEmpty()) return 0;
    if (const int id = FindUnit(db, unitName)) return id;
    CString error;
    CBaseBLL().InsertBaseData(db, unitName, kUnits, error);
    return FindUnit(db, unitName);
}

int FindOrCreateProductType(CppSQLite3DB& db, const CString& typeName) {
    if (typeName.IsEmpty()) return 0;
    CBaseBLL base;
    CString error;
    if (!base.IsTypeExist(db, typeName, kProductTypes, error))
        base.InsertADBaseData(db, typeName, kProductTypes, kTypeRoot, error);
    return base.GetADBaseDataID(db, typeName, kProductTypes, error);
}

}  // namespace shopbiz
