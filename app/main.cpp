// shopbiz: the command-line host of the shop library.
#include <iostream>

#include "Commands.h"

using namespace shopbiz::app;

namespace {

void PrintUsage(std::ostream& out) {
    out << "usage: shopbiz COMMAND ARGUMENTS\n\ncommands:\n";
    for (const Command& c : AllCommands()) {
        std::string head = std::string(c.name) + " " + c.arguments;
        out << "  " << head << std::string(head.size() < 28 ? 28 - head.size() : 1, ' ') << c.summary << '\n';
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        PrintUsage(std::cerr);
        return 2;
    }
    const std::string name = argv[1];
    if (name == "help" || name == "--help" || name == "-h") {
        PrintUsage(std::cout);
        return 0;
    }
    for (const Command& c : AllCommands()) {
        if (name != c.name) continue;
        Args args(argv + 2, argv + argc);
        if (args.size() != c.argumentCount) {
            std::cerr << "shopbiz " << c.name << ": expects " << c.arguments << "\n\n";
            PrintUsage(std::cerr);
            return 2;
        }
        return c.run(args);
    }
    std::cerr << "shopbiz: unknown command '" << name << "'\n\n";
    PrintUsage(std::cerr);
    return 2;
}
