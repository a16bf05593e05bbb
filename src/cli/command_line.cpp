// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/command_line.h"

#include <QCommandLineParser>

namespace {

// Whether QCommandLineParser may see `arg` as written: it would read "-15"
// as option "15", "--h" as "-h", and drop a lone "-". Any other argument
// goes to it as a stand-in that it takes for a positional argument.
bool readsAsOption(const QString& arg, const QStringList& oneLetterNames, DoubleDash doubleDash)
{
    if (arg == u"--")
        return doubleDash == DoubleDash::EndsOptions;
    if (arg.startsWith(u"--"))
        return !oneLetterNames.contains(arg.mid(2).section(u'=', 0, 0));
    if (arg.startsWith(u'-'))
        return oneLetterNames.contains(arg.mid(1));
    return true;
}

const QCommandLineOption* optionNamed(const QList<QCommandLineOption>& options, const QString& name)
{
    for (const QCommandLineOption& option : options) {
        if (option.names().contains(name))
            return &option;
    }
    return nullptr;
}

} // namespace

QList<CommandArg> readCommandLine(const QList<QCommandLineOption>& options, const QStringList& args,
                                  DoubleDash doubleDash)
{
    QStringList oneLetterNames;
    for (const QCommandLineOption& option : options) {
        for (const QString& name : option.names()) {
            if (name.size() == 1)
                oneLetterNames.append(name);
        }
    }
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addOptions(options);

    // The parser keeps options and positional arguments apart; parsing the
    // line one argument longer at a time tells what each argument was. Texts
    // come from `args`, as the parser only holds stand-ins for some.
    QStringList line{QString()}; // the program's name
    QList<CommandArg> read;
    bool valuePending = false;
    qsizetype known = 0;
    qsizetype unknown = 0;
    qsizetype positional = 0;
    for (const QString& arg : args) {
        line.append(readsAsOption(arg, oneLetterNames, doubleDash) ? arg : QString());
        parser.parse(line);
        if (parser.optionNames().size() > known) {
            const QCommandLineOption* option = optionNamed(options, parser.optionNames().last());
            if (arg.contains(u'=')) {
                read.append({CommandArg::Kind::Unknown, arg, {}, {}});
            } else {
                read.append({CommandArg::Kind::Option, arg, option->names().first(), {}});
                valuePending = !option->valueName().isEmpty();
            }
        } else if (parser.unknownOptionNames().size() > unknown) {
            read.append({CommandArg::Kind::Unknown, arg, {}, {}});
        } else if (parser.positionalArguments().size() > positional) {
            read.append({CommandArg::Kind::Argument, arg, {}, {}});
        } else if (valuePending) {
            read.last().value = arg;
            valuePending = false;
        } // else "--" that ends the options
        known = parser.optionNames().size();
        unknown = parser.unknownOptionNames().size();
        positional = parser.positionalArguments().size();
    }
    return read;
}
