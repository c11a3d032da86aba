#include "sad/tfrmeinanl2.h"

#include "masterdata/codehelp.h"
#include "masterdata/countries.h"
#include "masterdata/preferenceclauses.h"
#include "masterdata/procedurecodes.h"
#include "platform/dialogservice.h"
#include "platform/field.h"
#include "platform/reportedcall.h"
#include "platform/table.h"
#include "sad/declarationpicks.h"
#include "sad/tfrmeinheit2.h"
#include "shell/buttonlook.h"
#include "shell/documentroutines.h"
#include "shell/drawingroutines.h"
#include "shell/mainstate.h"
#include "shell/reportedcall.h"

#include <QFocusEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolButton>

namespace sad {

TfrmEinAnl2 *frmEinAnl2 = nullptr;

using shell::EntryControl;
using shell::EntryLabel;
using shell::PickValues;

namespace {

enum Pick { PackageKind, GoodsNumber, CountryOfOrigin, Preference, ProcedureCode1, ProcedureCode2, PreviousDocument };

constexpr int EditHeight = 22;
constexpr int Line = 23;
constexpr int DutyTop = 446; // first line of box 47
constexpr int SummaryLeft = 440;
constexpr int SummaryTop = 427;

QString edit(int number)
{
    return QStringLiteral("DBEdit%1").arg(number);
}

const QString HintBox31 = QStringLiteral("31 Packstücke und Warenbezeichnung");
const QString HintBox44
    = QStringLiteral("44 Besondere Vermerke / Vorgelegte Unterlagen / Bescheinigungen und Genehmigungen");

// Box 47 line k (1 .. 8): the edits of its five columns are numbered on from
// DBEdit30, five to a line.
QString dutyEdit(int line, int column)
{
    return edit(30 + (line - 1) * 5 + column);
}
QString dutyField(int column, int line)
{
    return QStringLiteral("F47_%1_%2").arg(column).arg(line);
}
// The summary: DBEdit71 .. DBEdit94, type, amount and method per line.
QString summaryEdit(int line, int column)
{
    return edit(71 + (line - 1) * 3 + column);
}
QString summaryField(int column, int line)
{
    return QStringLiteral("F48_%1_%2").arg(column).arg(line);
}
const QString SummaryTotalEdit = edit(95);
const QString DutyTotalEdit = edit(70);

std::optional<PickValues> pickImportGoodsNumber(shell::EntryWindow &window)
{
    GoodsNumberFields fields;
    for (int line = 2; line <= 9; ++line)
        fields.append({ QStringLiteral("F31_%1").arg(line), QStringLiteral("bez%1").arg(line - 1) });
    fields += { { QStringLiteral("F33_1"), QStringLiteral("waren") },
        { QStringLiteral("F33_2"), QStringLiteral("Waren2") }, { QStringLiteral("F33_5"), QStringLiteral("Waren3") },
        { QStringLiteral("F33_4"), QStringLiteral("Waren4") }, { QStringLiteral("F33_3"), QStringLiteral("Waren5") },
        { QStringLiteral("F35_1"), QStringLiteral("Brutto") }, { QStringLiteral("F38"), QStringLiteral("Netto") } };
    return pickGoodsNumber(window, fields);
}

std::optional<PickValues> pickCountryOfOrigin(shell::EntryWindow &window)
{
    masterdata::TfrmLnder_e list(&window);
    countrySetUp(QStringLiteral("F34_1"), 0)(list, window);
    if (list.exec() != QDialog::Accepted || list.table().isEmpty())
        return std::nullopt;
    return PickValues { { QStringLiteral("F34_1"), list.table().fieldByName(QStringLiteral("Lkz")).asString() } };
}

std::optional<PickValues> pickPreference(shell::EntryWindow &window)
{
    masterdata::TfrmPraef list(&window);
    list.setPickMode(true);
    if (list.exec() != QDialog::Accepted || list.table().isEmpty())
        return std::nullopt;
    return PickValues { { QStringLiteral("F36_1"), list.table().fieldByName(QStringLiteral("praefz")).asString() } };
}

} // namespace

shell::EntryWindowDefinition importItemDefinition()
{
    shell::EntryWindowDefinition d;
    d.objectName = QStringLiteral("frmEinAnl2");
    d.caption = QStringLiteral("Packstücke und Warenbezeichnung");
    d.size = QSize(796, 500);
    d.fixedFieldList = false;
    d.pages = { shell::EntryPage { QString(), 680 } };

    const auto label = [&d](const QString &text, int x, int y) { d.labels.append(EntryLabel::at(text, 0, x, y)); };
    label(QStringLiteral("31 Packstücke und Warenbezeichnung"), 15, 6);
    label(QStringLiteral("32 Positionsnr."), 416, 2);
    label(QStringLiteral("33 Warennummer"), 517, 2);
    label(QStringLiteral("34 Urspr.L.-Code"), 416, 50);
    label(QStringLiteral("35 Rohmasse"), 517, 50);
    label(QStringLiteral("36 Präferenz"), 621, 50);
    label(QStringLiteral("37 Verfahren"), 413, 98);
    label(QStringLiteral("38 Eigenmasse"), 569, 98);
    label(QStringLiteral("39 Kontingent"), 673, 98);
    label(QStringLiteral("40 Summarische Anmeldung  / Vorpapier"), 416, 146);
    label(QStringLiteral("41 Bes. Maßeinh."), 413, 194);
    label(QStringLiteral("42 Artikelpreis"), 525, 194);
    label(QStringLiteral("44 Bes. Verm. / Vorg. Unterl./Besch. u. Genehm."), 15, 250);
    label(QStringLiteral("46 Statischer Wert"), 524, 242);
    QFont bold(QStringLiteral("Arial"));
    bold.setPointSize(10);
    bold.setBold(true);
    d.labels.append(EntryLabel::at(QStringLiteral("47 Abgaben-\nberechnung"), 0, 15, 390, 110, 36)
                        .named(QStringLiteral("Label47"))
                        .withFont(bold));
    const int columnLeft[] = { 54, 102, 221, 312, 386 };
    const int columnWidth[] = { 49, 120, 92, 75, 33 };
    const char *columnCaption[] = { "Art", "Bemessungsgrundlage", "Satz", "Betrag", "ZA" };
    for (int column = 0; column < 5; ++column)
        label(QLatin1String(columnCaption[column]), columnLeft[column], DutyTop - 18);
    label(QStringLiteral("Summe :"), 250, DutyTop + 8 * Line + 4);

    QVector<EntryControl> &c = d.controls;
    const auto add = [&c](const QString &name, const QString &field, int x, int y, int width, const QString &hint) {
        c.append(EntryControl::edit(name, field).at(0, x, y, width, EditHeight).hint(hint));
        return &c.last();
    };
    add(edit(21), QStringLiteral("F31_1"), 15, 24, 143, HintBox31)->pick(PackageKind);
    const int box31[] = { 22, 23, 24, 11, 9, 10, 25, 12 };
    for (int line = 0; line < 8; ++line)
        add(edit(box31[line]), QStringLiteral("F31_%1").arg(line + 2), 15, 47 + Line * line, 326, HintBox31)
            ->pick(GoodsNumber);
    add(edit(26), QStringLiteral("POS"), 416, 20, 45, QString());
    const QString hint33 = QStringLiteral("33 Statistische Warennummer - (Übernahmemöglichkeit über Feld 31)");
    add(edit(6), QStringLiteral("F33_1"), 517, 20, 71, hint33);
    add(edit(27), QStringLiteral("F33_2"), 588, 20, 30, hint33);
    add(edit(28), QStringLiteral("F33_5"), 618, 20, 38, hint33);
    add(edit(29), QStringLiteral("F33_4"), 656, 20, 38, hint33);
    add(edit(96), QStringLiteral("F33_3"), 694, 20, 31, hint33);
    add(edit(5), QStringLiteral("F34_1"), 416, 68, 45, QStringLiteral("34 Ursprungsland-Code"))->pick(CountryOfOrigin);
    add(edit(1), QStringLiteral("F35_1"), 517, 68, 80, QStringLiteral("35 Rohmasse"));
    add(edit(7), QStringLiteral("F36_1"), 621, 68, 65, QStringLiteral("36 Präferenz"))->pick(Preference);
    // F9 in either sub-field of box 37 opens the list of the second one.
    add(edit(2), QStringLiteral("f37_1"), 413, 116, 44, QStringLiteral("37 Verfahren"))->pick(ProcedureCode2);
    add(edit(3), QStringLiteral("f37_2"), 488, 116, 37, QStringLiteral("37 Verfahren"))->pick(ProcedureCode2);
    add(edit(4), QStringLiteral("F38"), 569, 116, 80, QStringLiteral("38 Eigenmasse"));
    add(edit(13), QStringLiteral("F39_1"), 673, 116, 89, QStringLiteral("39 Kontingent"));
    add(edit(14), QStringLiteral("F40_1"), 416, 164, 249, QStringLiteral("40 Summarische Anmeldung / Vorpapier"));
    add(edit(15), QStringLiteral("F41_1"), 413, 212, 86, QStringLiteral("41 Besondere Maßeinheit"));
    add(edit(97), QStringLiteral("F42"), 525, 212, 112, QStringLiteral("41 Besondere Maßeinheit"));
    add(edit(16), QStringLiteral("F46"), 524, 260, 113, QStringLiteral("46 Statistischer Wert"));
    const int box44[] = { 8, 17, 18, 19, 20 };
    for (int line = 0; line < 5; ++line)
        add(edit(box44[line]), QStringLiteral("F44_%1").arg(line + 1), 15, 268 + Line * line, 366, HintBox44);
    for (int line = 1; line <= DutyLines; ++line) {
        const int top = DutyTop + Line * (line - 1);
        for (int column = 0; column < 5; ++column) {
            // Columns: type, base, rate, amount, method of payment.
            static const int fieldColumn[] = { 1, 2, 3, 4, 5 };
            add(dutyEdit(line, column), dutyField(fieldColumn[column], line), columnLeft[column], top,
                columnWidth[column], QString());
        }
    }
    add(DutyTotalEdit, QStringLiteral("F47_summ"), 312, DutyTop + 8 * Line + 2, 75, QString());
    // The summary panel's edits; the window moves them into Panel3.
    for (int line = 1; line <= DutyLines; ++line) {
        const int top = SummaryTop + 19 + Line * (line - 1);
        add(summaryEdit(line, 0), summaryField(1, line), SummaryLeft + 14, top, 49, QString());
        add(summaryEdit(line, 1), summaryField(2, line), SummaryLeft + 62, top, 75, QString());
        add(summaryEdit(line, 2), summaryField(3, line), SummaryLeft + 136, top, 33, QString());
    }
    add(SummaryTotalEdit, QStringLiteral("G_summe"), SummaryLeft + 62, SummaryTop + 203, 75, QString());

    d.picks = {
        routinePick(QStringLiteral("SpeedButton1"), QRect(159, 24, 21, EditHeight), edit(22),
            [](shell::EntryWindow &w) { return pickPackageKind(w, QStringLiteral("F31_1")); }),
        routinePick(QStringLiteral("SpeedButton2"), QRect(342, 48, 24, 184), edit(5), pickImportGoodsNumber),
        routinePick(QStringLiteral("SpeedButton3"), QRect(463, 68, 21, EditHeight), edit(1), pickCountryOfOrigin),
        routinePick(QStringLiteral("SpeedButton4"), QRect(687, 68, 21, EditHeight), edit(2), pickPreference),
        routinePick(QStringLiteral("SpeedButton6"), QRect(459, 116, 21, EditHeight), edit(3),
            [](shell::EntryWindow &w) {
                return pickProcedureCode<masterdata::TfrmEinh_Verfahren1>(
                    w, QStringLiteral("f37_1"), ProcedureStart::EqualOrLast);
            }),
        routinePick(QStringLiteral("SpeedButton5"), QRect(527, 116, 21, EditHeight), edit(4),
            [](shell::EntryWindow &w) {
                return pickProcedureCode<masterdata::TfrmEinh_Verfahren2>(
                    w, QStringLiteral("f37_2"), ProcedureStart::EqualOrLast);
            }),
        routinePick(QStringLiteral("SpeedButton7"), QRect(667, 164, 21, EditHeight), edit(14),
            [](shell::EntryWindow &w) { return pickPreviousDocument(w, QStringLiteral("F40_1")); }),
    };
    d.plausibility = importItemPlausibility();
    return d;
}

TfrmEinAnl2::TfrmEinAnl2(DeclarationWindow &declaration, QWidget *parent)
    : GoodsItemWindow(declaration, importItemDefinition(), edit(26), parent)
{
    frmEinAnl2 = this;
    mnuDrucken->setVisible(false);
    buildBox44Information();
    buildSummaryPanel();
    for (int line = 1; line <= DutyLines; ++line) {
        for (int column : { 1, 2, 3 })
            control(dutyEdit(line, column))->installEventFilter(this);
        control(summaryEdit(line, 1))->installEventFilter(this);
    }
    control(DutyTotalEdit)->installEventFilter(this);
    control(SummaryTotalEdit)->installEventFilter(this);
    // After box 40 the caret stands after the last character.
    connect(pickButton(PreviousDocument), &QAbstractButton::clicked, this, shell::reported(this, [this] {
        if (auto *box = qobject_cast<QLineEdit *>(control(edit(14))))
            box->end(false);
    }));
    shell::applyRaisedButtonLook(this);
}

TfrmEinAnl2::~TfrmEinAnl2()
{
    if (frmEinAnl2 == this)
        frmEinAnl2 = nullptr;
}

void TfrmEinAnl2::buildBox44Information()
{
    QWidget *surface = scrollBox(0)->widget();
    SpeedButton27 = createBox44InformationButton(
        surface, this, QStringLiteral("SpeedButton27"), QStringLiteral("?"), QRect(383, 268, 24, 116));
    Image1 = new QToolButton(surface);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setArrowType(Qt::DownArrow);
    Image1->setGeometry(125, 396, 24, 24);
    Image1->setFocusPolicy(Qt::NoFocus);
    connect(Image1, &QToolButton::clicked, this,
        shell::reported(this, [this] { scrollBox(0)->verticalScrollBar()->setValue(1000); }));
}

void TfrmEinAnl2::buildSummaryPanel()
{
    QWidget *surface = scrollBox(0)->widget();
    Panel3 = new QFrame(surface);
    Panel3->setObjectName(QStringLiteral("Panel3"));
    Panel3->setFrameShape(QFrame::Panel);
    Panel3->setFrameShadow(QFrame::Raised);
    Panel3->setGeometry(SummaryLeft, SummaryTop, 185, 239);
    Panel3->lower();
    const auto caption = [this](const QString &text, int x, int y) {
        auto *label = new QLabel(text, Panel3);
        label->setFont(shell::mainState().FormularAnzeigeFont);
        label->move(x, y);
    };
    caption(QStringLiteral("Art"), 14, 2);
    caption(QStringLiteral("Betrag"), 62, 2);
    caption(QStringLiteral("ZA"), 136, 2);
    caption(QStringLiteral("Summe:"), 14, 206);
    QStringList names = { SummaryTotalEdit };
    for (int line = 1; line <= DutyLines; ++line) {
        for (int column = 0; column < 3; ++column)
            names.append(summaryEdit(line, column));
    }
    for (const QString &name : std::as_const(names)) {
        QWidget *box = control(name);
        const QPoint at = box->pos() - Panel3->pos();
        box->setParent(Panel3);
        box->move(at);
        box->show();
    }
    Panel3->setVisible(showsSheetSummary(itemNumber(), head().recordCount()));
}

void TfrmEinAnl2::showEvent(QShowEvent *event)
{
    shell::runReported(this, [&] {
        if (!m_shown) {
            m_shown = true;
            shell::runReported(this, [this] { CopySheetSummary((itemNumber() + 1) % 3); });
        }
        GoodsItemWindow::showEvent(event);
    });
}

void TfrmEinAnl2::CopySheetSummary(int distance)
{
    const int item = itemNumber();
    if (distance == 0 || item <= 1)
        return;
    platform::Table &items = head();
    auto source = shell::openSecondView(items);
    if (!source->findKey({ items.field(0).asInteger(), item - distance }))
        return;
    QStringList fields = { QStringLiteral("G_summe") };
    for (int column = 1; column <= 3; ++column) {
        for (int line = 1; line <= DutyLines; ++line)
            fields.append(summaryField(column, line));
    }
    shell::EditIfBrowsing(items);
    for (const QString &field : std::as_const(fields))
        items.fieldByName(field).setValue(source->fieldByName(field).value());
    items.post();
}

bool TfrmEinAnl2::isDutyNumberEdit(QObject *watched) const
{
    if (watched == control(DutyTotalEdit))
        return true;
    for (int line = 1; line <= DutyLines; ++line) {
        for (int column : { 1, 2, 3 }) {
            if (watched == control(dutyEdit(line, column)))
                return true;
        }
    }
    return false;
}

void TfrmEinAnl2::markLine(int line, bool invalid)
{
    shell::MarkFieldsInvalid(
        control(dutyEdit(line, 1)), control(dutyEdit(line, 2)), control(dutyEdit(line, 3)), invalid);
}

void TfrmEinAnl2::RecalculateDuties()
{
    platform::Table &item = head();
    QVector<DutyLine> lines;
    for (int line = 1; line <= DutyLines; ++line)
        lines.append({ item.fieldByName(dutyField(2, line)).asString(), item.fieldByName(dutyField(3, line)).asString(),
            item.fieldByName(dutyField(4, line)).asString() });
    platform::Field total = item.fieldByName(QStringLiteral("F47_summ"));
    const int amountSize = item.fieldDef(item.fieldByName(dutyField(4, 1)).index()).size;
    const DutyResult result = recalculateDuties(lines, total.asString(), amountSize);
    for (int line = 1; line <= DutyLines; ++line) {
        const QString &amount = result.amounts.at(line - 1);
        if (amount != lines.at(line - 1).amount) {
            shell::EditIfBrowsing(item);
            item.fieldByName(dutyField(4, line)).setAsString(amount);
        }
        markLine(line, result.invalid.at(line - 1));
    }
    if (result.total != total.asString()) {
        shell::EditIfBrowsing(item);
        total.setAsString(result.total);
    }
    const QString message = tooLongMessage(result.tooLong, result.totalTooLong, amountSize);
    if (!message.isEmpty())
        platform::dialogs().warning(message);
    shell::PostIfEditing(item);
}

void TfrmEinAnl2::dutyFieldLeft(const QString &field)
{
    platform::Table &item = head();
    platform::Field value = item.fieldByName(field);
    const std::optional<double> number = dutyNumber(value.asString());
    if (!number)
        return;
    // A value that would not fit its field keeps the text as typed.
    const QString text = formatDuty(*number, BaseDigits);
    if (text.size() <= item.fieldDef(value.index()).size && text != value.asString()) {
        shell::EditIfBrowsing(item);
        value.setAsString(text);
    }
    RecalculateDuties();
}

void TfrmEinAnl2::summaryFieldLeft(const QString &field)
{
    platform::Table &item = head();
    if (!dutyNumber(item.fieldByName(field).asString()))
        return;
    QVector<QString> amounts;
    for (int line = 1; line <= DutyLines; ++line)
        amounts.append(item.fieldByName(summaryField(2, line)).asString());
    platform::Field total = item.fieldByName(QStringLiteral("G_summe"));
    const int amountSize = item.fieldDef(total.index()).size;
    const std::optional<SheetSummary> summary = sumSheetSummary(amounts, total.asString(), amountSize);
    if (!summary)
        return;
    shell::EditIfBrowsing(item);
    for (int line = 1; line <= DutyLines; ++line) {
        item.fieldByName(summaryField(2, line)).setAsString(summary->amounts.at(line - 1));
        shell::MarkFieldsInvalid(control(summaryEdit(line, 1)), nullptr, nullptr, summary->invalid.at(line - 1));
    }
    total.setAsString(summary->total);
    const QString message = tooLongMessage(summary->tooLong, summary->totalTooLong, amountSize);
    if (!message.isEmpty())
        platform::dialogs().warning(message);
    shell::PostIfEditing(item);
}

bool TfrmEinAnl2::eventFilter(QObject *watched, QEvent *event)
{
    return platform::filterReported(this, [&]() -> bool {
        if (event->type() == QEvent::KeyPress && !m_warned && isDutyNumberEdit(watched)) {
            const auto *key = static_cast<QKeyEvent *>(event);
            const QString text = key->text();
            const bool character = key->key() == Qt::Key_Backspace || key->key() == Qt::Key_Return
                || key->key() == Qt::Key_Enter || (!text.isEmpty() && text.at(0).isPrint());
            const bool digit = text.size() == 1 && text.at(0) >= QLatin1Char('0') && text.at(0) <= QLatin1Char('9');
            if (character && !digit) {
                m_warned = true;
                platform::dialogs().warning(DutyKeyWarning);
            }
        }
        if (event->type() == QEvent::FocusOut) {
            const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
            if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
                for (int line = 1; line <= DutyLines; ++line) {
                    for (int column : { 1, 2 }) {
                        if (watched == control(dutyEdit(line, column)))
                            shell::runReported(
                                this, [this, column, line] { dutyFieldLeft(dutyField(column + 1, line)); });
                    }
                    if (watched == control(summaryEdit(line, 1)))
                        shell::runReported(this, [this, line] { summaryFieldLeft(summaryField(2, line)); });
                }
                if (watched == control(SummaryTotalEdit))
                    shell::runReported(this, [this] { summaryFieldLeft(QStringLiteral("G_summe")); });
            }
        }
        return GoodsItemWindow::eventFilter(watched, event);
    });
}

bool TfrmEinAnl2::plausibilityCheck()
{
    // The item is saved before it is checked.
    if (!saveOrOfferCorrection(head(), ImportItemSaveQuestion))
        return false;
    return GoodsItemWindow::plausibilityCheck();
}

bool TfrmEinAnl2::formClose()
{
    if (!saveOrOfferCorrection(head(), ImportItemSaveQuestion))
        return false;
    return GoodsItemWindow::formClose();
}

} // namespace sad
