#include "transport/tfrmlieferschein.h"

#include "masterdata/entrypicks.h"
#include "platform/field.h"
#include "platform/table.h"
#include "shell/buttonlook.h"
#include "shell/documentregister.h"
#include "shell/documentroutines.h"
#include "shell/positiongrid.h"
#include "shell/positionlist.h"
#include "transport/tfrmlieferscheinanl.h"

#include <QEvent>
#include <QLineEdit>
#include <QScrollArea>
#include <QScrollBar>

namespace transport {

using masterdata::CustomerField;
using shell::EntryControl;
using shell::EntryLabel;

namespace {

constexpr int EditHeight = 21;
constexpr int Step = 23;
constexpr int BoxRowsTop = 420;
constexpr int BoxRowStep = 50;
constexpr int GridTop = BoxRowsTop + 6 * BoxRowStep + 10;
const QString OtherMeans = QStringLiteral("DBCheckBox10");

QString edit(int number)
{
    return QStringLiteral("DBEdit%1").arg(number);
}

QString box(int number)
{
    return QStringLiteral("DBCheckBox%1").arg(number);
}

// A two-line box of the form's middle part: its caption above two edits.
struct PairBox {
    int firstEdit;
    const char *prefix;
    const char *caption;
    const char *hint;
    int column;
    int row;
    int width;
};

} // namespace

shell::EntryWindowDefinition lieferscheinEntryDefinition()
{
    shell::EntryWindowDefinition d;
    d.objectName = QStringLiteral("frmLieferschein");
    d.caption = QStringLiteral("Lieferschein");
    d.size = QSize(800, 560);
    d.pages = { shell::EntryPage { QString(), GridTop + 450 } };
    d.printCaptionPrefix = QStringLiteral("Druck Lieferschein - Belegnummer: ");
    d.closePostsParameter = true;

    QFont heading(QStringLiteral("Arial"));
    heading.setPointSize(14);
    heading.setBold(true);
    QVector<EntryLabel> &l = d.labels;
    QVector<EntryControl> &c = d.controls;

    l.append(EntryLabel::at(QStringLiteral("(5) Lieferantenanschrift"), 0, 10, 6));
    for (int i = 0; i < 3; ++i)
        c.append(EntryControl::edit(edit(1 + i), QStringLiteral("L5_%1").arg(1 + i))
                     .at(0, 10, 24 + Step * i, 330, EditHeight)
                     .hint(QStringLiteral("5. Lieferantenanschrift"))
                     .enterScrollsTo(0));
    l.append(EntryLabel::at(QStringLiteral("(2) Empfängerverm."), 0, 420, 100));
    for (int i = 0; i < 4; ++i)
        c.append(EntryControl::edit(edit(4 + i), QStringLiteral("L2_%1").arg(1 + i))
                     .at(0, 420, 118 + Step * i, 220, EditHeight)
                     .hint(QStringLiteral("2. Empfängerverm.")));
    l.append(EntryLabel::at(QStringLiteral("Lieferschein"), 0, 420, 4)
                 .named(QStringLiteral("lblLieferschein"))
                 .withFont(heading, Qt::red));
    l.append(EntryLabel::at(QStringLiteral("(3) Nr."), 0, 420, 40));
    c.append(EntryControl::edit(edit(8), QStringLiteral("L3_1"))
                 .at(0, 540, 37, 140, EditHeight)
                 .hint(QStringLiteral("3. Nr.")));
    l.append(EntryLabel::at(QStringLiteral("(4) Versanddatum"), 0, 420, 66));
    c.append(EntryControl::edit(edit(9), QStringLiteral("L4_1"))
                 .at(0, 540, 63, 100, EditHeight)
                 .hint(QStringLiteral("4. Versanddatum")));
    l.append(EntryLabel::at(QStringLiteral("Postfach"), 0, 10, 100));
    c.append(EntryControl::edit(edit(10), QStringLiteral("Postfach"))
                 .at(0, 90, 97, 70, EditHeight)
                 .hint(QStringLiteral("Postfach")));
    l.append(EntryLabel::at(QStringLiteral("Empfänger"), 0, 10, 128));
    for (int i = 0; i < 4; ++i)
        c.append(EntryControl::edit(edit(11 + i), QStringLiteral("L1_%1").arg(1 + i))
                     .at(0, 10, 146 + Step * i, 330, EditHeight)
                     .hint(QStringLiteral("Empfänger"))
                     .plainHint());

    l.append(EntryLabel::at(QStringLiteral("(6) Fracht"), 0, 10, 246));
    c.append(EntryControl::checkBox(box(1), QStringLiteral("L6_1"), QStringLiteral("Frei"))
                 .at(0, 100, 244, 60, 20)
                 .hint(QStringLiteral("6. Fracht - frei")));
    c.append(EntryControl::checkBox(box(2), QStringLiteral("L6_2"), QStringLiteral("Unfrei"))
                 .at(0, 170, 244, 70, 20)
                 .hint(QStringLiteral("6. Fracht - unfrei")));
    c.append(EntryControl::edit(edit(15), QStringLiteral("L6_3"))
                 .at(0, 250, 244, 90, EditHeight)
                 .hint(QStringLiteral("6. Fracht")));

    l.append(EntryLabel::at(QStringLiteral("(7) Anlieferung"), 0, 10, 274));
    const char *means[]
        = { "Waggon", "Spediteur", "Frachtgut", "fremd. Fahrzeug", "Expreß", "Eigen. Fahrzeug", "Post" };
    const char *meansHints[] = { "7. Anlieferung- Waggon", "7. Anlieferung - Spediteur", "7. Anlieferung - Frachtgut",
        "7. Anlieferung - Fahrzeug fremd", "7. Anlieferung - Express", "7. Anlieferung - Fahrzeug eigen",
        "7. Anlieferung - Post" };
    for (int i = 0; i < 7; ++i)
        c.append(EntryControl::checkBox(box(3 + i), QStringLiteral("L7_%1").arg(1 + i), QString::fromUtf8(means[i]))
                     .at(0, i < 4 ? 10 : 170, 294 + 24 * (i % 4), 150, 20)
                     .hint(QString::fromUtf8(meansHints[i])));
    c.append(EntryControl::edit(edit(16), QStringLiteral("L7_9"))
                 .at(0, 250, 366, 90, EditHeight)
                 .hint(QStringLiteral("7. Anlieferung")));
    c.append(EntryControl::checkBox(OtherMeans, QStringLiteral("L7_8"), QString())
                 .at(0, 228, 366, 20, 20)
                 .focusColors(QColor(0, 0, 128))
                 .leaveColors(QColor(0xF0, 0xF0, 0xF0)));

    l.append(EntryLabel::at(QStringLiteral("Rechnung"), 0, 420, 246).withFont(heading, Qt::red));
    l.append(EntryLabel::at(QStringLiteral("(8) Nr."), 0, 420, 280));
    c.append(EntryControl::edit(edit(17), QStringLiteral("L8_1"))
                 .at(0, 540, 277, 100, EditHeight)
                 .hint(QStringLiteral("8. Rechnung - Nr.")));
    l.append(EntryLabel::at(QStringLiteral("(9) Datum"), 0, 420, 306));
    c.append(EntryControl::edit(edit(18), QStringLiteral("L9_1"))
                 .at(0, 540, 303, 100, EditHeight)
                 .hint(QStringLiteral("9. Rechnung - Datum")));

    // Boxes 10 to 26 in rows of the form.
    const PairBox pairs[] = {
        { 19, "L10_", "(10) Ihre Zeichen", "10. Ihre Zeichen", 0, 0, 120 },
        { 21, "L11_", "(11) Bestell-Nr., Datum", "11. Bestell-Nr., Datum", 1, 0, 125 },
        { 23, "L15_", "(15) Zusatzdaten", "15. Zusatzdaten", 2, 0, 130 },
        { 25, "L12_", "(12) Unsere Abteilung", "12. Unsere Abteilung", 0, 1, 120 },
        { 27, "L13_", "(13) Hausruf", "13. Hausruf", 1, 1, 80 },
        { 29, "L14_", "(14) Unsrere Auftrags-Nr.", "14. Unsrere Auftrags-Nr.", 2, 1, 150 },
        { 31, "L19_", "(19) Versandart", "19. Versandart", 0, 2, 230 },
    };
    const int columns[] = { 10, 260, 520 };
    const auto addPair = [&l, &c, &columns](const PairBox &pair) {
        const int x = columns[pair.column];
        const int y = BoxRowsTop + BoxRowStep * pair.row;
        l.append(EntryLabel::at(QString::fromUtf8(pair.caption), 0, x, y - 18));
        for (int i = 0; i < 2; ++i)
            c.append(EntryControl::edit(edit(pair.firstEdit + i), QLatin1String(pair.prefix) + QString::number(1 + i))
                         .at(0, x + (pair.width + 4) * i, y, pair.width, EditHeight)
                         .hint(QString::fromUtf8(pair.hint)));
    };
    for (const PairBox &pair : pairs)
        addPair(pair);
    const int row3 = BoxRowsTop + BoxRowStep * 2;
    l.append(EntryLabel::at(QStringLiteral("(20) frei/unfrei"), 0, 520, row3 - 18));
    for (int i = 0; i < 4; ++i)
        c.append(EntryControl::edit(edit(33 + i), QStringLiteral("L20_%1").arg(1 + i))
                     .at(0, 520 + 40 * i, row3, 36, EditHeight)
                     .hint(i < 2 ? QStringLiteral("20. frei") : QStringLiteral("20. unfrei")));
    const PairBox more[] = {
        { 37, "L21_", "(21) Verpüackungsart", "21. Verpackungsart", 0, 3, 120 },
        { 39, "L22_", "(22) Versandzeichen", "22. Versandzeichen", 1, 3, 150 },
    };
    for (const PairBox &pair : more)
        addPair(pair);
    const int row4 = BoxRowsTop + BoxRowStep * 3;
    l.append(EntryLabel::at(QStringLiteral("(23) Gewicht"), 0, 590, row4 - 18));
    l.append(EntryLabel::at(QStringLiteral("Brutto"), 0, 590, row4 + 24));
    l.append(EntryLabel::at(QStringLiteral("Netto"), 0, 680, row4 + 24));
    c.append(EntryControl::edit(edit(41), QStringLiteral("L23_1"))
                 .at(0, 590, row4, 80, EditHeight)
                 .hint(QStringLiteral("23. Gewicht - Brutto")));
    c.append(EntryControl::edit(edit(42), QStringLiteral("L24_1"))
                 .at(0, 680, row4, 80, EditHeight)
                 .hint(QStringLiteral("23. Gewicht - Netto")));
    // Below the captions under the weights.
    const int row5 = BoxRowsTop + BoxRowStep * 4 + 20;
    l.append(EntryLabel::at(QStringLiteral("(25) Versandanschrift"), 0, 10, row5 - 18));
    for (int i = 0; i < 2; ++i)
        c.append(EntryControl::edit(edit(43 + i), QStringLiteral("L25_%1").arg(1 + i))
                     .at(0, 10, row5 + Step * i, 500, EditHeight)
                     .hint(QStringLiteral("25. Versandanschrift")));
    l.append(EntryLabel::at(QStringLiteral("(26) Abladestellen-Code"), 0, 590, row5 - 18));
    c.append(EntryControl::edit(edit(45), QStringLiteral("L26_1"))
                 .at(0, 590, row5, 140, EditHeight)
                 .hint(QStringLiteral("26. Abladestellen-Code")));
    // The remark lines below the positions, without caption or description.
    for (int i = 0; i < 10; ++i)
        c.append(EntryControl::edit(edit(46 + i), QStringLiteral("Bemerk%1").arg(1 + i))
                     .at(0, 10, GridTop + 210 + Step * i, 500, EditHeight));

    d.picks = { masterdata::customerPick(QStringLiteral("SpeedButton1"), 0, QRect(344, 146, 24, 90),
        masterdata::CustomerFields { { QStringLiteral("L1_1"), CustomerField::Name1 },
            { QStringLiteral("L1_2"), CustomerField::Name2 }, { QStringLiteral("L1_3"), CustomerField::Strasse },
            { QStringLiteral("L1_4"), CustomerField::Ort } },
        box(1)) };
    d.picks[0].focusAfterCancel = edit(11);
    return d;
}

TfrmLieferschein::TfrmLieferschein(shell::DocumentRegister &documentRegister, QWidget *parent)
    : shell::EntryWindow(documentRegister, lieferscheinEntryDefinition(), parent)
    , m_templateValues(shell::templateLineTexts(*documentRegister.positions()))
{
    shell::PositionGridDefinition grid;
    grid.columns = {
        { QStringLiteral("Pos"), QStringLiteral("Pos."), 40 },
        { QStringLiteral("L28"), QStringLiteral("Artikel-Nr."), 140 },
        { QStringLiteral("L29_1"), QStringLiteral("Bezeichnung"), 260 },
        { QStringLiteral("L30"), QStringLiteral("Menge"), 70 },
        { QStringLiteral("L31"), QStringLiteral("Einheit"), 60 },
    };
    grid.geometry = QRect(10, GridTop, 640, 160);
    grid.buttonsAt = QPoint(10, GridTop + 166);
    grid.hints = { QStringLiteral("Erster Datensatz"), QStringLiteral("Vorheriger Datensatz"),
        QStringLiteral("Nächster Datensatz"), QStringLiteral("Letzter Datensatz"), QStringLiteral("Datensatz einfügen"),
        QStringLiteral("Datensatz löschen"), QStringLiteral("Datensatz bearbeiten") };
    m_grid = new shell::PositionGrid(scrollBox(0)->widget(), *documentRegister.positions(), grid,
        { [this] { addPosition(); }, [this] { deletePosition(); }, [this] { editPosition(); },
            [this](const QString &text) { setStatusText(0, text); } });
    shell::applyRaisedButtonLook(this);
    scrollBox(0)->verticalScrollBar()->setValue(0);
}

TfrmLieferschein::~TfrmLieferschein()
{
    delete m_grid;
}

void TfrmLieferschein::addPosition()
{
    platform::Table &positions = *documentRegister().positions();
    shell::PostIfEditing(head());
    if (documentRegister().refusesFurtherPosition())
        return;
    shell::appendLine(positions);
    if (!isTemplateDocument()) {
        // Every field from the article number on, as the template position has it.
        for (int i = 2; i < m_templateValues.size() && i < positions.fieldCount(); ++i)
            positions.field(i).setAsString(m_templateValues.at(i));
        positions.post();
    }
    TfrmLieferscheinAnl window(*this, this);
    window.exec();
}

void TfrmLieferschein::deletePosition()
{
    platform::Table &positions = *documentRegister().positions();
    if (positions.isEmpty() || !shell::confirmLineDeletion())
        return;
    shell::deleteCurrentLine(positions);
}

void TfrmLieferschein::editPosition()
{
    platform::Table &positions = *documentRegister().positions();
    if (positions.isEmpty())
        return;
    TfrmLieferscheinAnl window(*this, this);
    window.exec();
}

bool TfrmLieferschein::eventFilter(QObject *watched, QEvent *event)
{
    const bool handled = shell::EntryWindow::eventFilter(watched, event);
    // The untitled box names the other means of delivery as typed in L7_9.
    if (event->type() == QEvent::FocusIn && watched == control(OtherMeans)) {
        const auto *means = qobject_cast<QLineEdit *>(control(edit(16)));
        setStatusText(0, QStringLiteral("7. Anlieferung - ") + (means ? means->text() : QString()));
    }
    return handled;
}

bool TfrmLieferschein::formClose()
{
    if (platform::Table *positions = documentRegister().positions())
        shell::PostIfEditing(*positions);
    return shell::EntryWindow::formClose();
}

} // namespace transport
