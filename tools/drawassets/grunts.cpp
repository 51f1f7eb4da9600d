#include "fishart.h"

// Grunts and the Porkfish: deep, striped, sloping heads.

// Still drawn by the older painters in fish_*.cpp until redrawn with fishkit.
namespace legacy {
void paintFish6(QPainter &p, double w, double h);
void paintFish20(QPainter &p, double w, double h);
void paintFish33(QPainter &p, double w, double h);
} // namespace legacy

namespace fishart {

void paintPorkfish(QPainter &p, double w, double h)
{
    legacy::paintFish6(p, w, h);
}

void paintFrenchGrunt(QPainter &p, double w, double h)
{
    legacy::paintFish20(p, w, h);
}

void paintBluestripedGrunt(QPainter &p, double w, double h)
{
    legacy::paintFish33(p, w, h);
}

} // namespace fishart
