#pragma once

#include <string>

namespace shopbiz {

// The directory of the running program, ending with "/"; "./" when it cannot be read.
std::wstring ProgramDirectory();

}  // namespace shopbiz
