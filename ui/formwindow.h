// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QMargins>
#include <QWidget>

#include <optional>
#include <vector>

class QMenuBar;

namespace ui {

class Announcement;

// The window of a loaded screen: a fixed-size client area, with screen 47's
// menu bar above it where a layout has one.
class FormWindow : public QWidget
{
    Q_OBJECT

public:
    explicit FormWindow(QWidget *parent = nullptr);

    QWidget *client() const { return m_client; }
    void setClientSize(QSize size);
    QMenuBar *menuBar() const { return m_menuBar; }
    void setMenuBar(QMenuBar *menuBar);

    // The focusable controls in tab-index order.
    void setTabOrder(const std::vector<QWidget *> &controls);
    void focusFirstControl();

    // Shows the window with the whole of it, frame included, in the middle of
    // the screen, activates it and focuses its first control. Where the window
    // manager has to be asked which frame it will draw, that happens once it
    // has answered, or after a short wait for an answer that does not come.
    void showCentred();
    // Says `text` to screen readers now, whatever has the focus.
    void announce(const QString &text);

    // Hides the window for good: not even an answer about its frame still on
    // its way shows it again.
    void withdraw();

signals:
    void closeRequested();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void placeInMiddle(QMargins frame);
    void frameTold(QMargins frame);

    QWidget *m_client = nullptr;
    QMenuBar *m_menuBar = nullptr;
    std::vector<QWidget *> m_tabOrder;
    Announcement *m_announcement = nullptr;
    // The frame the window was placed for, once shown.
    std::optional<QMargins> m_placedFor;
    bool m_withdrawn = false;
};

} // namespace ui
