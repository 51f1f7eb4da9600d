// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "commandline.h"

#include <QCommandLineParser>
#include <QTextStream>

namespace {

constexpr int UsageError = 2;

const char *const Description =
    "A picture quiz of 47 Caribbean reef fish: name each fish, then see your score\n"
    "and review your answers.";

// The options QApplication takes for itself, so that they pass here.
struct QtOption
{
    const char *name;
    const char *valueName;
    const char *description;
};
constexpr QtOption QtOptions[] = {
    {"platform", "name", "Use the named Qt platform plugin (xcb, wayland, ...)."},
    {"platformpluginpath", "path", "Look for platform plugins in this folder."},
    {"platformtheme", "name", "Use the named Qt platform theme."},
    {"plugin", "name", "Load the named generic plugin."},
    {"qwindowgeometry", "geometry", "Place the first window at this geometry."},
    {"qwindowicon", "icon", "Use this icon for the windows."},
    {"qwindowtitle", "title", "Use this title for the first window."},
    {"display", "display", "Open this X11 display rather than $DISPLAY."},
    {"style", "style", "Use the named widget style."},
    {"stylesheet", "file", "Apply this style sheet."},
    {"session", "id", "Restore the given session."},
    {"reverse", nullptr, "Lay the windows out from right to left."},
    {"widgetcount", nullptr, "Print the number of widgets left at the end."},
    {"nograb", nullptr, "Never grab the mouse or keyboard."},
    {"dograb", nullptr, "Grab the mouse and keyboard even under a debugger."},
    {"sync", nullptr, "Run X11 calls synchronously, for debugging."},
};

void addQtOptions(QCommandLineParser &parser, bool shown)
{
    for (const QtOption &o : QtOptions) {
        QCommandLineOption option(QString::fromLatin1(o.name), QString::fromLatin1(o.description));
        if (o.valueName)
            option.setValueName(QString::fromLatin1(o.valueName));
        if (!shown)
            option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

} // namespace

std::optional<int> answerCommandLine(const QStringList &arguments, QTextStream &out,
                                     QTextStream &err)
{
    QCommandLineParser parser;
    // Qt's own options are written with one dash, like -platform.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(QString::fromLatin1(Description));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help and exit."));
    const QCommandLineOption helpAll(QStringLiteral("help-all"),
                                     QStringLiteral("Show this help with Qt's options, and exit."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Show the version and exit."));
    parser.addOptions({help, helpAll, version});
    addQtOptions(parser, arguments.contains(QStringLiteral("--help-all")));

    const QString program = QStringLiteral("reefwise");
    if (!parser.parse(arguments)) {
        err << program << ": " << parser.errorText() << "\nTry '" << program
            << " --help' for more information.\n";
        return UsageError;
    }
    if (!parser.positionalArguments().isEmpty()) {
        err << program << ": the quiz takes no arguments, but was given '"
            << parser.positionalArguments().constFirst() << "'\nTry '" << program
            << " --help' for more information.\n";
        return UsageError;
    }
    if (parser.isSet(help) || parser.isSet(helpAll)) {
        // Without an application object Qt does not know the program's name.
        QString text = parser.helpText();
        const qsizetype end = text.indexOf(QStringLiteral(" [options]"));
        out << QStringLiteral("Usage: ") << program << text.mid(end);
        return 0;
    }
    if (parser.isSet(version)) {
        out << program << ' ' << REEFWISE_VERSION << '\n';
        return 0;
    }
    return std::nullopt;
}
