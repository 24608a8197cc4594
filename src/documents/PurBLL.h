#pragma once
// Purchase bills: goods in, money out.

#include "frame/ServiceTypes.h"

class CPurBLL {
    SHOPBIZ_STATELESS_SERVICE(CPurBLL)
};
