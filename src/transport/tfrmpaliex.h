#pragma once

#include "shell/entrywindow.h"

namespace transport {

class Tfrmpali;

// The packing list's line window as data.
shell::EntryWindowDefinition paliexEntryDefinition();

// "Packliste Positionen": one package line of the packing list shown in the
// entry window. The tare follows every change of the gross or net weight.
class TfrmPaliex : public shell::EntryWindow
{
    Q_OBJECT
public:
    TfrmPaliex(Tfrmpali &entryWindow, QWidget *parent = nullptr);

    // Tare := gross - net when both are given; "Ungültige Eingabe" for a
    // text that is no number, the tare then stays as it was.
    void computeTare();
};

} // namespace transport
