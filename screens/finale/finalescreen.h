// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <screen.h>

namespace ui {
struct Quiz;
}

namespace screens {

// frmFinale: the score after the first pass with REVIEW and EXIT; after the
// review pass only the EXIT picture is left.
class FinaleScreen : public ui::Screen
{
    Q_OBJECT

public:
    explicit FinaleScreen(ui::Quiz &quiz, QObject *parent = nullptr);

    void Picture1_Click();
    void Picture2_Click();

protected:
    ui::FormSpec layout() const override;
    void connectHandlers() override;
    void Form_Load() override;

private:
    ui::Quiz &m_quiz;
};

} // namespace screens
