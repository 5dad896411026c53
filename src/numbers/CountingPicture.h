#pragma once
// How the 123s board shows a number from -10 to 20 as tens and ones: the two digits, how many unit
// faces stand in the ONES column and how many ten-bars in the TENS column. The minus sign is never
// part of the digits; the board marks a negative number with its zero line.
#include <QString>

struct CountingPicture {
    int onesCount = 0; // from the last character of the shown number
    QString onesDigit; // the ones caption
    QString tensDigit; // the tens caption
    bool tensShown = false;
    int unitFaces = 0; // unit pictures shown, from the lowest up (0..9)
    int tenBars = 0;   // 0, 1 or 2

    static CountingPicture of(const QString& shownNumber);
};
