#pragma once
// Sale bills: goods out, money in.

#include "frame/ServiceTypes.h"

class CSaleBLL {
    SHOPBIZ_STATELESS_SERVICE(CSaleBLL)
};
