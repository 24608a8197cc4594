#pragma once
// The cash journal: income and expense lines and the month totals.

#include "frame/ServiceTypes.h"

class CAccountBLL {
    SHOPBIZ_STATELESS_SERVICE(CAccountBLL)
};
