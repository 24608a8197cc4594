// shopbiz: the command-line host of the shop library.
#include <iostream>

#include "CommandLine.h"

using namespace shopbiz::app;

int main(int argc, char** argv) {
    if (argc < 2) {
        PrintProgramHelp(std::cerr);
        return kBadArguments;
    }
    const std::string name = argv[1];
    if (name == "--help" || name == "-h" || name == "help") {
        if (name == "help" && argc == 3) {
            if (const Command* command = FindCommand(argv[2])) {
                PrintCommandHelp(*command, std::cout);
                return kDone;
            }
        }
        PrintProgramHelp(std::cout);
        return kDone;
    }
    if (name == "--version") {
        std::cout << "shopbiz " << SHOPBIZ_VERSION << '\n';
        return kDone;
    }
    const Command* command = FindCommand(name);
    if (!command) {
        std::cerr << "shopbiz: unknown command '" << name << "'\n\n";
        PrintProgramHelp(std::cerr);
        return kBadArguments;
    }
    Invocation invocation;
    if (auto exitCode = ReadCommandLine(*command, std::vector<std::string>(argv + 2, argv + argc), invocation))
        return *exitCode;
    return command->run(invocation);
}
