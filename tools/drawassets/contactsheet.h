// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <QList>
#include <QString>

// One PNG showing everything the tool drew, for checking the pictures side by
// side the way a player meets them.
namespace contactsheet {

struct Swatch
{
    QString label;
    QImage image;
};

// The fish go in rows of six 320 x 240 cells, the extras (buttons, icons) in one row below.
bool write(const QString &path, const QList<Swatch> &fish, const QList<Swatch> &extras);

} // namespace contactsheet
