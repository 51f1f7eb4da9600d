// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "screen.h"

#include "formbuilder.h"
#include "program.h"
#include "runtimeerror.h"

#include <QTimer>

namespace ui {

Screen::Screen(Program &program, const QString &name, QObject *parent)
    : QObject(parent)
    , m_program(program)
{
    setObjectName(name);
}

Screen::~Screen() = default;

void Screen::Load()
{
    if (isLoaded())
        return;
    m_window = buildForm(layout());
    connect(m_window.get(), &FormWindow::closeRequested, this, [this] { m_program.end(0); });
    connectHandlers();
    Form_Load();
}

void Screen::Show()
{
    Load();
    m_window->showCentred();
}

void Screen::Unload()
{
    if (!isLoaded())
        return;
    FormWindow *window = m_window.release();
    for (QTimer *timer : window->findChildren<QTimer *>())
        timer->stop();
    // No handler runs while the screen goes, nor for anything still queued for it.
    window->blockSignals(true);
    for (QObject *child : window->findChildren<QObject *>())
        child->blockSignals(true);
    window->withdraw();
    window->deleteLater();
}

QObject *Screen::control(const QString &name, int index) const
{
    if (!m_window)
        throw RuntimeError(objectName().toStdString() + " is not loaded");
    for (QObject *child : m_window->findChildren<QObject *>(name)) {
        const QVariant element = child->property("index");
        if (index < 0 ? !element.isValid() : element.toInt() == index)
            return child;
    }
    return nullptr;
}

QObject *Screen::checked(QObject *control, const QString &name)
{
    if (!control)
        throw RuntimeError("no control " + name.toStdString());
    return control;
}

void Screen::dispatch(const std::function<void()> &handler)
{
    if (m_program.hasEnded())
        return;
    try {
        handler();
    } catch (const std::exception &error) {
        m_program.fail(QString::fromUtf8(error.what()));
    }
}

} // namespace ui
