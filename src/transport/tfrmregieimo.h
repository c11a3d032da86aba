#pragma once

#include "shell/documentregister.h"

namespace transport {

// The kind IMO declaration as the shared register serves it.
const shell::DocumentKind &imoKind();

// "Regiezentrum: IMO - Erklärung", the register of the IMO dangerous goods
// declarations (B_GSEE.DB) with the parameter fields of code 12. It searches
// with the filter dialog by number or consignee and copies all fields.
class TfrmRegieIMO : public shell::DocumentRegister
{
    Q_OBJECT
public:
    explicit TfrmRegieIMO(QWidget *parent = nullptr);
};

// The IMO register while one exists.
extern shell::DocumentRegister *frmRegieIMO;

} // namespace transport
