#include "transport/tfrmpaliex.h"

#include "masterdata/entrypicks.h"
#include "platform/dataedit.h"
#include "platform/dialogservice.h"
#include "platform/field.h"
#include "platform/localformat.h"
#include "platform/table.h"
#include "shell/documentregister.h"
#include "transport/tfrmpali.h"

namespace transport {

using shell::EntryControl;
using shell::EntryLabel;

namespace {

constexpr int EditHeight = 21;
const QString PackageHint = QStringLiteral("Packstück-Daten");

QString edit(int number)
{
    return QStringLiteral("DBEdit%1").arg(number);
}

} // namespace

shell::EntryWindowDefinition paliexEntryDefinition()
{
    shell::EntryWindowDefinition d;
    d.objectName = QStringLiteral("frmpaliex");
    d.caption = QStringLiteral("Packliste Positionen");
    // The client area below the menu bar.
    d.size = QSize(743, 372);
    d.fixedFieldList = false;
    d.pickProtocol = shell::PickProtocol::PickEditPost;
    d.labels = {
        EntryLabel::at(QStringLiteral("Datum :"), 0, 21, 27),
        EntryLabel::at(QStringLiteral("Packstück-Nr. :"), 0, 16, 83),
        EntryLabel::at(QStringLiteral("Bezeichnung :"), 0, 16, 106),
        EntryLabel::at(QStringLiteral("Packart :"), 0, 16, 129),
        EntryLabel::at(QStringLiteral("Brutto - Gewicht :"), 0, 16, 152),
        EntryLabel::at(QStringLiteral("Netto - Gewicht :"), 0, 16, 175),
        EntryLabel::at(QStringLiteral("Tara :"), 0, 16, 198),
        EntryLabel::at(QStringLiteral("Länge (in cm) :"), 0, 16, 221),
        EntryLabel::at(QStringLiteral("Breite (in cm) :"), 0, 16, 244),
        EntryLabel::at(QStringLiteral("Höhe (in cm) :"), 0, 16, 267),
        EntryLabel::at(QStringLiteral("Inhalte :"), 0, 413, 43),
        EntryLabel::at(QStringLiteral("Bemerkung :"), 0, 413, 180),
    };
    QVector<EntryControl> &c = d.controls;
    c.append(EntryControl::edit(edit(1), QStringLiteral("datu"))
                 .at(0, 130, 24, 124, EditHeight)
                 .hint(QStringLiteral("Datum")));
    c.append(EntryControl::edit(edit(2), QStringLiteral("packstnr"))
                 .at(0, 130, 80, 36, EditHeight)
                 .hint(PackageHint)
                 .pick(0));
    c.append(
        EntryControl::edit(edit(3), QStringLiteral("bez")).at(0, 130, 103, 221, EditHeight).hint(PackageHint).pick(0));
    c.append(EntryControl::edit(edit(4), QStringLiteral("packart"))
                 .at(0, 130, 126, 33, EditHeight)
                 .hint(PackageHint)
                 .pick(0));
    c.append(EntryControl::edit(edit(5), QStringLiteral("brutto"))
                 .at(0, 130, 149, 119, EditHeight)
                 .hint(QStringLiteral("Brutto Gewicht")));
    c.append(EntryControl::edit(edit(6), QStringLiteral("netto"))
                 .at(0, 130, 172, 119, EditHeight)
                 .hint(QStringLiteral("Netto Gewicht")));
    c.append(EntryControl::edit(edit(7), QStringLiteral("tara"))
                 .at(0, 130, 195, 119, EditHeight)
                 .hint(QStringLiteral("Tara - wird errechnet")));
    const char *measures[] = { "laenge", "breite", "hoehe" };
    for (int i = 0; i < 3; ++i)
        c.append(EntryControl::edit(edit(8 + i), QLatin1String(measures[i]))
                     .at(0, 130, 218 + 23 * i, 68, EditHeight)
                     .hint(PackageHint)
                     .pick(0));
    c.append(EntryControl::memo(QStringLiteral("DBMemo1"), QStringLiteral("contents")).at(0, 413, 63, 316, 110));
    c.append(EntryControl::memo(QStringLiteral("DBMemo2"), QStringLiteral("Text")).at(0, 413, 199, 316, 110));
    d.picks = { masterdata::packageKindPick(QStringLiteral("SpeedButton1"), 0, QRect(357, 80, 24, 208),
        { QStringLiteral("bez"), QStringLiteral("packart"), QStringLiteral("laenge"), QStringLiteral("breite"),
            QStringLiteral("hoehe") },
        edit(5)) };
    return d;
}

TfrmPaliex::TfrmPaliex(Tfrmpali &entryWindow, QWidget *parent)
    : shell::EntryWindow(
        entryWindow.documentRegister(), paliexEntryDefinition(), parent, entryWindow.documentRegister().positions())
{
    // The line window's menu holds "&Schließen" only.
    mnuDrucken->setVisible(false);
    control(edit(1))->setFocusPolicy(Qt::ClickFocus);
    control(edit(7))->setEnabled(false);
    // The number text of the entry window and the line: "BelegNr: 12 (3. Position)".
    setNumberText(entryWindow.statusText(1) + QStringLiteral(" (")
        + head().fieldByName(QStringLiteral("auftrnr")).asString() + QStringLiteral(". Position)"));
    for (const QString &name : { edit(5), edit(6) }) {
        auto *weight = qobject_cast<QLineEdit *>(control(name));
        connect(weight, &QLineEdit::textChanged, this, [this] { computeTare(); });
    }
}

void TfrmPaliex::computeTare()
{
    const QString gross = qobject_cast<QLineEdit *>(control(edit(5)))->text();
    const QString net = qobject_cast<QLineEdit *>(control(edit(6)))->text();
    if (gross.isEmpty() || net.isEmpty())
        return;
    bool grossRead = false;
    bool netRead = false;
    const double grossValue = platform::parseNumber(gross, &grossRead);
    const double netValue = platform::parseNumber(net, &netRead);
    if (!grossRead || !netRead) {
        platform::dialogs().error(QStringLiteral("Ungültige Eingabe"));
        return;
    }
    const double tare = grossValue - netValue;
    if (head().isEditing())
        head().fieldByName(QStringLiteral("tara")).setAsFloat(tare);
    else
        qobject_cast<QLineEdit *>(control(edit(7)))->setText(platform::formatPlainNumber(tare));
}

} // namespace transport
