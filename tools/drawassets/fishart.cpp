#include "fishart.h"

#include <array>

namespace fishart {

void paintFish(int number, QPainter &p, double width, double height)
{
    using Painter = void (*)(QPainter &, double, double);
    static constexpr std::array<Painter, 47> painters = {
        paintFish1,  paintFish2,  paintFish3,  paintFish4,  paintFish5,  paintFish6,  paintFish7,
        paintFish8,  paintFish9,  paintFish10, paintFish11, paintFish12, paintFish13, paintFish14,
        paintFish15, paintFish16, paintFish17, paintFish18, paintFish19, paintFish20, paintFish21,
        paintFish22, paintFish23, paintFish24, paintFish25, paintFish26, paintFish27, paintFish28,
        paintFish29, paintFish30, paintFish31, paintFish32, paintFish33, paintFish34, paintFish35,
        paintFish36, paintFish37, paintFish38, paintFish39, paintFish40, paintFish41, paintFish42,
        paintFish43, paintFish44, paintFish45, paintFish46, paintFish47,
    };
    if (number >= 1 && number <= int(painters.size()))
        painters[number - 1](p, width, height);
}

} // namespace fishart
