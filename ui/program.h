// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QString>

#include <functional>

namespace ui {

// The end of the run, by the player's choice or by a run-time error. Once
// ended, no handler runs again.
class Program : public QObject
{
    Q_OBJECT

public:
    using Reporter = std::function<void(const QString &message)>;

    explicit Program(QObject *parent = nullptr);

    // Hides every window and leaves the event loop with `status`.
    void end(int status = 0);
    bool hasEnded() const { return m_ended; }
    int exitStatus() const { return m_status; }

    // Reports on standard error and in a message box, then ends with status 1.
    void fail(const QString &message);

    // Replaces the message box, so that tests can see a report.
    void setReporter(Reporter reporter) { m_reporter = std::move(reporter); }

private:
    bool m_ended = false;
    int m_status = 0;
    Reporter m_reporter;
};

} // namespace ui
