#pragma once
// Settlement accounts: cash and bank accounts with their balances.

#include "frame/ServiceTypes.h"

class CAccInfoBLL {
    SHOPBIZ_STATELESS_SERVICE(CAccInfoBLL)
};
