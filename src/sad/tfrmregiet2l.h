#pragma once

#include "shell/documentregister.h"

namespace sad {

// The kind T2L document ("T2L") as the shared register serves it.
const shell::DocumentKind &t2lKind();

// "Regiezentrum: Einheitspapier", the register of the T2L documents
// (EinHT2L.db with their goods items EinFT2L.db) and of the T2L fields of
// the parameter record. The entry and goods-item windows work on its tables.
class TfrmRegieT2L : public shell::DocumentRegister
{
    Q_OBJECT
public:
    explicit TfrmRegieT2L(QWidget *parent = nullptr);

    platform::Table &tbEinheit() { return head(); }
    platform::Table &tbEinfol() { return *positions(); }
    platform::Table &tbParameter() { return parameter(); }

    // After the entry window the head is saved once more.
    void bbtAendernClick() override;
};

// The T2L register while one exists.
extern shell::DocumentRegister *frmRegieT2L;

} // namespace sad
