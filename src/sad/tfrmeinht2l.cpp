#include "sad/tfrmeinht2l.h"

#include "masterdata/codehelp.h"
#include "masterdata/countries.h"
#include "masterdata/entrypicks.h"
#include "masterdata/picklists.h"
#include "platform/table.h"
#include "sad/declarationpicks.h"
#include "shell/buttonlook.h"
#include "shell/mainstate.h"
#include "shell/reportedcall.h"
#include "shell/twheeldbgrid.h"

#include <QAbstractButton>
#include <QAction>
#include <QCursor>
#include <QLineEdit>
#include <QMenu>
#include <QScrollArea>
#include <QToolButton>

namespace sad {

TfrmEinHT2L *frmEinHT2L = nullptr;
TfrmEinPT2L *frmEinPT2L = nullptr;

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

PickTargetValue field(const char *target, const char *source)
{
    return PickTargetValue::fromField(QLatin1String(target), QLatin1String(source));
}

// The pick buttons of the entry window in the order of the definition, by
// the tags they stand for.
enum HeadPick {
    Customer2,
    Customer8,
    Representation14,
    Country15,
    Country17,
    Transport181,
    Country182,
    Transport211,
    Country212,
    Transport25,
    Country27,
    Transport551,
    Transport552,
};

// Top of the parts below the goods items.
constexpr int ItemsTop = 660;
constexpr int Box55Top = 842;
constexpr int Box50Top = 1040;
constexpr int Box51Top = 1190;
constexpr int Box52Top = 1260;
constexpr int BoxDTop = 1320;
constexpr int Box55Width = 375;

const QString Box2 = QStringLiteral("2 Versender / Ausführer - (hier besteht eine Übernahmemöglichkeit)");
const QString Box8 = QStringLiteral("8 Empfänder - (hier besteht eine Übernahmemöglichkeit)");
const QString Box14 = QStringLiteral("14 Anmelder / Vertreter - (hier besteht eine Übernahmemöglichkeit)");
const QString Box18
    = QStringLiteral("18 %1. Unterfled - Kennzeichen und Staatsanghörigkeit des Beförderungsmittel beim "
                     "Abgang - (hier besteht eine Übernahmemöglichkeit)");
const QString Box21 = QStringLiteral("21 %1. Unterfled - Kennzeichen und Staatsanghörigkeit des grenzüberschreitenden "
                                     "aktiven Beförderungsmittel - (hier besteht eine Übernahmemöglichkeit)");
const QString Box50 = QStringLiteral("50 Hauptverpflichter");
const QString Box51 = QStringLiteral("51 Vorgesehene Durchgangszollstellen und Land");
const QString Box54 = QStringLiteral("54 Unterschrift und Name des Anmelders / Vertreters");

// Navy with white text while a check box of box 55 has the focus.
const QColor FocusNavy = QColor(0x00, 0x00, 0x80);

void addHeadLabels(shell::EntryWindowDefinition &d)
{
    const auto label = [&d](const QString &text, int x, int y) { d.labels.append(EntryLabel::at(text, 0, x, y)); };
    label(QStringLiteral("A Versendungs-/ Ausfuhrstelle"), 560, 4);
    label(QStringLiteral("1 ANMELDUNG"), 350, 24);
    label(QStringLiteral("2 Versender / Ausführer"), 8, 38);
    label(QStringLiteral("Nr."), 185, 40);
    label(QStringLiteral("T2L"), 434, 45);
    label(QStringLiteral("3 Vordrucke"), 350, 78);
    label(QStringLiteral("4 Ladelisten"), 450, 78);
    label(QStringLiteral("5 Positionen"), 350, 133);
    label(QStringLiteral("6 Packst. Insges."), 450, 133);
    label(QStringLiteral("8 Empfänger"), 8, 199);
    label(QStringLiteral("Nr."), 185, 200);
    QFont bold = QFont(QStringLiteral("Arial"));
    bold.setPointSize(9);
    bold.setBold(true);
    d.labels.append(EntryLabel::at(QStringLiteral("Wichtiger Hinweis"), 0, 350, 199).withFont(bold));
    d.labels.append(
        EntryLabel::at(QStringLiteral("Wird dieses Exemplar ausschließlich zum NACHWEIS DES GEMEINSCHAFTSCHARAKTERS "
                                      "VON NICHT IM GEMEINSCHAFTLICHEN VERSANDVERFAHREN BEFÖRDERTEN WAREN verwendet, "
                                      "so sind zu diesem Zweck nur die Angaben in den Feldern 1, 2, 3, 5, 14, 31, 32, "
                                      "35, 54 und gegebenenfalls 4, 33, 38, 40 und 44 erforderlich."),
            0, 350, 218, 400, 100)
            .wrapping());
    label(QStringLiteral("14 Anmelder / Vertreter"), 8, 359);
    label(QStringLiteral("Nr."), 185, 360);
    label(QStringLiteral("15 Versendungs- / Ausfuhrland"), 350, 347);
    label(QStringLiteral("17 Bestimmungsland"), 560, 347);
    label(QStringLiteral("18 Kennz. und Staatsangh. des Beförd.Mittel "), 8, 459);
    label(QStringLiteral("19 Ctr."), 350, 459);
    label(QStringLiteral("21 Kennz. und Staatangeh. d. Grenzüberschr. akt. Bef.Mittel"), 8, 513);
    label(QStringLiteral("25 Verkehrszweig an"), 8, 567);
    label(QStringLiteral("der Grenze"), 8, 582);
    label(QStringLiteral("27 Ladeort"), 236, 582);
    label(QStringLiteral("31 Packstücke und Warenbezeichnung"), 10, ItemsTop - 18);
    // Box 55: two transhipments side by side.
    for (int i = 0; i < 2; ++i) {
        const int x = 10 + i * Box55Width;
        label(QStringLiteral("Ort und Land:"), x, Box55Top);
        label(QStringLiteral("Kennz. und Staatsz. d. n. Bef.mittels:"), x, Box55Top + 43);
        label(QStringLiteral("Ctr."), x, Box55Top + 88);
        label(QStringLiteral("(1) einzutragen ist 1 wenn JA oder 0 wenn NEIN"), x, Box55Top + 132);
        label(QStringLiteral("Sichtvermerk der zuständigen Behörde"), x, Box55Top + 150);
    }
    label(QStringLiteral("50 Hauptverpflichter"), 10, Box50Top - 18);
    label(QStringLiteral("Nr."), 300, Box50Top - 18);
    label(QStringLiteral("vertreten durch:"), 10, Box50Top + 3 * Line + 3);
    label(QStringLiteral("Ort und Datum:"), 10, Box50Top + 4 * Line + 3);
    label(QStringLiteral("C Abgangsstelle"), 500, Box50Top - 18);
    label(QStringLiteral("Vorgesehene Durchgangszollstellen (und Land)"), 10, Box51Top - 18);
    label(QStringLiteral("Sicherheit nur gültig für"), 10, Box52Top - 18);
    label(QStringLiteral("Code"), 420, Box52Top - 18);
    label(QStringLiteral("53 Bestimmungsstelle (und Land)"), 500, Box52Top - 18);
    label(QStringLiteral("D PRÜFUNG DURCH DIE ABGANGSSTELLE"), 10, BoxDTop - 18);
    label(QStringLiteral("54 Ort und Datum"), 500, BoxDTop - 18);
    label(QStringLiteral("Unterschrift und Name des Anelders / Vertreters"), 500, BoxDTop + Line + 3);
}

// Box 14's pop-up at the mouse; its entries write the box themselves.
std::optional<shell::PickValues> popUpRepresentation(shell::EntryWindow &window)
{
    if (auto *entry = qobject_cast<TfrmEinHT2L *>(&window))
        entry->PopupMenu1->exec(QCursor::pos());
    return std::nullopt;
}

QVector<shell::EntryPick> headPicks()
{
    using Countries = masterdata::TfrmLnder_e;
    using Transport = masterdata::TfrmVerzw_e;
    const QStringList box2Fields = { QStringLiteral("F2_2"), QStringLiteral("F2_3"), QStringLiteral("F2_4"),
        QStringLiteral("F2_5"), QStringLiteral("F2_6") };
    const QStringList box8Fields = { QStringLiteral("F8_2"), QStringLiteral("F8_3"), QStringLiteral("F8_4"),
        QStringLiteral("F8_5"), QStringLiteral("F8_6") };
    const auto country
        = [](const char *name, const QRect &geometry, const char *target, int box, const QString &focusAfter) {
              return readPick<Countries>(QLatin1String(name), geometry, { field(target, "Lkz") }, focusAfter,
                  countrySetUp(QLatin1String(target), box));
          };
    const auto transport = [](const char *name, const QRect &geometry, const char *target, const char *source,
                               const QString &focusAfter) {
        return readPick<Transport>(QLatin1String(name), geometry, { field(target, source) }, focusAfter);
    };
    const int box55Transport = Box55Top + 61;
    return {
        masterdata::customerPick(QStringLiteral("btn2"), 0, button(299, 36, 139), box2Fields, edit(11)),
        masterdata::customerPick(QStringLiteral("btn8"), 0, button(299, 196, 139), box8Fields, edit(20)),
        routinePick(QStringLiteral("btn14"), button(299, 356), QString(), popUpRepresentation),
        country("btn15", button(503, 365), "F15", 15, edit(25)),
        country("btn17", button(713, 365), "F17", 17, edit(26)),
        transport("btn181", button(259, 477), "F18_1", "Bez2", edit(27)),
        country("btn182", button(326, 477), "F18_2", 18, edit(28)),
        transport("btn211", button(259, 531), "F21_1", "Bez2", edit(30)),
        country("btn212", button(326, 531), "F21_2", 21, edit(31)),
        transport("btn25", button(41, 600), "F25", "Vkzweig", edit(32)),
        country("btn27", button(439, 600), "F27_2", 27, QStringLiteral("DBGrid1")),
        transport(
            "btn551", button(10 + Box55Width - 35, box55Transport), "F55_2", "Bez2", QStringLiteral("DBCheckBox1")),
        transport(
            "btn552", button(10 + 2 * Box55Width - 35, box55Transport), "F55_6", "Bez2", QStringLiteral("DBCheckBox2")),
    };
}

} // namespace

shell::EntryWindowDefinition t2lEntryDefinition()
{
    shell::EntryWindowDefinition d;
    d.objectName = QStringLiteral("frmEinHT2L");
    d.caption = QStringLiteral("Einheitspapier T2L");
    d.size = QSize(800, 600);
    d.pages = { shell::EntryPage { QString(), BoxDTop + 6 * Line + 30 } };
    d.printCaptionPrefix = QStringLiteral("Druck Einheitspapier T2L - Belegnummer: ");
    d.fixedFieldOnKeyUp = true;
    addHeadLabels(d);

    QVector<EntryControl> &c = d.controls;
    const auto add = [&c](int number, const QString &fieldName, int x, int y, int width, const QString &hint) {
        c.append(EntryControl::edit(edit(number), fieldName).at(0, x, y, width, EditHeight).hint(hint).plainHint());
        return &c.last();
    };

    add(1, QStringLiteral("F1_1"), 350, 42, 45, QStringLiteral("1 Anmeldung"));
    add(2, QStringLiteral("F1_2"), 398, 42, 30, QStringLiteral("1 Anmeldung"));
    add(3, QStringLiteral("F2_1"), 208, 36, 90, Box2)->pick(Customer2);
    for (int i = 0; i < 5; ++i)
        add(4 + i, QStringLiteral("F2_%1").arg(i + 2), 8, 59 + Line * i, 290, Box2)->pick(Customer2);
    add(9, QStringLiteral("F3_1"), 350, 95, 30, QStringLiteral("3 Vordrucke"));
    add(10, QStringLiteral("F3_2"), 383, 95, 30, QStringLiteral("3 Vordrucke"));
    add(11, QStringLiteral("F4"), 450, 95, 70, QStringLiteral("4 Ladelisten"));
    add(12, QStringLiteral("F5"), 350, 150, 45, QStringLiteral("5 Positionen"));
    add(13, QStringLiteral("F6"), 450, 150, 90, QStringLiteral("6 Packstücke insgesamt"));
    add(14, QStringLiteral("F8_1"), 208, 196, 90, Box8)->pick(Customer8);
    for (int i = 0; i < 5; ++i)
        add(15 + i, QStringLiteral("F8_%1").arg(i + 2), 8, 219 + Line * i, 290, Box8)->pick(Customer8);
    add(20, QStringLiteral("F14_1"), 208, 356, 90, Box14)->pick(Representation14);
    for (int i = 0; i < 3; ++i)
        add(21 + i, QStringLiteral("F14_%1").arg(i + 2), 8, 379 + Line * i, 290, Box14)->pick(Representation14);
    add(24, QStringLiteral("F15"), 350, 365, 152,
        QStringLiteral("15 Versendungs-/ Ausfuhrland - (hier besteht eine Übernahmemöglichkeit)"))
        ->pick(Country15);
    add(25, QStringLiteral("F17"), 560, 365, 152,
        QStringLiteral("17 Bestimmungsland - (hier besteht eine Übernahmemöglichkeit)"))
        ->pick(Country17);
    add(26, QStringLiteral("F18_1"), 8, 477, 250, Box18.arg(1))->pick(Transport181);
    add(27, QStringLiteral("F18_2"), 285, 477, 40, Box18.arg(2))->pick(Country182);
    add(28, QStringLiteral("F19"), 350, 477, 40, QString());
    add(29, QStringLiteral("F21_1"), 8, 531, 250, Box21.arg(1))->pick(Transport211);
    add(30, QStringLiteral("F21_2"), 285, 531, 40, Box21.arg(2))->pick(Country212);
    add(31, QStringLiteral("F25"), 8, 600, 32,
        QStringLiteral("25 Verkehrszweig an der Grenze - (hier besteht eine Übernahmemöglichkeit)"))
        ->pick(Transport25);
    add(32, QStringLiteral("F27_1"), 236, 600, 150, QString());
    add(33, QStringLiteral("F27_2"), 390, 600, 48,
        QStringLiteral("27 Ladeort - (hier besteht eine Übernahmemöglichkeit)"))
        ->pick(Country27);

    // Box 55, the two transhipments.
    const QString box55Transport = QStringLiteral("55 Umladungen - Kennzeichen und Staatszugehörigkeit des neuen "
                                                  "Beförderungsmittels - (hier besteht eine Übernahmemöglichkeit)");
    for (int i = 0; i < 2; ++i) {
        const int x = 10 + i * Box55Width;
        const int first = 1 + 4 * i; // F55_1 or F55_5
        add(34 + 3 * i, QStringLiteral("F55_%1").arg(first), x, Box55Top + 18, Box55Width - 15,
            QStringLiteral("55 Umladungen - Ort und Land"));
        add(35 + 3 * i, QStringLiteral("F55_%1").arg(first + 1), x, Box55Top + 61, Box55Width - 46, box55Transport)
            ->pick(i == 0 ? Transport551 : Transport552);
        c.append(EntryControl::checkBox(QStringLiteral("DBCheckBox%1").arg(i + 1),
            QStringLiteral("F55_%1").arg(first + 2), QStringLiteral("(1) Kennz. d. neuen Containers:"))
                     .at(0, x + 30, Box55Top + 86, 185, 20)
                     .hint(QStringLiteral("55 Umladungen - Container (Ja / Nein)"))
                     .checkValues(QStringLiteral("1"), QStringLiteral("0"))
                     .focusColors(FocusNavy, Qt::white));
        add(36 + 3 * i, QStringLiteral("F55_%1").arg(first + 3), x + 220, Box55Top + 86, Box55Width - 235,
            QStringLiteral("55 Umladungen - Kennzeichen des neuen Containers"));
    }

    add(40, QStringLiteral("F50_1"), 330, Box50Top - 21, 150, Box50);
    for (int i = 0; i < 3; ++i)
        add(41 + i, QStringLiteral("F50_%1").arg(i + 2), 10, Box50Top + Line * i, 470, Box50);
    add(44, QStringLiteral("F50_5"), 120, Box50Top + 3 * Line, 360,
        QStringLiteral("50 Hauptverpflichter - Vertreten durch"));
    add(45, QStringLiteral("F50_6"), 120, Box50Top + 4 * Line, 360,
        QStringLiteral("50 Hauptverpflichter - Ort und Datum"));
    for (int column = 0; column < 6; ++column) {
        for (int row = 0; row < 2; ++row)
            add(46 + 2 * column + row, QStringLiteral("F51_%1_%2").arg(column + 1).arg(row + 1), 10 + 124 * column,
                Box51Top + Line * row, 120, Box51);
    }
    add(58, QStringLiteral("F52_1"), 10, Box52Top, 400, QStringLiteral("52 Sicherheit nur gültig für"));
    add(60, QStringLiteral("F52_3"), 420, Box52Top, 40, QStringLiteral("52 Sicherheit nur gültig für - Code"));
    add(59, QStringLiteral("F53"), 500, Box52Top, 250, QStringLiteral("53 Bestimmungsstelle und Land"));
    add(61, QStringLiteral("F54_1"), 500, BoxDTop, 250, QStringLiteral("54 Ort und Datum"));
    for (int i = 0; i < 5; ++i)
        add(62 + i, QStringLiteral("F54_%1").arg(i + 2), 500, BoxDTop + Line + 21 + Line * i, 250, Box54);

    d.picks = headPicks();
    return d;
}

static ItemsLayout t2lItemsLayout()
{
    ItemsLayout layout;
    layout.columns = { { QStringLiteral("Pos"), QStringLiteral("Pos."), 5 },
        { QStringLiteral("F31_1"), QStringLiteral("Stat. Bezeichung"), 25 },
        { QStringLiteral("F31_2"), QStringLiteral("Stat. Bezeichung"), 35 },
        { QStringLiteral("F33"), QStringLiteral("Stat. WarenNr."), 15 } };
    layout.grid = QRect(10, ItemsTop, 740, 127);
    layout.buttons = QPoint(10, ItemsTop + 130);
    layout.buttonRows = ItemButtonRows::OneRow;
    layout.formsAndItemsEdits = { edit(9), edit(10), edit(12) };
    layout.formsAndItemsFields = { QStringLiteral("F3_1"), QStringLiteral("F3_2"), QStringLiteral("F5") };
    layout.formsAndItemsAfterEveryCommand = true;
    layout.gridHint = QStringLiteral("31-44 Positionsbearbeitung - (hier öffnet ein neues Fenster)");
    return layout;
}

TfrmEinHT2L::TfrmEinHT2L(shell::DocumentRegister &documentRegister, QWidget *parent)
    : DeclarationWindow(documentRegister, t2lEntryDefinition(), t2lItemsLayout(), parent)
{
    frmEinHT2L = this;
    PopupMenu1
        = createBoxTextMenu(*this, QStringLiteral("PopupMenu1"), QStringLiteral("F14_2"), box14RepresentationTexts());
    // The item buttons form the record navigator under the list.
    QWidget *surface = scrollBox(0)->widget();
    DBNavigator1 = new QWidget(surface);
    DBNavigator1->setObjectName(QStringLiteral("DBNavigator1"));
    QRect bounds;
    const QList<QToolButton *> buttons = { itemButtons.first, itemButtons.prior, itemButtons.next, itemButtons.last,
        itemButtons.add, itemButtons.remove, itemButtons.edit };
    for (QToolButton *b : buttons)
        bounds |= b->geometry();
    DBNavigator1->setGeometry(bounds);
    for (QToolButton *b : buttons) {
        const QPoint at = b->pos() - bounds.topLeft();
        b->setParent(DBNavigator1);
        b->move(at);
        b->show();
    }
    for (int i = 0; i < definition().picks.size(); ++i)
        pickButton(i)->setToolTip(QStringLiteral("Übernahmemöglichkeit"));
    shell::applyRaisedButtonLook(this);
}

TfrmEinHT2L::~TfrmEinHT2L()
{
    if (frmEinHT2L == this)
        frmEinHT2L = nullptr;
}

void TfrmEinHT2L::openItemWindow()
{
    TfrmEinPT2L window(*this);
    window.exec();
}

// ---------------------------------------------------------------------------
// The goods-item window

namespace {

enum ItemPick { PackageKind311, GoodsNumber31, PreviousDocument40, Information44 };

const QString ItemBox31
    = QStringLiteral("31 Packstücke und Warenbezeichnung - (hier besteht eine Übernahmemöglichkeit)");
const QString ItemBox44
    = QStringLiteral("44 Besondere Vermerke / Vorgelegte Unterlagen / Bescheinigungen und Genehmigungen");

// Box 31's description, the goods number and its net mass into box 38.
std::optional<shell::PickValues> pickT2LGoodsNumber(shell::EntryWindow &window)
{
    GoodsNumberFields fields;
    for (int line = 2; line <= 8; ++line)
        fields.append({ QStringLiteral("F31_%1").arg(line), QStringLiteral("bez%1").arg(line - 1) });
    fields.append({ QStringLiteral("F33"), QStringLiteral("waren") });
    fields.append({ QStringLiteral("F38"), QStringLiteral("Netto") });
    return pickGoodsNumber(window, fields);
}

std::optional<shell::PickValues> showBox44Information(shell::EntryWindow &window)
{
    masterdata::TfrmInfoF44 information(&window);
    information.exec();
    return std::nullopt;
}

} // namespace

shell::EntryWindowDefinition t2lItemDefinition()
{
    shell::EntryWindowDefinition d;
    d.objectName = QStringLiteral("frmEinPT2L");
    d.caption = QStringLiteral("Einheitspapier T2L - Positionsbearbeitung");
    d.size = QSize(800, 452);
    d.fixedFieldList = false;
    const auto label = [&d](const QString &text, int x, int y) { d.labels.append(EntryLabel::at(text, 0, x, y)); };
    label(QStringLiteral("31 Zeichen und Nummern - Container Nr. Anzahl und Art"), 15, 1);
    label(QStringLiteral("32 Positions-"), 430, 1);
    label(QStringLiteral("Nr."), 430, 16);
    label(QStringLiteral("33 Warennummer"), 540, 16);
    label(QStringLiteral("35 Rohmasse (kg)"), 430, 66);
    label(QStringLiteral("38 Eigenmasse (kg)"), 600, 66);
    label(QStringLiteral("40 Summarische Anmeldung/Vorpapier"), 430, 116);
    label(QStringLiteral("Code B.V."), 15, 350);

    QVector<EntryControl> &c = d.controls;
    const auto add = [&c](int number, const QString &fieldName, int x, int y, int width, const QString &hint) {
        c.append(EntryControl::edit(edit(number), fieldName).at(0, x, y, width, EditHeight).hint(hint).plainHint());
        return &c.last();
    };
    add(1, QStringLiteral("F31_1"), 15, 18, 330, ItemBox31)->pick(PackageKind311);
    for (int line = 0; line < 7; ++line)
        add(2 + line, QStringLiteral("F31_%1").arg(line + 2), 15, 41 + Line * line, 380, ItemBox31)
            ->pick(GoodsNumber31);
    add(9, QStringLiteral("Pos"), 430, 34, 45, QString());
    add(10, QStringLiteral("F33"), 540, 34, 110,
        QStringLiteral("Statistische Warennummer - (Übernahmemöglichkeit über Feld 31)"));
    add(11, QStringLiteral("F35"), 430, 84, 120, QStringLiteral("35 Rohmasse der Ware"));
    add(12, QStringLiteral("F38"), 600, 84, 120, QStringLiteral("38 Eigenmasse der Ware"));
    add(13, QStringLiteral("F40"), 430, 134, 250,
        QStringLiteral("40 Summarische Anmledung / Vorpapier - (hier besteht eine Übernahmemöglichkeit)"))
        ->pick(PreviousDocument40);
    for (int line = 0; line < 5; ++line)
        add(14 + line, QStringLiteral("F44_%1").arg(line + 1), 15, 220 + Line * line, 540, ItemBox44)
            ->pick(Information44);
    add(19, QStringLiteral("F44_6"), 15, 368, 50, ItemBox44);
    add(20, QStringLiteral("F44_7"), 580, 220, 130, ItemBox44);

    // After a goods number the focus goes to box 33 or, without the
    // option, to box 35.
    const QString afterGoodsNumber = shell::mainState().AEFeld33Focus ? edit(10) : edit(11);
    d.picks = {
        routinePick(QStringLiteral("SpeedButton3"), button(346, 18), edit(2),
            [](shell::EntryWindow &w) { return pickPackageKind(w, QStringLiteral("F31_1")); }),
        routinePick(
            QStringLiteral("btn2"), QRect(396, 41, 24, 6 * Line + EditHeight), afterGoodsNumber, pickT2LGoodsNumber),
        routinePick(QStringLiteral("SpeedButton1"), button(681, 134), edit(13),
            [](shell::EntryWindow &w) { return pickPreviousDocument(w, QStringLiteral("F40")); }),
        routinePick(QStringLiteral("SpeedButton2"), QRect(556, 220, 21, 4 * Line + EditHeight), QString(),
            showBox44Information),
    };
    return d;
}

TfrmEinPT2L::TfrmEinPT2L(DeclarationWindow &declaration, QWidget *parent)
    : GoodsItemWindow(declaration, t2lItemDefinition(), edit(9), parent)
{
    frmEinPT2L = this;
    mnuDrucken->setVisible(false);
    // The status panel shows the entry window's document text as it is.
    setNumberText(declaration.statusText(1));
    // After box 40 the caret stands after the last character.
    connect(pickButton(PreviousDocument40), &QAbstractButton::clicked, this, shell::reported(this, [this] {
        if (auto *box = qobject_cast<QLineEdit *>(control(edit(13))))
            box->end(false);
    }));
    for (int i = 0; i < definition().picks.size(); ++i)
        pickButton(i)->setToolTip(QStringLiteral("Übernahmemöglichkeit"));
    shell::applyRaisedButtonLook(this);
}

TfrmEinPT2L::~TfrmEinPT2L()
{
    if (frmEinPT2L == this)
        frmEinPT2L = nullptr;
}

} // namespace sad
