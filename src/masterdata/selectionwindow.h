#pragma once

#include "platform/datasetmodel.h"

#include <QDialog>

class QPushButton;

namespace platform {
class Table;
}

namespace shell {
class TWheelDBGrid;
}

namespace masterdata {

// Which typed keys move an "Auswahl" window's list.
enum class TypeAheadKeys { LettersAndDigits, AnyKey };

// Everything one "Auswahl" window declares.
struct SelectionDefinition {
    QString className {}; // "TfrmLnder_e"
    QString caption {}; // "Auswahl: Ländertabelle"
    QString table {};
    QString order {}; // display order: a field list
    QVector<platform::DataSetColumn> columns {};
    // Type-ahead: a typed character moves the list to the first row at or
    // after it in this named index (the list is then shown in its order).
    QString searchIndex {};
    QString searchField {};
    TypeAheadKeys keys = TypeAheadKeys::AnyKey;
    // Rows whose Boolean field is true are written in red, others in blue.
    QString redRowField {};
};

// The small pick window over one master table: a grid, "Abbrechen" and
// "Übernehmen". Enter or a double click takes the highlighted row over,
// Escape cancels. The caller reads the row from table() after Accepted.
class SelectionWindow : public QDialog
{
    Q_OBJECT
public:
    explicit SelectionWindow(const SelectionDefinition &definition, QWidget *parent = nullptr);

    const SelectionDefinition &definition() const { return m_definition; }
    platform::Table &table() const { return *m_table; }
    shell::TWheelDBGrid *grid() const { return m_grid; }
    platform::DataSetModel *model() const { return m_model; }
    QPushButton *takeButton() const { return m_take; }
    QPushButton *cancelButton() const { return m_cancel; }

    // A typed character: moves the list to the first row at or after it;
    // false when the window ignores the character.
    bool typeAhead(const QString &text);

    // A tag other than 0 makes "Übernehmen" write the chosen row into the
    // entry window registered for the list and tag (picktargets.h).
    void setTag(int tag) { m_tag = tag; }
    int tag() const { return m_tag; }

    void accept() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    SelectionDefinition m_definition;
    platform::Table *m_table;
    platform::DataSetModel *m_model;
    shell::TWheelDBGrid *m_grid;
    QPushButton *m_take;
    QPushButton *m_cancel;
    int m_tag = 0;
};

} // namespace masterdata
