#pragma once
// Online marketplace orders, refunds, shops and product mappings.

#include "frame/ServiceTypes.h"

class CNetDataBLL {
    SHOPBIZ_STATELESS_SERVICE(CNetDataBLL)
};
