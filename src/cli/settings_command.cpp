// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/settings_command.h"

#include "cli/cli_io.h"
#include "cli/command_line.h"
#include "cli/settings_dir.h"
#include "core/refresh/message_boxes.h"
#include "core/settings/program_settings.h"
#include "core/settings/settings_store.h"
#include "core/system/procedure_failure.h"

#include <QRegularExpression>

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
    const QList<QCommandLineOption> declared{{QStringLiteral("dir"), {}, QStringLiteral("DIR")}};
    SettingsArgs parsed;
    for (const CommandArg& arg : readCommandLine(declared, args, DoubleDash::EndsOptions)) {
        if (arg.kind == CommandArg::Kind::Argument) {
            parsed.words.append(arg.arg);
        } else if (arg.kind == CommandArg::Kind::Unknown) {
            printError(QStringLiteral("settings: unknown option %1").arg(arg.arg));
            return std::nullopt;
        } else {
            if (parsed.directory || !arg.value || arg.value->isEmpty()) {
                printError(QStringLiteral("settings: --dir needs one non-empty DIR"));
                return std::nullopt;
            }
            parsed.directory = arg.value;
            if (!isSettingsDirectory(QStringLiteral("settings"), *parsed.directory))
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

// Keeps the store's failure box, for a sentence of the tool's own.
class KeptFailure : public MessageBoxes {
public:
    void show(const QString& text, const QString&, Icon) override { m_text = text; }
    void showTimed(const QString& text, const QString&, int, std::function<void()> closed) override
    {
        m_text = text;
        if (closed)
            closed();
    }

    // The cause the box gives after its number and its run-time phrase:
    // "IPT 5 Invalid procedure call or argument: key name unusable" gives
    // "key name unusable".
    QString cause() const { return causeOf(m_text); }

    static QString causeOf(const QString& failure)
    {
        static const QRegularExpression numbered(QStringLiteral("^I[GP]T \\d+ "));
        QString text = failure;
        text.remove(numbered);
        const qsizetype colon = text.indexOf(QStringLiteral(": "));
        return colon < 0 ? text : text.mid(colon + 2);
    }

private:
    QString m_text;
};

int printPath(SettingsStore& store)
{
    try {
        printOut((store.settingsPath() + u'\n').toUtf8());
        return ExitOk;
    } catch (const ProcedureFailure& e) {
        printError(QStringLiteral("settings: cannot tell where the settings file is: %1.")
                       .arg(KeptFailure::causeOf(QString::fromUtf8(e.what()))));
        return ExitOutcome;
    }
}

int printValue(SettingsStore& store, const KeptFailure& failure, const QString& key)
{
    const std::optional<QString> value = ProgramSettings(store).text(key);
    if (store.lastCallFailed()) {
        printError(QStringLiteral("settings: cannot read %1: %2.").arg(key, failure.cause()));
        return ExitOutcome;
    }
    if (value) {
        printOut((*value + u'\n').toUtf8());
        return ExitOk;
    }
    const std::optional<SettingMeaning> known = settingMeaning(key);
    printError(known ? QStringLiteral("settings: %1 is not set; the program uses %2.")
                           .arg(known->key, known->missing)
                     : QStringLiteral("settings: %1 is not set.").arg(key));
    return ExitNotSet;
}

int storeValue(SettingsStore& store, const KeptFailure& failure, const QString& key,
               const QString& value)
{
    ProgramSettings(store).setText(key, value);
    if (store.lastCallFailed()) {
        // A file that could not be written was told already, by the store.
        if (!failure.cause().isEmpty())
            printError(
                key == u"NEW"
                    ? QStringLiteral("settings: cannot reset the settings: %1.")
                          .arg(failure.cause())
                    : QStringLiteral("settings: cannot store %1: %2.").arg(key, failure.cause()));
        return ExitOutcome;
    }
    // The file is the user's: an odd value is kept, but the user hears what
    // the program makes of it.
    const std::optional<SettingMeaning> known = settingMeaning(key);
    if (known && !known->uses(value))
        printError(QStringLiteral("settings: %1 \"%2\" is stored, but the program takes %3 and %4.")
                       .arg(known->key, value, known->takes, known->unusable));
    return ExitOk;
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

    KeptFailure failure;
    SettingsStore store = settingsIn(parsed->directory, failure);
    const QString& verb = words.first();
    if (verb == u"path")
        return printPath(store);
    if (verb == u"get")
        return printValue(store, failure, words.at(1));
    return storeValue(store, failure, words.at(1), words.at(2));
}
