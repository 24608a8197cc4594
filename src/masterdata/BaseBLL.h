#pragma once
// Product types, units and other base data, income and expense projects.

#include "frame/ServiceTypes.h"
#include "frame/SysBLL.h"

class CBaseBLL {
    SHOPBIZ_STATELESS_SERVICE(CBaseBLL)

private:
    CSysBLL m_sysBLL;  // the shared helpers; holds no state
};
