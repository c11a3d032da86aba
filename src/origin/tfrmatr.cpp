#include "origin/tfrmatr.h"

#include "origin/originpicks.h"
#include "origin/tfrmeur1.h"

#include <QFont>

namespace origin {

using shell::EntryControl;
using shell::EntryLabel;

namespace {

enum Pick { CustomerBox1, CustomerBox3, CountryBox5, CountryBox6 };

const QString HintBox10
    = QStringLiteral("10. Laufende Nr., Zeichen, Nummer, Anzahl, Art der Packst., Warenbezeichnung");
const QString HintBox12 = QStringLiteral("12. Bescheinigung der Zollstelle - ");
const QString HintBox13 = QStringLiteral("13. Erklärung des Ausführers / Exporteurs - ");

constexpr int Row = 24;
constexpr int EditHeight = 21;
constexpr int GoodsTop = 570; // box 10, line 1
// Where leaving boxes 7 and line 11 of boxes 10 and 11 scrolls the form.
constexpr int AfterBox7 = 400;
constexpr int AfterLine11 = 850;

QString edit(int number)
{
    return QStringLiteral("DBEdit%1").arg(number);
}

int lineTop(int line)
{
    return GoodsTop + Row * (line - 1);
}

} // namespace

shell::EntryWindowDefinition atrEntryDefinition()
{
    shell::EntryWindowDefinition d;
    d.objectName = QStringLiteral("frmAtr");
    d.caption = QStringLiteral("A.TR.");
    d.size = QSize(784, 541);
    d.pages = { { QString(), 1360 } };
    d.wheelScrollsFromAnywhere = true;
    d.printCaptionPrefix = QStringLiteral("Druck A.TR.     - Belegnummer: ");

    QFont title(QStringLiteral("Arial"));
    title.setPointSize(10);
    title.setBold(true);
    d.labels = {
        EntryLabel::at(QStringLiteral("EUROPÄISCHE GEMEINSCHAFT"), 0, 400, 5)
            .named(QStringLiteral("Label1"))
            .withFont(title, Qt::black),
        EntryLabel::at(QStringLiteral("A.TR."), 0, 680, 5).named(QStringLiteral("Label2")).withFont(title, Qt::black),
        EntryLabel::at(QStringLiteral("Vor dem Ausfüllen Anmerkung auf der Rückseite beachten"), 0, 400, 28),
        EntryLabel::at(QStringLiteral("1. Ausführer / Exporteur "), 0, 10, 5),
        EntryLabel::at(QStringLiteral("2. Frachtbrief"), 0, 400, 60),
        EntryLabel::at(QStringLiteral("Nr."), 0, 400, 83),
        EntryLabel::at(QStringLiteral("vom"), 0, 400, 108),
        EntryLabel::at(QStringLiteral("3. Empfänger"), 0, 10, 150),
        EntryLabel::at(QStringLiteral("5. Ausfuhrstaat"), 0, 400, 150),
        EntryLabel::at(QStringLiteral("6. Bestimmungsstaat"), 0, 580, 150),
        EntryLabel::at(QStringLiteral("7. Angaben über die Beförderung"), 0, 10, 370),
        EntryLabel::at(QStringLiteral("8. Bemerkungen"), 0, 400, 370),
        EntryLabel::at(
            QStringLiteral("10. Laufende Nr., Zeichen, Nummern, Anzahl und Art der Packstücke, Warenbez."), 0, 10, 550),
        EntryLabel::at(QStringLiteral("11. Rohgewichte"), 0, 590, 550),
        EntryLabel::at(QStringLiteral("12. Bescheinigung der Zollstelle"), 0, 10, 1180),
        EntryLabel::at(
            QStringLiteral("Die Richtigkeit der Ausfuhrerklärung wird bescheinigt.\nAusfuhrpapier."), 0, 10, 1200),
        EntryLabel::at(QStringLiteral("Art / Muster"), 0, 10, 1240),
        EntryLabel::at(QStringLiteral("Nr."), 0, 230, 1240),
        EntryLabel::at(QStringLiteral("13. Erklärung des Ausführers / Exporteurs"), 0, 400, 1180),
        EntryLabel::at(QStringLiteral("Der Unterzeichner erklärt, daß die vorgenannten\n"
                                      "Waren die Voraussetzung erfüllen, um diese\n"
                                      "Bescheinigung zu erlangen."),
            0, 400, 1200),
        EntryLabel::at(QStringLiteral("(Ort, Datum)"), 0, 400, 1275),
        EntryLabel::at(QStringLiteral("(Unterschrift)"), 0, 400, 1319),
    };

    QVector<EntryControl> &c = d.controls;
    for (int i = 0; i < 5; ++i) {
        c.append(EntryControl::edit(edit(1 + i), QStringLiteral("Absender_%1").arg(i + 1))
                     .at(0, 10, 25 + Row * i, 330, EditHeight)
                     .hint(QStringLiteral("1. Ausführer / Exporteur"))
                     .pick(CustomerBox1));
    }
    c.append(EntryControl::edit(edit(26), QStringLiteral("we2_1"))
                 .at(0, 435, 80, 300, EditHeight)
                 .hint(QStringLiteral("2. Frachtbrief - (Nr.)")));
    c.append(EntryControl::edit(edit(27), QStringLiteral("We2_2"))
                 .at(0, 435, 105, 150, EditHeight)
                 .hint(QStringLiteral("2. Frachtbrief - (vom)")));
    for (int i = 0; i < 8; ++i) {
        c.append(EntryControl::edit(edit(6 + i), QStringLiteral("Empfaenger_%1").arg(i + 1))
                     .at(0, 10, 170 + Row * i, 330, EditHeight)
                     .hint(QStringLiteral("3. Empfänger"))
                     .pick(CustomerBox3));
    }
    c.append(EntryControl::edit(edit(28), QStringLiteral("Staat1"))
                 .at(0, 400, 170, 140, EditHeight)
                 .hint(QStringLiteral("5. Ausfuhrstaat"))
                 .pick(CountryBox5));
    c.append(EntryControl::edit(edit(29), QStringLiteral("Staat2"))
                 .at(0, 580, 170, 140, EditHeight)
                 .hint(QStringLiteral("6. Bestimmungsstaat"))
                 .pick(CountryBox6));
    for (int i = 0; i < 6; ++i) {
        c.append(EntryControl::edit(edit(14 + i), QStringLiteral("Angaben_%1").arg(i + 1))
                     .at(0, 10, 390 + Row * i, 330, EditHeight)
                     .hint(QStringLiteral("7. Angaben über die Beförderung"))
                     .exitScrollsTo(AfterBox7));
    }
    for (int i = 0; i < 6; ++i) {
        c.append(EntryControl::edit(edit(20 + i), QStringLiteral("Bemerkung_%1").arg(i + 1))
                     .at(0, 400, 390 + Row * i, 330, EditHeight)
                     .hint(QStringLiteral("8. Bemerkungen")));
    }
    // Box 10 from top to bottom, then the masses of box 11: the goods are
    // not traversed line by line.
    c.append(EntryControl::edit(edit(30), QStringLiteral("Eintrag1"))
                 .at(0, 10, lineTop(1), 560, EditHeight)
                 .hint(HintBox10));
    c.append(EntryControl::edit(edit(31), QStringLiteral("Eintrag2"))
                 .at(0, 10, lineTop(2), 560, EditHeight)
                 .hint(HintBox10));
    for (int line = 3; line <= 25; ++line) {
        EntryControl description = EntryControl::edit(edit(3 * line + 23), QStringLiteral("Eintrag%1_1").arg(line))
                                       .at(0, 10, lineTop(line), 560, EditHeight)
                                       .hint(HintBox10);
        if (line == 11)
            description.exitScrollsTo(AfterLine11);
        c.append(description);
    }
    for (int line = 3; line <= 25; ++line) {
        EntryControl mass = EntryControl::edit(edit(3 * line + 24), QStringLiteral("Eintrag%1_2").arg(line))
                                .at(0, 590, lineTop(line), 140, EditHeight)
                                .hint(QStringLiteral("11. Rohgewichte"));
        if (line == 11)
            mass.exitScrollsTo(AfterLine11);
        c.append(mass);
    }
    c.append(EntryControl::edit(edit(101), QStringLiteral("Art_Muster"))
                 .at(0, 10, 1258, 200, EditHeight)
                 .hint(HintBox12 + QStringLiteral("(Art / Muster)")));
    c.append(EntryControl::edit(edit(102), QStringLiteral("Art_nr"))
                 .at(0, 230, 1258, 100, EditHeight)
                 .hint(HintBox12 + QStringLiteral("(Nr.)")));
    // Kept in the table; the form has no room for it (see the constructor).
    c.append(EntryControl::edit(edit(103), QStringLiteral("Art_vom"))
                 .at(0, 340, 1258, 50, EditHeight)
                 .hint(HintBox12 + QStringLiteral("(vom)")));
    c.append(EntryControl::edit(edit(104), QStringLiteral("Ort_datum"))
                 .at(0, 400, 1252, 300, EditHeight)
                 .hint(HintBox13 + QStringLiteral("(Ort / Datum)")));
    c.append(EntryControl::edit(edit(105), QStringLiteral("Unterschrift"))
                 .at(0, 400, 1296, 300, EditHeight)
                 .hint(HintBox13 + QStringLiteral("(Unterschrift)")));

    const QStringList exporter = { QStringLiteral("Absender_1"), QStringLiteral("Absender_2"),
        QStringLiteral("Absender_3"), QStringLiteral("Absender_4"), QStringLiteral("Absender_5") };
    const QStringList consignee = { QStringLiteral("Empfaenger_1"), QStringLiteral("Empfaenger_2"),
        QStringLiteral("Empfaenger_3"), QStringLiteral("Empfaenger_4"), QStringLiteral("Empfaenger_5") };
    d.picks = {
        customerPick(QStringLiteral("SpeedButton1"), 0, QRect(345, 25, 21, 21), exporter, edit(26)),
        customerPick(QStringLiteral("SpeedButton2"), 0, QRect(345, 170, 21, 21), consignee, edit(28)),
        countryPick(QStringLiteral("SpeedButton3"), 0, QRect(545, 170, 21, 21), QStringLiteral("Staat1"), edit(29),
            QPoint(350, 245)),
        countryPick(QStringLiteral("SpeedButton4"), 0, QRect(725, 170, 21, 21), QStringLiteral("Staat2"), edit(14)),
    };

    // The EUR.1's check: its boxes carry the same control names here; the
    // A.TR. has no box "Angaben" and does not ask for a kind of export
    // document.
    shell::PlausibilityDefinition plausibility = eur1PlausibilityDefinition();
    for (shell::PlausibilityDefinition::Box &box : plausibility.boxes) {
        if (box.control == edit(27)) {
            box.control.clear();
            box.hidden = true;
        }
    }
    d.plausibility = plausibility;
    return d;
}

TfrmAtr::TfrmAtr(shell::DocumentRegister &documentRegister, QWidget *parent)
    : shell::EntryWindow(documentRegister, atrEntryDefinition(), parent)
{
    control(edit(103))->hide();
}

} // namespace origin
