#include "origin/tfrmeur2.h"

#include "origin/originpicks.h"

namespace origin {

using shell::EntryControl;
using shell::EntryLabel;

namespace {

enum Pick { CountryBox1, CustomerBox2, CustomerBox4, CountryBox8, CountryBox9 };

constexpr int Row = 24;
constexpr int EditHeight = 21;
// Where the country lists of boxes 8 and 9 open, from the window's corner.
const QPoint CountryListPlace(250, 250);

QString edit(int number)
{
    return QStringLiteral("DBEdit%1").arg(number);
}

} // namespace

shell::PlausibilityDefinition eur2PlausibilityDefinition()
{
    shell::PlausibilityDefinition plausibility;
    plausibility.objectName = QStringLiteral("frmEur2_Pl");
    plausibility.caption = QStringLiteral("Genehmigungsprüfung Eur2");
    plausibility.boxes = {
        { edit(37), QStringLiteral("1 Warenverkehr zwischen"), { edit(38) } },
        { edit(1), QStringLiteral("2 Ausführer"), { edit(2) }, true },
        { edit(7), QStringLiteral("4 Empfänger"), { edit(8) }, true },
        { edit(12), QStringLiteral("5 Ort Datum") },
        { edit(16), QStringLiteral("8 Ursprungsland") },
        { edit(18), QStringLiteral("9 Bestimmungsstaat") },
    };
    plausibility.rows = { 2, 2, 2 };
    plausibility.size = QSize(328, 254);
    plausibility.focusOrder = {
        { edit(1), 1 },
        { edit(37) },
        { edit(38) },
        { edit(7), 2 },
        { edit(12) },
        { edit(16) },
        { edit(18) },
    };
    plausibility.correctCaption = QStringLiteral("&Korrigieren");
    plausibility.closeCaption = QStringLiteral("&Schließen");
    plausibility.boldGroupTitle = true;
    plausibility.escapeCorrects = true;
    return plausibility;
}

shell::EntryWindowDefinition eur2EntryDefinition()
{
    shell::EntryWindowDefinition d;
    d.objectName = QStringLiteral("frmEur2");
    d.caption = QStringLiteral("EUR.2");
    d.size = QSize(733, 570);
    d.pages = { { QString(), 730 } };
    d.statusBar = false;
    d.labels = {
        EntryLabel::at(QStringLiteral("1 Formblatt für den Begünstigten\nWarenverkehr zwischen"), 0, 360, 5),
        EntryLabel::at(QStringLiteral("und"), 0, 506, 48),
        EntryLabel::at(QStringLiteral("2 Absender (Name, vollständige Anschrift, Staat)"), 0, 10, 5),
        EntryLabel::at(QStringLiteral("3 Erklärung des Ausführers\n"
                                      "Der Unterzeichner, Ausführer der nachstehend\n"
                                      "bezeichneten Waren, erklärt, dass diese Waren die\n"
                                      "Voraussetzungen erfüllen, um dieses Formblatt zu\n"
                                      "erlangen."),
            0, 360, 80),
        EntryLabel::at(QStringLiteral("4 Empfänger (Name, vollständige Anschrift, Staat)"), 0, 10, 160),
        EntryLabel::at(QStringLiteral("5 Ort und Datum"), 0, 360, 180),
        EntryLabel::at(QStringLiteral("6 Unterschrift des Ausführers"), 0, 360, 235),
        EntryLabel::at(QStringLiteral("7 Bemerkung"), 0, 10, 335),
        EntryLabel::at(QStringLiteral("8 Ursprungsstaat"), 0, 360, 335),
        EntryLabel::at(QStringLiteral("9 Bestimmungsstaat"), 0, 540, 335),
        EntryLabel::at(QStringLiteral("10 Rohgewicht"), 0, 540, 385),
        EntryLabel::at(QStringLiteral("11 Zeichen, Nummern der Sendung und Warenbezeichnung"), 0, 10, 440),
        EntryLabel::at(QStringLiteral("12 Sichtvermerk der Zollbehörde"), 0, 10, 690),
    };

    QVector<EntryControl> &c = d.controls;
    c.append(EntryControl::edit(edit(37), QStringLiteral("eu1_1")).at(0, 360, 45, 140, EditHeight));
    c.append(EntryControl::edit(edit(38), QStringLiteral("eu1_2")).at(0, 535, 45, 130, EditHeight).pick(CountryBox1));
    for (int i = 0; i < 5; ++i) {
        c.append(EntryControl::edit(edit(1 + i), QStringLiteral("eu2_%1").arg(i + 1))
                     .at(0, 10, 25 + Row * i, 320, EditHeight)
                     .pick(CustomerBox2));
    }
    const QVector<int> consignee = { 7, 8, 9, 10, 11, 34 };
    for (int i = 0; i < consignee.size(); ++i) {
        c.append(EntryControl::edit(edit(consignee.at(i)), QStringLiteral("eu4_%1").arg(i + 1))
                     .at(0, 10, 180 + Row * i, 320, EditHeight)
                     .pick(CustomerBox4));
    }
    c.append(EntryControl::edit(edit(12), QStringLiteral("eu5_1")).at(0, 360, 200, 300, EditHeight));
    c.append(EntryControl::edit(edit(13), QStringLiteral("eu6_1")).at(0, 360, 255, 300, EditHeight));
    const QVector<int> remarks = { 14, 15, 35 };
    for (int i = 0; i < remarks.size(); ++i) {
        c.append(EntryControl::edit(edit(remarks.at(i)), QStringLiteral("eu7_%1").arg(i + 1))
                     .at(0, 10, 355 + Row * i, 320, EditHeight));
    }
    c.append(EntryControl::edit(edit(16), QStringLiteral("eu8_1")).at(0, 360, 355, 140, EditHeight).pick(CountryBox8));
    c.append(EntryControl::edit(edit(17), QStringLiteral("eu8_2")).at(0, 360, 379, 140, EditHeight).pick(CountryBox8));
    c.append(EntryControl::edit(edit(18), QStringLiteral("eu9_1")).at(0, 540, 355, 130, EditHeight).pick(CountryBox9));
    c.append(EntryControl::edit(edit(19), QStringLiteral("eu10_1")).at(0, 540, 405, 130, EditHeight));
    const QVector<int> goods = { 6, 20, 21, 22, 23, 24, 25, 26, 36 };
    for (int i = 0; i < goods.size(); ++i) {
        c.append(EntryControl::edit(edit(goods.at(i)), QStringLiteral("eu11_%1").arg(i + 1))
                     .at(0, 10, 460 + Row * i, 390, EditHeight));
    }

    const QStringList sender = { QStringLiteral("eu2_1"), QStringLiteral("eu2_2"), QStringLiteral("eu2_3"),
        QStringLiteral("eu2_4"), QStringLiteral("eu2_5") };
    const QStringList consigneeFields = { QStringLiteral("eu4_1"), QStringLiteral("eu4_2"), QStringLiteral("eu4_3"),
        QStringLiteral("eu4_4"), QStringLiteral("eu4_5") };
    d.picks = {
        countryPick(QStringLiteral("SpeedButton3"), 0, QRect(670, 45, 21, 21), QStringLiteral("eu1_2"), edit(1)),
        customerPick(QStringLiteral("SpeedButton1"), 0, QRect(335, 25, 21, 21), sender, edit(7)),
        customerPick(QStringLiteral("SpeedButton2"), 0, QRect(335, 180, 21, 21), consigneeFields, edit(12)),
        countryPick(QStringLiteral("SpeedButton4"), 0, QRect(505, 355, 21, 21), QStringLiteral("eu8_1"), edit(18),
            CountryListPlace),
        countryPick(QStringLiteral("SpeedButton5"), 0, QRect(675, 355, 21, 21), QStringLiteral("eu9_1"), edit(19),
            CountryListPlace),
    };
    d.plausibility = eur2PlausibilityDefinition();
    return d;
}

TfrmEur2::TfrmEur2(shell::DocumentRegister &documentRegister, QWidget *parent)
    : shell::EntryWindow(documentRegister, eur2EntryDefinition(), parent)
{
}

} // namespace origin
