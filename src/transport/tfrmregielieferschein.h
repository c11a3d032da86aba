#pragma once

#include "shell/documentregister.h"

namespace transport {

// The kind delivery note as the shared register serves it.
const shell::DocumentKind &deliveryNoteKind();

// "Regiezentrum: Lieferschein", the register of the delivery notes
// (LIEFER1.DB) and their positions (LIEFER2.DB) with the parameter fields of
// code 25. The template's position (2000000000, 1) holds the values of new
// positions; a note holds at most 44 positions.
class TfrmRegieLieferschein : public shell::DocumentRegister
{
    Q_OBJECT
public:
    explicit TfrmRegieLieferschein(QWidget *parent = nullptr);

    static void OpenDocument(int number);
};

extern shell::DocumentRegister *frmRegieLieferschein;

} // namespace transport
