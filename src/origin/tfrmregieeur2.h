#pragma once

#include "shell/documentregister.h"

namespace origin {

// The kind EUR.2 as the shared register serves it.
const shell::DocumentKind &eur2Kind();

// "Regiezentrum: EUR 2", the register of the EUR.2 forms (EUR2.DB) with the
// parameter fields of code 4. It searches with the filter dialog.
class TfrmRegieEUR2 : public shell::DocumentRegister
{
    Q_OBJECT
public:
    explicit TfrmRegieEUR2(QWidget *parent = nullptr);
};

// The EUR.2 register while one exists.
extern shell::DocumentRegister *frmRegieEUR2;

} // namespace origin
