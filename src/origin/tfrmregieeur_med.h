#pragma once

#include "shell/documentregister.h"

namespace origin {

// The kind EUR-MED as the shared register serves it: the EUR.1's register
// with its own table, parameter fields and windows.
const shell::DocumentKind &eurMedKind();

// "Regiezentrum: EUR-MED", the register of the EUR-MED movement certificates
// (EUR_Med.DB). No other window creates or opens these documents.
class TfrmRegieEur_Med : public shell::DocumentRegister
{
    Q_OBJECT
public:
    explicit TfrmRegieEur_Med(QWidget *parent = nullptr);
};

// The EUR-MED register while one exists; its entry window reaches its tables
// through it.
extern shell::DocumentRegister *frmRegieEur_Med;

} // namespace origin
