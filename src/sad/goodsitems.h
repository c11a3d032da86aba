#pragma once

#include <QString>
#include <QVariant>
#include <QVector>

#include <functional>

class QMenu;
class QRect;
class QToolButton;
class QWidget;

namespace platform {
class Table;
}

namespace shell {
class EntryWindow;
}

namespace sad {

// What the kinds of the single administrative document share about their
// goods items: the box 3/5 rule, the template's item values for a new item,
// the item buttons below the items grid, adding, deleting with renumbering,
// and the pop-ups that add a text to a box.

// Box 3 (sheet "1" and the number of sheets) and box 5 (the number of
// items): one item on the first sheet, three on each continuation sheet.
struct FormsAndItems {
    QString sheet;
    QString sheets;
    QString items;
};
FormsAndItems formsAndItems(int itemCount);

// The head fields of boxes 3 and 5 of a kind.
struct FormsAndItemsFields {
    QString sheet = QStringLiteral("f3_1");
    QString sheets = QStringLiteral("f3_2");
    QString items = QStringLiteral("F5");
};

// Counts the items of the head's document and writes boxes 3 and 5 into
// the head, posted.
void storeFormsAndItems(platform::Table &head, platform::Table &items, const FormsAndItemsFields &fields = {});

// The values of every field of the template's first goods item, read when
// the entry window is shown; a new item of an ordinary document takes them
// in every field but the document and item number.
class TemplateItemValues
{
public:
    // Reads the first item of the template from the items table (a second
    // view: the table itself stays where it is). No item: no values.
    void read(const platform::Table &items);
    // Writes the values into the items table's current record (in edit).
    void applyTo(platform::Table &items) const;
    bool isEmpty() const { return m_values.isEmpty(); }
    void clear() { m_values.clear(); }

private:
    QVector<QVariant> m_values; // from the third field on
};

// The number a new item takes: one above the highest of the document.
int nextItemNumber(platform::Table &items);

// Appends an item with the next number. In an ordinary document it takes
// the template's values and is posted; in the template it stays in insert
// state for the goods-item window.
void addItem(platform::Table &items, const TemplateItemValues &defaults, bool isTemplate);

// "Datensatz löschen?"; on OK deletes the current item, numbers the rest
// 1, 2, 3 ... in key order and goes to the first. False when not confirmed
// (or when there is no item).
bool deleteItem(platform::Table &items);

// How the buttons below the items grid stand.
enum class ItemButtonRows {
    // The four moves (108 x 27 pixels) in a row from the given corner; add,
    // edit and delete (SpeedButton24 .. 26) in the row below.
    MovesAboveCommands,
    // All seven in one row 27 pixels high across the given width: the moves
    // as arrows with their names as hints, then add, delete and edit
    // (SpeedButton24 .. 26) with their names as captions.
    OneRow,
};

// The buttons below the items grid.
struct ItemButtons {
    QToolButton *first = nullptr; // "Erste Position"
    QToolButton *prior = nullptr; // "Vorherige Position"
    QToolButton *next = nullptr; // "Nächste Position"
    QToolButton *last = nullptr; // "Letzte Position"
    QToolButton *add = nullptr; // "Position hinzufügen"
    QToolButton *edit = nullptr; // "aktuelle Position bearbeiten"
    QToolButton *remove = nullptr; // "Aktuelle Position löschen"

    // Enables the moves for the items table's position: at the end first
    // and prior, at the beginning next and last, elsewhere all four (the
    // end is tested first).
    void updateMoves(platform::Table &items) const;
};
struct ItemCommands {
    std::function<void()> add;
    std::function<void()> edit;
    std::function<void()> remove;
};
// The buttons are named SpeedButton20 ... SpeedButton26; each command runs
// reported in the window.
ItemButtons createItemButtons(QWidget *surface, int x, int y, platform::Table &items, const ItemCommands &commands,
    ItemButtonRows rows = ItemButtonRows::MovesAboveCommands, int width = 0);

// A pop-up of texts for a box (box 14: the kind of representation before
// the declarant's name, the exporter's or consignor's code after it): each
// entry writes its text before or after the field's current text, as
// typing does, cut to the field's size.
struct BoxText {
    QString caption;
    QString text;
    bool before = true;
};
QMenu *createBoxTextMenu(
    shell::EntryWindow &window, const QString &objectName, const QString &field, const QVector<BoxText> &texts);

// The button beside a box that opens its pop-up at the mouse.
QToolButton *createBoxTextButton(QWidget *surface, const QString &objectName, const QRect &geometry, QMenu *menu);

// The button that shows the information on box 44 ("Information für Feld
// 44", nothing taken over), over the window.
QToolButton *createBox44InformationButton(
    QWidget *surface, QWidget *window, const QString &objectName, const QString &text, const QRect &geometry);

// Box 14 of the single administrative document.
QVector<BoxText> box14RepresentationTexts();
QVector<BoxText> box14RoleTexts();

} // namespace sad
