// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

#include <vector>

class QMenuBar;

namespace ui {

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

    // Controls that can take the focus, in tab-index order.
    void setTabOrder(std::vector<QWidget *> controls);
    void focusFirstControl();

    // Starts learning the frame the window will get, once its size is set.
    void askFrame();
    // Places the whole window, frame included, in the middle of the screen.
    void centreOnScreen();

signals:
    void closeRequested();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    QWidget *m_client = nullptr;
    QMenuBar *m_menuBar = nullptr;
    std::vector<QWidget *> m_tabOrder;
    bool m_frameAsked = false;
};

} // namespace ui
