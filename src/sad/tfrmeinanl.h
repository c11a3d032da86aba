#pragma once

#include "sad/declarationwindow.h"

class QFrame;
class QToolButton;

namespace sad {

class TfrmEinheit;

// The goods-item window "Packstücke und Warenbezeichnung" as data.
shell::EntryWindowDefinition exportItemDefinition();

// "Packstücke und Warenbezeichnung": boxes 31 to 46 of one goods item of
// the export declaration, on the current record of the register's items
// table. Closing posts the item and checks it while the declaration's
// plausibility switch is on.
class TfrmEinAnl : public GoodsItemWindow
{
    Q_OBJECT
public:
    explicit TfrmEinAnl(TfrmEinheit &declaration, QWidget *parent = nullptr);
    ~TfrmEinAnl() override;

    QFrame *Panel44 = nullptr; // box 44 of the item
    QToolButton *SpeedButtonInfo44 = nullptr;

protected:
    void mousePressEvent(QMouseEvent *event) override;
};

extern TfrmEinAnl *frmEinAnl;

} // namespace sad
