// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QStringList>

#include <optional>

class QTextStream;

// The quiz's own command line has only --help and --version; every other
// option is Qt's (-platform, -display, -geometry, -style, ...) and Qt's to
// take. Each function returns the exit status when the program should stop
// there, and nothing when it should go on and play.

// Answers --help and --version before anything needs a display, and refuses
// an argument that is no option and cannot be the value of one either.
std::optional<int> answerCommandLine(const QStringList &arguments, QTextStream &out,
                                     QTextStream &err);

// What QApplication has left of the command line once it has taken its own
// options: nothing, or --help-all, which Qt answers itself by listing its
// options too, and then ends the program.
std::optional<int> answerLeftovers(const QStringList &arguments, QTextStream &err);
