#pragma once

#include "shell/documentregister.h"

namespace transport {

// The kind shipper's declaration for dangerous goods (air) as the shared
// register serves it.
const shell::DocumentKind &shippersKind();

// "Regiezentrum: Shipper`s Declaration", the register of the shipper's
// declarations (SHIP.DB with their goods lines in SHIP1.DB, parameter code
// 21_2). The template is hidden by a key range; Kopieren copies the head
// only, Löschen removes the goods lines with each head.
class TfrmRegieShippers : public shell::DocumentRegister
{
    Q_OBJECT
public:
    explicit TfrmRegieShippers(QWidget *parent = nullptr);
};

// The shipper's declaration register while one exists.
extern shell::DocumentRegister *frmRegieShippers;

} // namespace transport
