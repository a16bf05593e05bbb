#include "cli/settings_command.h"

#include "cli/cli_io.h"
#include "cli/stderr_message_boxes.h"
#include "support/program_directory.h"
#include "support/settings_store.h"
#include "support/text_helpers.h"

#include <optional>

namespace {

struct SettingsArgs {
    std::optional<QString> directory;
    QStringList words; // the verb and its operands
};

// Options start with "--"; anything else, "-15" included, is a word so
// that negative values need no quoting. "--" ends the options.
std::optional<SettingsArgs> parseArgs(const QStringList& args)
{
    SettingsArgs parsed;
    bool optionsEnded = false;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args.at(i);
        if (optionsEnded || !arg.startsWith(u"--")) {
            parsed.words.append(arg);
        } else if (arg == u"--") {
            optionsEnded = true;
        } else if (arg == u"--dir") {
            if (parsed.directory || i + 1 >= args.size() || args.at(i + 1).isEmpty()) {
                printError(QStringLiteral("settings: --dir needs one non-empty DIR"));
                return std::nullopt;
            }
            parsed.directory = args.at(++i);
        } else {
            printError(QStringLiteral("settings: unknown option %1").arg(arg));
            return std::nullopt;
        }
    }
    return parsed;
}

// How many operands each verb takes.
std::optional<qsizetype> operandCount(const QString& verb)
{
    if (verb == u"path")
        return 0;
    if (verb == u"get")
        return 1;
    if (verb == u"set")
        return 2;
    return std::nullopt;
}

} // namespace

int runSettingsCommand(const QStringList& args)
{
    const std::optional<SettingsArgs> parsed = parseArgs(args);
    if (!parsed)
        return ExitUsage;
    const QStringList& words = parsed->words;
    if (words.isEmpty()) {
        printError(QStringLiteral("settings: path, get KEY or set KEY VALUE expected"));
        return ExitUsage;
    }
    const std::optional<qsizetype> operands = operandCount(words.first());
    if (!operands || words.size() != *operands + 1) {
        printError(QStringLiteral("settings: path, get KEY or set KEY VALUE expected, not %1")
                       .arg(words.join(u' ')));
        return ExitUsage;
    }

    StderrMessageBoxes boxes;
    const std::optional<QString> directory = parsed->directory;
    SettingsStore store([directory] { return directory ? *directory : defaultProgramDirectory(); },
                        boxes);
    const QString& verb = words.first();
    if (verb == u"path") {
        try {
            printOut((store.settingsPath() + u'\n').toUtf8());
        } catch (const ProcedureFailure& e) {
            printError(QStringLiteral("settings: %1").arg(e.what()));
            return ExitOutcome;
        }
        return ExitOk;
    }
    store.IniSection = QStringLiteral("ESConf");
    if (verb == u"get") {
        QString value;
        store.IniGet(words.at(1), value);
        if (store.lastCallFailed())
            return ExitOutcome;
        printOut((value + u'\n').toUtf8());
        return ExitOk;
    }
    store.IniPut(words.at(1), words.at(2));
    return store.lastCallFailed() ? ExitOutcome : ExitOk;
}
