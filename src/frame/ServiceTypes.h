#pragma once
// What every service header needs: the platform types, the database component and the
// shape that every service class shares.

#include <vector>

#include "frame/CppSQLite3.h"
#include "platform/COleDateTime.h"
#include "platform/CString.h"
#include "platform/CStringArray.h"
#include "platform/CTime.h"

// One bill line as a row of texts by position; a bill's lines as rows.
using BillItemRow = std::vector<CString>;
using BillItemRows = std::vector<BillItemRow>;

// Services hold no state: constructing, copying, assigning and destroying one does nothing.
#define SHOPBIZ_STATELESS_SERVICE(Name)              \
public:                                              \
    Name() {}                                        \
    Name(const Name&) {}                             \
    Name& operator=(const Name&) { return *this; }   \
    virtual ~Name() {}
