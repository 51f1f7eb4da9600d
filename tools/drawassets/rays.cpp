#include "fishart.h"

// Rays and sharks, mostly seen from above or resting on the sand.

// Still drawn by the older painters in fish_*.cpp until redrawn with fishkit.
namespace legacy {
void paintFish15(QPainter &p, double w, double h);
void paintFish17(QPainter &p, double w, double h);
void paintFish22(QPainter &p, double w, double h);
void paintFish26(QPainter &p, double w, double h);
void paintFish32(QPainter &p, double w, double h);
} // namespace legacy

namespace fishart {

void paintNurseShark(QPainter &p, double w, double h)
{
    legacy::paintFish15(p, w, h);
}

void paintSouthernStingray(QPainter &p, double w, double h)
{
    legacy::paintFish17(p, w, h);
}

void paintBonnetheadShark(QPainter &p, double w, double h)
{
    legacy::paintFish22(p, w, h);
}

void paintYellowStingray(QPainter &p, double w, double h)
{
    legacy::paintFish26(p, w, h);
}

void paintSpottedEagleRay(QPainter &p, double w, double h)
{
    legacy::paintFish32(p, w, h);
}

} // namespace fishart
