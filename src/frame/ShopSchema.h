#pragma once
// The shop database's tables and the rows a new shop holds, compiled into the library.

#include "frame/CppSQLite3.h"

namespace shopbiz {

// The text of schema/shop.sql.
extern const char* const kShopSchemaSql;

// Creates every table and delivered row on an open, empty connection, in one transaction.
void CreateShopSchema(CppSQLite3DB& db);

}  // namespace shopbiz
