#pragma once

#include "shell/entrywindow.h"

namespace origin {

// "Genehmigungsprüfung Eur2" (TfrmEur2_Pl): the six required boxes of the
// EUR.2; an address box counts as filled when one of its first two lines is.
shell::PlausibilityDefinition eur2PlausibilityDefinition();

// The EUR.2 entry window as data: one scrolling form, no status bar.
shell::EntryWindowDefinition eur2EntryDefinition();

// "EUR.2": one EUR.2 form of the register box by box.
class TfrmEur2 : public shell::EntryWindow
{
    Q_OBJECT
public:
    explicit TfrmEur2(shell::DocumentRegister &documentRegister, QWidget *parent = nullptr);
};

} // namespace origin
