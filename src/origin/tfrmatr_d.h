#pragma once

#include "shell/printwindow.h"

namespace origin {

// The layouts of boxes 12 and 13 of the A.TR. forms, in the order of the
// choice.
enum AtrLayout { AtrOrvantaSelmar, AtrAndere };

// The A.TR. form, one page, form positions in 0.1 mm; boxes 12 and 13
// belong to one of the layouts.
const QVector<shell::PrintItem> &atrLayout();

shell::PrintWindowDefinition atrPrintDefinition();

// "A.TR.1 - DRUCK": prints one A.TR. onto the pre-printed form, each copy a
// job of its own.
class TfrmAtr_d : public shell::PrintWindow
{
    Q_OBJECT
public:
    explicit TfrmAtr_d(QWidget *parent = nullptr);
};

} // namespace origin
