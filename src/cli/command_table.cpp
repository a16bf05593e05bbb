// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/command_table.h"

#include "cli/cli_help.h"
#include "cli/fetch_command.h"
#include "cli/heard_command.h"
#include "cli/history_command.h"
#include "cli/log_command.h"
#include "cli/map_command.h"
#include "cli/parse_command.h"
#include "cli/reach_command.h"
#include "cli/settings_command.h"
#include "cli/skill_command.h"
#include "cli/watch_command.h"

const std::vector<const CliCommand*>& cliCommands()
{
    static const std::vector<const CliCommand*> commands{
        &parseCommand(),   &fetchCommand(), &settingsCommand(), &watchCommand(),
        &historyCommand(), &heardCommand(), &logCommand(),      &skillCommand(),
        &reachCommand(),   &mapCommand(),   &helpCommand(),
    };
    return commands;
}

const CliCommand* findCliCommand(const QString& name)
{
    for (const CliCommand* command : cliCommands()) {
        if (command->name == name)
            return command;
    }
    return nullptr;
}
