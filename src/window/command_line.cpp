// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/command_line.h"

#include "core/version.h"

#include <cstdio>
#include <cstring>

namespace {

const char kUsage[] = "Usage: ondrel [-T]\n"
                      "Shows the Sporadic-E alerts of NICT's ionospheric alert page in a small\n"
                      "window. Settings, a single fetch, watching from a terminal and the\n"
                      "logged readings: see ondrel-cli --help.\n"
                      "\n"
                      "Options:\n"
                      "  -T, -t      keep the window in front of all others\n"
                      "  --settings  open the settings window (the running copy's, if one runs)\n"
                      "  -h, --help  show this text\n"
                      "  --version   show the version\n";

} // namespace

std::optional<int> answerCommandLine(int argc, char* argv[])
{
    for (int i = 1; i < argc; ++i) {
        const char* argument = argv[i];
        if (std::strcmp(argument, "-h") == 0 || std::strcmp(argument, "--help") == 0) {
            std::fputs(kUsage, stdout);
            return 0;
        }
        // Any other text without "--" is start-up's to read (-T).
        if (std::strncmp(argument, "--", 2) != 0 || std::strcmp(argument, kSettingsOption) == 0)
            continue;
        if (std::strcmp(argument, "--version") == 0) {
            std::fputs("ondrel " ONDREL_VERSION "\n", stdout);
            return 0;
        }
        std::fprintf(stderr, "ondrel: unknown option %s\n%s", argument, kUsage);
        return 2;
    }
    return std::nullopt;
}

bool takeSettingsOption(QStringList& arguments)
{
    return arguments.removeAll(QLatin1String(kSettingsOption)) > 0;
}

bool asksKeepInFront(const QString& arguments)
{
    return arguments.toUpper() == u"-T";
}
