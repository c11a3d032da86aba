#pragma once

#include <QDialog>
#include <QStringList>
#include <QVector>

class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;

namespace masterdata {

// One row of a code list: the code and its texts, one per further column.
struct CodeHelpRow {
    QString code;
    QStringList texts;
};

struct CodeHelpGroup {
    QString node; // the group's entry in the tree
    QVector<CodeHelpRow> rows;
};

// A code-help window as data: the groups in the tree, the list's columns
// and the captions of the details under the list (one per column).
struct CodeHelpDefinition {
    QString objectName;
    QString caption;
    QStringList columns;
    QVector<int> columnWidths;
    QStringList detailCaptions;
    QVector<CodeHelpGroup> groups;
};

// Box 44 special mentions and box 40 previous-document codes.
CodeHelpDefinition box44Definition();
CodeHelpDefinition box40Definition();

// The explanation of the codes of a box of the single administrative
// document: a group chosen in the tree lists its codes; the row chosen in
// the list is shown in full below it. No table stands behind the lists.
class CodeHelpWindow : public QDialog
{
    Q_OBJECT
public:
    explicit CodeHelpWindow(CodeHelpDefinition definition, QWidget *parent = nullptr);

    const CodeHelpDefinition &definition() const { return m_definition; }
    // Chooses the group in the tree (-1: none), which fills the list.
    void selectGroup(int index);
    int selectedGroup() const;
    // Chooses a row of the list (-1: none).
    void selectRow(int row);
    // The code of the chosen row; empty when none is chosen.
    QString selectedCode() const;
    // The codes listed now, in order.
    QStringList listedCodes() const;
    // The text of the detail value label i (0: the code).
    QString detailText(int index) const;

    QTreeWidget *TreeView1;
    QTreeWidget *ListView1;

protected:
    // Empties the list and fills it with the group's rows (none for -1).
    void fillList(int group);

private:
    void showDetails();

    CodeHelpDefinition m_definition;
    QVector<QLabel *> m_details;
};

// "Information für Feld 44 (keine Übernahme)": for reading only; no group
// is chosen when it opens.
class TfrmInfoF44 : public CodeHelpWindow
{
    Q_OBJECT
public:
    explicit TfrmInfoF44(QWidget *parent = nullptr);
};

// "Information für Feld 40 (mit Übenahme)": the two elements of a previous
// document composed in Edit1 and Edit2; "Code Übernehmen" ends with OK,
// "Schließen" with Cancel. The caller reads Edit1 and Edit2 after OK.
class TfrmInfoF40 : public CodeHelpWindow
{
    Q_OBJECT
public:
    explicit TfrmInfoF40(QWidget *parent = nullptr);

    // "Ausgewähltes Element verwenden": the chosen row's code into the edit
    // of its element; nothing without a chosen group or row.
    void useSelectedElement();

    QLineEdit *Edit1;
    QLineEdit *Edit2;
    QPushButton *btnVerwenden;
    QPushButton *btnUebernehmen;

protected:
    void showEvent(QShowEvent *event) override;
};

} // namespace masterdata
