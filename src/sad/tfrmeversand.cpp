#include "sad/tfrmeversand.h"

#include "masterdata/countries.h"
#include "masterdata/entrypicks.h"
#include "masterdata/picklists.h"
#include "platform/field.h"
#include "platform/table.h"
#include "sad/declarationpicks.h"
#include "sad/tfrmeversand_ex.h"
#include "shell/buttonlook.h"
#include "shell/reportedcall.h"
#include "shell/twheeldbgrid.h"

#include <QAbstractButton>
#include <QAction>
#include <QScrollArea>

namespace sad {

TfrmEversand *frmEversand = nullptr;

using masterdata::PickTargetValue;
using shell::EntryControl;
using shell::EntryLabel;

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
    ProcedureBox1,
    CustomerBox2,
    CustomerBox8,
    CountryBox11,
    CountryBox15,
    CountryBox16,
    CountryBox17,
    DeliveryBox20,
    TransportBox21,
    CountryBox21,
    CurrencyBox22,
    BusinessBox24,
    TransportBox25,
    TransportBox26,
    CustomsBox29,
};

const QString Box2 = QStringLiteral("2 Versender / Ausführer");
const QString Box8 = QStringLiteral("8 Empfänger");
const QString Box14 = QStringLiteral("14 Anmelder / Vertreter");
const QString Box21
    = QStringLiteral("21 Kennzeichen und Staatsangehörigkeit des grenzüberschreitenden aktiven Beförderungsmittel");
const QString Box24 = QStringLiteral("24. Art des Geschäfts");
const QString Box44
    = QStringLiteral("44 Besondere Vermerke / vorgelegte Unterlagen / Bescheinigungen und Genehmigungen");
const QString Box50 = QStringLiteral("50 Hauptverpflichter - Anschrift");
const QString Box51 = QStringLiteral("51 Vorgesehene Durchgangszollstellen (und Land)");

// Top of the boxes below the goods items.
constexpr int Box44Top = 908;
constexpr int Box50Top = 1040;
constexpr int Box51Top = 1270;
constexpr int Box52Top = 1344;
constexpr int BoxDTop = 1418;

void addLabels(shell::EntryWindowDefinition &d)
{
    QFont title(QStringLiteral("Arial"));
    title.setPointSize(10);
    title.setBold(true);
    d.labels.append(EntryLabel::at(QStringLiteral("EUROPÄISCHE GEMEINSCHAFT"), 0, 8, 2)
                        .named(QStringLiteral("Label1"))
                        .withFont(title, Qt::black));
    const auto label = [&d](const QString &text, int x, int y) { d.labels.append(EntryLabel::at(text, 0, x, y)); };
    label(QStringLiteral("A Versendungs / Ausfuhrzollstelle"), 560, 4);
    label(QStringLiteral("1 Anmeldung"), 350, 24);
    label(QStringLiteral("2 Versender / Ausführer"), 8, 38);
    label(QStringLiteral("Nr."), 185, 40);
    label(QStringLiteral("3 Vordrucke"), 350, 78);
    label(QStringLiteral("4 Ladelisten"), 450, 78);
    label(QStringLiteral("5 Position"), 350, 133);
    label(QStringLiteral("6 Packst. Insgesamt"), 450, 133);
    label(QStringLiteral("7 Bezugsnummer"), 579, 129);
    label(QStringLiteral("8 Empfänger"), 8, 199);
    label(QStringLiteral("Nr."), 185, 200);
    label(QStringLiteral("9 Verantwortlicher für den Zahlungsverkehr"), 342, 196);
    label(QStringLiteral("10 Erstes"), 342, 274);
    label(QStringLiteral("Best. Land"), 342, 290);
    label(QStringLiteral("11 Handelsland"), 462, 290);
    label(QStringLiteral("13 G.L.P."), 640, 290);
    label(QStringLiteral("14 Anmelder / Vertreter"), 8, 359);
    label(QStringLiteral("Nr."), 185, 360);
    label(QStringLiteral("15 Versendungs-/Ausfuhrland"), 342, 347);
    label(QStringLiteral("15 Vers./Ausf"), 540, 330);
    label(QStringLiteral("Code"), 540, 347);
    label(QStringLiteral("17 Best.L.Code"), 640, 330);
    label(QStringLiteral("16 Urspr. Land"), 342, 406);
    label(QStringLiteral("17 Bestimmungsland "), 540, 406);
    label(QStringLiteral("18 Kennz. und Staatsangeh. des Beförd.Mittel b. Abgang"), 8, 459);
    label(QStringLiteral("19 Ctr."), 345, 459);
    label(QStringLiteral("20 Lieferbedingung"), 414, 459);
    label(QStringLiteral("21 Kennz. und St- zugeh. des grenzüberschr. aktiven Beförd.Mittels"), 8, 513);
    label(QStringLiteral("22  Währung u. in Rechn. gest.Betr."), 342, 513);
    // The printed title breaks into lines within its box.
    d.labels.append(
        EntryLabel::at(QStringLiteral("23 Umrech-       nungs-         kurs"), 0, 545, 500, 92, 32).wrapping());
    label(QStringLiteral("24 A. d. Geschäfts"), 640, 513);
    label(QStringLiteral("25 Verk.zwg."), 10, 554);
    label(QStringLiteral("a. d."), 10, 569);
    label(QStringLiteral("Grenze"), 44, 569);
    label(QStringLiteral("26 Inländ."), 100, 554);
    label(QStringLiteral("Vkzweig"), 100, 569);
    label(QStringLiteral("27 Ladeort"), 236, 569);
    label(QStringLiteral("28 Finanz- und Bankangaben"), 442, 569);
    label(QStringLiteral("29 Ausgangszollstelle"), 10, 622);
    label(QStringLiteral("30 Warenort"), 170, 622);
    label(QStringLiteral("31 Packstücke und Warenbezeichnung"), 10, 673);
    label(QStringLiteral("44. Besondere Vermerke"), 10, Box44Top - 18);
    label(QStringLiteral("50 Hauptverpflichter"), 10, Box50Top - 18);
    label(QStringLiteral("Nr."), 300, Box50Top - 18);
    label(QStringLiteral("vertreten durch"), 10, Box50Top + 4 * Line + 3);
    label(QStringLiteral("Ort und Datum"), 10, Box50Top + 5 * Line + 3);
    label(QStringLiteral("49. Bezeichnung des Lagers"), 500, Box50Top - 18);
    label(QStringLiteral("B ANGABEN FÜR VERBUCHUNGSZWECKE"), 500, Box50Top + 28);
    label(QStringLiteral("Zollstelle des Ausführers"), 500, Box51Top - 82);
    label(QStringLiteral("Bezeichnung:"), 500, Box51Top - 64);
    label(QStringLiteral("Anschrift:"), 500, Box51Top - 46);
    label(QStringLiteral("51 Vorgesehene Durchgangszollstellen (und Land)"), 10, Box51Top - 18);
    label(QStringLiteral("Versandtag"), 10, Box51Top + Line + 6);
    label(QStringLiteral("52 Sicherheit nicht gültig für"), 10, Box52Top - 18);
    label(QStringLiteral("Code"), 420, Box52Top - 18);
    label(QStringLiteral("53 Bestimmungsstelle (und Land)"), 500, Box52Top - 18);
    label(QStringLiteral("D) Prüfunug durch die Zollstelle"), 10, BoxDTop - 18);
    label(QStringLiteral("Ergebnis:"), 10, BoxDTop + Line + 3);
    label(QStringLiteral("Angebrachte Verschlüsse: Anzahl :"), 10, BoxDTop + 2 * Line + 3);
    label(QStringLiteral("Zeichen:"), 10, BoxDTop + 3 * Line + 3);
    label(QStringLiteral("Frist (letzter Tag):"), 10, BoxDTop + 4 * Line + 3);
    label(QStringLiteral("Unterschrift :"), 10, BoxDTop + 5 * Line + 3);
    label(QStringLiteral("54 Ort und Datum"), 500, BoxDTop - 18);
    label(QStringLiteral("Unterschrift"), 500, BoxDTop + Line + 3);
}

QVector<shell::EntryPick> transitPicks()
{
    const QStringList box2Fields = { QStringLiteral("F2_1"), QStringLiteral("F2_2"), QStringLiteral("F2_3"),
        QStringLiteral("F2_4"), QStringLiteral("F2_5") };
    const QStringList box8Fields = { QStringLiteral("F8_1"), QStringLiteral("F8_2"), QStringLiteral("F8_3"),
        QStringLiteral("F8_4"), QStringLiteral("F8_5") };
    const auto field = [](const char *target, const char *source) {
        return PickTargetValue::fromField(QLatin1String(target), QLatin1String(source));
    };
    using Countries = masterdata::TfrmLnder_e;
    using Transport = masterdata::TfrmVerzw_e;
    // Box 17's list starts on the letter codes' order.
    const auto byLetterCode
        = [](Countries &list, shell::EntryWindow &) { list.table().setIndexFieldNames(QStringLiteral("Lkz")); };
    return {
        readPick<masterdata::TfrmVerfan_e>(
            QStringLiteral("SpeedButton2"), button(421, 42), { field("f1_2", "Verfahr") }, edit(30)),
        masterdata::customerPick(QStringLiteral("SpeedButton1"), 0, button(299, 36, 139), box2Fields, edit(31)),
        masterdata::customerPick(QStringLiteral("SpeedButton3"), 0, button(299, 196, 139), box8Fields, edit(60)),
        readPick<Countries>(QStringLiteral("SpeedButton11"), button(502, 308), { field("F11", "Lkz") }, edit(35),
            countrySetUp(QStringLiteral("F11"), 0)),
        readPick<Countries>(QStringLiteral("SpeedButton4"), button(499, 365), { field("f15", "Bez") }, edit(77),
            countrySetUp(QStringLiteral("f15"), 0)),
        readPick<Countries>(QStringLiteral("SpeedButton12"), button(490, 424), { field("F16", "Bez") }, edit(40),
            countrySetUp(QStringLiteral("F16"), 0, true)),
        readPick<Countries>(QStringLiteral("SpeedButton5"), button(721, 424),
            { field("F17", "Bez"), field("F17_1", "Lkz") }, QString(), byLetterCode),
        readPick<masterdata::TfrmLiefer_e>(
            QStringLiteral("SpeedButton13"), button(455, 476), { field("f20_1", "Lieferb") }, edit(80)),
        readPick<Transport>(QStringLiteral("SpeedButton8"), button(231, 531), { field("F21_1", "bez1") }, edit(44)),
        readPick<Countries>(QStringLiteral("SpeedButton9"), button(297, 531), { field("F21_2", "Lkz") }, edit(62)),
        readPick<Countries>(QStringLiteral("SpeedButton14"), button(381, 531), { field("F22_1", "Waehrung") }, edit(82),
            countrySetUp(QStringLiteral("F22_1"), 0)),
        readPick<masterdata::TfrmGesch_e>(QStringLiteral("SpeedButton15"), button(698, 531),
            { PickTargetValue::character(QStringLiteral("F24_1"), QStringLiteral("Geart"), 0),
                PickTargetValue::character(QStringLiteral("F24_2"), QStringLiteral("Geart"), 1) },
            edit(62)),
        readPick<Transport>(QStringLiteral("SpeedButton10"), button(36, 586), { field("F25", "Vkzweig") }, QString()),
        readPick<Transport>(QStringLiteral("SpeedButton17"), button(124, 586), { field("F26", "Vkzweig") }, QString()),
        readPick<masterdata::TfrmZoll_e>(
            QStringLiteral("SpeedButton19"), button(83, 640), { field("F29", "Zollst") }, QString()),
    };
}

} // namespace

shell::EntryWindowDefinition transitEntryDefinition()
{
    shell::EntryWindowDefinition d;
    d.objectName = QStringLiteral("frmEversand");
    d.caption = QStringLiteral("Versandanmeldung");
    d.size = QSize(784, 544);
    d.pages = { shell::EntryPage { QString(), BoxDTop + 6 * Line + 20 } };
    d.closePostsParameter = true;
    d.printCaptionPrefix = QStringLiteral("Druck Einheitspapier Versand - Belegnummer: ");
    addLabels(d);

    QVector<EntryControl> &c = d.controls;
    const auto add = [&c](int number, const QString &field, int x, int y, int width, const QString &hint) {
        c.append(EntryControl::edit(edit(number), field).at(0, x, y, width, EditHeight).hint(hint));
        return &c.last();
    };
    // Boxes whose leaving posts the head and scrolls on.
    const auto posting = [&add](int number, const QString &field, int x, int y, int width, const QString &hint) {
        return &add(number, field, x, y, width, hint)->postOnExit().scrollOnExit();
    };
    // Boxes whose leaving scrolls on.
    const auto scrolling = [&add](int number, const QString &field, int x, int y, int width, const QString &hint) {
        return &add(number, field, x, y, width, hint)->scrollOnExit();
    };

    posting(65, QStringLiteral("F1_1"), 350, 42, 45, QStringLiteral("1 Anmeldunug"));
    posting(9, QStringLiteral("f1_2"), 398, 42, 22, QStringLiteral("1 Anmeldung"))->pick(ProcedureBox1);
    posting(66, QStringLiteral("f1_3"), 446, 42, 60, QStringLiteral("1 Anmeldung"));
    add(30, QStringLiteral("F2_0"), 208, 36, 90, Box2)->pick(CustomerBox2);
    const int box2[] = { 25, 26, 27, 28, 29 };
    for (int i = 0; i < 5; ++i)
        add(box2[i], QStringLiteral("F2_%1").arg(i + 1), 8, 59 + Line * i, 290, Box2)->pick(CustomerBox2);
    add(57, QStringLiteral("f3_1"), 350, 95, 25, QString());
    add(58, QStringLiteral("f3_2"), 380, 95, 25, QString());
    posting(31, QStringLiteral("F4"), 450, 95, 60, QStringLiteral("4 Ladelisten"));
    const int boxA[] = { 15, 21, 22, 70 };
    for (int i = 0; i < 4; ++i)
        posting(boxA[i], QStringLiteral("A%1").arg(i + 1), 560, 22 + Line * i, 190,
            QStringLiteral("A Versendungs- / Ausfuhrzollstelle"));
    add(59, QStringLiteral("F5"), 350, 150, 25, QString());
    posting(67, QStringLiteral("F6"), 450, 150, 60, QStringLiteral("6 Packstücke insgesamt"));
    posting(18, QStringLiteral("f7"), 579, 146, 170, QStringLiteral("7 Bezugsnummer"));
    posting(4, QStringLiteral("F8_0"), 208, 196, 90, Box8)->pick(CustomerBox8);
    const int box8[] = { 6, 32, 33, 36, 37 };
    for (int i = 0; i < 5; ++i)
        posting(box8[i], QStringLiteral("F8_%1").arg(i + 1), 8, 219 + Line * i, 290, Box8)->pick(CustomerBox8);
    add(69, QStringLiteral("F11"), 462, 308, 38, QStringLiteral("11. Handelsland"))->pick(CountryBox11);
    posting(35, QStringLiteral("f14_0"), 208, 356, 90, Box14);
    const int box14[] = { 34, 38, 39 };
    for (int i = 0; i < 3; ++i)
        posting(box14[i], QStringLiteral("F14_%1").arg(i + 1), 8, 379 + Line * i, 290, Box14);
    posting(60, QStringLiteral("f15"), 342, 365, 155, QStringLiteral("15 Versendung-/Ausfuhrland"))->pick(CountryBox15);
    posting(77, QStringLiteral("F17_1"), 640, 365, 50, QStringLiteral("17 Bestimmungsland-Code"));
    add(78, QStringLiteral("F16"), 342, 424, 147, QStringLiteral("16. Ursprungsland"))->pick(CountryBox16);
    posting(40, QStringLiteral("F17"), 540, 424, 180, QStringLiteral("17 Bestimmungsland"))->pick(CountryBox17);
    add(64, QStringLiteral("f19"), 345, 477, 40, QStringLiteral("19 Container"));
    add(79, QStringLiteral("f20_1"), 414, 476, 40, QStringLiteral("20. Lieferbedingungen"))->pick(DeliveryBox20);
    add(80, QStringLiteral("F20_2"), 496, 476, 254, QStringLiteral("20. Lieferbedingungen"));
    add(10, QStringLiteral("F21_1"), 8, 531, 223, Box21)->pick(TransportBox21);
    add(44, QStringLiteral("F21_2"), 257, 531, 38, Box21)->pick(CountryBox21);
    add(81, QStringLiteral("F22_1"), 342, 531, 38, QStringLiteral("22. Währung"))->pick(CurrencyBox22);
    add(82, QStringLiteral("F22_2"), 412, 531, 120, QStringLiteral("22. in Rerchnung gestellter Betrag"));
    add(83, QStringLiteral("F24_1"), 648, 531, 23, Box24)->pick(BusinessBox24);
    add(84, QStringLiteral("F24_2"), 674, 531, 23, Box24)->pick(BusinessBox24);
    add(62, QStringLiteral("f25"), 10, 586, 22, QStringLiteral("25 Verkehrszweig an der Grenze"))->pick(TransportBox25);
    add(85, QStringLiteral("F26"), 100, 586, 22, QStringLiteral("26. Inländischer Verkehrszweig"))
        ->pick(TransportBox26);
    add(87, QStringLiteral("f28"), 442, 586, 308, QStringLiteral("28. Finanz und Bankangaben"));
    add(86, QStringLiteral("F29"), 10, 640, 71, QStringLiteral("29. Ausgangszollstelle"))->pick(CustomsBox29);

    const int box44[] = { 1, 2, 23, 24 };
    for (int i = 0; i < 4; ++i)
        scrolling(box44[i], QStringLiteral("f44_%1").arg(i + 3), 10, Box44Top + Line * i, 400, Box44);
    const int box50[] = { 3, 7, 11, 12 };
    const int box50Field[] = { 1, 3, 4, 5 };
    for (int i = 0; i < 4; ++i)
        scrolling(box50[i], QStringLiteral("f50_%1").arg(box50Field[i]), 10, Box50Top + Line * i, 470, Box50);
    scrolling(5, QStringLiteral("f50_2"), 330, Box50Top - 21, 150, QStringLiteral("50 Hauptverpflichter - Nr."));
    scrolling(13, QStringLiteral("f50_6"), 120, Box50Top + 4 * Line, 360,
        QStringLiteral("50 Hauptverpflichter - vertreten durch"));
    scrolling(41, QStringLiteral("f40_7"), 120, Box50Top + 5 * Line, 360,
        QStringLiteral("50 Hauptverpflichter - Ort und Datum"));
    scrolling(68, QStringLiteral("F49"), 500, Box50Top, 250, QStringLiteral("49 Bezeichnung des Lagers"));
    for (int i = 0; i < 4; ++i)
        scrolling(51 + i, QStringLiteral("fb%1").arg(i + 1), 500, Box50Top + 46 + Line * i, 250,
            QStringLiteral("B Angaben für Verbuchungszwecke"));
    const int box51[] = { 42, 43, 45, 46, 47 };
    for (int i = 0; i < 5; ++i)
        scrolling(box51[i], QStringLiteral("F51_%1").arg(i + 1), 10 + 148 * i, Box51Top, 144, Box51);
    scrolling(48, QStringLiteral("F51_6"), 90, Box51Top + Line + 3, 150,
        QStringLiteral("51 Vorgesehene Durchgangszollstellen - Versandtag"));
    const QString box52 = QStringLiteral("52 Sicherheit nicht gültig für");
    scrolling(49, QStringLiteral("f52_1"), 10, Box52Top, 400, box52);
    scrolling(50, QStringLiteral("f52_2"), 10, Box52Top + Line, 400, box52);
    scrolling(56, QStringLiteral("f52_3"), 420, Box52Top, 40, box52);
    scrolling(61, QStringLiteral("f53"), 500, Box52Top, 250, QStringLiteral("53 Bestimmungsstelle (und Land)"));
    scrolling(71, QStringLiteral("d1"), 10, BoxDTop, 440, QStringLiteral("D Prüfung durch die Zollstelle"));
    const int boxD[] = { 73, 72, 76, 74, 75 };
    const char *boxDHint[]
        = { "D Ergebnis", "D Angebrachte Verschlüsse Anzahl", "D Zeichen", "D Frist (letzter Tag)", "D Unterschrift" };
    for (int i = 0; i < 5; ++i)
        scrolling(boxD[i], QStringLiteral("d%1").arg(i + 2), 240, BoxDTop + Line * (i + 1), 210,
            QString::fromUtf8(boxDHint[i]));
    scrolling(55, QStringLiteral("f54_1"), 500, BoxDTop, 250, QStringLiteral("54 Ort und Datum"));
    const int box54[] = { 16, 19, 17, 20 };
    for (int i = 0; i < 4; ++i)
        scrolling(box54[i], QStringLiteral("f54_%1").arg(i + 2), 500, BoxDTop + 18 + Line * (i + 1), 250,
            QStringLiteral("54 Unterschrift"));

    d.picks = transitPicks();
    return d;
}

static ItemsLayout transitItemsLayout()
{
    ItemsLayout layout;
    layout.columns = { { QStringLiteral("pos"), QStringLiteral("Position"), 8 },
        { QStringLiteral("f31_1"), QStringLiteral("Bezeichnung1"), 20 },
        { QStringLiteral("f31_2"), QStringLiteral("Bezeichnung2"), 45 } };
    layout.grid = QRect(10, 691, 751, 127);
    layout.buttons = QPoint(11, 821);
    layout.formsAndItemsEdits = { edit(57), edit(58), edit(59) };
    layout.formsAndItemsAfterEveryCommand = true;
    layout.gridHint = QStringLiteral("31 Packstücke und Warenbezeichnung - (Positionen Erfassung)");
    return layout;
}

TfrmEversand::TfrmEversand(shell::DocumentRegister &documentRegister, QWidget *parent)
    : DeclarationWindow(documentRegister, transitEntryDefinition(), transitItemsLayout(), parent)
{
    frmEversand = this;
    QWidget *surface = scrollBox(0)->widget();
    PopupMenu1
        = createBoxTextMenu(*this, QStringLiteral("PopupMenu1"), QStringLiteral("F14_1"), box14RepresentationTexts());
    SpeedButton28 = createBoxTextButton(surface, QStringLiteral("SpeedButton28"), button(299, 356), PopupMenu1);
    SpeedButton27 = createBox44InformationButton(
        surface, this, QStringLiteral("SpeedButton27"), QStringLiteral("?"), QRect(412, Box44Top, 21, 4 * Line - 1));
    // Box 17's code is typed as a country number or left by the list as a letter code.
    attachCountryNumberLookup(*this, edit(77), { QStringLiteral("F17"), QStringLiteral("F17_1") });
    // After a customs office the focus goes to the items.
    connect(pickButton(CustomsBox29), &QAbstractButton::clicked, this,
        shell::reported(this, [this] { DBGrid1->setFocus(); }));
    shell::applyRaisedButtonLook(this);
}

TfrmEversand::~TfrmEversand()
{
    if (frmEversand == this)
        frmEversand = nullptr;
}

void TfrmEversand::openItemWindow()
{
    Tfrmeversand_ex window(*this);
    window.exec();
}

} // namespace sad
