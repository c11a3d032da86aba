#pragma once

#include "sad/declarationwindow.h"

class QMenu;
class QToolButton;

namespace sad {

// The entry window "Einheitspapier T2L" as data.
shell::EntryWindowDefinition t2lEntryDefinition();

// "Einheitspapier T2L": one T2L document laid out like the form, its goods
// items in a list with the record navigator below box 31, the pick lists of
// the master data, box 14's pop-up and box 55's container check boxes.
class TfrmEinHT2L : public DeclarationWindow
{
    Q_OBJECT
public:
    explicit TfrmEinHT2L(shell::DocumentRegister &documentRegister, QWidget *parent = nullptr);
    ~TfrmEinHT2L() override;

    QMenu *PopupMenu1 = nullptr; // box 14: "[1] " ... before F14_2
    QWidget *DBNavigator1 = nullptr; // first, prior, next, last, insert, delete, edit

protected:
    void openItemWindow() override;
};

// The T2L entry window while it is open.
extern TfrmEinHT2L *frmEinHT2L;

// The goods-item window "Einheitspapier T2L - Positionsbearbeitung" as data.
shell::EntryWindowDefinition t2lItemDefinition();

// "Einheitspapier T2L - Positionsbearbeitung": boxes 31 to 44 of one goods
// item of a T2L document.
class TfrmEinPT2L : public GoodsItemWindow
{
    Q_OBJECT
public:
    explicit TfrmEinPT2L(DeclarationWindow &declaration, QWidget *parent = nullptr);
    ~TfrmEinPT2L() override;
};

extern TfrmEinPT2L *frmEinPT2L;

} // namespace sad
