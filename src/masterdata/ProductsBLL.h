#pragma once
// Products, their prices and stock counters, and product queries.

#include "frame/ServiceTypes.h"

class CProductsBLL {
    SHOPBIZ_STATELESS_SERVICE(CProductsBLL)
};
