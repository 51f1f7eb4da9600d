#include "fishart.h"

// Damselfish: small oval reef fish.

// Still drawn by the older painters in fish_*.cpp until redrawn with fishkit.
namespace legacy {
void paintFish11(QPainter &p, double w, double h);
void paintFish29(QPainter &p, double w, double h);
void paintFish35(QPainter &p, double w, double h);
void paintFish36(QPainter &p, double w, double h);
} // namespace legacy

namespace fishart {

void paintBlueChromis(QPainter &p, double w, double h)
{
    legacy::paintFish11(p, w, h);
}

void paintSergeantMajor(QPainter &p, double w, double h)
{
    legacy::paintFish29(p, w, h);
}

void paintBeaugregory(QPainter &p, double w, double h)
{
    legacy::paintFish35(p, w, h);
}

void paintYellowtailedDamselfish(QPainter &p, double w, double h)
{
    legacy::paintFish36(p, w, h);
}

} // namespace fishart
