#include "transport/tfrmlieferscheinanl.h"

#include "shell/documentregister.h"
#include "transport/tfrmlieferschein.h"

#include <QEvent>
#include <QLineEdit>

namespace transport {

using shell::EntryControl;
using shell::EntryLabel;

namespace {

constexpr int EditHeight = 21;

QString edit(int number)
{
    return QStringLiteral("DBEdit%1").arg(number);
}

} // namespace

shell::EntryWindowDefinition lieferscheinAnlDefinition()
{
    shell::EntryWindowDefinition d;
    d.objectName = QStringLiteral("frmLieferscheinAnl");
    d.caption = QStringLiteral("Packstücke und Warenbezeichnung");
    d.size = QSize(560, 300);
    d.fixedFieldList = false;
    d.labels = {
        EntryLabel::at(QStringLiteral("(27) Pos"), 0, 10, 10),
        EntryLabel::at(QStringLiteral("(28) Artikel-Nr."), 0, 90, 10),
        EntryLabel::at(QStringLiteral("(29) Bezeichnung der Lieferung /"), 0, 10, 60),
        EntryLabel::at(QStringLiteral("(29 a) Verpackungeinzelheiten"), 0, 10, 76),
        EntryLabel::at(QStringLiteral("(30) Menge"), 0, 300, 10),
        EntryLabel::at(QStringLiteral("(31) Einheit"), 0, 400, 10),
    };
    QVector<EntryControl> &c = d.controls;
    c.append(EntryControl::edit(edit(1), QStringLiteral("Pos")).at(0, 10, 28, 60, EditHeight));
    c.append(EntryControl::edit(edit(2), QStringLiteral("L28")).at(0, 90, 28, 190, EditHeight));
    for (int i = 0; i < 5; ++i)
        c.append(EntryControl::edit(edit(3 + i), QStringLiteral("L29_%1").arg(1 + i))
                     .at(0, 10, 96 + 24 * i, 260, EditHeight));
    c.append(EntryControl::edit(edit(8), QStringLiteral("L30")).at(0, 300, 28, 80, EditHeight));
    c.append(EntryControl::edit(edit(9), QStringLiteral("L31")).at(0, 400, 28, 50, EditHeight));
    return d;
}

TfrmLieferscheinAnl::TfrmLieferscheinAnl(TfrmLieferschein &entryWindow, QWidget *parent)
    : shell::EntryWindow(
        entryWindow.documentRegister(), lieferscheinAnlDefinition(), parent, entryWindow.documentRegister().positions())
{
    // The line window's menu holds "Schließen" only.
    mnuDrucken->setVisible(false);
    // The number is shown, not typed; a click on it goes to the article number.
    auto *number = qobject_cast<QLineEdit *>(control(edit(1)));
    number->setReadOnly(true);
    number->setFocusPolicy(Qt::ClickFocus);
    setNumberText(entryWindow.statusText(1));
}

bool TfrmLieferscheinAnl::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusIn && watched == control(edit(1))) {
        focusControl(edit(2));
        return true;
    }
    return shell::EntryWindow::eventFilter(watched, event);
}

} // namespace transport
