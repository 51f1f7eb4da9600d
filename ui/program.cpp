// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "program.h"

#include <QApplication>
#include <QMessageBox>

#include <cstdio>

namespace ui {

namespace {

void showErrorBox(const QString &message)
{
    QMessageBox::critical(nullptr, QStringLiteral("Reefwise!"),
                          QStringLiteral("Run-time error:\n%1").arg(message));
}

} // namespace

Program::Program(QObject *parent)
    : QObject(parent)
    , m_reporter(showErrorBox)
{
}

void Program::end(int status)
{
    if (m_ended)
        return;
    m_ended = true;
    m_status = status;
    for (QWidget *w : QApplication::topLevelWidgets())
        w->hide();
    QCoreApplication::exit(status);
}

void Program::fail(const QString &message)
{
    if (m_ended)
        return;
    std::fprintf(stderr, "reefwise: run-time error: %s\n", qUtf8Printable(message));
    std::fflush(stderr);
    // The report must not let a tick or a click of the quiz run meanwhile.
    m_ended = true;
    for (QWidget *w : QApplication::topLevelWidgets())
        w->hide();
    m_reporter(message);
    m_status = 1;
    QCoreApplication::exit(m_status);
}

} // namespace ui
