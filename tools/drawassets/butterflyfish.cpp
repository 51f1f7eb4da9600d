#include "fishart.h"

// Butterflyfish: round, compressed, pointed snouts, eye bars.

// Still drawn by the older painters in fish_*.cpp until redrawn with fishkit.
namespace legacy {
void paintFish10(QPainter &p, double w, double h);
void paintFish18(QPainter &p, double w, double h);
void paintFish39(QPainter &p, double w, double h);
} // namespace legacy

namespace fishart {

void paintSpotfinButterfly(QPainter &p, double w, double h)
{
    legacy::paintFish10(p, w, h);
}

void paintFourEyeButterfly(QPainter &p, double w, double h)
{
    legacy::paintFish18(p, w, h);
}

void paintBandedButterfly(QPainter &p, double w, double h)
{
    legacy::paintFish39(p, w, h);
}

} // namespace fishart
