#include "orders/tfrmpositionen.h"

#include "orders/orderpicks.h"
#include "orders/tfrmauftrag.h"
#include "orders/tfrmregieauftragsdaten.h"
#include "platform/dataedit.h"
#include "platform/field.h"
#include "platform/fielddatalink.h"
#include "platform/table.h"
#include "shell/documentroutines.h"
#include "shell/mainstate.h"
#include "shell/reportedcall.h"

#include <QAction>
#include <QGroupBox>
#include <QKeyEvent>

namespace orders {

using platform::Table;
using shell::EntryControl;
using shell::EntryLabel;
using shell::PickValues;

TfrmPositionen *frmPositionen = nullptr;

namespace {

enum Pick { ArticlePick, GoodsNumberPick, PackageKindPick };

QString editName(const QString &field)
{
    return QStringLiteral("DBEdit") + field;
}

// The position window's own: its order window and so the order's language.
QString orderLanguage(shell::EntryWindow &window)
{
    auto *order = qobject_cast<TfrmAuftrag *>(window.parentWidget());
    return order ? order->languageKey() : QStringLiteral("d");
}

void writeGoodsNumber(Table &position, const GoodsNumberChoice &goods)
{
    position.fieldByName(QStringLiteral("waren")).setAsString(goods.number);
    for (int i = 0; i < 8; ++i)
        position.fieldByName(QStringLiteral("wabe%1").arg(i + 1)).setAsString(goods.lines.value(i));
}

shell::EntryWindowDefinition positionWindowDefinition()
{
    shell::EntryWindowDefinition definition;
    definition.objectName = QStringLiteral("frmPositionen");
    definition.caption = QStringLiteral("Artikelpositionen");
    definition.size = QSize(760, 640);
    auto &labels = definition.labels;
    auto &controls = definition.controls;
    const auto label
        = [&labels](const QString &text, int x, int y) { labels.append(EntryLabel::at(text, 0, x, y + 3)); };
    const auto edit
        = [&controls](const QString &field, const QString &hint, int x, int y, int width) -> EntryControl & {
        controls.append(EntryControl::edit(editName(field), field).at(0, x, y, width, 21).hint(hint));
        return controls.last();
    };

    // Description
    label(QStringLiteral("Position:"), 16, 24);
    edit(QStringLiteral("POS"), QString(), 130, 24, 60);
    label(QStringLiteral("Anzahl:"), 200, 24);
    edit(QStringLiteral("ANZAHL"), QStringLiteral("Anzahl "), 260, 24, 80);
    label(QStringLiteral("Verpackung / Einheit"), 360, 24);
    edit(QStringLiteral("Verpackung"), QStringLiteral("Verpackung / Einheit"), 500, 24, 120).pick(PackageKindPick);
    label(QStringLiteral("Bezeichnung:"), 16, 52);
    for (int i = 0; i < 16; ++i) {
        edit(QStringLiteral("BEZ%1").arg(i + 1), QStringLiteral("Bezeichnung für die Rechnung"), i < 8 ? 130 : 430,
            52 + (i % 8) * 24, 290)
            .pick(ArticlePick);
    }
    controls.append(EntryControl::checkBox(
        QStringLiteral("DBCheckBoxPraef"), QStringLiteral("praefberech"), QStringLiteral("Präferenzberechtigt"))
                        .at(0, 130, 248, 200, 21));

    // Price and weights: unit and total
    labels.append(EntryLabel::at(QStringLiteral("Einzel"), 0, 130, 300));
    labels.append(EntryLabel::at(QStringLiteral("Gesamt:"), 0, 260, 300));
    const QStringList rows
        = { QStringLiteral("Preis:"), QStringLiteral("Nettogewicht:"), QStringLiteral("Bruttogewicht:") };
    const QStringList units = { QStringLiteral("EINZPREIS"), QStringLiteral("NETTO"), QStringLiteral("BRUTTO") };
    const QStringList totals = { QStringLiteral("QUERSUM"), QStringLiteral("NETTOGES"), QStringLiteral("BRUTTOGES") };
    const QStringList unitHints = { QStringLiteral("Einzelpreis"), QStringLiteral("Nettogewicht / Einheit"),
        QStringLiteral("Brutto Gewicht / Einheit") };
    const QStringList totalHints = { QStringLiteral("Gesamtpreis "), QStringLiteral("Netto Gewicht / Gesamt"),
        QStringLiteral("Brutto Gewicht / Gesamt") };
    for (int i = 0; i < 3; ++i) {
        label(rows.at(i), 16, 322 + i * 25);
        edit(units.at(i), unitHints.at(i), 130, 322 + i * 25, 120);
        edit(totals.at(i), totalHints.at(i), 260, 322 + i * 25, 120);
    }

    // Customs data
    controls.append(EntryControl::checkBox(
        QStringLiteral("DBCheckBoxBesMass"), QStringLiteral("BesMassEinheit"), QStringLiteral("Besondere Masseinheit"))
                        .at(0, 430, 300, 200, 21));
    label(QStringLiteral("Ursprungsland:"), 430, 325);
    edit(QStringLiteral("URLAND"),
        QStringLiteral("Ursprungsland der Ware - (Übernahmemöglichkeit über Statistische Warennummer)"), 600, 325, 60);
    label(QStringLiteral("Herkunftsregion:"), 430, 350);
    edit(QStringLiteral("BULAND"),
        QStringLiteral("Herkunftsregion der Ware - (Übernahmemöglichkeit über Statistische Warennummer)"), 600, 350,
        60);
    label(QStringLiteral("Statistische Warennummer:"), 16, 410);
    edit(QStringLiteral("Waren"), QStringLiteral("Statistische Warennummer"), 200, 410, 120).pick(GoodsNumberPick);
    label(QStringLiteral("Bezeichnung:"), 16, 438);
    for (int i = 0; i < 8; ++i) {
        edit(QStringLiteral("wabe%1").arg(i + 1),
            QStringLiteral("Offizielle Bezeichnung  der Ware - (Übernahmemöglichkeit über Statistische Warennummer)"),
            i < 4 ? 130 : 430, 438 + (i % 4) * 24, 290);
    }

    const auto pick = [&definition](const QString &name, int x, int y,
                          std::function<std::optional<PickValues>(TfrmPositionen &)> run) {
        definition.picks.append(shell::EntryPick { name, 0, QRect(x, y, 21, 21),
            [run](shell::EntryWindow &window) { return run(static_cast<TfrmPositionen &>(window)); }, QString(),
            QString() });
    };
    pick(QStringLiteral("SpeedButtonArtikel"), 725, 52, [](TfrmPositionen &window) -> std::optional<PickValues> {
        const std::optional<ArticleChoice> article = pickArticle(&window, orderLanguage(window));
        if (!article)
            return std::nullopt;
        Table &position = window.head();
        for (int i = 0; i < 6; ++i)
            position.fieldByName(QStringLiteral("bez%1").arg(i + 1)).setAsString(article->lines.value(i));
        position.fieldByName(QStringLiteral("einzpreis")).setAsFloat(article->price);
        position.fieldByName(QStringLiteral("netto")).setAsFloat(article->net);
        position.fieldByName(QStringLiteral("waren")).setAsString(article->goodsNumber);
        if (const auto goods = findGoodsNumber(article->goodsNumber))
            writeGoodsNumber(position, *goods);
        window.computeTotals();
        return PickValues {};
    });
    pick(QStringLiteral("SpeedButtonWaren"), 325, 410, [](TfrmPositionen &window) -> std::optional<PickValues> {
        const std::optional<GoodsNumberChoice> goods = pickGoodsNumber(&window);
        if (!goods)
            return std::nullopt;
        writeGoodsNumber(window.head(), *goods);
        return PickValues {};
    });
    pick(QStringLiteral("SpeedButtonVerpackung"), 625, 24, [](TfrmPositionen &window) -> std::optional<PickValues> {
        const std::optional<PackageKindChoice> kind = pickPackageKind(&window);
        if (!kind)
            return std::nullopt;
        return PickValues { { QStringLiteral("Verpackung"), kind->name } };
    });
    return definition;
}

} // namespace

TfrmPositionen::TfrmPositionen(TfrmRegieAuftragsdaten &orderRegister, const QString &orderNumberText, QWidget *parent)
    : EntryWindow(orderRegister, positionWindowDefinition(), parent, &orderRegister.tbArtikel())
    , m_orders(orderRegister)
{
    frmPositionen = this;
    mnuDrucken->setVisible(false);
    // The position number is shown, never typed.
    auto *number = static_cast<platform::DataEdit *>(control(editName(QStringLiteral("POS"))));
    number->dataLink()->setReadOnly(true);
    number->setFrame(false);
    number->setFocusPolicy(Qt::NoFocus);
    setNumberText(orderNumberText + QStringLiteral(" (") + head().fieldByName(QStringLiteral("Pos")).asString()
        + QStringLiteral(". Position)"));
}

TfrmPositionen::~TfrmPositionen()
{
    if (frmPositionen == this)
        frmPositionen = nullptr;
}

void TfrmPositionen::computeTotals()
{
    Table &position = head();
    position.updateRecord();
    shell::EditIfBrowsing(position);
    const int count = position.fieldByName(QStringLiteral("anzahl")).asInteger();
    const double price = position.fieldByName(QStringLiteral("einzpreis")).asFloat();
    const double net = position.fieldByName(QStringLiteral("netto")).asFloat();
    const double gross = position.fieldByName(QStringLiteral("brutto")).asFloat();
    position.fieldByName(QStringLiteral("quersum")).setAsFloat(count * price);
    position.fieldByName(QStringLiteral("nettoges")).setAsFloat(count * net);
    position.fieldByName(QStringLiteral("bruttoges")).setAsFloat(count * gross);
}

void TfrmPositionen::netWeightLeft()
{
    Table &position = head();
    position.updateRecord();
    shell::EditIfBrowsing(position);
    position.fieldByName(QStringLiteral("brutto")).setAsFloat(position.fieldByName(QStringLiteral("netto")).asFloat());
    computeTotals();
}

void TfrmPositionen::goodsNumberLeft()
{
    Table &position = head();
    position.updateRecord();
    const QString text = position.fieldByName(QStringLiteral("waren")).asString();
    if (!text.isEmpty()) {
        if (const auto goods = lookUpGoodsNumber(text, this)) {
            shell::EditIfBrowsing(position);
            writeGoodsNumber(position, *goods);
        }
    }
    shell::PostIfEditing(position);
}

void TfrmPositionen::fieldLeft(const QString &name)
{
    static const QStringList totalsFields = { QStringLiteral("ANZAHL"), QStringLiteral("EINZPREIS"),
        QStringLiteral("QUERSUM"), QStringLiteral("NETTOGES"), QStringLiteral("BRUTTO"), QStringLiteral("BRUTTOGES") };
    static const QStringList postingFields = { QStringLiteral("URLAND"), QStringLiteral("BULAND"),
        QStringLiteral("wabe1"), QStringLiteral("wabe2"), QStringLiteral("wabe3"), QStringLiteral("wabe4"),
        QStringLiteral("wabe5"), QStringLiteral("wabe6"), QStringLiteral("wabe7"), QStringLiteral("wabe8") };
    const QString field = name.mid(QStringLiteral("DBEdit").size());
    if (totalsFields.contains(field)) {
        computeTotals();
    } else if (field == QStringLiteral("NETTO")) {
        netWeightLeft();
    } else if (field == QStringLiteral("Waren")) {
        goodsNumberLeft();
    } else if (postingFields.contains(field)) {
        Table &position = head();
        position.updateRecord();
        shell::EditIfBrowsing(position);
        shell::PostIfEditing(position);
    }
}

bool TfrmPositionen::eventFilter(QObject *watched, QEvent *event)
{
    return platform::filterReported(this, [&]() -> bool {
        // Lines of an order are never fixed fields of the template.
        if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent *>(event)->key() == Qt::Key_F6)
            return false;
        if (event->type() == QEvent::FocusOut) {
            const auto reason = static_cast<QFocusEvent *>(event)->reason();
            auto *widget = qobject_cast<QWidget *>(watched);
            if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason && widget
                && control(widget->objectName()) == widget) {
                const bool handled = EntryWindow::eventFilter(watched, event);
                shell::runReported(this, [this, widget] { fieldLeft(widget->objectName()); });
                return handled;
            }
        }
        return EntryWindow::eventFilter(watched, event);
    });
}

} // namespace orders
