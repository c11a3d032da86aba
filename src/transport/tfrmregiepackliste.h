#pragma once

#include "shell/documentregister.h"

class QPlainTextEdit;

namespace platform {
class DataMemo;
}

namespace transport {

// The kind packing list as the shared register serves it.
const shell::DocumentKind &packingListKind();

// "Regiezentrum: Packliste", the register of the packing lists (B_PALI.DB)
// and their package lines (B_PALI2.DB) with the parameter fields of code 16.
// Neu makes the head only; Kopieren copies the lines too, numbered from 1
// and dated today.
class TfrmRegiePackliste : public shell::DocumentRegister
{
    Q_OBJECT
public:
    explicit TfrmRegiePackliste(QWidget *parent = nullptr);

    // Opens the packing list in the entry window with the register hidden; a
    // number no packing list has does nothing.
    static void OpenDocument(int number);

    // Hidden memos: two plain ones, and the current line's remark (DBMemo1,
    // DBMemo3) and contents (DBMemo2).
    QPlainTextEdit *Memo1 = nullptr;
    QPlainTextEdit *Memo2 = nullptr;
    platform::DataMemo *DBMemo1 = nullptr;
    platform::DataMemo *DBMemo2 = nullptr;
    platform::DataMemo *DBMemo3 = nullptr;
};

// The register while one exists; the entry, line and print windows reach its
// tables through it.
extern shell::DocumentRegister *frmRegiePackliste;

} // namespace transport
