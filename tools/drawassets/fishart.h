#pragma once

class QPainter;

// Every fish painter draws into a logical canvas of width x height pixels
// (320 x 240, or 250 x 188 for fish 4). The painter is already scaled for
// the @2x variant, so painters work in logical pixels and must not assume
// a device size.
namespace fishart {

void paintFish(int number, QPainter &p, double width, double height);

void paintFish1(QPainter &p, double w, double h);
void paintFish2(QPainter &p, double w, double h);
void paintFish3(QPainter &p, double w, double h);
void paintFish4(QPainter &p, double w, double h);
void paintFish5(QPainter &p, double w, double h);
void paintFish6(QPainter &p, double w, double h);
void paintFish7(QPainter &p, double w, double h);
void paintFish8(QPainter &p, double w, double h);
void paintFish9(QPainter &p, double w, double h);
void paintFish10(QPainter &p, double w, double h);
void paintFish11(QPainter &p, double w, double h);
void paintFish12(QPainter &p, double w, double h);
void paintFish13(QPainter &p, double w, double h);
void paintFish14(QPainter &p, double w, double h);
void paintFish15(QPainter &p, double w, double h);
void paintFish16(QPainter &p, double w, double h);
void paintFish17(QPainter &p, double w, double h);
void paintFish18(QPainter &p, double w, double h);
void paintFish19(QPainter &p, double w, double h);
void paintFish20(QPainter &p, double w, double h);
void paintFish21(QPainter &p, double w, double h);
void paintFish22(QPainter &p, double w, double h);
void paintFish23(QPainter &p, double w, double h);
void paintFish24(QPainter &p, double w, double h);
void paintFish25(QPainter &p, double w, double h);
void paintFish26(QPainter &p, double w, double h);
void paintFish27(QPainter &p, double w, double h);
void paintFish28(QPainter &p, double w, double h);
void paintFish29(QPainter &p, double w, double h);
void paintFish30(QPainter &p, double w, double h);
void paintFish31(QPainter &p, double w, double h);
void paintFish32(QPainter &p, double w, double h);
void paintFish33(QPainter &p, double w, double h);
void paintFish34(QPainter &p, double w, double h);
void paintFish35(QPainter &p, double w, double h);
void paintFish36(QPainter &p, double w, double h);
void paintFish37(QPainter &p, double w, double h);
void paintFish38(QPainter &p, double w, double h);
void paintFish39(QPainter &p, double w, double h);
void paintFish40(QPainter &p, double w, double h);
void paintFish41(QPainter &p, double w, double h);
void paintFish42(QPainter &p, double w, double h);
void paintFish43(QPainter &p, double w, double h);
void paintFish44(QPainter &p, double w, double h);
void paintFish45(QPainter &p, double w, double h);
void paintFish46(QPainter &p, double w, double h);
void paintFish47(QPainter &p, double w, double h);

} // namespace fishart
