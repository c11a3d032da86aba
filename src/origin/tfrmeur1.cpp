#include "origin/tfrmeur1.h"

#include "origin/originpicks.h"

#include <QFont>

namespace origin {

using shell::EntryControl;
using shell::EntryLabel;

namespace {

const QString HintBox1 = QStringLiteral("1 Ausführer / Exporteur");
const QString HintBox3 = QStringLiteral("3 Empfänger");
const QString HintBox6 = QStringLiteral("6 Angaben zur Beförderung");
const QString HintBox7 = QStringLiteral("7 Bemerkungen");
const QString HintBox8 = QStringLiteral("8 Laufende Nr.; Zeichen; Anzahl und Art der Verpackung; Warenbezeichnung");
const QString HintBox9 = QStringLiteral("9 Rohgewicht (Kg) oder andere Maße (l, m³, usw.)");
const QString HintBox10 = QStringLiteral("10 Rechnungen");
const QString HintBox11 = QStringLiteral("11 Sichtvermerk der Zollbehörde - ");
const QString HintBox12 = QStringLiteral("12. Erklärung des Ausführers / Expoteurs - ");
const QString HintDeclared = QStringLiteral("Der Ausführer erklärt, daß diese Ware die Voraussetzungen erfüllen, ...");
const QString HintCircumstances
    = QStringLiteral("Der Ausführer beschreibt den Sachverhalt, aufgrund dessen diese Waren ...");
const QString HintEvidence = QStringLiteral("Der Ausführer legt folgende Nachweise vor.");

constexpr int Front = 0;
constexpr int Back = 1;
constexpr int Row = 24; // line pitch of the multi-line boxes, pixels
constexpr int EditHeight = 21;

QString edit(int number)
{
    return dbEdit(number);
}

} // namespace

QString dbEdit(int number)
{
    return QStringLiteral("DBEdit%1").arg(number);
}

QStringList eur1GoodsLineControls(int line)
{
    // Line 25's description edit is named "a"; stored lists hold that name.
    if (line == 25)
        return { QStringLiteral("a"), edit(99), edit(100) };
    return { edit(3 * line + 23), edit(3 * line + 24), edit(3 * line + 25) };
}

shell::PlausibilityDefinition eur1PlausibilityDefinition()
{
    shell::PlausibilityDefinition plausibility;
    plausibility.objectName = QStringLiteral("frmEur1_Plausi");
    plausibility.caption = QStringLiteral("Genehmigungsprüfung");
    plausibility.boxes = {
        { edit(1), QStringLiteral("Ausführer / Exporteur") },
        { edit(6), QStringLiteral("Empfänger") },
        { edit(27), QStringLiteral("Angaben") },
        { edit(28), QStringLiteral("Ursprungs-Staat , Ausfuhr-Staat") },
        { edit(29), QStringLiteral("5 Bestimmungs-Staat") },
        { edit(102), QStringLiteral("Nummer ..") },
        { edit(104), QStringLiteral("Ort, Datum") },
        { edit(105), QStringLiteral("Unterschrift") },
    };
    plausibility.rows = { 3, 2, 3 };
    plausibility.size = QSize(465, 188);
    return plausibility;
}

QVector<EntryLabel> certificateFrontLabels(const QString &title, const QString &titleName)
{
    QFont titleFont(QStringLiteral("Arial"));
    titleFont.setPointSize(10);
    titleFont.setBold(true);
    return {
        EntryLabel::at(title, Front, 690, 5).named(titleName).withFont(titleFont, Qt::black),
        EntryLabel::at(QStringLiteral("1 Ausführer / Exporteur (Name, vollständige Anschrift, Staat)"), Front, 10, 5),
        EntryLabel::at(QStringLiteral("2 Bescheinigung für den Präferenzverkehr zwischen"), Front, 390, 25),
        EntryLabel::at(QStringLiteral("und"), Front, 390, 70),
        EntryLabel::at(
            QStringLiteral("(Angabe der betreffenden Staaten,\nStaatengruppen oder Gebiete)"), Front, 390, 115),
        EntryLabel::at(QStringLiteral("3 Empfänger (Name, vollständige Anschrift, Staat) (Ausfüllung freigestellt)"),
            Front, 10, 150),
        EntryLabel::at(QStringLiteral("4 Ursprungsstaat, -gebiet"), Front, 390, 170),
        EntryLabel::at(QStringLiteral("5 Bestimmungsstaat, -gebiet"), Front, 580, 170),
        EntryLabel::at(QStringLiteral("6 Angaben über die Beförderung (Ausfüllung freigestellt)"), Front, 10, 370),
        EntryLabel::at(QStringLiteral("7 Bemerkungen"), Front, 390, 370),
        EntryLabel::at(QStringLiteral("8 Laufende Nr.; Zeichen, Nummern, Anzahl und Art der Packstücke;\n"
                                      "Warenbezeichnung"),
            Front, 10, 537),
        EntryLabel::at(QStringLiteral("9 Rohgewicht (kg)\noder andere Maße"), Front, 460, 537),
        EntryLabel::at(QStringLiteral("10 Rechnungen"), Front, 600, 545),
    };
}

QVector<EntryControl> certificateHeadControls()
{
    QVector<EntryControl> c;
    // Box 1: the exporter. Entering it shows the top of the form.
    for (int i = 0; i < 5; ++i) {
        c.append(EntryControl::edit(edit(1 + i), QStringLiteral("we1_%1").arg(i + 1))
                     .at(Front, 10, 25 + Row * i, 330, EditHeight)
                     .hint(HintBox1)
                     .pick(CertificatePick::CustomerBox1)
                     .enterScrollsTo(0));
    }
    // Box 2: the two countries, groups or territories.
    c.append(EntryControl::edit(edit(26), QStringLiteral("we2_1"))
                 .at(Front, 390, 45, 300, EditHeight)
                 .hint(QStringLiteral("2 Bescheinigung für den Präferenzverkehr zwischen")));
    c.append(EntryControl::edit(edit(27), QStringLiteral("We2_2"))
                 .at(Front, 390, 90, 300, EditHeight)
                 .hint(QStringLiteral("2 Bescheinigung für den Präferenzverkehr zwischen"))
                 .pick(CertificatePick::CountryBox2));
    // Box 3: the consignee.
    for (int i = 0; i < 8; ++i) {
        c.append(EntryControl::edit(edit(6 + i), QStringLiteral("we3_%1").arg(i + 1))
                     .at(Front, 10, 170 + Row * i, 330, EditHeight)
                     .hint(HintBox3)
                     .pick(CertificatePick::CustomerBox3));
    }
    // Boxes 4 and 5: origin and destination.
    c.append(EntryControl::edit(edit(28), QStringLiteral("we4_1"))
                 .at(Front, 390, 190, 150, EditHeight)
                 .hint(QStringLiteral("4 Staat, Staatengruppen oder Gebiet als dessen bzw. deren Ursprungswaren die "
                                      "Waren gelten"))
                 .pick(CertificatePick::CountryBox4));
    c.append(EntryControl::edit(edit(29), QStringLiteral("we5_1"))
                 .at(Front, 580, 190, 140, EditHeight)
                 .hint(QStringLiteral("5 Bestimmungsstaat, -staatengruppe oder -gebiet"))
                 .pick(CertificatePick::CountryBox5));
    // Boxes 6 to 10 lie low on the form: leaving them scrolls on.
    for (int i = 0; i < 6; ++i) {
        c.append(EntryControl::edit(edit(14 + i), QStringLiteral("we6_%1").arg(i + 1))
                     .at(Front, 10, 390 + Row * i, 330, EditHeight)
                     .hint(HintBox6)
                     .scrollOnExit());
    }
    return c;
}

QVector<EntryControl> certificateGoodsControls()
{
    QVector<EntryControl> c;
    c.append(EntryControl::edit(edit(30), QStringLiteral("Eintrag1"))
                 .at(Front, 10, 565, 440, EditHeight)
                 .hint(HintBox8)
                 .scrollOnExit());
    c.append(EntryControl::edit(edit(31), QStringLiteral("Eintrag2"))
                 .at(Front, 10, 565 + Row, 440, EditHeight)
                 .hint(HintBox8)
                 .scrollOnExit());
    for (int line = 3; line <= 25; ++line) {
        const QStringList names = eur1GoodsLineControls(line);
        const int y = 565 + Row * (line - 1);
        c.append(EntryControl::edit(names.at(0), QStringLiteral("Eintrag%1_1").arg(line))
                     .at(Front, 10, y, 440, EditHeight)
                     .hint(HintBox8)
                     .scrollOnExit());
        c.append(EntryControl::edit(names.at(1), QStringLiteral("Eintrag%1_2").arg(line))
                     .at(Front, 460, y, 130, EditHeight)
                     .hint(HintBox9)
                     .rightAligned()
                     .scrollOnExit());
        c.append(EntryControl::edit(names.at(2), QStringLiteral("Eintrag%1_3").arg(line))
                     .at(Front, 600, y, 140, EditHeight)
                     .hint(HintBox10)
                     .scrollOnExit());
    }
    return c;
}

QVector<shell::EntryPick> certificatePicks()
{
    const QStringList lines1 = { QStringLiteral("we1_1"), QStringLiteral("we1_2"), QStringLiteral("we1_3"),
        QStringLiteral("we1_4"), QStringLiteral("we1_5") };
    const QStringList lines3 = { QStringLiteral("we3_1"), QStringLiteral("we3_2"), QStringLiteral("we3_3"),
        QStringLiteral("we3_4"), QStringLiteral("we3_5") };
    // In the order of CertificatePick.
    return {
        customerPick(QStringLiteral("SpeedButton1"), Front, QRect(345, 25, 21, 21), lines1, edit(26)),
        customerPick(QStringLiteral("SpeedButton2"), Front, QRect(345, 170, 21, 21), lines3, edit(28)),
        countryPick(QStringLiteral("SpeedButton3"), Front, QRect(695, 90, 21, 21), QStringLiteral("We2_2"), edit(6)),
        countryPick(QStringLiteral("SpeedButton4"), Front, QRect(545, 190, 21, 21), QStringLiteral("we4_1"), edit(29)),
        countryPick(QStringLiteral("SpeedButton5"), Front, QRect(725, 190, 21, 21), QStringLiteral("we5_1"), edit(14)),
    };
}

shell::EntryWindowDefinition eur1EntryDefinition()
{
    shell::EntryWindowDefinition d;
    d.objectName = QStringLiteral("frmEur1");
    d.caption = QStringLiteral("EUR. 1");
    d.size = QSize(792, 552);
    d.pages
        = { { QStringLiteral("Warenverkehrsbescheinigung"), 1338 }, { QStringLiteral("Erklärung des Ausführers"), 0 } };

    d.labels = certificateFrontLabels(QStringLiteral("EUR. 1"), QStringLiteral("lblEur1"));
    d.labels += {
        EntryLabel::at(
            QStringLiteral("11 Sichtvermerk der Zollbehörde - Ausfuhrpapier: Art / Muster"), Front, 10, 1175),
        EntryLabel::at(QStringLiteral("Nr."), Front, 220, 1195),
        EntryLabel::at(QStringLiteral("vom"), Front, 410, 1195),
        EntryLabel::at(QStringLiteral("12 Erklärung des Ausführers"), Front, 10, 1250),
        EntryLabel::at(QStringLiteral("Ort und Datum"), Front, 10, 1270),
        EntryLabel::at(QStringLiteral("Unterschrift"), Front, 280, 1270),
        EntryLabel::at(QStringLiteral("ERKLÄRT das diese Ware die Voraussetzungen erfüllen,\n"
                                      "um die beigefügten Bescheinigungen zu erlangen"),
            Back, 10, 10),
        EntryLabel::at(QStringLiteral("BESCHREIBT den Sachverhalt, aufgrund dessen diese Waren\n"
                                      "die vorgenannten Voraussetzungen erfüllen, wie folgt:"),
            Back, 10, 110),
        EntryLabel::at(QStringLiteral("LEGT folgende Nachweise VOR:"), Back, 10, 400),
        EntryLabel::at(QStringLiteral("(Ort, Datum)"), Back, 10, 685),
        EntryLabel::at(QStringLiteral("(Unterschrift)"), Back, 330, 685),
    };

    QVector<EntryControl> &c = d.controls;
    c = certificateHeadControls();
    for (int i = 0; i < 6; ++i) {
        c.append(EntryControl::edit(edit(20 + i), QStringLiteral("we7_%1").arg(i + 1))
                     .at(Front, 390, 390 + Row * i, 340, EditHeight)
                     .hint(HintBox7)
                     .scrollOnExit());
    }
    c += certificateGoodsControls();
    // Box 11: the customs endorsement; box 12: the exporter's declaration.
    c.append(EntryControl::edit(edit(101), QStringLiteral("we11_1"))
                 .at(Front, 10, 1215, 200, EditHeight)
                 .hint(HintBox11 + QStringLiteral("Art / Muster")));
    c.append(EntryControl::edit(edit(102), QStringLiteral("we11_2"))
                 .at(Front, 220, 1215, 180, EditHeight)
                 .hint(HintBox11 + QStringLiteral("Nr.")));
    c.append(EntryControl::edit(edit(103), QStringLiteral("we11_3"))
                 .at(Front, 410, 1215, 100, EditHeight)
                 .hint(HintBox11 + QStringLiteral("vom")));
    c.append(EntryControl::edit(edit(104), QStringLiteral("we12_1"))
                 .at(Front, 10, 1290, 250, EditHeight)
                 .hint(HintBox12 + QStringLiteral("Ort und Datum")));
    c.append(EntryControl::edit(edit(105), QStringLiteral("we12_2"))
                 .at(Front, 280, 1290, 250, EditHeight)
                 .hint(HintBox12 + QStringLiteral("Unterschrift"))
                 .exitShowsPage(Back));

    // The back: the exporter's declaration.
    c.append(
        EntryControl::edit(edit(115), QStringLiteral("We14_5")).at(Back, 10, 50, 560, EditHeight).hint(HintDeclared));
    c.append(EntryControl::edit(edit(98), QStringLiteral("We14_6"))
                 .at(Back, 10, 50 + Row, 560, EditHeight)
                 .hint(HintDeclared));
    const QStringList circumstances = { QStringLiteral("we13_1"), QStringLiteral("we13_2"), QStringLiteral("we13_3"),
        QStringLiteral("we13_4"), QStringLiteral("We13_5"), QStringLiteral("We13_6"), QStringLiteral("We13_7"),
        QStringLiteral("We13_8"), QStringLiteral("We13_9"), QStringLiteral("We13_10") };
    const QVector<int> circumstanceEdits = { 106, 107, 108, 109, 110, 118, 119, 120, 121, 122 };
    for (int i = 0; i < circumstances.size(); ++i) {
        c.append(EntryControl::edit(edit(circumstanceEdits.at(i)), circumstances.at(i))
                     .at(Back, 10, 150 + Row * i, 560, EditHeight)
                     .hint(HintCircumstances));
    }
    const QStringList evidence = { QStringLiteral("we14_1"), QStringLiteral("we14_2"), QStringLiteral("we14_3"),
        QStringLiteral("we14_4"), QStringLiteral("We14_7"), QStringLiteral("We14_8"), QStringLiteral("We14_9"),
        QStringLiteral("We14_10"), QStringLiteral("We14_11") };
    const QVector<int> evidenceEdits = { 111, 112, 113, 114, 123, 124, 125, 126, 127 };
    for (int i = 0; i < evidence.size(); ++i) {
        c.append(EntryControl::edit(edit(evidenceEdits.at(i)), evidence.at(i))
                     .at(Back, 10, 420 + Row * i, 560, EditHeight)
                     .hint(HintEvidence));
    }
    c.append(EntryControl::edit(edit(116), QStringLiteral("we15_1"))
                 .at(Back, 10, 660, 300, EditHeight)
                 .hint(QStringLiteral("Ort und Datum")));
    c.append(EntryControl::edit(edit(117), QStringLiteral("we15_2"))
                 .at(Back, 330, 660, 300, EditHeight)
                 .hint(QStringLiteral("Unterschrift des Ausführers"))
                 .exitShowsPage(Front));

    d.picks = certificatePicks();
    d.plausibility = eur1PlausibilityDefinition();
    return d;
}

TfrmEur1::TfrmEur1(shell::DocumentRegister &documentRegister, QWidget *parent)
    : shell::EntryWindow(documentRegister, eur1EntryDefinition(), parent)
{
}

} // namespace origin
