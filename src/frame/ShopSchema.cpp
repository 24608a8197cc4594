#include "frame/ShopSchema.h"

#include "frame/Transaction.h"
#include "platform/TextCodec.h"

namespace shopbiz {

void CreateShopSchema(CppSQLite3DB& db) {
    Transaction schema(db);
    db.execScript(Utf8ToWide(kShopSchemaSql).c_str());
    schema.Commit();
}

}  // namespace shopbiz
