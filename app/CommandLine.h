#pragma once
// Reading the command line of one command, and the help texts.

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "Command.h"

namespace shopbiz::app {

// Reads the words after the command's name into `out`. Options come as "--name VALUE",
// "--name=VALUE" or "--name" for a flag; "--" ends the options, so "-- -x" passes "-x" as an
// argument. Returns nothing when the command should run; otherwise the exit code, after
// printing the command's help (--help, -h: 0) or what is wrong with the words (2): an
// unknown option, a missing option value, too few or too many arguments, an empty one.
std::optional<int> ReadCommandLine(const Command& command, const std::vector<std::string>& words, Invocation& out);

// "shopbiz NAME [--opt VALUE] ARG..."
std::string UsageLine(const Command& command);
void PrintCommandHelp(const Command& command, std::ostream& out);
// The program's usage with the list of commands.
void PrintProgramHelp(std::ostream& out);

}  // namespace shopbiz::app
