#pragma once

#include "atlas/exportunit.h"

#include <QDialog>

class QDateEdit;
class QLabel;
class QToolButton;
class QTreeWidget;
class QWidget;

namespace atlas {

// The choice of declarations by date for the export of several at once
// ("&Atlas Export" of the register): the heads whose date lies between
// "von" and "bis", several rows selectable.
class TfrmExportAuswahl : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmExportAuswahl(QWidget *parent = nullptr);

    // Shows the dialog modally; true with the chosen declarations when the
    // clerk confirmed a choice, false otherwise (selection left untouched).
    static bool SelectDeclarations(DeclarationSelection &selection, QWidget *parent = nullptr);

    // Refills the list from the date range; the selection is lost.
    void FillList();

    // Valid after "Übernehmen" with rows chosen.
    const DeclarationSelection &selection() const { return m_selection; }
    QString WhereText() const { return m_selection.whereText(); }

    QWidget *Panel1;
    QLabel *Label1;
    QLabel *Label2;
    QLabel *Label3;
    QDateEdit *DateVon;
    QDateEdit *DateBis;
    QToolButton *SpeedButton3;
    QTreeWidget *ListView1;
    QToolButton *SpeedButton1;
    QToolButton *SpeedButton2;

public slots:
    void DateBisChange();
    void SpeedButton3Click();
    void SpeedButton1Click();
    void SpeedButton2Click();

private:
    DeclarationSelection m_selection;
};

} // namespace atlas
