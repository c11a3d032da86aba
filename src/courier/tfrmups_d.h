#pragma once

#include "shell/printwindow.h"

namespace courier {

// The UPS waybill on the carrier's form in the order printed: customer
// numbers, postcodes, card number and expiry, references and the signature
// date one character per box 39 apart, "X" for every "J".
const QVector<shell::PrintItem> &upsLayout();
shell::PrintWindowDefinition upsPrintDefinition();

// The service crosses stand in boxes of about 4 mm: a height fixed in
// 0.1 mm, the size the form was drawn for (10 points on a 300 dpi printer),
// so that the crosses fit their boxes on every printer.
constexpr int UpsServiceCrossHeight = -42;

// "Druck UPS Frachtbrief": prints after the insert-the-form question (Cancel
// prints nothing); the orientation chosen stays with the printer.
class Tfrmups_d : public shell::PrintWindow
{
    Q_OBJECT
public:
    explicit Tfrmups_d(QWidget *parent = nullptr);
};

} // namespace courier
