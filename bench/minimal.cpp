// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The yardstick for the benchmark: Qt's hello world, a window holding one
// label, that on a click swaps itself for another such window.
#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QWidget>

#include <memory>

namespace {

class Swapper : public QObject
{
public:
    Swapper()
    {
        m_window = makeWindow();
        m_window->show();
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched != m_window.get() || event->type() != QEvent::MouseButtonRelease)
            return false;
        std::unique_ptr<QLabel> next = makeWindow();
        next->move(m_window->pos());
        next->show();
        m_window->hide();
        m_window.release()->deleteLater();
        m_window = std::move(next);
        return true;
    }

private:
    std::unique_ptr<QLabel> makeWindow()
    {
        auto window = std::make_unique<QLabel>(QStringLiteral("Hello, reef!"));
        window->setWindowTitle(QStringLiteral("Reefwise!"));
        window->setFixedSize(325, 371);
        QPalette p = window->palette();
        p.setColor(QPalette::Window, Qt::black);
        // White on black like the quiz's text, so that the benchmark sees the label painted.
        p.setColor(QPalette::WindowText, Qt::white);
        window->setPalette(p);
        window->setAutoFillBackground(true);
        window->installEventFilter(this);
        return window;
    }

    std::unique_ptr<QLabel> m_window;
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    Swapper swapper;
    return app.exec();
}
