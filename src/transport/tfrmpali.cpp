#include "transport/tfrmpali.h"

#include "masterdata/entrypicks.h"
#include "platform/field.h"
#include "platform/localformat.h"
#include "platform/table.h"
#include "shell/buttonlook.h"
#include "shell/documentregister.h"
#include "shell/documentroutines.h"
#include "shell/positiongrid.h"
#include "shell/positionlist.h"
#include "transport/tfrmpaliex.h"

#include <QFrame>
#include <QScrollArea>
#include <QScrollBar>

namespace transport {

using shell::EntryControl;
using shell::EntryLabel;

namespace {

constexpr int EditHeight = 21;
const QString LineNumber = QStringLiteral("auftrnr");

QString edit(int number)
{
    return QStringLiteral("DBEdit%1").arg(number);
}

} // namespace

shell::EntryWindowDefinition paliEntryDefinition()
{
    shell::EntryWindowDefinition d;
    d.objectName = QStringLiteral("frmpali");
    d.caption = QStringLiteral("Packliste");
    d.size = QSize(804, 543);
    d.pages = { shell::EntryPage { QString(), 870 } };
    d.printCaptionPrefix = QStringLiteral("Druck Packliste - Belegnummer: ");
    d.closePostsParameter = true;
    d.pickProtocol = shell::PickProtocol::PickEditPost;

    QFont heading(QStringLiteral("Arial"));
    heading.setPointSize(12);
    heading.setBold(true);
    d.labels = {
        EntryLabel::at(QStringLiteral("Packliste / Packing Specification / Liste de Colisage / Lista de Paquetes / "
                                      "Lista dos Volumes"),
            0, 20, 13, 493, 44)
            .named(QStringLiteral("Label1"))
            .withFont(heading, Qt::red)
            .wrapping(),
        EntryLabel::at(QStringLiteral("Empfänger :"), 0, 22, 66),
        EntryLabel::at(QStringLiteral("Brutto - Gewicht :"), 0, 461, 80),
        EntryLabel::at(QStringLiteral("Netto - Gewicht :"), 0, 461, 119),
        EntryLabel::at(QStringLiteral("Bemerkung :"), 0, 20, 209),
        EntryLabel::at(QStringLiteral("Datum :"), 0, 656, 288),
        EntryLabel::at(QStringLiteral("Packing List"), 0, 18, 303)
            .named(QStringLiteral("Label2"))
            .withFont(heading, Qt::red),
        EntryLabel::at(QStringLiteral("Markierung :"), 0, 20, 364),
        EntryLabel::at(QStringLiteral("Beschreibung :"), 0, 399, 364),
        EntryLabel::at(QStringLiteral("Positionen :"), 0, 22, 634),
    };

    QVector<EntryControl> &c = d.controls;
    const QString consignee = QStringLiteral("Empfänger");
    for (int line = 1; line <= 5; ++line)
        c.append(EntryControl::edit(edit(line), QStringLiteral("kunde%1").arg(line))
                     .at(0, 21, 85 + 23 * (line - 1), 282, EditHeight)
                     .hint(consignee)
                     .pick(0)
                     .scrollOnExit());
    c.append(EntryControl::edit(edit(6), QStringLiteral("Brutto"))
                 .at(0, 461, 97, 283, EditHeight)
                 .hint(QStringLiteral("Brutto - Gewicht in Kg"))
                 .scrollOnExit());
    c.append(EntryControl::edit(edit(7), QStringLiteral("Netto"))
                 .at(0, 461, 136, 283, EditHeight)
                 .hint(QStringLiteral("Netto - Gewicht in Kg"))
                 .scrollOnExit());
    for (int line = 1; line <= 2; ++line)
        c.append(EntryControl::edit(edit(7 + line), QStringLiteral("filler%1").arg(line))
                     .at(0, 21, 227 + 23 * (line - 1), 400, EditHeight)
                     .hint(QStringLiteral("Bemerkung"))
                     .scrollOnExit());
    c.append(EntryControl::edit(edit(10), QStringLiteral("Datum"))
                 .at(0, 656, 305, 95, EditHeight)
                 .hint(QStringLiteral("Datum"))
                 .scrollOnExit());
    for (int line = 1; line <= 10; ++line)
        c.append(EntryControl::edit(edit(10 + line), QStringLiteral("mark%1").arg(line))
                     .at(0, 21, 382 + 23 * (line - 1), 355, EditHeight)
                     .hint(QStringLiteral("Markierung"))
                     .scrollOnExit());
    for (int line = 1; line <= 10; ++line)
        c.append(EntryControl::edit(edit(20 + line), QStringLiteral("wabe%1").arg(line))
                     .at(0, 400, 382 + 23 * (line - 1), 355, EditHeight)
                     .hint(QStringLiteral("Beschreibung"))
                     .scrollOnExit());

    QStringList consigneeFields;
    for (int line = 1; line <= 5; ++line)
        consigneeFields.append(QStringLiteral("kunde%1").arg(line));
    d.picks = { masterdata::customerPick(
        QStringLiteral("SpeedButton1"), 0, QRect(304, 85, 24, 116), consigneeFields, edit(6)) };
    return d;
}

Tfrmpali::Tfrmpali(shell::DocumentRegister &documentRegister, QWidget *parent)
    : shell::EntryWindow(documentRegister, paliEntryDefinition(), parent)
{
    shell::PositionGridDefinition grid;
    grid.columns = {
        { LineNumber, QStringLiteral("Nr. :"), 40 },
        { QStringLiteral("packstnr"), QStringLiteral("Packst-Nr. :"), 80 },
        { QStringLiteral("bez"), QStringLiteral("Bezeichnung :"), 110 },
        { QStringLiteral("brutto"), QStringLiteral("Brutto - Gewicht :"), 120 },
        { QStringLiteral("netto"), QStringLiteral("Netto - Gewicht :"), 120 },
        { QStringLiteral("laenge"), QStringLiteral("Länge :"), 70 },
        { QStringLiteral("breite"), QStringLiteral("Breite :"), 70 },
        { QStringLiteral("hoehe"), QStringLiteral("Höhe :"), 70 },
    };
    grid.geometry = QRect(22, 652, 729, 169);
    grid.buttonsAt = QPoint(22, 822);
    grid.buttonSize = QSize(104, 27);
    grid.buttonStep = 104;
    grid.hints = { QStringLiteral("Erste Position"), QStringLiteral("Vorherige Position"),
        QStringLiteral("Nächste Position"), QStringLiteral("Letzte Position"), QStringLiteral("Position hinzufügen"),
        QStringLiteral("Aktuelle Position löschen"), QStringLiteral("Aktuelle Position bearbeiten") };
    grid.statusText = QStringLiteral("Positionen Erfassung");
    m_grid = new shell::PositionGrid(scrollBox(0)->widget(), *documentRegister.positions(), grid,
        { [this] { addLine(); }, [this] { deleteLine(); }, [this] { editLine(); },
            [this](const QString &text) { setStatusText(0, text); } });
    // The rules between the consignee, the date, the marks and the lines.
    QWidget *surface = scrollBox(0)->widget();
    for (const int y : { 288, 344, 632, 864 }) {
        auto *rule = new QFrame(surface);
        rule->setFrameShape(QFrame::HLine);
        rule->setFrameShadow(QFrame::Sunken);
        rule->setGeometry(0, y, surface->width(), 2);
    }
    shell::applyRaisedButtonLook(this);
    scrollBox(0)->verticalScrollBar()->setValue(0);
}

Tfrmpali::~Tfrmpali()
{
    delete m_grid;
}

void Tfrmpali::addLine()
{
    platform::Table &lines = *documentRegister().positions();
    shell::PostIfEditing(head());
    const QDate date = platform::parseDate(head().fieldByName(QStringLiteral("Datum")).asString());
    shell::appendLine(lines, LineNumber);
    if (date.isValid())
        lines.fieldByName(QStringLiteral("datu")).setAsDate(date);
    lines.post();
    TfrmPaliex window(*this, this);
    window.exec();
}

void Tfrmpali::deleteLine()
{
    platform::Table &lines = *documentRegister().positions();
    if (lines.isEmpty() || !shell::confirmLineDeletion())
        return;
    shell::deleteCurrentLine(lines, LineNumber);
}

void Tfrmpali::editLine()
{
    platform::Table &lines = *documentRegister().positions();
    if (lines.isEmpty())
        return;
    lines.edit();
    TfrmPaliex window(*this, this);
    window.exec();
}

bool Tfrmpali::formClose()
{
    if (platform::Table *lines = documentRegister().positions())
        shell::PostIfEditing(*lines);
    return shell::EntryWindow::formClose();
}

} // namespace transport
