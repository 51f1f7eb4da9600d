#include "fishart.h"

// Slender fish: needlefish, barracuda, silversides, trumpetfish.

// Still drawn by the older painters in fish_*.cpp until redrawn with fishkit.
namespace legacy {
void paintFish7(QPainter &p, double w, double h);
void paintFish8(QPainter &p, double w, double h);
void paintFish9(QPainter &p, double w, double h);
void paintFish42(QPainter &p, double w, double h);
} // namespace legacy

namespace fishart {

void paintNeedlefish(QPainter &p, double w, double h)
{
    legacy::paintFish7(p, w, h);
}

void paintGreatBarracuda(QPainter &p, double w, double h)
{
    legacy::paintFish8(p, w, h);
}

void paintSilverside(QPainter &p, double w, double h)
{
    legacy::paintFish9(p, w, h);
}

void paintTrumpetfish(QPainter &p, double w, double h)
{
    legacy::paintFish42(p, w, h);
}

} // namespace fishart
