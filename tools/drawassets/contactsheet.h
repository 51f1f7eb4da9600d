// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <QList>
#include <QString>

// One PNG showing everything the tool drew, for checking the pictures side by
// side the way a player meets them.
namespace contactsheet {

struct FishPicture
{
    int number;
    QImage image; // at 1x
};

struct Swatch
{
    QString label;
    QImage image;
};

QString fishName(int number);

bool write(const QString &path, const QList<FishPicture> &fish, const QList<Swatch> &extras);

} // namespace contactsheet
