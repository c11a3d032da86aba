#pragma once

#include "shell/entrywindow.h"

namespace origin {

// The A.TR. entry window as data: one scrolling form with boxes 1 to 13.
shell::EntryWindowDefinition atrEntryDefinition();

// "A.TR.": one A.TR. movement certificate of the register box by box.
class TfrmAtr : public shell::EntryWindow
{
    Q_OBJECT
public:
    explicit TfrmAtr(shell::DocumentRegister &documentRegister, QWidget *parent = nullptr);
};

} // namespace origin
