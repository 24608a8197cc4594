# Turns schema/shop.sql into a C++ source holding it as one string.
# Usage: cmake -DIN=shop.sql -DOUT=ShopSchemaText.cpp -P EmbedSchema.cmake
file(READ ${IN} sql)
string(FIND "${sql}" ")shopsql\"" clash)
if(NOT clash EQUAL -1)
  message(FATAL_ERROR "schema text contains the raw-string delimiter")
endif()
file(WRITE ${OUT}.tmp
"// Generated from schema/shop.sql by cmake/EmbedSchema.cmake; do not edit.\n"
"namespace shopbiz { extern const char* const kShopSchemaSql; }\n"
"const char* const shopbiz::kShopSchemaSql = R\"shopsql(${sql})shopsql\";\n")
file(COPY_FILE ${OUT}.tmp ${OUT} ONLY_IF_DIFFERENT)
file(REMOVE ${OUT}.tmp)
