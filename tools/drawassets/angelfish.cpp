#include "fishart.h"

// Angelfish: tall discs with trailing fin points.

// Still drawn by the older painters in fish_*.cpp until redrawn with fishkit.
namespace legacy {
void paintFish4(QPainter &p, double w, double h);
void paintFish19(QPainter &p, double w, double h);
void paintFish31(QPainter &p, double w, double h);
void paintFish34(QPainter &p, double w, double h);
} // namespace legacy

namespace fishart {

void paintFrenchAngelfish(QPainter &p, double w, double h)
{
    legacy::paintFish4(p, w, h);
}

void paintQueenAngelfish(QPainter &p, double w, double h)
{
    legacy::paintFish19(p, w, h);
}

void paintRockAngelBeauty(QPainter &p, double w, double h)
{
    legacy::paintFish31(p, w, h);
}

void paintGrayAngelfish(QPainter &p, double w, double h)
{
    legacy::paintFish34(p, w, h);
}

} // namespace fishart
