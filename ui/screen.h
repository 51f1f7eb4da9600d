// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "formwindow.h"
#include "layout.h"

#include <QObject>

#include <functional>
#include <memory>

namespace ui {

class Program;

// One screen of the run. The object lives for the whole run; its window and
// controls exist only while it is loaded, and every Load rebuilds them from
// the layout and then runs Form_Load.
class Screen : public QObject
{
    Q_OBJECT

public:
    Screen(Program &program, const QString &name, QObject *parent = nullptr);
    ~Screen() override;

    void Load();
    void Show();
    // Hides at once; the controls are destroyed after the running handler,
    // which may be one of this screen's own.
    void Unload();

    bool isLoaded() const { return m_window != nullptr; }
    FormWindow *window() const { return m_window.get(); }

    // A control of the loaded screen; a missing one is a run-time error.
    QObject *control(const QString &name, int index = -1) const;
    template <class T> T *control(const QString &name, int index = -1) const
    {
        return static_cast<T *>(checked(qobject_cast<T *>(control(name, index)), name));
    }

    // Runs a handler as the forms layer does: not after the end of the run,
    // and a run-time error stops it, is reported and ends the run.
    void dispatch(const std::function<void()> &handler);

protected:
    virtual FormSpec layout() const = 0;
    virtual void connectHandlers() {}
    virtual void Form_Load() {}

    Program &program() const { return m_program; }

    template <class Sender, class Signal, class Handler>
    void on(Sender *sender, Signal signal, Handler handler)
    {
        connect(sender, signal, this, [this, handler] { dispatch(handler); });
    }

private:
    static QObject *checked(QObject *control, const QString &name);

    Program &m_program;
    std::unique_ptr<FormWindow> m_window;
};

} // namespace ui
