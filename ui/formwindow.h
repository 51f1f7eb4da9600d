// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

#include <functional>
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

    // Adds the next control of the layout, listed front to back. A control
    // given as a builder is built when first asked for, or else when the
    // window is first exposed, just before it is painted. A text box or a rich
    // text needs the font database, whose start-up costs the first window more
    // than all the rest of it; built only once the window is on screen, they
    // leave the window system free to map it meanwhile.
    void addControl(QWidget *control);
    int controlCount() const { return int(m_controls.size()); }
    void addLateControl(const QString &name, int index, std::function<QWidget *()> build);
    // The late control of that name and index, built now if it is not yet.
    QWidget *buildLateControl(const QString &name, int index);

    // The controls that can take the focus, as positions in the layout, in
    // tab-index order.
    void setTabOrder(std::vector<int> positions);
    void focusFirstControl();

    // Starts learning the frame the window will get, once its size is set.
    void askFrame();
    // Places the whole window, frame included, in the middle of the screen.
    void centreOnScreen();

signals:
    void closeRequested();

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct LateControl
    {
        QString name;
        int index = -1;
        size_t position = 0;
        std::function<QWidget *()> build;
    };

    void build(LateControl &late);
    void buildLateControls();
    void chainTabOrder();

    QWidget *m_client = nullptr;
    QMenuBar *m_menuBar = nullptr;
    // Every control by its place in the layout; null until a late one is built.
    std::vector<QWidget *> m_controls;
    std::vector<LateControl> m_lateControls;
    std::vector<int> m_tabOrder;
    bool m_frameAsked = false;
};

} // namespace ui
