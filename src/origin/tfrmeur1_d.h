#pragma once

#include "shell/printwindow.h"

#include <QPoint>
#include <QString>

namespace shell {
class DocumentRegister;
}

namespace origin {

// The publishers' layouts of the EUR.1 forms, in the order of the choice.
enum Eur1Layout { Orvanta, Selmar, Andere };

// The goods lines 3 to 25 of boxes 8 (description), 9 (mass) and 10
// (invoices) of the movement certificates, 40 apart from top on; the
// progress bar at 70 after line 12 and 90 after line 25.
QVector<shell::PrintItem> certificateGoodsLines(int description, int mass, int invoices, int top);

// Boxes 1 to 6 of a certificate's front page (field names of the EUR.1
// unless given), form positions in 0.1 mm: the
// five lines of box 1 and the eight of box 3 and the six of box 6 at one
// left edge, 40 apart; the two fields of box 2 and the two countries of
// boxes 4 and 5; the progress bar at 10 after box 2 and 30 after boxes 4
// and 5.
struct CertificateHead {
    int left = 0;
    QString exporter = QStringLiteral("we1_"); // prefix of the box 1 lines (we1_1 .. we1_5)
    int exporterTop = 0;
    QPoint reference1; // box 2: we2_1 and We2_2
    QPoint reference2;
    QString consignee = QStringLiteral("we3_"); // prefix of the box 3 lines
    int consigneeTop = 0;
    QString country1 = QStringLiteral("we4_1"); // box 4
    QPoint country1At;
    QString country2 = QStringLiteral("we5_1"); // box 5
    QPoint country2At;
    QString box6 = QStringLiteral("we6_"); // prefix of the box 6 lines
    int box6Top = 0;
};
QVector<shell::PrintItem> certificateHead(const CertificateHead &head);

// The EUR.1 front page (boxes 1 to 12) and back page (the exporter's
// declaration), form positions in 0.1 mm; the items of boxes 11 and 12 and of
// the back page belong to one of the layouts.
const QVector<shell::PrintItem> &eur1FrontLayout();
const QVector<shell::PrintItem> &eur1BackLayout();

// The print window of the EUR.1 as data. The publisher chosen goes into the
// field Eur1 of the register's parameter record (when a register is given).
shell::PrintWindowDefinition eur1PrintDefinition(shell::DocumentRegister *documentRegister);

// "EUR1 - DRUCK": prints one EUR.1 onto the pre-printed forms, the front
// page with its copies and the back page once.
class TfrmEur1_d : public shell::PrintWindow
{
    Q_OBJECT
public:
    explicit TfrmEur1_d(shell::DocumentRegister *documentRegister, QWidget *parent = nullptr);
};

} // namespace origin
