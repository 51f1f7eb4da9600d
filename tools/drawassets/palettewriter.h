// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>

class QImage;
class QString;

// Writers for the two palette formats the quiz ships, written by hand so the
// files carry exactly the palette we choose rather than whatever QImage picks.
namespace palettewriter {

// An 8-bit palette BMP. `image` must be QImage::Format_Indexed8; the palette in
// the file is the image's colour table.
bool writeBmp8(const QString &path, const QImage &image);

// An ICO holding every image as a 4-bit, 16-colour bitmap with an all-zero
// (fully opaque) AND mask. Each image must be Format_Indexed8 with at most 16
// colours and at most 256 pixels wide.
bool writeIco4(const QString &path, const QList<QImage> &images);

} // namespace palettewriter
