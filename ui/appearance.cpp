// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "appearance.h"

#include "pictures.h"

#include <QApplication>
#include <QFont>
#include <QPalette>
#include <QStyleFactory>

namespace ui {

QPalette designPalette()
{
    // Qt's own light palette, written out: Fusion's standard palette follows a
    // dark desktop theme, and this one must not.
    struct Entry
    {
        QPalette::ColorRole role;
        QRgb normal;
        QRgb disabled;
    };
    static constexpr Entry entries[] = {
        {QPalette::WindowText, 0xff000000, 0xffbebebe},
        {QPalette::Button, 0xffefefef, 0xffefefef},
        {QPalette::Light, 0xffffffff, 0xffffffff},
        {QPalette::Midlight, 0xffcacaca, 0xffcacaca},
        {QPalette::Dark, 0xff9f9f9f, 0xffbebebe},
        {QPalette::Mid, 0xffb8b8b8, 0xffb8b8b8},
        {QPalette::Text, 0xff000000, 0xffbebebe},
        {QPalette::BrightText, 0xffffffff, 0xffffffff},
        {QPalette::ButtonText, 0xff000000, 0xffbebebe},
        {QPalette::Base, 0xffffffff, 0xffefefef},
        {QPalette::Window, 0xffefefef, 0xffefefef},
        {QPalette::Shadow, 0xff767676, 0xffb1b1b1},
        {QPalette::Highlight, 0xff308cc6, 0xff919191},
        {QPalette::HighlightedText, 0xffffffff, 0xffffffff},
        {QPalette::Link, 0xff0000ff, 0xff0000ff},
        {QPalette::LinkVisited, 0xffff00ff, 0xffff00ff},
        {QPalette::AlternateBase, 0xfff7f7f7, 0xfff7f7f7},
        {QPalette::ToolTipBase, 0xffffffdc, 0xffffffdc},
        {QPalette::ToolTipText, 0xff000000, 0xff000000},
        {QPalette::PlaceholderText, 0x80000000, 0x80000000},
    };
    QPalette palette;
    for (const Entry &e : entries) {
        const QColor normal = QColor::fromRgba(e.normal);
        palette.setColor(QPalette::Active, e.role, normal);
        palette.setColor(QPalette::Inactive, e.role, normal);
        palette.setColor(QPalette::Disabled, e.role, QColor::fromRgba(e.disabled));
    }
    return palette;
}

void applyAppearance(QApplication &app)
{
    app.setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    app.setPalette(designPalette());
    app.setFont(QFont(QStringLiteral("Liberation Sans"), 8));
    // Every screen carries the same icon, so the windows take the program's.
    QApplication::setWindowIcon(loadIcon(QStringLiteral("ScreenIcon")));
    // Screens come and go during a change; only the program's end stops the run.
    app.setQuitOnLastWindowClosed(false);
}

} // namespace ui
