// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "formwindow.h"

#include "announcement.h"
#include "windowframe.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>

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

void FormWindow::setTabOrder(const std::vector<QWidget *> &controls)
{
    m_tabOrder = controls;
    for (size_t i = 1; i < m_tabOrder.size(); ++i)
        QWidget::setTabOrder(m_tabOrder[i - 1], m_tabOrder[i]);
}

void FormWindow::focusFirstControl()
{
    for (QWidget *control : m_tabOrder) {
        if (control->isVisibleTo(this) && control->isEnabled()) {
            control->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
}

void FormWindow::showCentred()
{
    m_placedFor.reset();
    learnFrameMargins(this, [this](QMargins frame) { frameTold(frame); });
}

void FormWindow::announce(const QString &text)
{
    if (!m_announcement)
        m_announcement = new Announcement(m_client);
    m_announcement->say(text);
}

void FormWindow::withdraw()
{
    m_withdrawn = true;
    hide();
}

void FormWindow::frameTold(QMargins frame)
{
    if (m_withdrawn)
        return;
    // An answer that came after the window was shown without it.
    if (m_placedFor) {
        if (*m_placedFor != frame)
            placeInMiddle(frame);
        return;
    }
    placeInMiddle(frame);
    show();
    activateWindow();
    focusFirstControl();
}

void FormWindow::placeInMiddle(QMargins frame)
{
    m_placedFor = frame;
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect outer(QPoint(), size().grownBy(frame));
    outer.moveCenter(screen->availableGeometry().center());
    // Placed by its client area, which is where a window that already exists
    // takes a move to, and one still to be created too.
    setGeometry(QRect(outer.topLeft() + QPoint(frame.left(), frame.top()), size()));
}

void FormWindow::closeEvent(QCloseEvent *event)
{
    event->accept();
    emit closeRequested();
}

} // namespace ui
