// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fishkit.h"

#include <algorithm>

namespace fishkit {

Silhouette::Silhouette(QSize size)
    : QImage(size, QImage::Format_RGB32)
{
    fill(Qt::white);
}

bool Silhouette::active(QPainter &p)
{
    return dynamic_cast<Silhouette *>(p.device()) != nullptr;
}

bool Silhouette::record(QPainter &p, const QPainterPath &part)
{
    auto *self = dynamic_cast<Silhouette *>(p.device());
    if (self == nullptr)
        return false;
    if (self->m_parts.empty()) {
        // Whatever was drawn before the first body or fin was scenery.
        const Saved s(p);
        p.resetTransform();
        p.setClipping(false);
        p.setOpacity(1);
        p.fillRect(self->rect(), Qt::white);
    }
    self->m_parts.push_back(p.transform().map(part));
    p.fillPath(part, Qt::black);
    return true;
}

QImage Silhouette::outline() const
{
    // Marks and eyes laid over the fish in any colour count as fish; the
    // parts are filled again so that pale marks leave no holes.
    QImage out(size(), QImage::Format_RGB32);
    for (int y = 0; y < height(); ++y) {
        const auto *from = reinterpret_cast<const QRgb *>(constScanLine(y));
        auto *to = reinterpret_cast<QRgb *>(out.scanLine(y));
        for (int x = 0; x < width(); ++x) {
            const int ink = 255 - std::min({qRed(from[x]), qGreen(from[x]), qBlue(from[x])});
            const int grey = 255 - std::min(255, ink * 3);
            to[x] = qRgb(grey, grey, grey);
        }
    }
    QPainter p(&out);
    p.setRenderHint(QPainter::Antialiasing);
    for (const QPainterPath &part : m_parts)
        p.fillPath(part, Qt::black);
    return out;
}

} // namespace fishkit
