// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fontwarmup.h"

#include <QFontDatabase>
#include <QStringList>

#include <fontconfig/fontconfig.h>

FontWarmUp::FontWarmUp()
    : m_thread([this] {
        FcInit();
        std::unique_lock lock(m_mutex);
        m_changed.wait(lock, [this] { return m_stage != Stage::Starting; });
        if (m_stage == Stage::Created) {
            lock.unlock();
            QFontDatabase::families();
        }
    })
{
}

FontWarmUp::~FontWarmUp()
{
    finish();
}

void FontWarmUp::applicationCreated()
{
    advance(Stage::Created);
}

void FontWarmUp::finish()
{
    advance(Stage::Finishing);
    if (m_thread.joinable())
        m_thread.join();
}

void FontWarmUp::advance(Stage stage)
{
    {
        const std::lock_guard lock(m_mutex);
        if (m_stage == Stage::Starting)
            m_stage = stage;
    }
    m_changed.notify_all();
}
