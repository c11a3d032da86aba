#pragma once

#include "shell/positionlist.h"

namespace platform {
class DataSet;
class Table;
}

namespace orders {

// Routines on the detail lists of the order on which the register stands
// (positions, sum lines, packages): each list is a table linked to the
// order head, in line-number (Pos) order.

// The lists number their lines through the shared position-list helper.
using shell::nextLineNumber;
using shell::renumberLines;
using shell::shiftLinesFrom;

// The totals calculation of the sum lines (RecalcTotals): with no
// positions every sum line of the order goes; otherwise the running total
// starts as the sum of the positions' line totals and each sum line in
// turn shows it ("Zwischensumme", "Endsumme"), raises it ("Aufschlag"),
// lowers it by the amount taken as positive ("Abschlag") or adds the VAT
// at vatRate percent on it ("MWSt"). Amounts are written with group
// separators and two decimals; the running total is not rounded.
// An entered amount that is no number stops the calculation at its line
// with a message; the result is then false.
bool recalcTotals(platform::Table &positions, platform::Table &sumLines, double vatRate);

// The volume of a package in cubic metres, from centimetres, to three decimals.
double packageVolume(int length, int width, int height);

} // namespace orders
