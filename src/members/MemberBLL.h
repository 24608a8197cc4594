#pragma once
// VIP members, their levels and their points.

#include "frame/ServiceTypes.h"
#include "frame/SysBLL.h"

class CMemberBLL {
    SHOPBIZ_STATELESS_SERVICE(CMemberBLL)

private:
    CSysBLL m_sysBLL;  // the shared helpers; holds no state
};
