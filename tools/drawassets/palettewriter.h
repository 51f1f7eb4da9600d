// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once


class QImage;
class QString;

// The writer for the buttons' 256-colour bitmaps, written by hand so the files
// carry exactly the palette we choose rather than whatever QImage picks.
namespace palettewriter {

// An 8-bit palette BMP. `image` must be QImage::Format_Indexed8; the palette in
// the file is the image's colour table.
bool writeBmp8(const QString &path, const QImage &image);

} // namespace palettewriter
