#pragma once

#include "shell/documentregister.h"

namespace sad {

// The kind import declaration ("Import") as the shared register serves it.
const shell::DocumentKind &importDeclarationKind();

// "Regiezentrum: Einheitspapier Import", the register of the import
// declarations (S_IMPEIN.DB with their goods items S_IMPFOL.DB) and of the
// import declaration's parameter fields. Showing it puts the parameter
// record into edit.
class TfrmRegieImport : public shell::DocumentRegister
{
    Q_OBJECT
public:
    explicit TfrmRegieImport(QWidget *parent = nullptr);

    platform::Table &tbeinheit() { return head(); }
    platform::Table &tbEinfol() { return *positions(); }
    platform::Table &tbParameter() { return parameter(); }

protected:
    void FormShow() override;
};

// The import declaration register while one exists.
extern shell::DocumentRegister *frmRegieImport;

} // namespace sad
