#pragma once

#include <string>

namespace shopbiz {

// The directory of the running program, ending with "/"; "./" when it cannot be read.
// After SetProgramDirectory, the directory given there instead.
std::wstring ProgramDirectory();

// Points the program directory elsewhere (tests use a temporary directory, so that nothing
// they read or write lies beside the real program). A missing "/" at the end is added; an
// empty text goes back to the running program's own directory.
void SetProgramDirectory(const std::wstring& directory);

}  // namespace shopbiz
