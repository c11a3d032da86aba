#include "orders/tfrmauftr_pk.h"

#include "orders/orderlines.h"
#include "orders/orderpicks.h"
#include "orders/tfrmregieauftragsdaten.h"
#include "platform/field.h"
#include "platform/table.h"
#include "shell/documentroutines.h"
#include "shell/reportedcall.h"

#include <QAbstractButton>
#include <QAction>
#include <QKeyEvent>

namespace orders {

using platform::Table;
using shell::EntryControl;
using shell::EntryLabel;
using shell::PickValues;

TfrmAuftr_pk *frmAuftr_pk = nullptr;

namespace {

QString editName(const QString &field)
{
    return QStringLiteral("DBEdit") + field;
}

void writePackageKind(Table &package, const PackageKindChoice &kind)
{
    package.fieldByName(QStringLiteral("Packart")).setAsString(kind.code);
    package.fieldByName(QStringLiteral("Bez")).setAsString(kind.name);
    package.fieldByName(QStringLiteral("Laenge")).setAsInteger(kind.length);
    package.fieldByName(QStringLiteral("Breite")).setAsInteger(kind.width);
    package.fieldByName(QStringLiteral("Hoehe")).setAsInteger(kind.height);
}

shell::EntryWindowDefinition packageWindowDefinition()
{
    shell::EntryWindowDefinition definition;
    definition.objectName = QStringLiteral("frmAuftr_pk");
    definition.caption = QStringLiteral("Packstücke");
    definition.size = QSize(470, 260);
    const QStringList leftFields = { QStringLiteral("PACKART"), QStringLiteral("BEZ"), QStringLiteral("LAENGE"),
        QStringLiteral("BREITE"), QStringLiteral("HOEHE") };
    const QStringList leftLabels = { QStringLiteral("Packart"), QStringLiteral("Bezeichnung"), QStringLiteral("Länge"),
        QStringLiteral("Breite"), QStringLiteral("Höhe") };
    const QStringList rightFields
        = { QStringLiteral("M3"), QStringLiteral("ANZAHL"), QStringLiteral("NETTO"), QStringLiteral("BRUTTO") };
    const QStringList rightLabels
        = { QStringLiteral("m³"), QStringLiteral("Anzahl"), QStringLiteral("Netto"), QStringLiteral("Brutto") };
    for (int i = 0; i < leftFields.size(); ++i) {
        definition.labels.append(EntryLabel::at(leftLabels.at(i), 0, 16, 19 + i * 30));
        definition.controls.append(
            EntryControl::edit(editName(leftFields.at(i)), leftFields.at(i)).at(0, 110, 16 + i * 30, 100, 21));
    }
    for (int i = 0; i < rightFields.size(); ++i) {
        definition.labels.append(EntryLabel::at(rightLabels.at(i), 0, 250, 19 + i * 30));
        EntryControl edit
            = EntryControl::edit(editName(rightFields.at(i)), rightFields.at(i)).at(0, 330, 16 + i * 30, 100, 21);
        // The volume as the grid's "CBM" column shows it: "0,060".
        if (rightFields.at(i) == QLatin1String("M3"))
            edit.withDecimals(3);
        definition.controls.append(edit);
    }
    definition.picks.append(shell::EntryPick { QStringLiteral("SpeedButtonPackart"), 0, QRect(214, 16, 21, 21),
        [](shell::EntryWindow &window) -> std::optional<PickValues> {
            const std::optional<PackageKindChoice> kind = pickPackageKind(&window);
            if (!kind)
                return std::nullopt;
            writePackageKind(window.head(), *kind);
            static_cast<TfrmAuftr_pk &>(window).computeVolume();
            return PickValues {};
        },
        QString(), QString() });
    return definition;
}

} // namespace

TfrmAuftr_pk::TfrmAuftr_pk(TfrmRegieAuftragsdaten &orderRegister, QWidget *parent)
    : EntryWindow(orderRegister, packageWindowDefinition(), parent, &orderRegister.tbPack())
    , m_orders(orderRegister)
{
    frmAuftr_pk = this;
    mnuDrucken->setVisible(false);
}

TfrmAuftr_pk::~TfrmAuftr_pk()
{
    if (frmAuftr_pk == this)
        frmAuftr_pk = nullptr;
}

void TfrmAuftr_pk::computeVolume()
{
    Table &package = head();
    package.updateRecord();
    shell::EditIfBrowsing(package);
    package.fieldByName(QStringLiteral("M3"))
        .setAsFloat(packageVolume(package.fieldByName(QStringLiteral("Laenge")).asInteger(),
            package.fieldByName(QStringLiteral("Breite")).asInteger(),
            package.fieldByName(QStringLiteral("Hoehe")).asInteger()));
    package.post();
}

void TfrmAuftr_pk::packageKindLeft()
{
    Table &package = head();
    package.updateRecord();
    const QString text = package.fieldByName(QStringLiteral("Packart")).asString();
    if (text.isEmpty())
        return;
    if (const auto kind = lookUpPackageKind(text, this)) {
        shell::EditIfBrowsing(package);
        writePackageKind(package, *kind);
    }
    shell::PostIfEditing(package);
}

bool TfrmAuftr_pk::eventFilter(QObject *watched, QEvent *event)
{
    return platform::filterReported(this, [&]() -> bool {
        // Lines of an order are never fixed fields of the template.
        if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent *>(event)->key() == Qt::Key_F6)
            return false;
        if (event->type() == QEvent::KeyRelease && static_cast<QKeyEvent *>(event)->key() == Qt::Key_F9
            && watched == control(editName(QStringLiteral("PACKART")))) {
            pickButton(0)->click();
            return true;
        }
        if (event->type() == QEvent::FocusOut) {
            const auto reason = static_cast<QFocusEvent *>(event)->reason();
            auto *widget = qobject_cast<QWidget *>(watched);
            if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason && widget
                && control(widget->objectName()) == widget) {
                const bool handled = EntryWindow::eventFilter(watched, event);
                const QString name = widget->objectName();
                shell::runReported(this, [this, name] {
                    if (name == editName(QStringLiteral("PACKART")))
                        packageKindLeft();
                    else if (name == editName(QStringLiteral("LAENGE")) || name == editName(QStringLiteral("BREITE"))
                        || name == editName(QStringLiteral("HOEHE")))
                        computeVolume();
                });
                return handled;
            }
        }
        return EntryWindow::eventFilter(watched, event);
    });
}

} // namespace orders
