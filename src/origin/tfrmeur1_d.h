#pragma once

#include "shell/printwindow.h"

namespace shell {
class DocumentRegister;
}

namespace origin {

// The publishers' layouts of the EUR.1 forms, in the order of the choice.
enum Eur1Layout { Orvanta, Selmar, Andere };

// The goods lines 3 to 25 of boxes 8 (description), 9 (mass) and 10
// (invoices) of the movement certificates, 40 apart from top on; the
// progress bar at 70 after line 12 and 90 after line 25.
QVector<shell::PrintItem> certificateGoodsLines(int description, int mass, int invoices, int top);

// The EUR.1 front page (boxes 1 to 12) and back page (the exporter's
// declaration), form positions in 0.1 mm; the items of boxes 11 and 12 and of
// the back page belong to one of the layouts.
const QVector<shell::PrintItem> &eur1FrontLayout();
const QVector<shell::PrintItem> &eur1BackLayout();

// The print window of the EUR.1 as data. The publisher chosen goes into the
// field Eur1 of the register's parameter record (when a register is given).
shell::PrintWindowDefinition eur1PrintDefinition(shell::DocumentRegister *documentRegister);

// "EUR1 - DRUCK": prints one EUR.1 onto the pre-printed forms, the front
// page with its copies and the back page once.
class TfrmEur1_d : public shell::PrintWindow
{
    Q_OBJECT
public:
    explicit TfrmEur1_d(shell::DocumentRegister *documentRegister, QWidget *parent = nullptr);
};

} // namespace origin
