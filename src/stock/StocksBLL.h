#pragma once
// The stock ledger and the cost calculation.

#include "frame/ServiceTypes.h"

class CStocksBLL {
    SHOPBIZ_STATELESS_SERVICE(CStocksBLL)
};
