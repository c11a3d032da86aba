#pragma once

#include "shell/entrywindow.h"

namespace courier {

// The FedEx entry window as data: the air waybill in two columns like the
// carrier's form, box numbers in red.
shell::EntryWindowDefinition fedExEntryDefinition();

// "FedEx": one air waybill of the register box by box. No field is picked,
// computed or checked; the window keeps what the clerk types.
class TfrmFedex : public shell::EntryWindow
{
    Q_OBJECT
public:
    explicit TfrmFedex(shell::DocumentRegister &documentRegister, QWidget *parent = nullptr);
};

} // namespace courier
