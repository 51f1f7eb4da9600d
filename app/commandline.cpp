// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "commandline.h"

#include <QCommandLineParser>
#include <QTextStream>

namespace {

constexpr int UsageError = 2;

const QString Program = QStringLiteral("reefwise");
const QString Description =
    QStringLiteral("A picture quiz of 47 Caribbean reef fish: name each fish, then see your "
                   "score\nand review your answers.");

struct Options
{
    QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")},
                            QStringLiteral("Show this help and exit.")};
    QCommandLineOption helpAll{QStringLiteral("help-all"),
                               QStringLiteral("Show this help with Qt's options, and exit.")};
    QCommandLineOption version{{QStringLiteral("v"), QStringLiteral("version")},
                               QStringLiteral("Show the version and exit.")};
};

// Qt's own options are written with one dash, like -platform.
void describe(QCommandLineParser &parser)
{
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(Description);
}

int refuse(QTextStream &err, const QString &why)
{
    err << Program << ": " << why << "\nTry '" << Program << " --help' for more information.\n";
    return UsageError;
}

int refuseArgument(QTextStream &err, const QString &argument)
{
    return refuse(err,
                  QStringLiteral("the quiz takes no arguments, but was given '%1'").arg(argument));
}

// Without an application object Qt does not know the program's name.
int showHelp(QTextStream &out, const QString &text)
{
    out << QStringLiteral("Usage: ") << Program << text.mid(text.indexOf(QStringLiteral(" [")));
    return 0;
}

bool isOption(const QString &argument)
{
    return argument.startsWith(QLatin1Char('-')) && argument.size() > 1;
}

} // namespace

std::optional<int> answerCommandLine(const QStringList &arguments, QTextStream &out,
                                     QTextStream &err)
{
    QCommandLineParser parser;
    const Options options;
    describe(parser);
    parser.addOptions({options.help, options.helpAll, options.version});
    // Qt's options are not known here; their values pass for arguments.
    parser.parse(arguments);
    if (parser.isSet(options.help))
        return showHelp(out, parser.helpText());
    if (parser.isSet(options.version)) {
        out << Program << ' ' << REEFWISE_VERSION << '\n';
        return 0;
    }
    // Only what follows an option can be its value.
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (!isOption(arguments[i]) && !isOption(arguments[i - 1]))
            return refuseArgument(err, arguments[i]);
    }
    return std::nullopt;
}

std::optional<int> answerLeftovers(const QStringList &arguments, QTextStream &err)
{
    QCommandLineParser parser;
    describe(parser);
    parser.addHelpOption();
    parser.addOption(Options().version);
    if (!parser.parse(arguments))
        return refuse(err, parser.errorText());
    if (!parser.positionalArguments().isEmpty())
        return refuseArgument(err, parser.positionalArguments().constFirst());
    // Only Qt knows its options, and lists them only as it answers this itself.
    if (parser.isSet(QStringLiteral("help-all")))
        parser.process(arguments);
    return std::nullopt;
}
