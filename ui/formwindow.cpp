#include "formwindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMenuBar>
#include <QScreen>

namespace ui {

namespace {

// A window that is not shown yet has no frame; every window of the program
// has the same frame, so one that is on screen tells its size.
QMargins knownFrameMargins(const QWidget *except)
{
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w == except || !w->isVisible() || w->windowFlags() & Qt::FramelessWindowHint)
            continue;
        const QRect frame = w->frameGeometry();
        const QRect inner = w->geometry();
        if (frame != inner)
            return {inner.left() - frame.left(), inner.top() - frame.top(),
                    frame.right() - inner.right(), frame.bottom() - inner.bottom()};
    }
    return {};
}

} // namespace

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

void FormWindow::setTabOrder(std::vector<QWidget *> controls)
{
    m_tabOrder = std::move(controls);
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

void FormWindow::centreOnScreen()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QMargins frame =
        windowFlags() & Qt::FramelessWindowHint ? QMargins() : knownFrameMargins(this);
    const QSize outer = size().grownBy(frame);
    const QPoint topLeft =
        screen->availableGeometry().center() - QPoint(outer.width() / 2, outer.height() / 2);
    move(topLeft);
}

void FormWindow::closeEvent(QCloseEvent *event)
{
    event->accept();
    emit closeRequested();
}

} // namespace ui
