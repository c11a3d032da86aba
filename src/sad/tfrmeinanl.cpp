#include "sad/tfrmeinanl.h"

#include "masterdata/codehelp.h"
#include "masterdata/goodsnumbers.h"
#include "masterdata/packagekinds.h"
#include "masterdata/picklists.h"
#include "masterdata/procedurecodes.h"
#include "platform/dataedit.h"
#include "platform/datasetmodel.h"
#include "platform/field.h"
#include "platform/fielddatalink.h"
#include "platform/reportedcall.h"
#include "platform/table.h"
#include "sad/declarationpicks.h"
#include "sad/tfrmeinheit.h"
#include "shell/buttonlook.h"
#include "shell/documentregister.h"
#include "shell/documentroutines.h"
#include "shell/mainstate.h"
#include "shell/twheeldbgrid.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QScrollArea>
#include <QToolButton>

namespace sad {

TfrmEinAnl *frmEinAnl = nullptr;

using shell::EntryControl;
using shell::EntryLabel;
using shell::EntryPick;
using shell::PickValues;

namespace {

enum Pick { PackageKind, GoodsNumber, FederalState, ProcedureCode1, ProcedureCode2, PreviousDocument };

constexpr int Row = 24;
constexpr int EditHeight = 21;
const QString HintBox31 = QStringLiteral("31 Packstücke und Warenbezeichnung");
const QString HintBox44
    = QStringLiteral("44 Besondere Vermerke / Vorgelegte Unterlagen / Bescheinigungen und Genehmigungen");

QString edit(int number)
{
    return QStringLiteral("DBEdit%1").arg(number);
}

// The edits of box 31, lines 1 to 9.
const QVector<int> Box31Edits = { 25, 26, 27, 28, 11, 9, 10, 29, 13 };
const QVector<int> Box44Edits = { 8, 20, 21, 22, 23 };

QStringList Box44EditNames()
{
    QStringList names;
    for (int number : Box44Edits)
        names.append(edit(number));
    return names;
}

// Box 31's description, the goods number, the net mass and the unit.
std::optional<PickValues> pickExportGoodsNumber(shell::EntryWindow &window)
{
    GoodsNumberFields fields;
    for (int line = 2; line <= 9; ++line)
        fields.append({ QStringLiteral("f31_%1").arg(line), QStringLiteral("bez%1").arg(line - 1) });
    fields += { { QStringLiteral("f33_1"), QStringLiteral("waren") },
        { QStringLiteral("f38"), QStringLiteral("Netto") }, { QStringLiteral("f41_1"), QStringLiteral("Einheit") } };
    return pickGoodsNumber(window, fields);
}

} // namespace

shell::EntryWindowDefinition exportItemDefinition()
{
    shell::EntryWindowDefinition d;
    d.objectName = QStringLiteral("frmEinAnl");
    d.caption = QStringLiteral("Packstücke und Warenbezeichnung");
    d.size = QSize(760, 560);
    d.fixedFieldList = false;
    d.pages = { shell::EntryPage { QString(), 460 } }; // box 44's panel reaches below the edits

    QFont title(QStringLiteral("Arial"));
    title.setPointSize(10);
    title.setBold(true);
    d.labels = {
        EntryLabel::at(QStringLiteral("EUROPÄISCHE GEMEINSCHAFT"), 0, 10, 6)
            .named(QStringLiteral("Label1"))
            .withFont(title, Qt::black),
        EntryLabel::at(QStringLiteral("31 Packstücke und Warenbezeichnung"), 0, 10, 32),
        EntryLabel::at(QStringLiteral("32 Positionsnr."), 0, 430, 32),
        EntryLabel::at(QStringLiteral("33 Warennummer"), 0, 580, 32),
        EntryLabel::at(QStringLiteral("34 Ursprungsland - Code"), 0, 430, 82),
        EntryLabel::at(QStringLiteral("35 Rohmasse"), 0, 580, 82),
        EntryLabel::at(QStringLiteral("37 Verfahren"), 0, 430, 132),
        EntryLabel::at(QStringLiteral("38 Eigenmasse"), 0, 580, 132),
        EntryLabel::at(QStringLiteral("40 Summarische Anmeldung / Vorpapier"), 0, 430, 182),
        EntryLabel::at(QStringLiteral("41 Besondere Maßeinheit"), 0, 430, 232),
        EntryLabel::at(QStringLiteral("46 Statistischer Wert"), 0, 595, 232),
    };

    QVector<EntryControl> &c = d.controls;
    const auto add = [&c](int number, const QString &field, int x, int y, int width, const QString &hint) {
        c.append(EntryControl::edit(edit(number), field).at(0, x, y, width, EditHeight).hint(hint));
        return &c.last();
    };
    add(25, QStringLiteral("f31_1"), 10, 52, 160, HintBox31)->pick(PackageKind);
    for (int line = 2; line <= 9; ++line)
        add(Box31Edits.at(line - 1), QStringLiteral("f31_%1").arg(line), 10, 52 + Row * (line - 1), 380, HintBox31)
            ->pick(GoodsNumber);
    add(30, QStringLiteral("pos"), 430, 52, 60, QString());
    add(6, QStringLiteral("f33_1"), 580, 52, 110,
        QStringLiteral("Statistische Warennummer - (Übernahmemöglichkeit über Feld 31)"));
    add(5, QStringLiteral("f34_1"), 0, 0, 10, QString());
    add(7, QStringLiteral("f34_2"), 430, 102, 40,
        QStringLiteral("34 Ursprungs-Bundesland - (hier besteht eine Übernahmemöglichkeit"))
        ->pick(FederalState)
        .plainHint();
    add(1, QStringLiteral("f35_1"), 580, 102, 110, QStringLiteral("35 Rohmasse der Ware"));
    // F9 in either sub-field opens the list of the second one.
    add(2, QStringLiteral("f37_1"), 430, 152, 50, QStringLiteral("37 Verfahren"))->pick(ProcedureCode2);
    add(3, QStringLiteral("f37_2"), 505, 152, 40, QStringLiteral("37 Verfahren"))->pick(ProcedureCode2);
    add(4, QStringLiteral("f38"), 580, 152, 110, QStringLiteral("38 Eigenmasse der Ware"));
    add(12, QStringLiteral("F40"), 430, 202, 245, QStringLiteral("41 Besondere Masseinheit"));
    add(18, QStringLiteral("f41_1"), 430, 252, 110, QStringLiteral("41 Besondere Masseinheit"));
    add(19, QStringLiteral("f46"), 595, 252, 150, QStringLiteral("46 Statistischer Wert in vollen EUR"));
    c.append(EntryControl::checkBox(QStringLiteral("DBCheckBox2"), QStringLiteral("Ret"), QStringLiteral("RET-EXP"))
                 .at(0, 430, 290, 120, EditHeight)
                 .hint(QStringLiteral("RET-EXP"))
                 .checkValues(QStringLiteral("True"), QStringLiteral("False"))
                 .focusColors(QColor(0, 0, 128), Qt::white));
    for (int line = 1; line <= 5; ++line)
        add(Box44Edits.at(line - 1), QStringLiteral("f44_%1").arg(line), 20, 288 + Row * line, 370, HintBox44);

    d.picks = {
        routinePick(QStringLiteral("SpeedButton1"), QRect(175, 52, 21, EditHeight), QString(),
            [](shell::EntryWindow &w) { return pickPackageKind(w, QStringLiteral("f31_1")); }),
        routinePick(
            QStringLiteral("SpeedButton2"), QRect(395, 76, 21, 7 * Row + EditHeight), QString(), pickExportGoodsNumber),
        routinePick(QStringLiteral("SpeedButton3"), QRect(475, 102, 21, EditHeight), QString(),
            [](shell::EntryWindow &w) { return pickFederalState(w, QStringLiteral("f34_2"), QPoint(234, 160)); }),
        routinePick(QStringLiteral("SpeedButton4"), QRect(482, 152, 21, EditHeight), edit(3),
            [](shell::EntryWindow &w) {
                return pickProcedureCode<masterdata::TfrmEinh_Verfahren1>(w, QStringLiteral("f37_1"));
            }),
        routinePick(QStringLiteral("SpeedButton5"), QRect(547, 152, 21, EditHeight), edit(4),
            [](shell::EntryWindow &w) {
                return pickProcedureCode<masterdata::TfrmEinh_Verfahren2>(w, QStringLiteral("f37_2"));
            }),
        routinePick(QStringLiteral("SpeedButton6"), QRect(678, 202, 21, EditHeight), edit(12),
            [](shell::EntryWindow &w) { return pickPreviousDocument(w, QStringLiteral("F40")); }),
    };
    d.plausibility = exportItemPlausibility();
    return d;
}

TfrmEinAnl::TfrmEinAnl(TfrmEinheit &declaration, QWidget *parent)
    : GoodsItemWindow(declaration, exportItemDefinition(), edit(30), parent)
{
    frmEinAnl = this;
    mnuDrucken->setVisible(false);
    control(edit(5))->hide();

    // Box 44 of the item in its panel; on item 1 of a declaration it is the
    // head's box 44 and not shown here.
    Panel44 = createBox44Panel(
        { QRect(10, 276, 415, 36 + 5 * Row + 8),
            QStringLiteral("44 Besondere Vermerke / Vorgelegte Unterlagen/                    "
                           "Bescheinugungen und Genehmigungen"),
            QRect(8, 2, 400, 32), Box44EditNames(), QStringLiteral("SpeedButton7"), QRect(388, 36, 21, 5 * Row - 3) },
        &SpeedButtonInfo44);

    // After a goods number the focus goes to the description unless the
    // option keeps it where it was.
    connect(pickButton(GoodsNumber), &QAbstractButton::clicked, this, platform::reported(this, [this] {
        if (!shell::mainState().AEFeld33Focus)
            focusControl(edit(26));
    }));
    // After box 40 the caret stands after the last character.
    connect(pickButton(PreviousDocument), &QAbstractButton::clicked, this, platform::reported(this, [this] {
        if (auto *box = qobject_cast<QLineEdit *>(control(edit(12))))
            box->end(false);
    }));
    // After the package kind the focus goes to the next control.
    connect(pickButton(PackageKind), &QAbstractButton::clicked, this,
        platform::reported(this, [this] { focusControl(edit(26)); }));
    shell::applyRaisedButtonLook(this);
}

TfrmEinAnl::~TfrmEinAnl()
{
    if (frmEinAnl == this)
        frmEinAnl = nullptr;
}

void TfrmEinAnl::mousePressEvent(QMouseEvent *event)
{
    platform::runReported(this, [&] {
        // A click on the free area saves the item.
        shell::PostIfEditing(head());
        EntryWindow::mousePressEvent(event);
    });
}

} // namespace sad
