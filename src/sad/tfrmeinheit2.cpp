#include "sad/tfrmeinheit2.h"

#include "masterdata/entrypicks.h"
#include "masterdata/picklists.h"
#include "platform/field.h"
#include "platform/table.h"
#include "sad/declarationpicks.h"
#include "sad/tfrmeinanl2.h"
#include "shell/buttonlook.h"
#include "shell/documentregister.h"
#include "shell/documentroutines.h"
#include "shell/reportedcall.h"
#include "shell/twheeldbgrid.h"

#include <QLayout>
#include <QMenu>
#include <QScrollArea>
#include <QToolButton>

namespace sad {

TfrmEinheit2 *frmEinheit2 = nullptr;

using shell::EntryControl;
using shell::EntryLabel;
using shell::PlausibilityDefinition;
using Box = shell::PlausibilityDefinition::Box;

namespace {

constexpr int EditHeight = 22;
constexpr int Line = 23; // pitch of the lines of a multi-line box

QString edit(int number)
{
    return QStringLiteral("DBEdit%1").arg(number);
}

QRect button(int x, int y, int height = EditHeight)
{
    return QRect(x, y, 21, height);
}

// Pick buttons in the order of the definition.
enum Pick {
    CustomerBox2,
    ProcedureBox1,
    CustomerBox8,
    CountryBox11,
    CountryBox15,
    CountryBox16,
    FederalStateBox17,
    TransportBox18,
    CountryBox18,
    DeliveryBox20,
    TransportBox21,
    CountryBox21,
    CurrencyBox22,
    BusinessBox24,
    TransportBox25,
    TransportBox26,
    CountryBox27,
    CustomsBox29,
};

// The head boxes (group 0) and the goods-item boxes (group 1) of the one
// window; the group asked for keeps its edits, the other has none and is
// hidden.
PlausibilityDefinition importPlausibility(int group)
{
    PlausibilityDefinition p;
    p.objectName = QStringLiteral("frmPlausi2");
    p.caption = QStringLiteral("Genehmigungsprüfung Einheitspapier - Import");
    p.boldGroupTitle = true;
    p.size = QSize(384, 379);
    p.correctCaption = QStringLiteral("&Korrigieren");
    p.closeCaption = QStringLiteral("&Schließen");
    p.escapeCorrects = true;
    // Two columns: the left one read first, so the boxes stand left, right,
    // left, right ... row by row.
    p.boxes = {
        Box(edit(3), QStringLiteral("1. Anmeldung"), { edit(9) }, true).tickedWhen({ edit(3), edit(9) }, false),
        Box(edit(25), QStringLiteral("2. Versender / Ausführer"), { edit(26) }, true),
        Box(edit(31), QStringLiteral("7. Bezugsnummer")),
        Box(edit(6), QStringLiteral("8. Empfänger"), { edit(32) }, true),
        Box(edit(34), QStringLiteral("14. Anmelder / Vertreter"), { edit(38) }, true),
        Box(edit(2), QStringLiteral("15. Versendungs-/ Ausfuhrland")),
        Box(edit(7), QStringLiteral("16. Ursprungsland")),
        Box(edit(11), QStringLiteral("17. b. Bestimm. L. - Code")),
        Box(edit(41), QStringLiteral("19. Ctr.")),
        Box(edit(56), QStringLiteral("20. Lieferbedingung")),
        Box(edit(10), QStringLiteral("21. Kennzeichen")),
        Box(edit(43), QStringLiteral("22. Währung u. i. Rech. Betrag"), { edit(45) })
            .tickedWhen({ edit(43), edit(45) }, true),
        Box(edit(40), QStringLiteral("23. Umrechnungskurs")),
        Box(edit(46), QStringLiteral("24. Art des Geschäfts"), { edit(47) }).tickedWhen({ edit(46), edit(47) }, true),
        Box(edit(13), QStringLiteral("29. Eingangszollstelle")),
        Box(edit(48), QStringLiteral("25. Verkehrszweig ")),
        Box(edit(18), QStringLiteral("49. Bezeichnung des Lagers")),
        Box(edit(1), QStringLiteral("48. Zahlungsaufschub")),
        Box(edit(55), QStringLiteral("54. Ort und Datum"), { edit(22) }, true),
    };
    p.rows = { 2, 2, 2, 2, 2, 2, 2, 2, 2, 1 };
    const int head = int(p.boxes.size());
    p.moreGroups = { { p.group, { 2, 2, 2, 2, 2, 2, 1 } } };
    p.boxes += {
        Box(edit(22), QStringLiteral("31 Warenbezeichnung"), { edit(23), edit(24) }, true)
            .tickedWhen({ edit(22), edit(23), edit(24) }, false)
            .inGroup(1),
        Box(edit(6), QStringLiteral("33. Warennummer")).inGroup(1),
        Box(edit(5), QStringLiteral("34. Urspr.land Code")).inGroup(1),
        Box(edit(1), QStringLiteral("35. Rohmasse")).inGroup(1),
        Box(edit(7), QStringLiteral("36. Präferenz")).inGroup(1),
        Box(edit(2), QStringLiteral("37. Verfahren")).inGroup(1),
        Box(edit(4), QStringLiteral("38. Eigenmasse")).inGroup(1),
        Box(edit(13), QStringLiteral("39. Kontingent")).inGroup(1),
        Box(edit(14), QStringLiteral("40. Summarische Anmeldung")).inGroup(1),
        Box(edit(15), QStringLiteral("41. Besondere Maßeinheit")).inGroup(1),
        Box(edit(8), QStringLiteral("44. Besondere Vermerke")).inGroup(1),
        Box(edit(16), QStringLiteral("46. Stat. Wert")).inGroup(1),
        Box(edit(30), QStringLiteral("47. Abgaben Berechnung")).inGroup(1),
    };
    // The other group's boxes read no edit of this window.
    for (Box &box : p.boxes) {
        if (box.group != group) {
            box.control.clear();
            box.alsoControls.clear();
            box.tickControls.clear();
        }
    }
    p.onlyGroup = group;
    if (group == 0) {
        p.focusOrder = { { edit(3) }, { edit(9) }, { edit(25), 1 }, { edit(31) }, { edit(6), 3 }, { edit(34), 4 },
            { edit(2) }, { edit(7) }, { edit(11) }, { edit(41) }, { edit(56) }, { edit(10) }, { edit(40) },
            { edit(43) }, { edit(45) }, { edit(46) }, { edit(47) }, { edit(48) }, { edit(13) }, { edit(1) },
            { edit(18) }, { edit(55) }, { edit(22) } };
    } else {
        p.focusOrder = { { edit(22), head }, { edit(6) }, { edit(5) }, { edit(1) }, { edit(7) }, { edit(2) },
            { edit(4) }, { edit(13) }, { edit(14) }, { edit(15) }, { edit(8) }, { edit(16) }, { edit(30) } };
    }
    return p;
}

const QString Box2 = QStringLiteral("2 Ausführer / Versender");
const QString Box8 = QStringLiteral("8 Empfänger");
const QString Box14 = QStringLiteral("14 Anmelder / Vertreter");
const QString Box18 = QStringLiteral("18 Kennzeichen und Staatsangehörigkeit des Beförderungsmittel bei der Ankunft");
const QString Box21 = QStringLiteral("21 Kennzeichen und Staatszugeh. des grenzüberschreitendenakt. Beförd.-Mittel");
const QString Box22 = QStringLiteral("22 Währung und in Rechnung gestellter Gesamtbetrag");

} // namespace

PlausibilityDefinition importHeadPlausibility()
{
    return importPlausibility(0);
}

PlausibilityDefinition importItemPlausibility()
{
    return importPlausibility(1);
}

shell::EntryWindowDefinition importEntryDefinition()
{
    shell::EntryWindowDefinition d;
    d.objectName = QStringLiteral("frmEinheit2");
    d.caption = QStringLiteral("Einfuhranmeldung");
    d.size = QSize(798, 590);
    d.pages = { shell::EntryPage { QString(), 1110 } };
    d.closePostsParameter = true;
    d.printCaptionPrefix = QStringLiteral("Druck Einheitspapier - Belegnummer: ");

    QFont title(QStringLiteral("Arial"));
    title.setPointSize(10);
    title.setBold(true);
    d.labels.append(EntryLabel::at(QStringLiteral("EUROPÄISCHE GEMEINSCHAFT"), 0, 8, 2)
                        .named(QStringLiteral("Label1"))
                        .withFont(title, Qt::black));
    const auto label = [&d](const QString &text, int x, int y) { d.labels.append(EntryLabel::at(text, 0, x, y)); };
    label(QStringLiteral("2 Versender / Ausführer"), 8, 38);
    label(QStringLiteral("Nr."), 185, 40);
    label(QStringLiteral("1 Anmeldung"), 350, 24);
    label(QStringLiteral("3 Vordrucke"), 350, 78);
    label(QStringLiteral("4 Ladelisten"), 450, 78);
    label(QStringLiteral("5 Position"), 350, 133);
    label(QStringLiteral("6 Packst. ins."), 450, 133);
    label(QStringLiteral("7 Bezugs Nr."), 579, 129);
    label(QStringLiteral("8 Empfänger"), 8, 199);
    label(QStringLiteral("Nr."), 185, 200);
    label(QStringLiteral("9 Verantwortlicher für den Zahlungsverkehr"), 342, 196);
    label(QStringLiteral("10 Letztes"), 342, 274);
    label(QStringLiteral("Herkunfts- land"), 342, 290);
    label(QStringLiteral("11 Hand./Erz. Land"), 462, 290);
    label(QStringLiteral("12 Angaben zum Wert"), 580, 274);
    label(QStringLiteral("13 G.L.P."), 700, 290);
    label(QStringLiteral("14 Anmelder / Vertreter"), 8, 359);
    // Before the box 14 pop-up button.
    label(QStringLiteral("Nr."), 162, 360);
    label(QStringLiteral("15 Versendungs-/Ausfuhrland"), 342, 347);
    label(QStringLiteral("15 Vers./Ausf.Code"), 520, 330);
    label(QStringLiteral("17 Best.L.Code"), 640, 330);
    label(QStringLiteral("a."), 668, 347);
    label(QStringLiteral("b."), 695, 347);
    label(QStringLiteral("16 Urspr. Land"), 342, 406);
    label(QStringLiteral("17 Bestimmungsland "), 540, 406);
    label(QStringLiteral("18 Kennz. und Staatsangeh. des Beförd.Mittel b. Abg."), 8, 459);
    label(QStringLiteral("19 Ctr."), 345, 459);
    label(QStringLiteral("20 Lieferbedingung"), 414, 459);
    label(QStringLiteral("21 Kennz. und St.-zugeh. des gr.überschr. aktiven Beförd.Mittels"), 8, 513);
    label(QStringLiteral("22  Währung u. i. Rechn. gest. Betrag"), 342, 513);
    label(QStringLiteral("23 Umrechn.-Kurs"), 545, 513);
    label(QStringLiteral("24 Art d. Geschäfts"), 660, 513);
    label(QStringLiteral("25 Verk.-zwg"), 10, 554);
    label(QStringLiteral("a. d. Grenze"), 10, 569);
    label(QStringLiteral("26 Inländ. Verkzweig"), 100, 569);
    label(QStringLiteral("27 Entladeort"), 236, 569);
    label(QStringLiteral("28 Finanz- und Bankangaben"), 442, 569);
    label(QStringLiteral("29 Eingangszollstelle"), 10, 622);
    label(QStringLiteral("30 Warenort"), 134, 622);
    label(QStringLiteral("31 Packstücke und Warenbezeichnung"), 10, 673);
    label(QStringLiteral("48 Zahlungsaufschub"), 415, 860);
    label(QStringLiteral("49 Bezeichnung des Lagers"), 609, 860);
    label(QStringLiteral("B ANGABEN FÜR VERBUCHUNGSZWECKE"), 16, 917);
    label(QStringLiteral("54 Ort und Datum"), 461, 935);
    label(QStringLiteral("Unterschrift"), 460, 982);

    QVector<EntryControl> &c = d.controls;
    const auto add = [&c](int number, const QString &field, int x, int y, int width, const QString &hint) {
        c.append(EntryControl::edit(edit(number), field).at(0, x, y, width, EditHeight).hint(hint));
        return &c.last();
    };
    add(3, QStringLiteral("F1_1"), 350, 42, 27, QStringLiteral("1 Anmeldung"))->enterScrollsTo(0);
    add(9, QStringLiteral("f1_2"), 380, 42, 22, QStringLiteral("1 Anmeldung"))->pick(ProcedureBox1);
    add(30, QStringLiteral("F2_0"), 208, 36, 90, Box2)->pick(CustomerBox2);
    const QVector<int> box2 = { 25, 26, 27, 28, 29 };
    for (int i = 0; i < 5; ++i)
        add(box2.at(i), QStringLiteral("F2_%1").arg(i + 1), 8, 59 + Line * i, 290, Box2)->pick(CustomerBox2);
    add(31, QStringLiteral("F7"), 579, 146, 182, QStringLiteral("7 Bezugsnummer"));
    // Box 8 leaves its description standing in the status bar.
    add(4, QStringLiteral("F8_0"), 208, 196, 90, Box8)->pick(CustomerBox8).keepHintOnExit();
    const QVector<int> box8 = { 6, 32, 33, 36, 37 };
    for (int i = 0; i < 5; ++i)
        add(box8.at(i), QStringLiteral("F8_%1").arg(i + 1), 8, 219 + Line * i, 290, Box8)
            ->pick(CustomerBox8)
            .keepHintOnExit();
    add(5, QStringLiteral("F11_1"), 462, 308, 38,
        QStringLiteral("11 Handels- / Erzeugnisland-Code - (hier besteht eine Übernahmemöglichkeit"))
        ->pick(CountryBox11)
        .plainHint();
    add(35, QStringLiteral("F14_0"), 208, 356, 90, Box14);
    const QVector<int> box14 = { 34, 38, 39 };
    for (int i = 0; i < 3; ++i)
        add(box14.at(i), QStringLiteral("F14_%1").arg(i + 1), 8, 379 + Line * i, 290, Box14);
    add(2, QStringLiteral("F15"), 342, 365, 155, QStringLiteral("15 Versendungs- / Ausfuhrland"));
    add(60, QStringLiteral("F15_1"), 520, 365, 40, QStringLiteral("15 Versendungs- / Ausfuhrland-Code"))
        ->pick(CountryBox15);
    add(11, QStringLiteral("F17_1"), 695, 365, 41, QStringLiteral("17 Bestimmungsland-Code"))->pick(FederalStateBox17);
    add(7, QStringLiteral("F16"), 342, 424, 147, QStringLiteral("16 Ursprungsland"))->pick(CountryBox16).scrollOnExit();
    add(14, QStringLiteral("F18_1"), 8, 477, 223, Box18)->pick(TransportBox18);
    add(8, QStringLiteral("F18_2"), 257, 477, 38, Box18)->pick(CountryBox18);
    add(41, QStringLiteral("F19"), 345, 477, 40, QStringLiteral("19 Container"));
    add(56, QStringLiteral("f20_1"), 414, 476, 40, QStringLiteral("20 Lieferbedingungen"))->pick(DeliveryBox20);
    add(42, QStringLiteral("F20_2"), 496, 476, 241, QStringLiteral("20 Lieferbedingungen"));
    add(10, QStringLiteral("F21_1"), 8, 531, 223, Box21)->pick(TransportBox21);
    add(44, QStringLiteral("F21_2"), 257, 531, 38, Box21)->pick(CountryBox21);
    add(43, QStringLiteral("F22_1"), 342, 531, 38, Box22)->pick(CurrencyBox22);
    add(45, QStringLiteral("F22_2"), 412, 531, 109, Box22);
    add(40, QStringLiteral("F30"), 545, 531, 98, QStringLiteral("23 Rechnungskurs"));
    add(46, QStringLiteral("F24_1"), 668, 531, 23, QStringLiteral("24 Art des Geschäfts"))->pick(BusinessBox24);
    add(47, QStringLiteral("F24_2"), 695, 531, 22, QStringLiteral("24 Art des Geschäfts"))->pick(BusinessBox24);
    add(48, QStringLiteral("F25"), 10, 586, 22, QStringLiteral("Verkehrszweig an der Grenze"))->pick(TransportBox25);
    add(62, QStringLiteral("F26"), 133, 586, 22, QStringLiteral("Inländischer Verkehrszweig"))->pick(TransportBox26);
    add(12, QStringLiteral("F27_1"), 236, 586, 120, QStringLiteral("27 Entladeort"));
    add(50, QStringLiteral("F27_2"), 360, 586, 40, QStringLiteral("27 Entladeort"))->pick(CountryBox27);
    add(21, QStringLiteral("F28"), 442, 586, 303, QStringLiteral("28 Finanz- und Bankangaben"));
    add(13, QStringLiteral("F29"), 10, 640, 71, QStringLiteral("29 Eingangszollstelle"))->pick(CustomsBox29);
    add(61, QStringLiteral("F30_1"), 134, 640, 155, QStringLiteral("30 Warenort"));
    c.append(EntryControl::checkBox(QStringLiteral("DBCheckBox1"), QStringLiteral("F44_10"),
        QStringLiteral("Hinsichtlich aller angemeldeten Waren zum vollen Vorsteuerabzug berechtigt."))
                 .at(0, 10, 881, 383, EditHeight)
                 .checkValues(QStringLiteral("j"), QStringLiteral("n")));
    add(1, QStringLiteral("F48_1"), 415, 878, 167, QStringLiteral("48 Zahlungsaufschub"));
    add(18, QStringLiteral("f49"), 609, 878, 151, QStringLiteral("49 Bezeichnung des Lagers"))->scrollOnExit();
    const QVector<int> boxB = { 51, 52, 53, 54, 23, 24, 49 };
    for (int i = 0; i < 7; ++i)
        add(boxB.at(i), QStringLiteral("FB%1").arg(i + 1), 16, 936 + Line * i, 267,
            QStringLiteral("B Angaben für Verbuchungszwecke"));
    add(55, QStringLiteral("f54_1"), 461, 953, 190, QStringLiteral("54 Ort und Datum"));
    add(22, QStringLiteral("DATUM"), 652, 953, 92, QStringLiteral("54 Ort und Datum"));
    const QVector<int> box54 = { 16, 19, 17, 20 };
    for (int i = 0; i < 4; ++i)
        add(box54.at(i), QStringLiteral("F54_%1").arg(i + 2), 460, 1000 + Line * i, 232,
            QStringLiteral("54 Unterschrift"));
    add(57, QStringLiteral("f3_1"), 350, 95, 25, QString());
    add(58, QStringLiteral("f3_2"), 380, 95, 25, QString());
    add(59, QStringLiteral("F5"), 350, 150, 25, QString());

    const QStringList box2Fields = { QStringLiteral("F2_1"), QStringLiteral("F2_2"), QStringLiteral("F2_3"),
        QStringLiteral("F2_4"), QStringLiteral("F2_5") };
    const QStringList box8Fields = { QStringLiteral("F8_1"), QStringLiteral("F8_2"), QStringLiteral("F8_3"),
        QStringLiteral("F8_4"), QStringLiteral("F8_5") };
    d.picks = {
        masterdata::customerPick(QStringLiteral("SpeedButton1"), 0, button(299, 36, 139), box2Fields, edit(31)),
        readPick<masterdata::TfrmVerfan_e>(QStringLiteral("SpeedButton2"), button(405, 42), QStringLiteral("f1_2"),
            QStringLiteral("Verfahr"), edit(30)),
        masterdata::customerPick(QStringLiteral("SpeedButton3"), 0, button(299, 196, 139), box8Fields, edit(5)),
        countryPick(QStringLiteral("SpeedButton4"), button(502, 308), 110, QStringLiteral("F11_1"), 0, edit(35)),
        countryPick(QStringLiteral("SpeedButton5"), button(562, 365), 40, QStringLiteral("F15_1"), 0, edit(7)),
        countryPick(QStringLiteral("SpeedButton6"), button(490, 424), 160, QStringLiteral("F16"), 0, edit(11)),
        routinePick(QStringLiteral("SpeedButton7"), button(738, 365), edit(14),
            [](shell::EntryWindow &w) { return pickFederalState(w, QStringLiteral("F17_1"), QPoint(500, 200)); }),
        listPick<masterdata::TfrmVerzw_e>(QStringLiteral("SpeedButton8"), button(231, 477), 180, edit(8)),
        countryPick(QStringLiteral("SpeedButton9"), button(297, 477), 1810, QStringLiteral("F18_2"), 0, edit(41)),
        readPick<masterdata::TfrmLiefer_e>(QStringLiteral("SpeedButton10"), button(455, 476), QStringLiteral("f20_1"),
            QStringLiteral("Lieferb"), edit(10)),
        listPick<masterdata::TfrmVerzw_e>(QStringLiteral("SpeedButton11"), button(231, 531), 210, edit(44)),
        countryPick(QStringLiteral("SpeedButton12"), button(297, 531), 2110, QStringLiteral("F21_2"), 0, edit(43)),
        countryPick(QStringLiteral("SpeedButton13"), button(381, 531), 220, QStringLiteral("F22_1"), 0, edit(40)),
        listPick<masterdata::TfrmGesch_e>(QStringLiteral("SpeedButton14"), button(718, 531), 240, QString(), edit(48)),
        listPick<masterdata::TfrmVerzw_e>(QStringLiteral("SpeedButton15"), button(36, 586), 250, edit(62)),
        listPick<masterdata::TfrmVerzw_e>(QStringLiteral("SpeedButton18"), button(157, 586), 260, edit(12)),
        countryPick(QStringLiteral("SpeedButton16"), button(401, 586), 270, QStringLiteral("F27_2"), 0, edit(21)),
        listPick<masterdata::TfrmZoll_e>(QStringLiteral("SpeedButton17"), button(83, 640), 290, QString()),
    };
    d.plausibility = importHeadPlausibility();
    return d;
}

static ItemsLayout importItemsLayout()
{
    ItemsLayout layout;
    layout.columns = { { QStringLiteral("POS"), QStringLiteral("Position"), 8 },
        { QStringLiteral("F31_1"), QStringLiteral("Bezeichnung"), 18 },
        { QStringLiteral("F31_2"), QStringLiteral("Bezeichnung"), 30 },
        { QStringLiteral("F31_3"), QStringLiteral("Bezeichnung"), 30 } };
    layout.grid = QRect(10, 691, 751, 127);
    layout.buttons = QPoint(11, 819);
    layout.buttonRows = ItemButtonRows::OneRow;
    layout.formsAndItemsEdits = { edit(57), edit(58), edit(59) };
    return layout;
}

TfrmEinheit2::TfrmEinheit2(shell::DocumentRegister &documentRegister, QWidget *parent)
    : DeclarationWindow(documentRegister, importEntryDefinition(), importItemsLayout(), parent)
{
    frmEinheit2 = this;
    buildBox14();
    // Box 15's name stands with a picked letter code as its short name.
    attachCountryNumberLookup(
        *this, edit(60), { QStringLiteral("F15"), QStringLiteral("F15_1"), QStringLiteral("Landkbz") });
    // After a customs office the focus goes to the items.
    connect(pickButton(CustomsBox29), &QAbstractButton::clicked, this,
        shell::reported(this, [this] { DBGrid1->setFocus(); }));
    shell::applyRaisedButtonLook(this);
}

TfrmEinheit2::~TfrmEinheit2()
{
    if (frmEinheit2 == this)
        frmEinheit2 = nullptr;
}

void TfrmEinheit2::buildBox14()
{
    PopupMenu1
        = createBoxTextMenu(*this, QStringLiteral("PopupMenu1"), QStringLiteral("F14_1"), box14RepresentationTexts());
    SpeedButton28
        = createBoxTextButton(scrollBox(0)->widget(), QStringLiteral("SpeedButton28"), button(185, 356), PopupMenu1);
}

void TfrmEinheit2::openItemWindow()
{
    TfrmEinAnl2 window(*this);
    window.exec();
}

bool TfrmEinheit2::formClose()
{
    // A failed save asks whether the clerk corrects it; No lets the window close.
    for (platform::Table *table : { &head(), &items(), &parameter() }) {
        if (!saveOrOfferCorrection(*table, ImportHeadSaveQuestion))
            return false;
    }
    return DeclarationWindow::formClose();
}

} // namespace sad
