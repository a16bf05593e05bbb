// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/command_line.h"

#include "core/version.h"

#include <cstdio>
#include <cstring>

namespace {

const char kUsage[] = "Usage: ondrel [-T] [--settings]\n"
                      "Shows the Sporadic-E alerts of NICT's ionospheric alert page in a small\n"
                      "window. Settings, a single fetch, watching from a terminal and the\n"
                      "logged readings: see ondrel-cli --help.\n"
                      "\n"
                      "The window has one row per ionosonde (Wakkanai, Kokubunji, Yamagawa,\n"
                      "Ogimi) with Fmax, Fmin and Es in MHz, each green (quiet), yellow\n"
                      "(caution), red (alert) or pale cyan (missing) as the page signals it, and\n"
                      "a last row summing up each column. The caption tells the Es state and the\n"
                      "time to the next reload; the page is reloaded every 3 minutes (unless\n"
                      "changed) counted from the quarter hour. A click on the header, or F1,\n"
                      "shows a short description.\n"
                      "\n"
                      "Keys:\n"
                      "  F5          reload now\n"
                      "  Ctrl+T      set the reload period (Return sets it, Esc cancels)\n"
                      "  Ctrl+H      the Es history of the last day or more\n"
                      "  Ctrl+M      the Es map: where each band's Es reaches from each\n"
                      "              ionosonde, with your locator the area a contact could\n"
                      "              come from, and the stations WSJT-X and JTDX hear\n"
                      "  Ctrl+,      the settings window\n"
                      "  1 to 4, 0   a station's ionogram page (0: all four) beside the window\n"
                      "  Ctrl+0      back to the compact window\n"
                      "  F1          the short description\n"
                      "\n"
                      "Settings (the settings window, or ondrel-cli settings set KEY VALUE):\n"
                      "  ESHome      your Maidenhead locator (PM95vq), for the paths on the map\n"
                      "  ESLang      en for English texts, ja (the default) for Japanese; read\n"
                      "              at start\n"
                      "  ESHost      where to fetch the alert page from (http://127.0.0.1:8000)\n"
                      "  ESDecodeUdp WSJT-X's or JTDX's UDP server to hear their decodes\n"
                      "              (127.0.0.1:2237, or a multicast group 224.0.0.1:2237)\n"
                      "  ESLogFile   ADIF logs to show and check (default: WSJT-X's and JTDX's)\n"
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
