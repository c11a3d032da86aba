#pragma once

#include "shell/entrywindow.h"

#include <QStringList>

namespace origin {

// The names of the three input controls of line 3 to 25 of boxes 8, 9 and
// 10 (description, mass, invoices). The fixed-field list stores them.
QStringList eur1GoodsLineControls(int line);

// "Genehmigungsprüfung" of the EUR.1 (TfrmEur1_Plausi): the eight required
// boxes; the A.TR. entry window uses the same window.
shell::PlausibilityDefinition eur1PlausibilityDefinition();

// The EUR.1 entry window as data: the movement certificate on the first
// page, the exporter's declaration on the second.
shell::EntryWindowDefinition eur1EntryDefinition();

// "EUR. 1": one EUR.1 certificate of the register box by box.
class TfrmEur1 : public shell::EntryWindow
{
    Q_OBJECT
public:
    explicit TfrmEur1(shell::DocumentRegister &documentRegister, QWidget *parent = nullptr);
};

} // namespace origin
