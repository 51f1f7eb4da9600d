// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QStringList>

#include <optional>

class QTextStream;

// Answers --help and --version, and refuses what the quiz does not take,
// before anything needs a display. Returns the exit status when the program
// should stop there; nothing when it should go on and play. Qt's own options
// (-platform, -display, -style, ...) are let through for QApplication.
std::optional<int> answerCommandLine(const QStringList &arguments, QTextStream &out,
                                     QTextStream &err);
