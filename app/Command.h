#pragma once
// A command of the host program: its name, what it takes, its help, and the function that
// runs it. Every command lives in a file of its own under commands/ and is listed once in
// the registry (Commands.cpp); the command line is read for it by CommandLine.cpp.

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace shopbiz::app {

// Exit codes of the program.
constexpr int kDone = 0;
constexpr int kFailed = 1;        // the reason is printed on stderr
constexpr int kBadArguments = 2;  // the usage is printed on stderr

enum class ArgumentKind {
    Path,  // a file name: must not be empty
    Text,  // any text that is not empty
};

struct Argument {
    const char* name;  // as shown in the usage, e.g. "PATH"
    ArgumentKind kind;
    const char* help;
};

struct Option {
    const char* name;   // "--month"
    const char* value;  // shown in the usage, e.g. "YYYY-MM"; nullptr for a flag without a value
    const char* help;
};

// The command line as read for one command.
struct Invocation {
    std::vector<std::string> args;               // the arguments, in the order the command declares them
    std::map<std::string, std::string> options;  // the options given; a flag maps to ""

    bool Has(const std::string& option) const { return options.count(option) != 0; }
    std::string OptionValue(const std::string& option, const std::string& fallback = "") const {
        auto it = options.find(option);
        return it == options.end() ? fallback : it->second;
    }
};

struct Command {
    const char* name;
    const char* summary;      // one line in the list of commands
    const char* description;  // what `shopbiz NAME --help` explains below the usage
    std::vector<Argument> arguments;
    std::vector<Option> options;  // --help is every command's own and is not listed here
    int (*run)(const Invocation& invocation);
};

// Every command, in the order the help lists them.
const std::vector<const Command*>& AllCommands();
const Command* FindCommand(std::string_view name);

}  // namespace shopbiz::app
