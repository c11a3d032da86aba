#include "sad/tfrmeinheit.h"

#include "masterdata/codehelp.h"
#include "masterdata/countries.h"
#include "masterdata/entrypicks.h"
#include "masterdata/keylookup.h"
#include "masterdata/picklists.h"
#include "platform/controlstate.h"
#include "platform/datacheckbox.h"
#include "platform/dataedit.h"
#include "platform/datasetmodel.h"
#include "platform/field.h"
#include "platform/fielddatalink.h"
#include "platform/table.h"
#include "sad/declarationpicks.h"
#include "sad/exporttargets.h"
#include "sad/tfrmeinanl.h"
#include "shell/buttonlook.h"
#include "shell/documentregister.h"
#include "shell/documentroutines.h"
#include "shell/mainstate.h"
#include "shell/reportedcall.h"
#include "shell/tfrmdata1.h"
#include "shell/twheeldbgrid.h"

#include <QKeyEvent>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QScrollArea>
#include <QToolButton>
#include <QWheelEvent>

namespace sad {

TfrmEinheit *frmEinheit = nullptr;

using shell::EntryControl;
using shell::EntryLabel;
using shell::EntryPick;
using shell::PickValues;
using shell::PlausibilityDefinition;
using Box = shell::PlausibilityDefinition::Box;

namespace {

// Pick buttons in the order of the definition.
enum Pick {
    CustomerBox2,
    CustomerBox8,
    CountryBox1,
    ProcedureBox1,
    CountryBox17,
    CountryName17,
    DeliveryBox20,
    TransportBox21,
    CountryBox21,
    CurrencyBox22,
    BusinessBox24,
    TransportBox25,
    TransportBox26,
    CustomsBox29,
};

constexpr int Row = 24; // line pitch of the multi-line boxes, pixels
constexpr int EditHeight = 21;
constexpr int Left = 10; // left column: boxes 2, 8, 14, 21, 25 ...
constexpr int Right = 400; // right column: boxes 1, 3, 5, 7, 9, 17 ...
constexpr int ItemsTop = 660; // box 31 with the items grid

QString edit(int number)
{
    return QStringLiteral("DBEdit%1").arg(number);
}

// The form's rows from top to bottom: the blocks of boxes 8 and 14 and the
// part below the items stand lower than the plain grid of 24 pixels, so that
// their captions stay clear of the lines above.
int formY(int y)
{
    return y + (y >= 160 ? 16 : 0) + (y >= 290 ? 22 : 0) + (y >= 880 ? 32 : 0);
}

const QString HintBox2 = QStringLiteral("2 Versender / Ausführer");
const QString HintBox7 = QStringLiteral("7 Bezugsnummer");
const QString HintBox8 = QStringLiteral("8 Empfänger");
const QString HintBox14 = QStringLiteral("14 Anmelder / Vertreter");
const QString HintBox21
    = QStringLiteral("21 Kennzeichen und Staatsangehörigkeit des Grenzüberschreitenden aktiven Beförderungsmittel");
const QString HintBox22 = QStringLiteral("22 Währung und in Rechnung gestellter Betrag");
const QString HintAccounting = QStringLiteral("B) Angaben für Verbuchungszwecke");
const QString HintBox54 = QStringLiteral("54 Ort und Datum");
const QString HintSignature = QStringLiteral("54 Unterschrift und Name des Anmelders / Vertreters");

QRect button(int x, int y, int height = EditHeight)
{
    return QRect(x, formY(y), 21, height);
}

} // namespace

PlausibilityDefinition exportHeadPlausibility()
{
    PlausibilityDefinition p;
    p.objectName = QStringLiteral("frmPlausi");
    p.caption = QStringLiteral("Genehmigungsprüfung Einheitspapier");
    p.boldGroupTitle = true;
    p.size = QSize(593, 316);
    p.boxes = {
        Box(edit(3), QStringLiteral(" 1 Anmeldung"), { edit(9) }),
        Box(edit(25), QStringLiteral(" 2 Versender"), { edit(26), edit(27) }, true),
        Box(edit(6), QStringLiteral(" 8 Empfänger"), { edit(32), edit(33) }, true),
        Box(edit(34), QStringLiteral("14 Anmelder"), { edit(38), edit(39) }, true),
        Box(edit(11), QStringLiteral("17a Best.-Land-Code")),
        Box(edit(40), QStringLiteral("17 Bestimmungsland")).notOpening(),
        Box(edit(41), QStringLiteral("19 Container")),
        Box(edit(10), QStringLiteral("21 Kennz. Beförd."), { edit(44) }),
        Box(edit(43), QStringLiteral("22 Währung"), { edit(45) }),
        Box(edit(46), QStringLiteral("24 Art des Geschäfts"), { edit(47) }),
        Box(edit(48), QStringLiteral("25 Vkz. Grenze")),
        Box(edit(49), QStringLiteral("26 Vkz. Inland")),
        Box(edit(13), QStringLiteral("29 Zollstelle")),
        Box(edit(55), QStringLiteral("54 Ort, Datum")),
    };
    p.rows = { 2, 2, 2, 2, 2, 2, 2 };
    p.focusOrder = { { edit(3) }, { edit(9) }, { edit(25), 1 }, { edit(6), 2 }, { edit(34), 3 }, { edit(11) },
        { edit(41) }, { edit(10) }, { edit(44) }, { edit(43) }, { edit(45) }, { edit(46) }, { edit(47) }, { edit(48) },
        { edit(49) }, { edit(13) }, { edit(55) } };
    return p;
}

PlausibilityDefinition exportItemPlausibility()
{
    PlausibilityDefinition p = exportHeadPlausibility();
    // The head's boxes stand unticked beside the item's.
    for (Box &box : p.boxes) {
        box.control.clear();
        box.alsoControls.clear();
    }
    p.moreGroups = { { QStringLiteral("Positionen"), {} } };
    p.boxes += {
        Box(edit(26), QStringLiteral("31 Warenbezeichnung"), { edit(27), edit(28) }, true).inGroup(1),
        Box(edit(6), QStringLiteral("33 Stat. Warennummer")).inGroup(1),
        // Opened by the region of origin; ticked only when the country is
        // missing too.
        Box(edit(7), QStringLiteral("34 Ursp.-Land")).tickedWhen({ edit(5), edit(7) }, true).inGroup(1),
        Box(edit(2), QStringLiteral("37 Verfahren"), { edit(3) }).inGroup(1),
        Box(edit(4), QStringLiteral("38 Eigenmasse")).inGroup(1),
        Box(edit(18), QStringLiteral("41 Bes. Maßeinheit")).inGroup(1),
        Box(edit(19), QStringLiteral("46 Stat. Wert")).inGroup(1),
    };
    const int first = int(p.boxes.size()) - 7;
    p.focusOrder = { { edit(26), first }, { edit(6) }, { edit(7) }, { edit(2) }, { edit(3) }, { edit(4) }, { edit(18) },
        { edit(19) } };
    return p;
}

shell::EntryWindowDefinition exportEntryDefinition()
{
    shell::EntryWindowDefinition d;
    d.objectName = QStringLiteral("frmEinheit");
    d.caption = QStringLiteral("Ausfuhranmeldung");
    d.printCaptionPrefix = QStringLiteral("Druck Einheitspapier - Belegnummer: ");
    d.size = QSize(794, 574);
    d.pages = { shell::EntryPage { QString(), formY(1330) } };
    d.closePostsParameter = true;

    QFont title(QStringLiteral("Arial"));
    title.setPointSize(10);
    title.setBold(true);
    const auto label
        = [&d](const QString &text, int x, int y) { d.labels.append(EntryLabel::at(text, 0, x, formY(y))); };
    d.labels.append(EntryLabel::at(QStringLiteral("EUROPÄISCHE GEMEINSCHAFT"), 0, Left, 6)
                        .named(QStringLiteral("Label1"))
                        .withFont(title, Qt::black));
    label(QStringLiteral("AE-Nummer (Bei Druck auf weißem Papier, nicht ausfüllen!!)"), 260, 8);
    label(QStringLiteral("2 Versender / Ausführer"), Left, 34);
    label(QStringLiteral("Nr."), 225, 34);
    label(QStringLiteral("1 Anmeldung"), Right, 34);
    label(QStringLiteral("Angaben für den Stempel des Zollamtes"), 520, 34);
    label(QStringLiteral("3 Vordrucke"), Right, 84);
    label(QStringLiteral("5 Position"), 480, 84);
    label(QStringLiteral("7 Bezugs Nr."), 560, 84);
    label(QStringLiteral("9 Verantwortlicher für den Zahlungsverkehr"), Right, 148);
    label(QStringLiteral("8 Empfänger"), Left, 164);
    label(QStringLiteral("Nr."), 225, 164);
    label(QStringLiteral("10 Erstes Best.-Land"), Right, 240);
    label(QStringLiteral("11 Handels-Land"), 545, 240);
    label(QStringLiteral("13 G.L.P."), 670, 240);
    label(QStringLiteral("15 Versendungs-/Ausfuhrland"), Right, 274);
    label(QStringLiteral("16 Ursprungsland"), 620, 274);
    label(QStringLiteral("14 Anmelder / Vertreter"), Left, 294);
    label(QStringLiteral("Nr."), 225, 294);
    label(QStringLiteral("17 Best.L.-Code"), Right, 314);
    label(QStringLiteral("17 Bestimmungsland"), 520, 314);
    label(QStringLiteral("18 Kennzeichen und Staatszugehörigkeit des Beförderungsmittels beim Abgang"), Left, 394);
    label(QStringLiteral("19 Ctr."), 700, 394);
    label(QStringLiteral("21 Kennz. und Staatangeh. d. Grenzüberschr. akt. Bef.Mittel"), Left, 434);
    label(QStringLiteral("20 Lieferbedingungen"), Right, 434);
    label(QStringLiteral("25 Verk.-zw. a. d.\nGrenze"), Left, 484);
    label(QStringLiteral("26 Inländ. Verk.-zw."), 150, 484);
    label(QStringLiteral("27 Ladeort"), 300, 484);
    label(QStringLiteral("22 Währung u. in Rechn. gest. Gesamtbetrag"), Right, 484);
    label(QStringLiteral("23 Umrechnungskurs"), 560, 534);
    label(QStringLiteral("29 Ausgangszollstelle"), Left, 554);
    label(QStringLiteral("30 Warenort"), 300, 554);
    label(QStringLiteral("24 Art des Gesch."), Right, 534);
    label(QStringLiteral("28 Finanz- und Bankangaben"), Right, 600);
    label(QStringLiteral("31 Packstücke und Warenbezeichnung"), Left, ItemsTop - 22);
    label(QStringLiteral("44 Ausgeführt mit unvollständiger/vereinfachter Ausfuhranmeldung"), Left, 884);
    label(QStringLiteral("ECS/AES Notfallverfahren (Stempel wird\nausgedruckt wenn beide Felder\nausgefülltsind.)"),
        520, 884);
    label(QStringLiteral("Begonnen am: (Datum/Uhrzeit)"), 520, 936);
    label(QStringLiteral("Ticket-Nr.:"), 520, 982);
    label(QStringLiteral("B ANGABEN FÜR VERBUCHUNGSSZWECKE"), Left, 1004);
    label(QStringLiteral("Zollstelle des Ausführers"), Left, 1026);
    label(QStringLiteral("Bezeichnung:"), Left, 1050);
    label(QStringLiteral("Anschrift:"), Left, 1074);
    label(QStringLiteral("49 Bezeichnung des Lagers"), Right, 1004);
    label(QStringLiteral("D Prüfung durch die Abgangsstelle"), Left, 1134);
    label(QStringLiteral("Ergebnis:"), Left, 1156);
    label(QStringLiteral("Angebrachte Verschlüsse: Anzahl"), Left, 1180);
    label(QStringLiteral("Zeichen:"), Left, 1204);
    label(QStringLiteral("Frist (Letzter Tag)"), Left, 1228);
    label(QStringLiteral("Unterschrift:"), Left, 1252);
    label(QStringLiteral("54 Ort und Datum"), Right, 1134);
    label(QStringLiteral("Unterschrift"), Right, 1180);

    QVector<EntryControl> &c = d.controls;
    const auto add = [&c](const QString &name, const QString &field, int x, int y, int width, const QString &hint) {
        c.append(EntryControl::edit(name, field).at(0, x, formY(y), width, EditHeight).hint(hint));
        return &c.last();
    };
    add(edit(71), QStringLiteral("AENR"), 680, 6, 80, HintBox2)->pick(CustomerBox2);
    // Box 1: entering it shows the top of the form.
    add(edit(3), QStringLiteral("F1_1"), Right, 54, 40, QStringLiteral("1 Anmeldung"))
        ->pick(CountryBox1)
        .enterScrollsTo(0);
    add(edit(9), QStringLiteral("f1_2"), 470, 54, 25, QStringLiteral("1 Anmeldung"))
        ->pick(ProcedureBox1)
        .enterScrollsTo(0);
    add(edit(30), QStringLiteral("F2_0"), 250, 32, 100, HintBox2)->pick(CustomerBox2);
    const QStringList box2 = { edit(25), edit(26), edit(27), edit(28), edit(29) };
    for (int i = 0; i < 5; ++i)
        add(box2.at(i), QStringLiteral("F2_%1").arg(i + 1), Left, 56 + Row * i, 340, HintBox2)->pick(CustomerBox2);
    add(edit(61), QStringLiteral("F0_1"), 520, 54, 110, HintBox7);
    add(edit(62), QStringLiteral("F0_2"), 640, 54, 100, HintBox7);
    add(edit(57), QStringLiteral("f3_1"), Right, 104, 30, QString());
    add(edit(58), QStringLiteral("f3_2"), 435, 104, 30, QString());
    add(edit(59), QStringLiteral("F5"), 480, 104, 50, QString());
    add(edit(31), QStringLiteral("F7"), 560, 104, 200, HintBox7);
    add(edit(4), QStringLiteral("F8_0"), 250, 162, 100, HintBox8)->pick(CustomerBox8);
    const QStringList box8 = { edit(6), edit(32), edit(33), edit(36), edit(37) };
    for (int i = 0; i < 5; ++i)
        add(box8.at(i), QStringLiteral("F8_%1").arg(i + 1), Left, 186 + Row * i, 340, HintBox8)->pick(CustomerBox8);
    for (int i = 0; i < 3; ++i)
        add(edit(68 + i), QStringLiteral("F9_%1").arg(i + 1), Right, 160 + Row * i, 360, QString());
    add(edit(35), QStringLiteral("F14_0"), 250, 292, 75, HintBox14);
    const QStringList box14 = { edit(34), edit(38), edit(39) };
    const QStringList box14Fields = { QStringLiteral("F14_1"), QStringLiteral("f14_2"), QStringLiteral("f14_3") };
    for (int i = 0; i < 3; ++i)
        add(box14.at(i), box14Fields.at(i), Left, 316 + Row * i, 340, HintBox14);
    add(edit(11), QStringLiteral("F17_1"), Right, 334, 40, QStringLiteral("17 Bestimmungsland-Code"))
        ->pick(CountryBox17);
    add(edit(40), QStringLiteral("F17_2"), 520, 334, 215,
        QStringLiteral("17 Bestimmungsland - (Übernahmemöglichkeit über Feld 17)"))
        ->scrollOnExit();
    add(edit(41), QStringLiteral("F19"), 700, 414, 30, QStringLiteral("19 Container"));
    add(edit(56), QStringLiteral("f20_1"), Right, 454, 40, QStringLiteral("20 Lieferbedingungen"))->pick(DeliveryBox20);
    add(edit(42), QStringLiteral("F20_2"), 470, 454, 290, QStringLiteral("20 Lieferbedingungen"));
    add(edit(10), QStringLiteral("F21_1"), Left, 454, 270, HintBox21)->pick(TransportBox21);
    add(edit(44), QStringLiteral("F21_2"), 310, 454, 40, HintBox21)->pick(CountryBox21);
    add(edit(43), QStringLiteral("F22_1"), Right, 504, 40, HintBox22)->pick(CurrencyBox22);
    add(edit(45), QStringLiteral("F22_2"), 470, 504, 150, HintBox22);
    add(edit(46), QStringLiteral("F24_1"), Right, 554, 25, QStringLiteral("24 Art des Geschäfts"))->pick(BusinessBox24);
    add(edit(47), QStringLiteral("F24_2"), 428, 554, 25, QStringLiteral("24 Art des Geschäfts"))->pick(BusinessBox24);
    add(edit(48), QStringLiteral("F25"), Left, 516, 30, QStringLiteral("25 Verkehrszweig an der Grenze"))
        ->pick(TransportBox25);
    add(edit(49), QStringLiteral("F26"), 150, 516, 30, QStringLiteral("26 Inländischer Verkehrszweig"))
        ->pick(TransportBox26);
    add(edit(13), QStringLiteral("F29"), Left, 574, 120, QStringLiteral("29 Abgangszollstelle"))->pick(CustomsBox29);
    // Box 44 of the head, below the items.
    add(edit(23), QStringLiteral("f44_5"), Left, 904, 490, QString());
    add(edit(24), QStringLiteral("f44_6"), Left, 904 + Row, 490, QString());
    add(edit(72), QStringLiteral("F44_7"), Left, 904 + 2 * Row, 490, QString());
    add(edit(8), QStringLiteral("NV_AM"), 610, 956, 150, HintAccounting);
    add(edit(12), QStringLiteral("NV_TicketNr"), 610, 980, 150, HintAccounting);
    add(edit(51), QStringLiteral("fb1"), 180, 1024, 200, HintAccounting);
    add(edit(52), QStringLiteral("fb2"), 180, 1048, 200, HintAccounting);
    add(edit(53), QStringLiteral("fb3"), 180, 1072, 200, HintAccounting);
    add(edit(54), QStringLiteral("fb4"), 180, 1096, 200, HintAccounting);
    add(edit(18), QStringLiteral("f49"), Right, 1024, 200, QStringLiteral("49 Bezeichnung des Lagers"));
    const QStringList boxD = { edit(63), edit(64), edit(65), edit(66), edit(67) };
    for (int i = 0; i < 5; ++i)
        add(boxD.at(i), QStringLiteral("FD_%1").arg(i + 1), 215, 1154 + Row * i, 175, HintBox54);
    add(edit(55), QStringLiteral("f54_1"), Right, 1154, 230, HintBox54);
    const QStringList box54 = { edit(16), edit(19), edit(17), edit(20) };
    for (int i = 0; i < 4; ++i)
        add(box54.at(i), QStringLiteral("f54_%1").arg(i + 2), Right, 1200 + Row * i, 230, HintSignature);
    // Kept on the form but never shown: boxes 11 and 16, the further box-44
    // fields and the two box-44 declarations.
    const QStringList hidden = { QStringLiteral("F11_1"), QStringLiteral("F16"), QStringLiteral("f44_0"),
        QStringLiteral("f44_4"), QStringLiteral("f44_1"), QStringLiteral("f44_2"), QStringLiteral("f44_3") };
    const QVector<int> hiddenEdits = { 14, 15, 1, 2, 5, 7, 21 };
    for (int i = 0; i < hidden.size(); ++i)
        add(edit(hiddenEdits.at(i)), hidden.at(i), 0, 0, 10, QString());
    c.append(EntryControl::checkBox(QStringLiteral("DBCheckBox1"), QStringLiteral("F44_10"),
        QStringLiteral("Keine Kenntnis einer Verwendung für Rüstungszwecke"))
                 .at(0, 0, 0, 10, 10)
                 .checkValues(QStringLiteral("j"), QStringLiteral("n")));
    c.append(EntryControl::checkBox(QStringLiteral("DBCheckBox2"), QStringLiteral("F44_11"),
        QStringLiteral("Keine Kenntnis einer Verwendung für kerntechnische Zwecke"))
                 .at(0, 0, 0, 10, 10)
                 .checkValues(QStringLiteral("j"), QStringLiteral("n")));

    const QStringList box2Fields = { QStringLiteral("F2_1"), QStringLiteral("F2_2"), QStringLiteral("F2_3"),
        QStringLiteral("F2_4"), QStringLiteral("F2_5") };
    const QStringList box8Fields = { QStringLiteral("F8_1"), QStringLiteral("F8_2"), QStringLiteral("F8_3"),
        QStringLiteral("F8_4"), QStringLiteral("F8_5") };
    d.picks = {
        masterdata::customerPick(
            QStringLiteral("SpeedButton1"), 0, button(355, 56, 4 * Row + EditHeight), box2Fields, edit(4)),
        masterdata::customerPick(
            QStringLiteral("SpeedButton2"), 0, button(355, 186, 4 * Row + EditHeight), box8Fields, QString()),
        countryPick(QStringLiteral("SpeedButton3"), button(442, 54), 1, QStringLiteral("F1_1"), 1, edit(9)),
        readPick<masterdata::TfrmVerfan_e>(QStringLiteral("SpeedButton4"), button(497, 54), QStringLiteral("f1_2"),
            QStringLiteral("Verfahr"), edit(30)),
        countryPick(QStringLiteral("SpeedButton5"), button(442, 334), 17, QStringLiteral("F17_1"), 17, edit(40)),
        countryPick(
            QStringLiteral("SpeedButton6"), button(737, 334), 1701, QStringLiteral("F17_2"), 17, edit(41), true),
        readPick<masterdata::TfrmLiefer_e>(QStringLiteral("SpeedButton7"), button(442, 454), QStringLiteral("f20_1"),
            QStringLiteral("Lieferb"), edit(10)),
        listPick<masterdata::TfrmVerzw_e>(QStringLiteral("SpeedButton8"), button(282, 454), 21, edit(44), edit(44)),
        countryPick(QStringLiteral("SpeedButton9"), button(352, 454), 211, QStringLiteral("F21_2"), 21, edit(43)),
        countryPick(QStringLiteral("SpeedButton10"), button(442, 504), 22, QStringLiteral("F22_1"), 22, edit(45)),
        listPick<masterdata::TfrmGesch_e>(QStringLiteral("SpeedButton11"), button(455, 554), 24, QString(), edit(48)),
        listPick<masterdata::TfrmVerzw_e>(QStringLiteral("SpeedButton12"), button(42, 516), 25, edit(49)),
        listPick<masterdata::TfrmVerzw_e>(QStringLiteral("SpeedButton13"), button(182, 516), 26, edit(13)),
        listPick<masterdata::TfrmZoll_e>(QStringLiteral("SpeedButton15"), button(132, 574), 29, QString()),
    };
    d.plausibility = exportHeadPlausibility();
    return d;
}

static ItemsLayout exportItemsLayout()
{
    ItemsLayout layout;
    layout.columns = { { QStringLiteral("pos"), QStringLiteral("Pos."), 5 },
        { QStringLiteral("f33_1"), QStringLiteral("Warennummer"), 14 },
        { QStringLiteral("f31_1"), QStringLiteral("Bezeichnung"), 16 },
        { QStringLiteral("f31_2"), QStringLiteral("Bezeichnung"), 26 },
        { QStringLiteral("f31_3"), QStringLiteral("Bezeichnung"), 26 } };
    layout.grid = QRect(Left, formY(ItemsTop), 750, 180);
    layout.buttons = QPoint(Left, formY(ItemsTop) + 186);
    // Boxes 3 and 5 are kept by the window.
    layout.formsAndItemsEdits = { edit(57), edit(58), edit(59) };
    return layout;
}

TfrmEinheit::TfrmEinheit(shell::DocumentRegister &documentRegister, QWidget *parent)
    : DeclarationWindow(documentRegister, exportEntryDefinition(), exportItemsLayout(), parent)
{
    frmEinheit = this;
    for (const QString &name : { edit(14), edit(15), edit(1), edit(2), edit(5), edit(7), edit(21),
             QStringLiteral("DBCheckBox1"), QStringLiteral("DBCheckBox2") })
        control(name)->hide();

    buildBox14();
    buildBox44();
    attachCountryLookup();

    // "&Wechseln" stands before "&Drucken".
    auto *menuBar = qobject_cast<QMenuBar *>(layout()->menuBar());
    mnuWechseln = new QMenu(QStringLiteral("&Wechseln"), this);
    mnuWechseln->setObjectName(QStringLiteral("mnuWechseln"));
    menuBar->insertMenu(mnuDrucken, mnuWechseln);
    buildWechseln();

    // After a customs office the focus goes to the items.
    connect(pickButton(CustomsBox29), &QAbstractButton::clicked, this, [this] { DBGrid1->setFocus(); });
    shell::applyRaisedButtonLook(this);
    applyBox44Declaration();
}

TfrmEinheit::~TfrmEinheit()
{
    if (frmEinheit == this)
        frmEinheit = nullptr;
}

void TfrmEinheit::buildWechseln()
{
    QHash<QString, QMenu *> submenus;
    for (const ExportTarget &entry : exportDeclarationTargets()) {
        QMenu *submenu = submenus.value(entry.submenu);
        if (!submenu) {
            submenu = mnuWechseln->addMenu(entry.submenu);
            submenus.insert(entry.submenu, submenu);
        }
        QAction *action = submenu->addAction(entry.caption);
        action->setObjectName(QStringLiteral("mnu") + entry.target.kindKey);
        // Kinds whose register the program does not have yet stay disabled.
        action->setEnabled(targetAvailable(entry.target));
        const GeneratorTarget *target = &entry.target;
        connect(action, &QAction::triggered, this,
            [this, target] { shell::runReported(this, [this, target] { makeDocument(*target); }); });
    }
}

void TfrmEinheit::makeDocument(const GeneratorTarget &target)
{
    shell::PostIfEditing(head());
    shell::PostIfEditing(items());
    generateDocument(target, readSourceDocument(head(), items()), this);
}

void TfrmEinheit::buildBox14()
{
    QWidget *surface = scrollBox(0)->widget();
    PopupMenu14Representation = createBoxTextMenu(
        *this, QStringLiteral("PopupMenu14Representation"), QStringLiteral("F14_1"), box14RepresentationTexts());
    PopupMenu14Role
        = createBoxTextMenu(*this, QStringLiteral("PopupMenu14Role"), QStringLiteral("f14_2"), box14RoleTexts());
    SpeedButton14Representation
        = createBoxTextButton(surface, QStringLiteral("SpeedButton16"), button(330, 292), PopupMenu14Representation);
    SpeedButton14Role = createBoxTextButton(
        surface, QStringLiteral("SpeedButton17"), button(355, 316, 2 * Row + EditHeight), PopupMenu14Role);
}

void TfrmEinheit::buildBox44()
{
    QWidget *surface = scrollBox(0)->widget();
    SpeedButtonInfo44 = createBox44InformationButton(surface, this, QStringLiteral("SpeedButton18"),
        QStringLiteral("Information zu Feld 44"), QRect(Left, formY(904) + 3 * Row + 2, 490, EditHeight));
}

void TfrmEinheit::attachCountryLookup()
{
    auto *code = qobject_cast<QLineEdit *>(control(edit(11)));
    masterdata::attachKeyLookup(
        code, [] { return shell::frmData1 ? shell::frmData1->tbLand : nullptr; },
        { QStringLiteral("Lkz"), masterdata::KeyMatch::Prefix, masterdata::NoCountryFound },
        [this](platform::Table &countries) {
            platform::Table &declaration = head();
            shell::EditIfBrowsing(declaration);
            declaration.fieldByName(QStringLiteral("F17_1"))
                .setAsString(countries.fieldByName(QStringLiteral("Lkz")).asString());
            shell::PostIfEditing(declaration);
            setStatusText(0, QString());
        });
}

void TfrmEinheit::applyBox44Declaration()
{
    // Only the state of the edits changes; the declaration keeps its text.
    const bool ticked = head().fieldByName(QStringLiteral("F44_11")).asString() == QLatin1String("j");
    for (const QString &name : { edit(23), edit(24) }) {
        QWidget *box = control(name);
        const bool fixed = platform::controlColor(this, name) == shell::ActiveBorderColor;
        if (fixed)
            continue;
        box->setEnabled(!ticked);
        platform::setControlColor(this, name, ticked ? palette().color(QPalette::Button) : shell::WindowColor);
    }
}

void TfrmEinheit::openItemWindow()
{
    TfrmEinAnl window(*this);
    window.exec();
}

} // namespace sad
