// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <condition_variable>
#include <mutex>
#include <thread>

// Reading the system's fonts is the longest single step of start-up, yet the
// first window needs them only once its text box is built. A second thread
// reads them meanwhile: fontconfig's configuration at once, Qt's font
// database as soon as the application object exists. Both are safe to fill
// from any thread, and whichever thread comes first fills them.
class FontWarmUp
{
public:
    FontWarmUp();
    ~FontWarmUp();
    FontWarmUp(const FontWarmUp &) = delete;
    FontWarmUp &operator=(const FontWarmUp &) = delete;

    // Lets the thread go on to Qt's font database.
    void applicationCreated();
    // Waits for the thread; call it before the application object goes.
    void finish();

private:
    enum class Stage { Starting, Created, Finishing };
    void advance(Stage stage);

    std::mutex m_mutex;
    std::condition_variable m_changed;
    Stage m_stage = Stage::Starting;
    std::thread m_thread; // last: it starts once the members above exist
};
