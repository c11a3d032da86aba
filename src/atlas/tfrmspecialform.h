#pragma once

#include <QDialog>
#include <QPair>
#include <QString>
#include <QVector>

class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace atlas {

// A code with its text.
using CodeEntry = QPair<QString, QString>;

// The nine code lists of the ATLAS windows (0 to 8): the built-in lists as
// data, list 8 the customs offices of S_ZOLLST.DB by place.
QVector<CodeEntry> codeList(int list);

// The borderless code-list picker shown below the field it fills: code and
// text of one list, "Abbrechen" and "Übernehmen".
class TfrmSpecialForm : public QDialog
{
    Q_OBJECT
public:
    static constexpr int RowHeight = 20;

    explicit TfrmSpecialForm(QWidget *parent = nullptr);

    // Fills the list and fits the window to it.
    void ShowCodeList(int list);
    // Places the picker with its top left corner at the point (screen
    // coordinates) below a field of the given height; above the field when
    // it would reach below the screen, moved left when beyond its right edge.
    void placeBelow(const QPoint &fieldBottomLeft, int fieldHeight);
    // The code of the selected row; empty when none is selected.
    QString selectedCode() const;

    // Shows the picker for the list below the widget; the chosen code, or
    // an empty text when cancelled.
    static QString pickCode(int list, QWidget *field, QWidget *owner);

    QTreeWidget *ListView1;
    QPushButton *btnAbbrechen;
    QPushButton *btnUebernehmen;

public slots:
    void btnUebernehmenClick();

private:
    void fitToContents();
};

} // namespace atlas
