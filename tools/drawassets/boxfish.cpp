#include "fishart.h"

// Boxfish, puffers and triggerfish: rigid boxes, spiny balls, deep triggers.

// Still drawn by the older painters in fish_*.cpp until redrawn with fishkit.
namespace legacy {
void paintFish14(QPainter &p, double w, double h);
void paintFish23(QPainter &p, double w, double h);
void paintFish28(QPainter &p, double w, double h);
void paintFish30(QPainter &p, double w, double h);
void paintFish40(QPainter &p, double w, double h);
} // namespace legacy

namespace fishart {

void paintSpottedTrunkfish(QPainter &p, double w, double h)
{
    legacy::paintFish14(p, w, h);
}

void paintTrunkfish(QPainter &p, double w, double h)
{
    legacy::paintFish23(p, w, h);
}

void paintQueenTriggerfish(QPainter &p, double w, double h)
{
    legacy::paintFish28(p, w, h);
}

void paintPorcupinefish(QPainter &p, double w, double h)
{
    legacy::paintFish30(p, w, h);
}

void paintCowfish(QPainter &p, double w, double h)
{
    legacy::paintFish40(p, w, h);
}

} // namespace fishart
