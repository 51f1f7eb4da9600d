// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "formbuilder.h"

#include "formwindow.h"
#include "picturebox.h"
#include "pictures.h"
#include "runtimeerror.h"
#include "textbox.h"

#include <QApplication>
#include <QMenuBar>
#include <QTimer>

#include <algorithm>

namespace ui {

namespace {

QRect pixelRect(const ControlSpec &c)
{
    return {pixels(c.left), pixels(c.top), pixels(c.width), pixels(c.height)};
}

void applyColours(QWidget *w, const ControlSpec &c)
{
    // System colours resolve against the standard palette, not one already recoloured.
    const QPalette standard = QApplication::palette();
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, toQColor(c.foreColour, standard));
    p.setColor(QPalette::Window, toQColor(c.backColour, standard));
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

void applyFont(QWidget *w, const ControlSpec &c)
{
    if (!c.font)
        return;
    QFont font(c.font->family, c.font->pointSize);
    font.setBold(c.font->bold);
    w->setFont(font);
}

QWidget *buildLabel(const ControlSpec &c, QWidget *parent)
{
    auto *label = new Label(parent);
    label->setButton(c.button);
    label->setGeometry(pixelRect(c));
    applyColours(label, c);
    applyFont(label, c);
    label->setTextFormat(c.richText ? Qt::RichText : Qt::PlainText);
    label->setText(c.text);
    label->setWordWrap(c.wordWrap);
    label->setAlignment((c.align == Align::Centre ? Qt::AlignHCenter : Qt::AlignLeft) |
                        Qt::AlignTop);
    if (c.border == Border::Single)
        label->setFrameStyle(QFrame::Box | QFrame::Plain);
    return label;
}

QWidget *buildTextBox(const ControlSpec &c, QWidget *parent)
{
    auto *box = new TextBox(parent);
    box->setGeometry(pixelRect(c));
    box->setBackColour(c.backColour);
    box->setForeColour(c.foreColour);
    applyFont(box, c);
    box->setText(c.text);
    box->setCursorPosition(0);
    return box;
}

QWidget *buildPictureBox(const ControlSpec &c, QWidget *parent)
{
    auto *box = new PictureBox(parent);
    box->setButton(c.button);
    box->move(pixels(c.left), pixels(c.top));
    if (c.border == Border::Sunken) {
        box->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        box->setLineWidth(2);
    }
    box->setPicture(loadPicture(c.picture));
    return box;
}

Qt::FocusPolicy focusPolicy(const ControlSpec &c)
{
    if ((c.kind == ControlKind::Label && !c.button) || c.tabIndex < 0)
        return Qt::NoFocus;
    // Left out of the tab chain, a control still takes the focus by a click.
    return c.tabStop ? Qt::StrongFocus : Qt::ClickFocus;
}

QWidget *buildControl(const ControlSpec &c, QWidget *client)
{
    QWidget *w = c.kind == ControlKind::Label     ? buildLabel(c, client)
                 : c.kind == ControlKind::TextBox ? buildTextBox(c, client)
                                                  : buildPictureBox(c, client);
    w->setObjectName(c.name);
    if (c.index >= 0)
        w->setProperty("index", c.index);
    if (!c.toolTip.isEmpty())
        w->setToolTip(c.toolTip);
    if (!c.accessibleName.isEmpty())
        w->setAccessibleName(c.accessibleName);
    if (!c.accessibleDescription.isEmpty())
        w->setAccessibleDescription(c.accessibleDescription);
    w->setVisible(c.visible);
    w->setFocusPolicy(focusPolicy(c));
    return w;
}

QMenuBar *buildMenuBar(const std::vector<MenuSpec> &menu, QWidget *parent)
{
    auto *bar = new QMenuBar(parent);
    bar->setNativeMenuBar(false);
    // A standard menu bar, not one inheriting the black of the window.
    applyStandardPalette(bar);
    bar->setAutoFillBackground(true);
    for (const MenuSpec &entry : menu) {
        if (entry.items.empty()) {
            QAction *action = bar->addAction(entry.caption);
            action->setObjectName(entry.name);
            continue;
        }
        QMenu *dropDown = bar->addMenu(entry.caption);
        dropDown->setObjectName(entry.name);
        for (const MenuSpec &item : entry.items)
            dropDown->addAction(item.caption)->setObjectName(item.name);
    }
    return bar;
}

} // namespace

void applyStandardPalette(QWidget *widget)
{
    const QPalette standard = QApplication::palette();
    QPalette p = widget->palette();
    for (int role = 0; role < QPalette::NColorRoles; ++role) {
        const auto r = QPalette::ColorRole(role);
        for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
            p.setColor(group, r, standard.color(group, r));
    }
    widget->setPalette(p);
}

QColor toQColor(Colour colour, const QPalette &palette)
{
    if (!colour.isSystem())
        return QColor(colour.red(), colour.green(), colour.blue());
    switch (colour.value & 0xff) {
    case 8:
        return palette.color(QPalette::WindowText);
    case 18:
        return palette.color(QPalette::ButtonText);
    default:
        throw RuntimeError("unknown system colour " + std::to_string(colour.value & 0xff));
    }
}

std::unique_ptr<FormWindow> buildForm(const FormSpec &form)
{
    auto window = std::make_unique<FormWindow>();
    window->setObjectName(form.name);
    window->setWindowTitle(form.caption);
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint;
    flags |= form.borderless ? Qt::FramelessWindowHint
                             : Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint;
    window->setWindowFlags(flags);

    QPalette p = window->palette();
    p.setColor(QPalette::Window, toQColor(form.backColour, p));
    window->setPalette(p);
    window->setAutoFillBackground(true);

    if (!form.menu.empty())
        window->setMenuBar(buildMenuBar(form.menu, window.get()));
    window->setClientSize({pixels(form.clientWidth), pixels(form.clientHeight)});

    std::vector<std::pair<int, QWidget *>> focusable;
    for (const ControlSpec &c : form.controls) {
        if (c.kind == ControlKind::Timer) {
            auto *timer = new QTimer(window.get());
            timer->setObjectName(c.name);
            timer->setInterval(c.interval);
            timer->start();
            continue;
        }
        QWidget *control = buildControl(c, window->client());
        // Each later control goes behind the earlier ones.
        control->lower();
        if (control->focusPolicy() & Qt::TabFocus)
            focusable.emplace_back(c.tabIndex, control);
    }
    // Controls of equal tab index keep the order of the layout.
    std::stable_sort(focusable.begin(), focusable.end(),
                     [](const auto &a, const auto &b) { return a.first < b.first; });
    std::vector<QWidget *> tabOrder;
    for (const auto &entry : focusable)
        tabOrder.push_back(entry.second);
    window->setTabOrder(tabOrder);
    return window;
}

} // namespace ui
