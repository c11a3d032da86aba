#include "sad/tfrmeversand_ex.h"

#include "masterdata/countries.h"
#include "masterdata/procedurecodes.h"
#include "platform/table.h"
#include "sad/declarationpicks.h"
#include "shell/buttonlook.h"
#include "shell/reportedcall.h"

#include <QAbstractButton>
#include <QAction>
#include <QLineEdit>

namespace sad {

Tfrmeversand_ex *frmeversand_ex = nullptr;

using shell::EntryControl;
using shell::EntryLabel;

namespace {

enum Pick { PackageKind, GoodsNumber, CountryOfOrigin, FederalState, ProcedureCode1, ProcedureCode2, PreviousDocument };

constexpr int EditHeight = 22;
constexpr int Line = 23;
constexpr int Box44Top = 228; // the panel of box 44

QString edit(int number)
{
    return QStringLiteral("DBEdit%1").arg(number);
}

const QString HintBox31 = QStringLiteral(
    "31 Zeichen und Nummer - Container-Nr. - Anzahl und Art - (hier besteht eine Übernahmemöglichkeit)");
const QString HintBox37 = QStringLiteral("37 Statistisches Verfahren");
const QStringList Box44Edits = { edit(8), edit(20), edit(21), edit(22), edit(23) };

// Box 31's description (an empty one clears its line) and the goods number.
std::optional<shell::PickValues> pickTransitGoodsNumber(shell::EntryWindow &window)
{
    GoodsNumberFields fields;
    for (int line = 2; line <= 9; ++line)
        fields.append({ QStringLiteral("f31_%1").arg(line), QStringLiteral("bez%1").arg(line - 1) });
    fields.append({ QStringLiteral("f33_1"), QStringLiteral("waren") });
    return pickGoodsNumber(window, fields);
}

} // namespace

shell::EntryWindowDefinition transitItemDefinition()
{
    shell::EntryWindowDefinition d;
    d.objectName = QStringLiteral("frmeversand_ex");
    d.caption = QStringLiteral("Packstücke und Warenbezeichnung");
    d.size = QSize(712, 444);
    d.fixedFieldList = false;
    const auto label = [&d](const QString &text, int x, int y) { d.labels.append(EntryLabel::at(text, 0, x, y)); };
    label(QStringLiteral("31 Packstücke und Warenbezeichnung"), 15, 1);
    label(QStringLiteral("32 Positionsnr."), 416, 2);
    label(QStringLiteral("33 Warennummer"), 517, 2);
    label(QStringLiteral("34 Ursprungslandcode"), 416, 50);
    label(QStringLiteral("35 Rohmasse"), 575, 50);
    label(QStringLiteral("37 Verfahren"), 416, 98);
    label(QStringLiteral("38 Eigenmasse"), 575, 98);
    label(QStringLiteral("40 Summarische Anmeldugn / Vorpapier"), 416, 146);
    label(QStringLiteral("41 Besondere Maßeinheit"), 416, 194);
    label(QStringLiteral("46. Statistischer Wert"), 416, 242);

    QVector<EntryControl> &c = d.controls;
    const auto add = [&c](const QString &name, const QString &field, int x, int y, int width, const QString &hint) {
        c.append(EntryControl::edit(name, field).at(0, x, y, width, EditHeight).hint(hint).plainHint());
        return &c.last();
    };
    add(edit(25), QStringLiteral("f31_1"), 15, 18, 143, HintBox31)->pick(PackageKind);
    const int box31[] = { 26, 27, 28, 11, 9, 10, 29, 12 };
    for (int line = 0; line < 8; ++line)
        add(edit(box31[line]), QStringLiteral("f31_%1").arg(line + 2), 15, 41 + Line * line, 326, HintBox31)
            ->pick(GoodsNumber);
    add(edit(30), QStringLiteral("pos"), 416, 20, 45, QString());
    add(edit(6), QStringLiteral("f33_1"), 517, 20, 100,
        QStringLiteral("33 Statistische Warennummer - (Übernahmemöglichkeit über Feld 31)"));
    add(edit(7), QStringLiteral("F34_1"), 416, 68, 45,
        QStringLiteral("34 Ursprungsland - (hier besteht eine Übernahmemöglichkeit)"))
        ->pick(CountryOfOrigin);
    add(edit(13), QStringLiteral("F34_2"), 490, 68, 35,
        QStringLiteral("34 Herkunftsregion - (hier besteht eine Übernahmemöglichkeit)"))
        ->pick(FederalState);
    add(edit(1), QStringLiteral("f35_1"), 575, 68, 100, QStringLiteral("35 Rohmasse"));
    // F9 in the first sub-field of box 37 opens the list of the second.
    add(edit(15), QStringLiteral("F37_1"), 416, 116, 44, HintBox37 + shell::PickHintSuffix)
        ->hotKeyClicks(QStringLiteral("SpeedButton5"));
    add(edit(14), QStringLiteral("F37_2"), 490, 116, 37, HintBox37 + shell::PickHintSuffix)->pick(ProcedureCode2);
    add(edit(4), QStringLiteral("f38"), 575, 116, 100, QStringLiteral("38 Eigenmasse"));
    add(edit(2), QStringLiteral("F40"), 416, 164, 225, QStringLiteral("40 Summarische Anmeldung / Vorpapier"));
    add(edit(18), QStringLiteral("f41_1"), 416, 212, 110, QStringLiteral("41 Besondere Maßeinheit"));
    add(edit(5), QStringLiteral("F46"), 416, 260, 110, QStringLiteral("46 Statistischer Wert"));
    for (int line = 0; line < 5; ++line)
        add(Box44Edits.at(line), QStringLiteral("f44_%1").arg(line + 1), 18, Box44Top + 32 + Line * line, 360,
            QStringLiteral("44 Besondere Vermerke/Vorgelegte Unterlagen/Bescheinigungen und Genehmigungen"));

    d.picks = {
        routinePick(QStringLiteral("SpeedButton1"), QRect(159, 18, 21, EditHeight), edit(26),
            [](shell::EntryWindow &w) { return pickPackageKind(w, QStringLiteral("f31_1")); }),
        routinePick(
            QStringLiteral("SpeedButton9"), QRect(342, 41, 24, 7 * Line + EditHeight), edit(1), pickTransitGoodsNumber),
        readPick<masterdata::TfrmLnder_e>(QStringLiteral("SpeedButton3"), QRect(463, 68, 21, EditHeight),
            { masterdata::PickTargetValue::fromField(QStringLiteral("F34_1"), QStringLiteral("Lkz")) }, edit(13),
            countrySetUp(QStringLiteral("F34_1"), 34)),
        routinePick(QStringLiteral("SpeedButton4"), QRect(527, 68, 21, EditHeight), edit(1),
            [](shell::EntryWindow &w) { return pickFederalState(w, QStringLiteral("F34_2"), QPoint(234, 160)); }),
        routinePick(QStringLiteral("SpeedButton2"), QRect(462, 116, 21, EditHeight), edit(14),
            [](shell::EntryWindow &w) {
                return pickProcedureCode<masterdata::TfrmEinh_Verfahren1>(w, QStringLiteral("F37_1"));
            }),
        routinePick(QStringLiteral("SpeedButton5"), QRect(529, 116, 21, EditHeight), edit(4),
            [](shell::EntryWindow &w) {
                return pickProcedureCode<masterdata::TfrmEinh_Verfahren2>(w, QStringLiteral("F37_2"));
            }),
        routinePick(QStringLiteral("SpeedButton6"), QRect(643, 164, 21, EditHeight), edit(2),
            [](shell::EntryWindow &w) { return pickPreviousDocument(w, QStringLiteral("F40")); }),
    };
    return d;
}

Tfrmeversand_ex::Tfrmeversand_ex(DeclarationWindow &declaration, QWidget *parent)
    : GoodsItemWindow(declaration, transitItemDefinition(), edit(30), parent)
{
    frmeversand_ex = this;
    mnuDrucken->setVisible(false);
    if (auto *number = qobject_cast<QLineEdit *>(control(edit(30))))
        number->setMaxLength(2);
    Panel44 = createBox44Panel(
        { QRect(10, Box44Top, 400, 32 + 5 * Line + 4),
            QStringLiteral("44 Besondere Vermerke / Vorgelegte Unterlagen/Bescheinugungen und "
                           "Genehmigungen"),
            QRect(8, 1, 385, 30), Box44Edits, QStringLiteral("SpeedButton27"), QRect(372, 32, 21, 5 * Line - 1) },
        &SpeedButton27);
    // After box 40 the caret stands after the last character.
    connect(pickButton(PreviousDocument), &QAbstractButton::clicked, this, shell::reported(this, [this] {
        if (auto *box = qobject_cast<QLineEdit *>(control(edit(2))))
            box->end(false);
    }));
    shell::applyRaisedButtonLook(this);
}

Tfrmeversand_ex::~Tfrmeversand_ex()
{
    if (frmeversand_ex == this)
        frmeversand_ex = nullptr;
}

} // namespace sad
