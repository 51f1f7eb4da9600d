#include "fishart.h"

// Goby, seahorse and flounder: small fish that keep to coral, sea whips or sand.

// Still drawn by the older painters in fish_*.cpp until redrawn with fishkit.
namespace legacy {
void paintFish3(QPainter &p, double w, double h);
void paintFish37(QPainter &p, double w, double h);
void paintFish41(QPainter &p, double w, double h);
} // namespace legacy

namespace fishart {

void paintNeonGoby(QPainter &p, double w, double h)
{
    legacy::paintFish3(p, w, h);
}

void paintLongnosedSeahorse(QPainter &p, double w, double h)
{
    legacy::paintFish37(p, w, h);
}

void paintFlounder(QPainter &p, double w, double h)
{
    legacy::paintFish41(p, w, h);
}

} // namespace fishart
