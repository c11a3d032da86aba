#pragma once

#include "shell/printwindow.h"

namespace transport {

shell::PrintWindowDefinition deliveryNotePrintDefinition();

// "Lieferschein - Druck": the delivery note on its pre-printed form; every
// page repeats the head, the positions run over as many pages as they need
// and the remarks follow the last position.
class TfrmLieferscheinDruck : public shell::PrintWindow
{
    Q_OBJECT
public:
    explicit TfrmLieferscheinDruck(QWidget *parent = nullptr);
};

} // namespace transport
