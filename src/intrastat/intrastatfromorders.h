#pragma once

#include <QDialog>
#include <QString>
#include <QStringList>

class QLineEdit;
class QPushButton;

namespace platform {
class Table;
}

namespace orders {
class TfrmAuftrag;
class TfrmRegieAuftragsdaten;
}

namespace intrastat {

// The member states whose dispatches the monthly declaration reports.
const QStringList &communityCountries();

// A value made whole for the declaration: the nearest whole number, halves
// away from zero, as plain text.
QString madeWhole(double value);

// "Instrastat": month and year of the monthly declaration.
class TfrmIntraSend : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmIntraSend(QWidget *parent = nullptr);

    QLineEdit *Edit1 = nullptr; // month
    QLineEdit *Edit2 = nullptr; // year
    QPushButton *BtnStart = nullptr;
    QPushButton *BtnAbbrechen = nullptr;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

// The order register's "&Intrastat": one new dispatch declaration from the
// orders dated in a month, one position per goods number, country and
// region of the member states, written in one transaction, then opened in
// the entry window. Returns the new number, 0 when nothing was created.
int generateMonthlyDeclaration(int month, int year);
// The same after asking for the month in TfrmIntraSend.
void monthlyDeclarationFromOrders(orders::TfrmRegieAuftragsdaten &orderRegister);

// The order window's "&Intrastat": the dispatch declaration with the order's
// number (CurrentDocumentNumber) and its positions condensed; an existing
// declaration is replaced or opened unchanged as the user answers. The
// deletion, the new head and the positions are one transaction.
void declarationFromOrder(orders::TfrmAuftrag &orderWindow);
// The same for the order whose positions the table shows.
void declarationFromOrder(platform::Table &orderPositions, int number);

// Registers both with the order side.
void registerOrderCommands();

} // namespace intrastat
