#pragma once

#include "sad/declarationwindow.h"

class QMenu;
class QToolButton;

namespace sad {

// The entry window "Versandanmeldung" as data.
shell::EntryWindowDefinition transitEntryDefinition();

// "Versandanmeldung": one transit declaration T1/T2 laid out like the front
// of the single administrative document, its goods items in a grid below
// box 31, the pick lists of the master data, the box 14 pop-up and box 17's
// typed country number.
class TfrmEversand : public DeclarationWindow
{
    Q_OBJECT
public:
    explicit TfrmEversand(shell::DocumentRegister &documentRegister, QWidget *parent = nullptr);
    ~TfrmEversand() override;

    QMenu *PopupMenu1 = nullptr; // box 14: "[1] " ... before F14_1
    QToolButton *SpeedButton28 = nullptr;
    QToolButton *SpeedButton27 = nullptr; // box 44 information

protected:
    void openItemWindow() override;
};

// The transit declaration entry window while it is open.
extern TfrmEversand *frmEversand;

} // namespace sad
