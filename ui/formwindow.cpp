// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "formwindow.h"

#include "windowframe.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMenuBar>
#include <QScreen>
#include <QWindow>

#include <algorithm>
#include <utility>

namespace ui {

FormWindow::FormWindow(QWidget *parent)
    : QWidget(parent)
    , m_client(new QWidget(this))
{
    m_client->setObjectName(QStringLiteral("client"));
}

void FormWindow::setClientSize(QSize size)
{
    const int menuHeight = m_menuBar ? m_menuBar->sizeHint().height() : 0;
    m_client->setGeometry(0, menuHeight, size.width(), size.height());
    if (m_menuBar)
        m_menuBar->setGeometry(0, 0, size.width(), menuHeight);
    setFixedSize(size.width(), size.height() + menuHeight);
}

void FormWindow::setMenuBar(QMenuBar *menuBar)
{
    m_menuBar = menuBar;
    setClientSize(m_client->size());
}

void FormWindow::addControl(QWidget *control)
{
    // Each later control goes behind the earlier ones.
    control->lower();
    m_controls.push_back(control);
}

void FormWindow::addLateControl(const QString &name, int index, std::function<QWidget *()> build)
{
    m_lateControls.push_back({name, index, m_controls.size(), std::move(build)});
    m_controls.push_back(nullptr);
}

QWidget *FormWindow::buildLateControl(const QString &name, int index)
{
    for (LateControl &late : m_lateControls) {
        if (late.build && late.name == name && late.index == index) {
            build(late);
            return m_controls[late.position];
        }
    }
    return nullptr;
}

void FormWindow::buildLateControls()
{
    for (LateControl &late : m_lateControls) {
        if (late.build)
            build(late);
    }
}

void FormWindow::build(LateControl &late)
{
    QWidget *control = std::exchange(late.build, nullptr)();
    // Where it would stand had it been built with the rest: just behind the
    // nearest control listed before it.
    const auto before = std::find_if(std::make_reverse_iterator(m_controls.begin() + late.position),
                                     m_controls.rend(), [](QWidget *w) { return w; });
    if (before == m_controls.rend())
        control->raise();
    else
        control->stackUnder(*before);
    m_controls[late.position] = control;
    chainTabOrder();
}

void FormWindow::setTabOrder(std::vector<int> positions)
{
    m_tabOrder = std::move(positions);
    chainTabOrder();
}

void FormWindow::chainTabOrder()
{
    QWidget *previous = nullptr;
    for (const int position : m_tabOrder) {
        QWidget *control = m_controls[position];
        if (!control)
            continue;
        if (previous)
            QWidget::setTabOrder(previous, control);
        previous = control;
    }
}

void FormWindow::focusFirstControl()
{
    for (const int position : m_tabOrder) {
        if (!m_controls[position])
            buildLateControls();
        QWidget *control = m_controls[position];
        if (control->isVisibleTo(this) && control->isEnabled()) {
            control->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
}

void FormWindow::askFrame()
{
    m_frameAsked = askFrameMargins(this);
}

void FormWindow::centreOnScreen()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    if (!m_frameAsked)
        askFrame();
    const QMargins frame = expectedFrameMargins(this, m_frameAsked);
    QRect outer(QPoint(), size().grownBy(frame));
    outer.moveCenter(screen->availableGeometry().center());
    // Placed by its client area: a window asked about its frame already exists,
    // and an existing window takes a move as the client area's position.
    setGeometry(QRect(outer.topLeft() + QPoint(frame.left(), frame.top()), size()));
}

void FormWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    const bool waiting = std::any_of(m_lateControls.begin(), m_lateControls.end(),
                                     [](const LateControl &late) { return bool(late.build); });
    if (waiting && windowHandle())
        windowHandle()->installEventFilter(this);
}

bool FormWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == windowHandle() && event->type() == QEvent::Expose) {
        watched->removeEventFilter(this);
        buildLateControls();
    }
    return QWidget::eventFilter(watched, event);
}

void FormWindow::closeEvent(QCloseEvent *event)
{
    event->accept();
    emit closeRequested();
}

} // namespace ui
