#include "appearance.h"

#include <QApplication>
#include <QFont>
#include <QStyleFactory>

namespace ui {

void applyAppearance(QApplication &app)
{
    app.setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    app.setFont(QFont(QStringLiteral("Liberation Sans"), 8));
    // Screens come and go during a change; only the program's end stops the run.
    app.setQuitOnLastWindowClosed(false);
}

} // namespace ui
