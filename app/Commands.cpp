// The registry of the host program's commands. A new command is a file under commands/
// defining its Command object, and one line here.
#include "Command.h"

namespace shopbiz::app {

extern const Command kInitCommand;
extern const Command kStatusCommand;
extern const Command kSqlCommand;
extern const Command kDemoCommand;
extern const Command kCostCommand;
extern const Command kPrintCommand;
extern const Command kReportCommand;
extern const Command kSummaryCommand;

const std::vector<const Command*>& AllCommands() {
    static const std::vector<const Command*> commands = {
        &kInitCommand,
        &kStatusCommand,
        &kSqlCommand,
        &kDemoCommand,
        &kCostCommand,
        &kPrintCommand,
        &kReportCommand,
        &kSummaryCommand,
    };
    return commands;
}

const Command* FindCommand(std::string_view name) {
    for (const Command* command : AllCommands())
        if (name == command->name) return command;
    return nullptr;
}

}  // namespace shopbiz::app
