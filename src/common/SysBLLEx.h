#pragma once
// A second set of the date conversions, for callers that keep their own helper object.

#include "frame/ServiceTypes.h"

class CSysBLLEx {
    SHOPBIZ_STATELESS_SERVICE(CSysBLLEx)
};
