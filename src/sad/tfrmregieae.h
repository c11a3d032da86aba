#pragma once

#include "shell/documentregister.h"

class QAction;
class QMenuBar;

namespace sad {

// The kind export declaration ("AE") as the shared register serves it.
const shell::DocumentKind &exportDeclarationKind();

// "Regiezentrum: Einheitspapier", the register of the export declarations
// (EINHEIT.DB with its goods items EINFOLG.DB) and of the export
// declaration's parameter fields. The entry, goods-item and plausibility
// windows and the document generators work on its tables.
class TfrmRegieAE : public shell::DocumentRegister
{
    Q_OBJECT
public:
    explicit TfrmRegieAE(QWidget *parent = nullptr);

    // Opens the declaration in the entry window with the register hidden;
    // a number no declaration has does nothing.
    static void OpenDocument(int number);

    platform::Table &tbEinheit() { return head(); }
    platform::Table &tbEinfol() { return *positions(); }
    platform::Table &tbParameter() { return parameter(); }

    QMenuBar *MainMenu1 = nullptr;
    QAction *Liste1 = nullptr; // "Liste": the list by date range
};

// The export declaration register while one exists.
extern shell::DocumentRegister *frmRegieAE;

} // namespace sad
