#pragma once
// Customers, suppliers and contacts with their balances.

#include "frame/ServiceTypes.h"

class CCustomerBLL {
    SHOPBIZ_STATELESS_SERVICE(CCustomerBLL)
};
