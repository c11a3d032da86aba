#pragma once

#include "masterdata/masterdatadefinition.h"

#include <QDialog>
#include <QHash>
#include <QPointer>

class QAbstractButton;
class QButtonGroup;
class QGroupBox;
class QLabel;
class QTabWidget;
class QToolButton;
class QWidget;

namespace platform {
class DataSetModel;
class Table;
}

namespace shell {
class TMyNav;
class TWheelDBGrid;
}

namespace masterdata {

// The edit window every master table is kept in, built from its
// declaration: grid, edit fields, record buttons, search, list print and
// pick mode. A changed record is posted when the user moves on and when the
// window closes; a failed post keeps the window open with the entry.
//
// Pick use: create the window, setPickMode(true), exec(); on Accepted read
// the fields of table()'s current record, then free the window. The table
// stays open for that unless the window closes its table on closing.
class MasterDataWindow : public QDialog
{
    Q_OBJECT
public:
    enum RecordButton { First, Prior, Next, Last, Add, Delete, Edit };

    explicit MasterDataWindow(const MasterDataDefinition &definition, QWidget *parent = nullptr);
    ~MasterDataWindow() override;

    const MasterDataDefinition &definition() const { return m_definition; }
    platform::Table &table() const { return *m_table; }
    shell::TWheelDBGrid *grid() const { return m_grid; }
    platform::DataSetModel *model() const { return m_model; }
    // The edit control or label of that object name, nullptr when absent.
    QWidget *control(const QString &objectName) const;
    QWidget *controlForField(const QString &field) const;
    // The list table of a drop-down field.
    platform::Table *lookupTable(const QString &field) const;
    QAbstractButton *recordButton(RecordButton which) const;
    shell::TMyNav *navigator() const { return m_navigator; }
    QAbstractButton *takeButton() const { return m_take; }
    QAbstractButton *cancelButton() const { return m_cancel; }
    QTabWidget *pages() const { return m_pages; }
    QButtonGroup *sortGroup() const { return m_sortGroup; }

    // Opens the table and the drop-down lists (showing the window does it);
    // nothing when already open.
    void openTables();

    void setPickMode(bool on);
    bool pickMode() const;

    // Record buttons
    void clickRecordButton(RecordButton which);
    // Delete asks "Datensatz löschen?" and deletes on OK.
    void deleteRecord();
    // F9 in a field: its pick button.
    void pickField(const QString &field);

    // Search: the dialog, and its two steps, which the dialog calls.
    void search();
    // Filters the table on the entry for the chosen key (the window's
    // SuchenRoutine); an empty entry changes nothing.
    void SuchenRoutine(int item, const QString &text);
    // After the dialog: on OK the found record stays current in the whole
    // table, shown in the order after a search; the filter goes off.
    void finishSearch(bool accepted);

    void setSortChoice(int item);
    void printList();

    void done(int result) override;

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    // Refuses to post a record whose text key is empty, with a message.
    void refuseEmptyTextKeys();
    QString captionOfField(const QString &field) const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildMenu();
    QWidget *buildEditArea();
    QWidget *buildButtonPanel();
    QWidget *createControl(const EditField &field, QWidget *parent);
    void applyDisplaySettings();
    void updateRecordButtons();
    void focusKeyField();
    void take();
    void gridEnter();
    bool letterInLookup(const EditField &field, const QString &text);

    MasterDataDefinition m_definition;
    platform::Table *m_table;
    platform::DataSetModel *m_model;
    shell::TWheelDBGrid *m_grid;
    QTabWidget *m_pages = nullptr;
    shell::TMyNav *m_navigator = nullptr;
    QVector<QToolButton *> m_recordButtons;
    QWidget *m_pickPanel = nullptr;
    QAbstractButton *m_take = nullptr;
    QAbstractButton *m_cancel = nullptr;
    QButtonGroup *m_sortGroup = nullptr;
    QHash<QString, QWidget *> m_controls; // object name -> control or label
    QHash<QString, QWidget *> m_fieldControls; // lower-case field -> control
    QHash<QWidget *, const EditField *> m_fieldOf;
    QHash<QString, platform::Table *> m_lookups; // lower-case field -> list table
    bool m_opened = false;
};

} // namespace masterdata
