#pragma once

#include "shell/printwindow.h"

namespace courier {

// The FedEx air waybill on the carrier's form, in the order printed: texts
// as typed, "X" for every ticked box, the date as month/day/year. Box 4 and
// the weight line are chosen by the print routine.
const QVector<shell::PrintItem> &fedExLayout();
shell::PrintWindowDefinition fedExPrintDefinition();

// "Druck FedEx": prints the waybill after the insert-the-form question (OK
// first offers the printer setup; the copies print after either answer) and
// sets the printer back to portrait after each copy.
class TfrmFedex_d : public shell::PrintWindow
{
    Q_OBJECT
public:
    explicit TfrmFedex_d(QWidget *parent = nullptr);
};

} // namespace courier
