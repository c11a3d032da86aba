#pragma once

#include "shell/entrywindow.h"

#include <QStringList>

namespace origin {

// "DBEdit<number>": most input controls of the certificates are named so.
QString dbEdit(int number);

// The names of the three input controls of line 3 to 25 of boxes 8, 9 and
// 10 (description, mass, invoices). The fixed-field list stores them.
QStringList eur1GoodsLineControls(int line);

// The first page of the movement certificates EUR.1 and EUR-MED shares boxes
// 1 to 6 and 8 to 10: fields, control names, box descriptions and picks.
// The pick buttons of that page, in the order of certificatePicks().
namespace CertificatePick {
enum { CustomerBox1, CustomerBox3, CountryBox2, CountryBox4, CountryBox5, Count };
}
// The form's title (named titleName) and the captions of boxes 1 to 10.
QVector<shell::EntryLabel> certificateFrontLabels(const QString &title, const QString &titleName);
// Boxes 1 to 6 in tab order, and the lines of boxes 8 to 10.
QVector<shell::EntryControl> certificateHeadControls();
QVector<shell::EntryControl> certificateGoodsControls();
QVector<shell::EntryPick> certificatePicks();

// "Genehmigungsprüfung" of the EUR.1 (TfrmEur1_Plausi): the eight required
// boxes; the A.TR. entry window uses the same window.
shell::PlausibilityDefinition eur1PlausibilityDefinition();

// The EUR.1 entry window as data: the movement certificate on the first
// page, the exporter's declaration on the second.
shell::EntryWindowDefinition eur1EntryDefinition();

// "EUR. 1": one EUR.1 certificate of the register box by box.
class TfrmEur1 : public shell::EntryWindow
{
    Q_OBJECT
public:
    explicit TfrmEur1(shell::DocumentRegister &documentRegister, QWidget *parent = nullptr);
};

} // namespace origin
