#pragma once
// What the database component has thrown on the calling thread. A step that ran services
// which answer an error with a failure value alone (an empty result set, 0, false) can still
// tell that something failed inside it, and with which message.

#include "platform/CString.h"

namespace shopbiz::detail {

// Errors thrown on this thread since it started; compare two readings.
unsigned long DatabaseErrorsThrown();
// The message of the last of them ("" when there was none).
CString LastDatabaseError();

}  // namespace shopbiz::detail
