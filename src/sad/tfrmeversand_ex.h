#pragma once

#include "sad/declarationwindow.h"

class QFrame;
class QToolButton;

namespace sad {

// The transit goods-item window "Packstücke und Warenbezeichnung" as data.
shell::EntryWindowDefinition transitItemDefinition();

// "Packstücke und Warenbezeichnung": boxes 31 to 46 of one goods item of a
// transit declaration and box 44 of the second and later items (box 44 of
// item 1 is entered on the head, except in the template).
class Tfrmeversand_ex : public GoodsItemWindow
{
    Q_OBJECT
public:
    explicit Tfrmeversand_ex(DeclarationWindow &declaration, QWidget *parent = nullptr);
    ~Tfrmeversand_ex() override;

    QFrame *Panel44 = nullptr; // box 44 of the item
    QToolButton *SpeedButton27 = nullptr;
};

extern Tfrmeversand_ex *frmeversand_ex;

} // namespace sad
