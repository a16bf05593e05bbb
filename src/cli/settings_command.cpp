// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/settings_command.h"

#include "cli/cli_io.h"
#include "cli/nearest_word.h"
#include "cli/settings_dir.h"
#include "core/refresh/message_boxes.h"
#include "core/settings/program_settings.h"
#include "core/settings/settings_store.h"
#include "core/system/procedure_failure.h"

#include <QRegularExpression>

#include <algorithm>
#include <optional>
#include <vector>

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
    for (const CommandArg& arg :
         readCommandLine(settingsCommand().options, args, settingsCommand().doubleDash)) {
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

const QString kVerbs = QStringLiteral("path, list, get KEY, set KEY VALUE or unset KEY");

// How many operands each verb takes.
std::optional<qsizetype> operandCount(const QString& verb)
{
    if (verb == u"path" || verb == u"list")
        return 0;
    if (verb == u"get" || verb == u"unset")
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

// The file is the user's: an odd key or value is kept, but the user hears
// what the program makes of it.
void warnIfUnused(const QString& key, const QString& value)
{
    const std::optional<SettingMeaning> known = settingMeaning(key);
    if (known) {
        if (!known->uses(value))
            printError(
                QStringLiteral("settings: %1 \"%2\" is stored, but the program takes %3 and %4.")
                    .arg(known->key, value, known->takes, known->unusable));
        return;
    }
    QStringList keys;
    for (const SettingMeaning& meaning : settingMeanings())
        keys << meaning.key;
    const std::optional<QString> nearest = nearestWord(key, keys);
    printError(nearest ? QStringLiteral("settings: %1 is not a setting Ondrel reads; did you mean "
                                        "%2?")
                             .arg(key, *nearest)
                       : QStringLiteral("settings: %1 is not a setting Ondrel reads.").arg(key));
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
    if (key != u"NEW")
        warnIfUnused(key, value);
    return ExitOk;
}

int removeValue(SettingsStore& store, const KeptFailure& failure, const QString& key)
{
    const bool removed = ProgramSettings(store).removeText(key);
    if (store.lastCallFailed()) {
        // A file that could not be written was told already, by the store.
        if (!failure.cause().isEmpty())
            printError(QStringLiteral("settings: cannot unset %1: %2.").arg(key, failure.cause()));
        return ExitOutcome;
    }
    if (removed)
        return ExitOk;
    printError(QStringLiteral("settings: %1 is not set.").arg(key));
    return ExitNotSet;
}

// One line a key: the key, its stored value or "(default N)", and what it
// sets, in columns.
int listValues(SettingsStore& store, const KeptFailure& failure)
{
    constexpr qsizetype kWidestValue = 18; // "(default standard)"
    struct Row {
        QString key;
        QString value;
        QString meaning;
    };
    std::vector<Row> rows;
    qsizetype keyWidth = 0;
    qsizetype valueWidth = 0;
    ProgramSettings settings(store);
    for (const SettingMeaning& meaning : settingMeanings()) {
        const std::optional<QString> value = settings.text(meaning.key);
        if (store.lastCallFailed()) {
            printError(
                QStringLiteral("settings: cannot read %1: %2.").arg(meaning.key, failure.cause()));
            return ExitOutcome;
        }
        Row row{
            meaning.key,
            value ? *value
                  : QStringLiteral("(default %1)")
                        .arg(meaning.missing.isEmpty() ? QStringLiteral("none") : meaning.missing),
            meaning.what + QStringLiteral(": ") + meaning.takes};
        keyWidth = std::max(keyWidth, row.key.size());
        valueWidth = std::max(valueWidth, std::min(row.value.size(), kWidestValue));
        rows.push_back(std::move(row));
    }
    QString out;
    for (const Row& row : rows)
        out += row.key.leftJustified(keyWidth) + QStringLiteral("  ") +
               row.value.leftJustified(valueWidth) + QStringLiteral("  ") + row.meaning + u'\n';
    printOut(out.toUtf8());
    return ExitOk;
}

int runSettings(const QStringList& args)
{
    const std::optional<SettingsArgs> parsed = parseArgs(args);
    if (!parsed)
        return ExitUsage;
    const QStringList& words = parsed->words;
    if (words.isEmpty()) {
        printError(QStringLiteral("settings: %1 expected").arg(kVerbs));
        return ExitUsage;
    }
    const std::optional<qsizetype> operands = operandCount(words.first());
    if (!operands || words.size() != *operands + 1) {
        printError(QStringLiteral("settings: %1 expected, not %2").arg(kVerbs, words.join(u' ')));
        return ExitUsage;
    }

    KeptFailure failure;
    SettingsStore store = settingsIn(parsed->directory, failure);
    const QString& verb = words.first();
    if (verb == u"path")
        return printPath(store);
    if (verb == u"list")
        return listValues(store, failure);
    if (verb == u"get")
        return printValue(store, failure, words.at(1));
    if (verb == u"unset")
        return removeValue(store, failure, words.at(1));
    return storeValue(store, failure, words.at(1), words.at(2));
}

} // namespace

const CliCommand& settingsCommand()
{
    static const CliCommand command{
        QStringLiteral("settings"),
        QStringLiteral("[--dir DIR] path\n[--dir DIR] list\n[--dir DIR] get KEY\n"
                       "[--dir DIR] set KEY VALUE\n[--dir DIR] unset KEY"),
        QStringLiteral("show or change the window's settings file (section ESConf) as the "
                       "program itself does"),
        QStringLiteral(
            "Works on the settings file the window program uses, Ondrel.ini in its section "
            "ESConf. Every change replaces the file atomically and keeps its other lines and "
            "comments as they are.\n"
            "Options start with \"--\"; anything else, \"-15\" included, is a word, and \"--\" "
            "ends the options."),
        {
            {QStringLiteral("path"), QStringLiteral("print the settings file's path")},
            {QStringLiteral("list"),
             QStringLiteral("print every setting Ondrel reads: its key, its stored value or "
                            "(default N), and what it sets")},
            {QStringLiteral("get KEY"),
             QStringLiteral("print KEY's value as stored; a key that is not stored prints "
                            "nothing and the default goes to standard error")},
            {QStringLiteral("set KEY VALUE"),
             QStringLiteral("store VALUE under KEY, with a warning when the program will not use "
                            "it; set NEW (with any VALUE) resets all settings")},
            {QStringLiteral("unset KEY"), QStringLiteral("remove KEY from the file")},
        },
        {{QStringLiteral("dir"),
          QStringLiteral("use the settings file in DIR, an existing directory, instead of the "
                         "program's"),
          QStringLiteral("DIR")}},
        DoubleDash::EndsOptions,
        QStringLiteral("Exit status: 0 done, 1 get or unset of a key that is not stored, 2 "
                       "usage error, 3 when the settings file could not be read or written."),
        runSettings,
    };
    return command;
}
