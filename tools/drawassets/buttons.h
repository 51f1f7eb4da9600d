// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <QList>
#include <QString>

class QDir;

// The quiz's navigation buttons: hard-edged three-colour pictures (red, white
// and near-black), kept as 8-bit palette images.
namespace buttons {

struct ButtonImage
{
    QString id;
    QImage normal; // Format_Indexed8 with exactly the three colours
    QImage doubled;
};

QList<ButtonImage> drawAll();

// Writes <id>.bmp and <id>@2x.bmp into `folder` as 256-colour bitmaps.
bool save(const ButtonImage &button, const QDir &folder);

} // namespace buttons
