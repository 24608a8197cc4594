#pragma once
// Receivables and payables reports.

#include "frame/ServiceTypes.h"

class CRecPayBLL {
    SHOPBIZ_STATELESS_SERVICE(CRecPayBLL)
};
