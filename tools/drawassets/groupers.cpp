#include "fishart.h"

// Groupers and squirrelfish: heavy heads, big mouths or big eyes.

// Still drawn by the older painters in fish_*.cpp until redrawn with fishkit.
namespace legacy {
void paintFish43(QPainter &p, double w, double h);
void paintFish44(QPainter &p, double w, double h);
void paintFish45(QPainter &p, double w, double h);
} // namespace legacy

namespace fishart {

void paintSquirrelfish(QPainter &p, double w, double h)
{
    legacy::paintFish43(p, w, h);
}

void paintNassauGrouper(QPainter &p, double w, double h)
{
    legacy::paintFish44(p, w, h);
}

void paintSpottedJewfish(QPainter &p, double w, double h)
{
    legacy::paintFish45(p, w, h);
}

} // namespace fishart
