// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>
#include <QStringList>

// The one place that turns the layouts' picture identifiers (FishPhoto1 ..
// FishPhoto47, BackButtonImage, NextButtonImage, ExitButtonImage,
// FinaleReviewImage, FinaleExitImage, ScreenIcon) into the compiled-in files.
namespace ui {

// The resource path of a picture, or an empty string for an unknown identifier.
QString picturePath(const QString &id, bool doubleSize);

// The picture at its natural size in device-independent pixels, drawn from
// the @2x file on a high-density screen. An unknown identifier or a picture
// that does not decode is a run-time error.
QPixmap loadPicture(const QString &id);
QPixmap loadPicture(const QString &id, qreal devicePixelRatio);

// The resource paths of an icon's 16 and 32 pixel images, or their @2x
// versions; none for an unknown identifier.
QStringList iconPaths(const QString &id, bool doubleSize);

// The icon with both its sizes, the @2x ones on a high-density screen.
QIcon loadIcon(const QString &id);

} // namespace ui
