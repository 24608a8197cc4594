#include "frame/ShopSchema.h"

#include "platform/TextCodec.h"

namespace shopbiz {

void CreateShopSchema(CppSQLite3DB& db) {
    const std::wstring sql = Utf8ToWide(kShopSchemaSql);
    db.execDML(L"BEGIN;");
    try {
        db.execDML(sql.c_str());
        db.execDML(L"COMMIT;");
    } catch (...) {
        try {
            db.execDML(L"ROLLBACK;");
        } catch (...) {
        }
        throw;
    }
}

}  // namespace shopbiz
