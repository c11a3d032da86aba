#pragma once

#include "shell/entrywindow.h"

namespace origin {

// The EUR-MED entry window as data: the movement certificate with the
// cumulation choice of box 7 on the first page, the exporter's declaration
// on the second. No plausibility check.
shell::EntryWindowDefinition eurMedEntryDefinition();

// "EUR. Med": one EUR-MED certificate of the register box by box.
class TfrmEur_Med : public shell::EntryWindow
{
    Q_OBJECT
public:
    explicit TfrmEur_Med(shell::DocumentRegister &documentRegister, QWidget *parent = nullptr);
};

} // namespace origin
