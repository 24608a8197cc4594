#include "CommandLine.h"

#include <algorithm>
#include <iostream>

namespace shopbiz::app {

namespace {

bool IsOptionWord(const std::string& word) { return word.size() > 1 && word[0] == '-'; }

const Option* FindOption(const Command& command, const std::string& name) {
    for (const Option& option : command.options)
        if (name == option.name) return &option;
    return nullptr;
}

int BadArguments(const Command& command, const std::string& problem) {
    std::cerr << "shopbiz " << command.name << ": " << problem << "\n" << UsageLine(command) << "\n"
              << "(shopbiz " << command.name << " --help tells more)\n";
    return kBadArguments;
}

// Two columns: a head padded to a common width, then its text.
void PrintColumns(std::ostream& out, const std::vector<std::pair<std::string, std::string>>& rows) {
    size_t width = 0;
    for (const auto& row : rows) width = std::max(width, row.first.size());
    for (const auto& [head, text] : rows) out << "  " << head << std::string(width - head.size() + 2, ' ') << text << '\n';
}

}  // namespace

std::optional<int> ReadCommandLine(const Command& command, const std::vector<std::string>& words, Invocation& out) {
    out = Invocation{};
    bool optionsEnded = false;
    for (size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        if (optionsEnded || !IsOptionWord(word)) {
            out.args.push_back(word);
            continue;
        }
        if (word == "--") {
            optionsEnded = true;
            continue;
        }
        if (word == "--help" || word == "-h") {
            PrintCommandHelp(command, std::cout);
            return kDone;
        }
        const size_t equals = word.find('=');
        const std::string name = word.substr(0, equals);
        const Option* option = FindOption(command, name);
        if (!option) return BadArguments(command, "unknown option '" + word + "'");
        if (!option->value) {
            if (equals != std::string::npos) return BadArguments(command, name + " takes no value");
            out.options[name] = "";
        } else if (equals != std::string::npos) {
            out.options[name] = word.substr(equals + 1);
        } else if (i + 1 < words.size()) {
            out.options[name] = words[++i];
        } else {
            return BadArguments(command, name + " needs a value (" + option->value + ")");
        }
    }
    if (out.args.size() < command.arguments.size()) {
        return BadArguments(command, "missing " + std::string(command.arguments[out.args.size()].name));
    }
    if (out.args.size() > command.arguments.size()) {
        return BadArguments(command, "unexpected argument '" + out.args[command.arguments.size()] + "'");
    }
    for (size_t i = 0; i < command.arguments.size(); ++i) {
        if (out.args[i].empty()) return BadArguments(command, std::string(command.arguments[i].name) + " is empty");
    }
    return std::nullopt;
}

std::string UsageLine(const Command& command) {
    std::string line = std::string("usage: shopbiz ") + command.name;
    for (const Option& option : command.options)
        line += std::string(" [") + option.name + (option.value ? std::string(" ") + option.value : "") + "]";
    for (const Argument& argument : command.arguments) line += std::string(" ") + argument.name;
    return line;
}

void PrintCommandHelp(const Command& command, std::ostream& out) {
    out << UsageLine(command) << "\n\n" << command.description << "\n";
    std::vector<std::pair<std::string, std::string>> rows;
    for (const Argument& argument : command.arguments) rows.emplace_back(argument.name, argument.help);
    if (!rows.empty()) {
        out << "\narguments:\n";
        PrintColumns(out, rows);
    }
    rows.clear();
    for (const Option& option : command.options)
        rows.emplace_back(std::string(option.name) + (option.value ? std::string(" ") + option.value : ""), option.help);
    rows.emplace_back("--help, -h", "show this help");
    rows.emplace_back("--", "end of options: what follows is an argument even if it starts with '-'");
    out << "\noptions:\n";
    PrintColumns(out, rows);
    out << "\nexit codes: 0 done, 1 failed (the reason is printed), 2 bad arguments\n";
}

void PrintProgramHelp(std::ostream& out) {
    out << "usage: shopbiz COMMAND [OPTIONS] ARGUMENTS\n"
           "       shopbiz COMMAND --help\n"
           "       shopbiz --version\n\n"
           "commands:\n";
    std::vector<std::pair<std::string, std::string>> rows;
    for (const Command* command : AllCommands()) {
        std::string head = command->name;
        for (const Argument& argument : command->arguments) head += std::string(" ") + argument.name;
        rows.emplace_back(head, command->summary);
    }
    PrintColumns(out, rows);
    out << "\nexit codes: 0 done, 1 failed (the reason is printed), 2 bad arguments\n"
           "The library's log goes to PATH.log beside the shop database.\n";
}

}  // namespace shopbiz::app
