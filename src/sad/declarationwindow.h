#pragma once

#include "sad/goodsitems.h"
#include "shell/entrywindow.h"

#include <QPoint>
#include <QRect>

class QFrame;
class QToolButton;

namespace shell {
class TWheelDBGrid;
}

namespace sad {

// One column of the items grid: field, title and width in characters.
struct ItemColumn {
    QString field;
    QString caption;
    int characters = 10;
};

// Where a declaration window has its goods items: the grid below box 31,
// the item buttons below it and the read-only edits of boxes 3 and 5.
struct ItemsLayout {
    QVector<ItemColumn> columns;
    QRect grid;
    QPoint buttons;
    // One row across the grid's width, or the moves above the commands.
    ItemButtonRows buttonRows = ItemButtonRows::MovesAboveCommands;
    QStringList formsAndItemsEdits;
    FormsAndItemsFields formsAndItemsFields;
    // Boxes 3 and 5 are written after every item command, also after a
    // cancelled delete and after "edit" without items; else only after a
    // change.
    bool formsAndItemsAfterEveryCommand = false;
    // The box description while the grid has the focus.
    QString gridHint = QStringLiteral("31 Packstücke und Warenbezeichnung - (Positionen-erfassung)");
};

// The head window of a kind of the single administrative document: an
// entry window with the goods items of the document in a grid and the item
// buttons below it. Adding, editing and deleting items opens the kind's
// goods-item window and keeps boxes 3 and 5; a new item takes the values of
// the template's first item; the wheel over the grid moves the items.
class DeclarationWindow : public shell::EntryWindow
{
    Q_OBJECT
public:
    DeclarationWindow(shell::DocumentRegister &documentRegister, shell::EntryWindowDefinition definition,
        ItemsLayout items, QWidget *parent = nullptr);
    ~DeclarationWindow() override;

    platform::Table &items() const;
    const TemplateItemValues &templateItemValues() const { return m_templateItems; }

    // The goods-item commands below the grid.
    void addPosition();
    void editPosition();
    void deletePosition();

    shell::TWheelDBGrid *DBGrid1 = nullptr;
    ItemButtons itemButtons;

protected:
    // The kind's goods-item window on the current item, modal.
    virtual void openItemWindow() = 0;

    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    bool formClose() override;

private:
    void buildItems();

    ItemsLayout m_layout;
    TemplateItemValues m_templateItems;
    bool m_shown = false;
};

// Box 44 of a goods item in a panel of its own: its caption, the edits of
// the window moved into it and the information button.
struct Box44Panel {
    QRect geometry;
    QString caption;
    QRect captionGeometry;
    QStringList edits;
    QString informationButton;
    QRect informationGeometry;
};

// The goods-item window of a kind: an entry window over the register's
// items table on the current item, whose status panel shows the head
// window's number with the item number, and whose item number edit is red,
// read-only and passed by Tab.
class GoodsItemWindow : public shell::EntryWindow
{
    Q_OBJECT
public:
    GoodsItemWindow(DeclarationWindow &declaration, shell::EntryWindowDefinition definition, const QString &numberEdit,
        QWidget *parent = nullptr);

    DeclarationWindow &declaration() const { return m_declaration; }
    int itemNumber() const;

protected:
    // Builds box 44's panel; on item 1 of an ordinary declaration box 44 is
    // the head's and the panel is hidden. The information button is given
    // back through information.
    QFrame *createBox44Panel(const Box44Panel &panel, QToolButton **information);

private:
    DeclarationWindow &m_declaration;
};

// Posts the table when it is being edited. When the save fails (its message
// has been shown), asks the question: Yes (correct it) gives false, No
// drops the change and gives true, as does a save that succeeds.
bool saveOrOfferCorrection(platform::Table &table, const QString &question);

} // namespace sad
