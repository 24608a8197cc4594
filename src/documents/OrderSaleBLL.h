#pragma once
// Sale orders: taken with a deposit, delivered by sale bills.

#include "frame/ServiceTypes.h"

class COrderSaleBLL {
    SHOPBIZ_STATELESS_SERVICE(COrderSaleBLL)
};
