#include "fishart.h"

// Morays peering out of the reef.

// Still drawn by the older painters in fish_*.cpp until redrawn with fishkit.
namespace legacy {
void paintFish24(QPainter &p, double w, double h);
void paintFish46(QPainter &p, double w, double h);
} // namespace legacy

namespace fishart {

void paintGreenMoray(QPainter &p, double w, double h)
{
    legacy::paintFish24(p, w, h);
}

void paintSpottedMoray(QPainter &p, double w, double h)
{
    legacy::paintFish46(p, w, h);
}

} // namespace fishart
