#pragma once
// The print data table that the front end's print engine reads.

#include "frame/ServiceTypes.h"

class CPrintData {
    SHOPBIZ_STATELESS_SERVICE(CPrintData)
};
