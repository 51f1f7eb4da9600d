#include "fishart.h"

// Parrotfish and wrasses: heavy or cigar-shaped, beaks and crescent tails.

// Still drawn by the older painters in fish_*.cpp until redrawn with fishkit.
namespace legacy {
void paintFish16(QPainter &p, double w, double h);
void paintFish25(QPainter &p, double w, double h);
void paintFish27(QPainter &p, double w, double h);
void paintFish38(QPainter &p, double w, double h);
void paintFish47(QPainter &p, double w, double h);
} // namespace legacy

namespace fishart {

void paintBluegreenWrasse(QPainter &p, double w, double h)
{
    legacy::paintFish16(p, w, h);
}

void paintHogfish(QPainter &p, double w, double h)
{
    legacy::paintFish25(p, w, h);
}

void paintBlueParrotfish(QPainter &p, double w, double h)
{
    legacy::paintFish27(p, w, h);
}

void paintStoplightParrotfish(QPainter &p, double w, double h)
{
    legacy::paintFish38(p, w, h);
}

void paintRainbowParrotfish(QPainter &p, double w, double h)
{
    legacy::paintFish47(p, w, h);
}

} // namespace fishart
