#include "intrastat/tfrmintra.h"

#include "intrastat/intrastatpicks.h"
#include "intrastat/tfrmintraanl.h"
#include "intrastat/tfrmregieintrastat.h"
#include "platform/datasetmodel.h"
#include "platform/field.h"
#include "platform/table.h"
#include "shell/buttonlook.h"
#include "shell/documentroutines.h"
#include "shell/mainstate.h"
#include "shell/positionlist.h"
#include "shell/reportedcall.h"
#include "shell/twheeldbgrid.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace intrastat {

using platform::Table;
using shell::EntryControl;
using shell::EntryLabel;

namespace {

constexpr int Row = 24;
constexpr int EditHeight = 21;
constexpr int GridTop = 400;
constexpr int GridHeight = 150;
constexpr int ButtonTop = GridTop + GridHeight + 6;

QString edit(int number)
{
    return QStringLiteral("DBEdit%1").arg(number);
}

const QString HintParty = QStringLiteral("1 Auskunftspflichtiger");
const QString HintAgent = QStringLiteral("4 Drittanmelder");
const QString HintSignature = QStringLiteral("20 Unterschrift des Auskunftspflichtigen / Drittanmelders");

} // namespace

shell::PlausibilityDefinition intraHeadPlausibility()
{
    shell::PlausibilityDefinition plausibility;
    plausibility.objectName = QStringLiteral("frmIntra_Plausi");
    plausibility.caption = QStringLiteral("Genehmigungsprüfung Intrastat");
    // The head's gaps in the order the focus looks for them.
    plausibility.boxes = {
        { edit(30), QStringLiteral("1 Umsatzst. -Nr") },
        { edit(1), QStringLiteral("Zusatz") },
        { edit(2), QStringLiteral("Bundesl. FA") },
        { edit(25), QStringLiteral("Auskunftspfl."), { edit(26) }, true },
        { edit(37), QStringLiteral("Monat / Jahr"), { edit(3) } },
        { edit(18), QStringLiteral("20 Ort, Datum") },
        { edit(16), QStringLiteral("Unterschrift"), { edit(19) }, true },
    };
    plausibility.rows = { 2, 2, 2, 1 };
    plausibility.size = QSize(380, 200);
    return plausibility;
}

shell::PlausibilityDefinition intraPositionPlausibility()
{
    shell::PlausibilityDefinition plausibility = intraHeadPlausibility();
    plausibility.group = QStringLiteral("Positionen");
    // Box 15 is ticked when empty but never required.
    plausibility.boxes = {
        { edit(1), QStringLiteral("6 Warenbez."), { edit(2) }, true },
        { edit(8), QStringLiteral("8 Best.-Ursp.-Land"), { edit(9) } },
        { edit(10), QStringLiteral("10 Art des Gesch.") },
        { edit(11), QStringLiteral("11 Verkehrszweig") },
        { edit(12), QStringLiteral("12 Einladehafen") },
        { edit(13), QStringLiteral("13 Stat. Warennummer") },
        shell::PlausibilityDefinition::Box(edit(15), QStringLiteral("15 Verfahren")).notOpening(),
        { edit(16), QStringLiteral("16 Eigenmasse") },
        { edit(17), QStringLiteral("17 Bes. Maßeinheit") },
        { edit(18), QStringLiteral("18 Rechnungsbetrag") },
        { edit(19), QStringLiteral("19 Stat. Wert") },
    };
    plausibility.rows = { 2, 2, 2, 2, 2, 1 };
    plausibility.size = QSize(380, 250);
    return plausibility;
}

shell::EntryWindowDefinition intraEntryDefinition()
{
    shell::EntryWindowDefinition d;
    d.objectName = QStringLiteral("frmIntra");
    d.caption = QStringLiteral("Intrastat");
    d.size = QSize(720, 560);
    d.pages = { shell::EntryPage { QString(), 720 } };

    QFont title(QStringLiteral("Arial"));
    title.setPointSize(22);
    title.setBold(true);
    QFont small(QStringLiteral("Arial"));
    small.setPointSize(8);
    d.labels = {
        EntryLabel::at(QStringLiteral("EUROPÄISCHE GEMEINSCHAFT"), 0, 10, 8).withFont(small),
        EntryLabel::at(QStringLiteral("VORDRUCK N"), 0, 10, 24).withFont(small),
        EntryLabel::at(QStringLiteral("INTRASTAT"), 0, 220, 4)
            .named(QStringLiteral("lblIntrastat"))
            .withFont(title, Qt::red),
        EntryLabel::at(QStringLiteral("1 Umsatzst.-Nr."), 0, 10, 60),
        EntryLabel::at(QStringLiteral("Zusatz"), 0, 150, 60),
        EntryLabel::at(QStringLiteral("Bundesl. FA"), 0, 210, 60),
        EntryLabel::at(QStringLiteral("Auskunfstpflichtiger (Name und Anschrift)"), 0, 10, 104),
        EntryLabel::at(QStringLiteral("2 Monat/Jahr"), 0, 400, 60),
        EntryLabel::at(QStringLiteral("- Statistische Meldung -"), 0, 400, 120),
        EntryLabel::at(QStringLiteral("An das Statistische Bundesamt"), 0, 400, 140),
        EntryLabel::at(QStringLiteral("Außenhandelsstatistik"), 0, 400, 158),
        EntryLabel::at(QStringLiteral("65 180 Wiesbaden"), 0, 400, 176),
        EntryLabel::at(QStringLiteral("Drittanmelder (Name und Anschrift)"), 0, 10, 234),
        EntryLabel::at(QStringLiteral("Positionen"), 0, 10, GridTop - 20),
        EntryLabel::at(QStringLiteral("20 Ort/Datum/Unterschrift des Auskunftspflichtigen/Drittanmelders"), 0, 10, 600),
        EntryLabel::at(QStringLiteral("Unterschrift"), 0, 280, 620),
    };

    QVector<EntryControl> &c = d.controls;
    c.append(EntryControl::edit(edit(30), QStringLiteral("INT1_1"))
                 .at(0, 10, 78, 130, EditHeight)
                 .hint(QStringLiteral("1 Umsatzsteuer-Nr.")));
    c.append(EntryControl::edit(edit(1), QStringLiteral("INT1_2"))
                 .at(0, 150, 78, 50, EditHeight)
                 .hint(QStringLiteral("1 Zusatz")));
    c.append(EntryControl::edit(edit(2), QStringLiteral("INT1_3"))
                 .at(0, 210, 78, 50, EditHeight)
                 .hint(QStringLiteral("1 Bundesland FA")));
    const int partyEdits[] = { 25, 26, 27, 28 };
    for (int i = 0; i < 4; ++i) {
        c.append(EntryControl::edit(edit(partyEdits[i]), QStringLiteral("INT1_%1").arg(4 + i))
                     .at(0, 10, 122 + Row * i, 330, EditHeight)
                     .hint(HintParty)
                     .pick(0));
    }
    // The month and the year are reached by Tab; their calendar button has no F9.
    c.append(EntryControl::edit(edit(37), QStringLiteral("INT2_1"))
                 .at(0, 400, 78, 35, EditHeight)
                 .hint(QStringLiteral("2 Monat") + shell::PickHintSuffix));
    c.append(EntryControl::edit(edit(3), QStringLiteral("INT2_2"))
                 .at(0, 440, 78, 35, EditHeight)
                 .hint(QStringLiteral("2 Jahr") + shell::PickHintSuffix));
    const int agentEdits[] = { 6, 32, 33, 36 };
    for (int i = 0; i < 4; ++i) {
        c.append(EntryControl::edit(edit(agentEdits[i]), QStringLiteral("INT4_%1").arg(4 + i))
                     .at(0, 10, 252 + Row * i, 330, EditHeight)
                     .hint(HintAgent)
                     .pick(1));
    }
    c.append(EntryControl::edit(edit(18), QStringLiteral("INT20_1"))
                 .at(0, 10, 640, 250, EditHeight)
                 .hint(QStringLiteral("20 Ort und Datum")));
    c.append(
        EntryControl::edit(edit(16), QStringLiteral("INT20_2")).at(0, 280, 640, 250, EditHeight).hint(HintSignature));
    c.append(EntryControl::edit(edit(19), QStringLiteral("INT20_3"))
                 .at(0, 280, 640 + Row, 250, EditHeight)
                 .hint(HintSignature));
    c.append(EntryControl::edit(edit(8), QStringLiteral("INT20_4"))
                 .at(0, 280, 640 + 2 * Row, 250, EditHeight)
                 .hint(HintSignature));

    const QStringList party
        = { QStringLiteral("int1_4"), QStringLiteral("int1_5"), QStringLiteral("int1_6"), QStringLiteral("int1_7") };
    const QStringList agent
        = { QStringLiteral("int4_4"), QStringLiteral("int4_5"), QStringLiteral("int4_6"), QStringLiteral("int4_7") };
    d.picks = {
        customerAddressPick(QStringLiteral("SpeedButton1"), QRect(345, 122, 21, 21), party, edit(37)),
        customerAddressPick(QStringLiteral("SpeedButton2"), QRect(345, 252, 21, 21), agent, edit(18)),
        monthPick(QStringLiteral("SpeedButton3"), QRect(480, 78, 21, 21)),
    };
    d.plausibility = intraHeadPlausibility();
    return d;
}

TfrmIntra::TfrmIntra(TfrmRegieIntrastat &intrastatRegister, QWidget *parent)
    : shell::EntryWindow(intrastatRegister, intraEntryDefinition(), parent)
    , m_intrastat(intrastatRegister)
{
    QWidget *surface = scrollBox(0)->widget();
    const bool dispatch = m_intrastat.IsDispatch();
    const auto directionPanel = [surface](const QString &name, const QString &text, int x) {
        auto *panel = new QGroupBox(surface);
        panel->setObjectName(name);
        panel->setGeometry(x, 8, 110, 34);
        auto *box = new QCheckBox(text, panel);
        box->setChecked(true);
        box->setGeometry(8, 8, 96, 20);
        box->setFont(shell::mainState().FormularAnzeigeFont);
        panel->setEnabled(false);
        return panel;
    };
    PanelEingang = directionPanel(QStringLiteral("PanelEingang"), QStringLiteral("Eingang"), 520);
    PanelVersendung = directionPanel(QStringLiteral("PanelVersendung"), QStringLiteral("Versendung"), 520);
    PanelEingang->setVisible(!dispatch);
    PanelVersendung->setVisible(dispatch);
    buildPositions();
    // The grid, its buttons and the direction panels reach beyond the edits the page was sized by.
    const QRect used = surface->childrenRect();
    surface->resize(surface->size().expandedTo(QSize(used.right() + 10, used.bottom() + 10)));
    shell::applyRaisedButtonLook(this);
}

TfrmIntra::~TfrmIntra()
{
    if (Table *positions = m_intrastat.positions())
        positions->afterScroll = nullptr;
}

void TfrmIntra::buildPositions()
{
    QWidget *surface = scrollBox(0)->widget();
    Table &positions = *m_intrastat.positions();
    DBGrid1 = new shell::TWheelDBGrid(surface);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1->setModel(new platform::DataSetModel(&positions,
        { { QStringLiteral("Pos"), QStringLiteral("Pos"), 40 },
            { QStringLiteral("int13_1"), QStringLiteral("Warennummer"), 100 },
            { QStringLiteral("int6_1"), QStringLiteral("Bezeichnung 1"), 220 },
            { QStringLiteral("int6_2"), QStringLiteral("Bezeichnung 2"), 220 } },
        DBGrid1));
    DBGrid1->setGeometry(10, GridTop, 640, GridHeight);
    DBGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DBGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    // The grid is reached by the mouse, not by Tab.
    DBGrid1->setFocusPolicy(Qt::ClickFocus);

    SpeedButton20 = positionButton(
        QStringLiteral("SpeedButton20"), QStringLiteral("Ertse Position"), 10, [&positions] { positions.first(); });
    SpeedButton21
        = positionButton(QStringLiteral("SpeedButton21"), QStringLiteral("Vorherige Position"), 40, [&positions] {
              if (!positions.bof())
                  positions.prior();
          });
    SpeedButton22
        = positionButton(QStringLiteral("SpeedButton22"), QStringLiteral("Nächste Position"), 70, [&positions] {
              if (!positions.eof())
                  positions.next();
          });
    SpeedButton23 = positionButton(
        QStringLiteral("SpeedButton23"), QStringLiteral("Letzte Position"), 100, [&positions] { positions.last(); });
    SpeedButton24 = positionButton(
        QStringLiteral("SpeedButton24"), QStringLiteral("Position hinzufügen"), 150, [this] { addPosition(); });
    SpeedButton25 = positionButton(QStringLiteral("SpeedButton25"), QStringLiteral("Aktuelle Position löschen"), 180,
        [this] { deletePosition(); });
    SpeedButton26 = positionButton(QStringLiteral("SpeedButton26"), QStringLiteral("Aktuelle Position bearbeiten"), 210,
        [this] { editPosition(); });
    const QStyle::StandardPixmap glyphs[] = { QStyle::SP_MediaSkipBackward, QStyle::SP_MediaSeekBackward,
        QStyle::SP_MediaSeekForward, QStyle::SP_MediaSkipForward, QStyle::SP_FileIcon, QStyle::SP_TrashIcon,
        QStyle::SP_FileDialogDetailedView };
    QToolButton *buttons[]
        = { SpeedButton20, SpeedButton21, SpeedButton22, SpeedButton23, SpeedButton24, SpeedButton25, SpeedButton26 };
    for (int i = 0; i < 7; ++i)
        buttons[i]->setIcon(style()->standardIcon(glyphs[i]));
    connect(DBGrid1, &QAbstractItemView::doubleClicked, SpeedButton26, &QToolButton::click);

    positions.afterScroll = [this](platform::DataSet &) { updateMoves(); };
    updateMoves();
}

QToolButton *TfrmIntra::positionButton(
    const QString &name, const QString &hint, int x, const std::function<void()> &command)
{
    auto *button = new QToolButton(scrollBox(0)->widget());
    button->setObjectName(name);
    button->setToolTip(hint);
    button->setGeometry(x, ButtonTop, 28, 25);
    button->setFocusPolicy(Qt::NoFocus);
    connect(button, &QToolButton::clicked, this, [this, command] { shell::runReported(this, command); });
    return button;
}

void TfrmIntra::updateMoves()
{
    shell::enableMoveButtons(*m_intrastat.positions(), SpeedButton20, SpeedButton21, SpeedButton22, SpeedButton23);
}

void TfrmIntra::addPosition()
{
    Table &positions = *m_intrastat.positions();
    shell::PostIfEditing(head());
    shell::appendLine(positions);
    if (m_intrastat.currentNumber() < shell::TemplateNumber) {
        // Every box but the number and the position from the template's first position.
        const QStringList &model = m_intrastat.templatePosition();
        for (int i = 2; i < model.size() && i < positions.fieldCount(); ++i)
            positions.field(i).setAsString(model.at(i));
        positions.post();
    }
    TfrmIntraAnl window(*this, this);
    window.exec();
}

void TfrmIntra::deletePosition()
{
    Table &positions = *m_intrastat.positions();
    if (positions.isEmpty() || !shell::confirmLineDeletion())
        return;
    shell::deleteCurrentLine(positions);
}

void TfrmIntra::editPosition()
{
    Table &positions = *m_intrastat.positions();
    if (positions.isEmpty())
        return;
    TfrmIntraAnl window(*this, this);
    positions.edit();
    window.exec();
}

void TfrmIntra::showEvent(QShowEvent *event)
{
    platform::runReported(this, [&] {
        shell::EntryWindow::showEvent(event);
        scrollBox(0)->verticalScrollBar()->setValue(0);
    });
}

bool TfrmIntra::formClose()
{
    if (Table *positions = m_intrastat.positions())
        shell::PostIfEditing(*positions);
    return shell::EntryWindow::formClose();
}

bool TfrmIntra::eventFilter(QObject *watched, QEvent *event)
{
    return platform::filterReported(this, [&]() -> bool {
        const bool onGrid = watched == DBGrid1 || (DBGrid1 && watched == DBGrid1->viewport());
        if (onGrid) {
            switch (event->type()) {
            case QEvent::FocusIn:
                setStatusText(0, QStringLiteral("Positions-Erfassung"));
                scrollBox(0)->verticalScrollBar()->setValue(1000);
                break;
            case QEvent::FocusOut:
                setStatusText(0, QString());
                break;
            case QEvent::KeyPress: {
                const int key = static_cast<QKeyEvent *>(event)->key();
                if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                    SpeedButton26->click();
                    return true;
                }
                break;
            }
            case QEvent::Wheel:
                // The grid moves the positions by one.
                return false;
            default:
                break;
            }
        }
        return shell::EntryWindow::eventFilter(watched, event);
    });
}

} // namespace intrastat
