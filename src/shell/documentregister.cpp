#include "shell/documentregister.h"

#include "platform/database.h"
#include "platform/datasetmodel.h"
#include "platform/dialogservice.h"
#include "platform/field.h"
#include "platform/filtercondition.h"
#include "platform/query.h"
#include "platform/table.h"
#include "shell/buttonlook.h"
#include "shell/conversion.h"
#include "shell/documentroutines.h"
#include "shell/drawingroutines.h"
#include "shell/failedsave.h"
#include "shell/numberrangedialog.h"
#include "shell/parameterrecord.h"
#include "shell/radiogroup.h"
#include "shell/reportedcall.h"
#include "shell/settings.h"
#include "shell/tfrmparameter.h"
#include "shell/tfrmsuche.h"
#include "shell/tsearchdlg.h"
#include "shell/twheeldbgrid.h"
#include "shell/waitcursor.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QRadioButton>
#include <QScopeGuard>
#include <QScrollBar>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

#include <memory>

namespace shell {

using platform::Table;

namespace {

const QString ParameterComponent = QStringLiteral("tbParameter");

// Posts a table whose record is still being edited; when that fails (the
// failed-save handler has told the user), the changes are dropped so that
// closing goes on.
void postOrDrop(platform::DataSet *dataSet)
{
    if (!dataSet || !dataSet->isActive() || !dataSet->isEditing())
        return;
    try {
        dataSet->post();
    } catch (const platform::AbortException &) {
        dataSet->cancel();
    } catch (const std::exception &) {
        dataSet->cancel();
        throw;
    }
}

bool isEnter(const QKeyEvent *event)
{
    return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}

} // namespace

DocumentRegister::DocumentRegister(const DocumentKind &kind, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
    , m_kind(kind)
{
    setObjectName(m_kind.registerClass);
    setWindowTitle(m_kind.caption);
    if (m_kind.instance)
        *m_kind.instance = this;
    buildWindow();
    openTables();
    fitWidthToColumns();
    applyRaisedButtonLook(this);
}

DocumentRegister::~DocumentRegister()
{
    if (m_kind.instance && *m_kind.instance == this)
        *m_kind.instance = nullptr;
}

void DocumentRegister::buildWindow()
{
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setAutoFillBackground(true);
    setMouseTracking(true);

    auto *layout = new QHBoxLayout(this);
    layout->setSpacing(12);
    m_commands = new QVBoxLayout;
    m_commands->setSpacing(8);
    SpeedButton2 = commandButton(QStringLiteral("SpeedButton2"), QStringLiteral("&Neu"));
    SpeedButton3 = commandButton(QStringLiteral("SpeedButton3"), QStringLiteral("&Bearbeiten"));
    SpeedButton4 = commandButton(QStringLiteral("SpeedButton4"), QStringLiteral("&Löschen"));
    SpeedButton5 = commandButton(QStringLiteral("SpeedButton5"), QStringLiteral("&Kopieren"));
    SpeedButton6 = commandButton(QStringLiteral("SpeedButton6"), QStringLiteral("&Suchen"));
    SpeedButton7 = commandButton(QStringLiteral("SpeedButton7"), QStringLiteral("&Drucken"));
    SpeedButton12 = commandButton(QStringLiteral("SpeedButton12"), QStringLiteral("&Master-Form"));
    SpeedButtonParameter = commandButton(QStringLiteral("SpeedButtonParameter"), QStringLiteral("&Parameter"));
    auto *left = new QVBoxLayout;
    left->addLayout(m_commands);
    left->addStretch();
    SpeedButton1 = new QToolButton(this);
    SpeedButton1->setObjectName(QStringLiteral("SpeedButton1"));
    SpeedButton1->setText(QStringLiteral("Sc&hließen"));
    SpeedButton1->setFixedSize(120, 30);
    left->addWidget(SpeedButton1);
    layout->addLayout(left);

    auto *right = new QVBoxLayout;
    dbgrRegie = new TWheelDBGrid(this);
    dbgrRegie->setObjectName(QStringLiteral("dbgrRegie"));
    QPalette blue = dbgrRegie->palette();
    blue.setColor(QPalette::Text, Qt::blue);
    dbgrRegie->setPalette(blue);
    dbgrRegie->horizontalHeader()->setStyleSheet(
        QStringLiteral("QHeaderView::section { color: red; font-family: Arial; }"));
    dbgrRegie->verticalHeader()->show();
    dbgrRegie->installEventFilter(this);
    right->addWidget(dbgrRegie, 1);

    auto *navigation = new QHBoxLayout;
    const QStringList hints = m_kind.navigationHints;
    const QStyle::StandardPixmap glyphs[] = { QStyle::SP_MediaSkipBackward, QStyle::SP_MediaSeekBackward,
        QStyle::SP_MediaSeekForward, QStyle::SP_MediaSkipForward };
    QToolButton **buttons[] = { &SpeedButton8, &SpeedButton9, &SpeedButton10, &SpeedButton11 };
    for (int i = 0; i < 4; ++i) {
        auto *button = new QToolButton(this);
        button->setObjectName(QStringLiteral("SpeedButton%1").arg(8 + i));
        button->setIcon(style()->standardIcon(glyphs[i]));
        button->setToolTip(hints.value(i));
        button->setFixedSize(30, 25);
        navigation->addWidget(button);
        *buttons[i] = button;
    }
    navigation->addStretch();
    right->addLayout(navigation);
    layout->addLayout(right, 1);

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    Neu1 = popupItem(QStringLiteral("Neu1"), QStringLiteral("&Neu"), SpeedButton2);
    Bearbeiten1 = popupItem(QStringLiteral("Bearbeiten1"), QStringLiteral("&Bearbeiten"), SpeedButton3);
    Lschen1 = popupItem(QStringLiteral("Lschen1"), QStringLiteral("&Löschen"), SpeedButton4);
    Kopieren1 = popupItem(QStringLiteral("Kopieren1"), QStringLiteral("&Kopieren"), SpeedButton5);
    Suchen1 = popupItem(QStringLiteral("Suchen1"), QStringLiteral("&Suchen"), SpeedButton6);
    Drucken1 = popupItem(QStringLiteral("Drucken1"), QStringLiteral("&Drucken"), SpeedButton7);
    MasterForm1 = popupItem(QStringLiteral("MasterForm1"), QStringLiteral("&Master - Form"), SpeedButton12);
    Parameter1 = popupItem(QStringLiteral("Parameter1"), QStringLiteral("&Parameter"), SpeedButtonParameter);
    Schlieen1 = popupItem(QStringLiteral("Schlieen1"), QStringLiteral("Schließen"), SpeedButton1);

    connect(SpeedButton2, &QToolButton::clicked, this, [this] { runCommand([this] { bbtNeuClick(); }); });
    connect(SpeedButton3, &QToolButton::clicked, this, [this] { runCommand([this] { bbtAendernClick(); }); });
    connect(SpeedButton4, &QToolButton::clicked, this, [this] { runCommand([this] { bbtLoeschenClick(); }); });
    connect(SpeedButton5, &QToolButton::clicked, this, [this] { runCommand([this] { bbtKopierenClick(); }); });
    connect(SpeedButton6, &QToolButton::clicked, this, [this] { runCommand([this] { bbtSuchenClick(); }); });
    connect(SpeedButton7, &QToolButton::clicked, this, [this] { runCommand([this] { bbtDruckenClick(); }); });
    connect(SpeedButton12, &QToolButton::clicked, this, [this] { runCommand([this] { BitBtnMasterFormClick(); }); });
    connect(SpeedButtonParameter, &QToolButton::clicked, this,
        [this] { runCommand([this] { SpeedButtonParameterClick(); }); });
    connect(SpeedButton1, &QToolButton::clicked, this, &QDialog::reject);
    connect(SpeedButton8, &QToolButton::clicked, this, [this] { runCommand([this] { m_head->first(); }); });
    connect(SpeedButton9, &QToolButton::clicked, this, [this] {
        runCommand([this] {
            if (!m_head->bof())
                m_head->prior();
        });
    });
    connect(SpeedButton10, &QToolButton::clicked, this, [this] {
        runCommand([this] {
            if (!m_head->eof())
                m_head->next();
        });
    });
    connect(SpeedButton11, &QToolButton::clicked, this, [this] { runCommand([this] { m_head->last(); }); });
    connect(dbgrRegie, &QAbstractItemView::doubleClicked, SpeedButton3, &QToolButton::click);

    if (m_kind.hoverHighlight) {
        for (QToolButton *button : std::as_const(m_commandButtons))
            button->installEventFilter(this);
        SpeedButton1->installEventFilter(this);
    }

    resize(560, 390);
}

void DocumentRegister::fitWidthToColumns()
{
    // The grid shows every column without a horizontal scroll: the columns
    // as they stand (numbers and dates widen to their titles and values),
    // the row marks, the frame and the vertical scroll bar.
    int gridWidth = 2 * dbgrRegie->frameWidth() + dbgrRegie->verticalScrollBar()->sizeHint().width();
    if (!dbgrRegie->verticalHeader()->isHidden())
        gridWidth += dbgrRegie->verticalHeader()->sizeHint().width();
    for (int column = 0; column < m_kind.columns.size(); ++column)
        gridWidth += dbgrRegie->columnWidth(column);
    const QMargins margins = layout()->contentsMargins();
    const int buttonsWidth = SpeedButton1->width() + layout()->spacing();
    resize(std::max(width(), margins.left() + buttonsWidth + gridWidth + margins.right()), height());
}

QToolButton *DocumentRegister::commandButton(const QString &objectName, const QString &caption)
{
    auto *button = new QToolButton(this);
    button->setObjectName(objectName);
    button->setText(caption);
    button->setFixedSize(120, 30);
    m_commands->addWidget(button);
    m_commandButtons.append(button);
    return button;
}

QAction *DocumentRegister::popupItem(const QString &objectName, const QString &caption, QToolButton *button)
{
    if (!PopupMenu1->actions().isEmpty())
        PopupMenu1->addSeparator();
    QAction *action = PopupMenu1->addAction(caption);
    action->setObjectName(objectName);
    connect(action, &QAction::triggered, button, &QToolButton::click);
    return action;
}

QToolButton *DocumentRegister::addCommandButton(
    const QString &objectName, const QString &caption, const std::function<void()> &command)
{
    QToolButton *button = commandButton(objectName, caption);
    button->setAutoRaise(!raisedButtonLook());
    if (m_kind.hoverHighlight)
        button->installEventFilter(this);
    connect(button, &QToolButton::clicked, this, [this, command] { runCommand(command); });
    return button;
}

QAction *DocumentRegister::addPopupItem(
    const QString &objectName, const QString &caption, const std::function<void()> &command)
{
    // Before "Schließen", which stays the last item.
    QAction *action = new QAction(caption, PopupMenu1);
    action->setObjectName(objectName);
    QAction *separator = new QAction(PopupMenu1);
    separator->setSeparator(true);
    const auto actions = PopupMenu1->actions();
    QAction *before = actions.size() >= 2 ? actions.at(actions.size() - 2) : Schlieen1;
    PopupMenu1->insertAction(before, separator);
    PopupMenu1->insertAction(separator, action);
    connect(action, &QAction::triggered, this, [this, command] { runCommand(command); });
    return action;
}

void DocumentRegister::runCommand(const std::function<void()> &command)
{
    runReported(this, command);
    // Ranges, filters and deletions move the head without a scroll event.
    updateNavigation();
}

void DocumentRegister::openTables()
{
    m_head = new Table(platform::Alias::Data, m_kind.headTable, this);
    m_head->setObjectName(m_kind.headComponent);
    m_head->setFilterCaseInsensitive(true);
    watchFailedSaves(*m_head);
    m_head->afterOpen = [this](platform::DataSet &) { ensureTemplate(); };
    m_head->afterScroll = [this](platform::DataSet &) { updateNavigation(); };
    m_head->open();

    m_lookup = new Table(platform::Alias::Data, m_kind.headTable, this);
    m_lookup->open();

    if (!m_kind.positionTable.isEmpty()) {
        m_positions = new Table(platform::Alias::Data, m_kind.positionTable, this);
        m_positions->setObjectName(m_kind.positionComponent);
        watchFailedSaves(*m_positions);
        m_positions->setMasterSource(m_head, m_head->fieldDef(0).name, m_kind.positionLinkField);
        if (m_kind.templatePosition)
            m_positions->afterOpen = [this](platform::DataSet &) { ensureTemplatePosition(); };
        m_positions->open();
    }

    m_parameter = new Table(platform::Alias::Data, ParameterTableName, this);
    m_parameter->setObjectName(ParameterComponent);
    watchFailedSaves(*m_parameter);
    m_parameter->open();

    if (!m_kind.positionsCountField.isEmpty() && m_positions) {
        recountPositions();
        m_head->first();
    }
    if (m_kind.templateHiding == TemplateHiding::Filter)
        applyTemplateFilter();

    QVector<platform::DataSetColumn> columns;
    const int charWidth = fontMetrics().averageCharWidth();
    for (const GridColumn &column : std::as_const(m_kind.columns))
        columns.append({ column.field, column.caption, column.width * charWidth + 12 });
    // The grid starts with the documents around the current one and counts
    // them only when the clerk takes the scroll bar.
    m_model = new platform::DataSetModel(this);
    m_model->setPositionsOnDemand(true);
    m_model->setColumns(columns);
    m_model->setDataSet(m_head);
    dbgrRegie->setModel(m_model);
    updateNavigation();
}

void DocumentRegister::ensureTemplate()
{
    if (m_head->findKey({ TemplateNumber }))
        return;
    m_head->append();
    m_head->field(0).setAsInteger(TemplateNumber);
    if (m_head->fieldCount() > 1) {
        if (m_kind.templateDateToday) {
            setTodayInto(*m_head, 1);
        } else {
            // The value 1: "1" in a text field, day 1 of the old date count in a date field.
            platform::Field date = m_head->field(1);
            if (platform::isTextType(date.dataType()))
                date.setAsString(QStringLiteral("1"));
            else
                date.setAsDate(QDate(1899, 12, 31));
        }
    }
    m_head->post();
}

void DocumentRegister::ensureTemplatePosition()
{
    // Lines keyed by number and position need the template's first one;
    // lines kept in their written order need one at all.
    if (m_positions->schema().primaryKeyFields().isEmpty() ? positionCount(TemplateNumber) > 0
                                                      : m_positions->findKey({ TemplateNumber, 1 }))
        return;
    m_positions->append();
    m_positions->field(0).setAsInteger(TemplateNumber);
    m_positions->field(1).setAsInteger(1);
    if (!m_kind.templatePositionDateField.isEmpty())
        setTodayInto(*m_positions, m_positions->fieldIndex(m_kind.templatePositionDateField));
    m_positions->post();
}

bool DocumentRegister::refusesFurtherPosition()
{
    if (m_kind.positionLimit <= 0 || !m_positions || positionCount(currentNumber()) < m_kind.positionLimit)
        return false;
    platform::dialogs().information(m_kind.positionLimitMessage);
    return true;
}

int DocumentRegister::currentNumber()
{
    if (!m_head || !m_head->isActive() || m_head->isEmpty())
        return 0;
    return m_head->field(0).asInteger();
}

bool DocumentRegister::isTemplate()
{
    return currentNumber() > MaxDocumentNumber;
}

QAbstractButton *DocumentRegister::editButton()
{
    return SpeedButton3;
}

void DocumentRegister::print(const QString &captionPrefix)
{
    if (captionPrefix.isEmpty())
        bbtDruckenClick();
    else
        printCurrent(captionPrefix);
}

void DocumentRegister::OpenDocument(const DocumentKind &kind, int number)
{
    DocumentRegister documentRegister(kind);
    documentRegister.openDocument(number);
}

bool DocumentRegister::openDocument(int number)
{
    if (!m_head->findKey({ number }))
        return false;
    editButton()->click();
    return true;
}

// ---------------------------------------------------------------------------
// Number proposal and lookups

int DocumentRegister::storedProposal()
{
    return m_parameter->fieldByName(m_kind.parameter.proposal).asInteger();
}

int DocumentRegister::firstFreeNumber(int start)
{
    int number = start;
    while (number < TemplateNumber && documentExists(number))
        ++number;
    return number;
}

void DocumentRegister::storeProposal(int value)
{
    m_parameter->edit();
    m_parameter->fieldByName(m_kind.parameter.proposal).setAsInteger(value);
    m_parameter->post();
}

bool DocumentRegister::documentExists(int number)
{
    return m_lookup->findKey({ number });
}

int DocumentRegister::positionCount(int number)
{
    if (!m_positions)
        return 0;
    const QString sql = QStringLiteral("SELECT COUNT(*) FROM \"%1\" WHERE \"%2\" = ?")
                            .arg(platform::TableSchema::tableNameOf(m_kind.positionTable), m_kind.positionLinkField);
    return platform::queryScalar(sql, { number }).toInt();
}

void DocumentRegister::storePositionCount()
{
    if (m_kind.positionsCountField.isEmpty() || !m_positions || m_head->isEmpty())
        return;
    const int count = positionCount(currentNumber());
    m_head->edit();
    m_head->fieldByName(m_kind.positionsCountField).setAsInteger(count);
    m_head->post();
}

void DocumentRegister::recountPositions()
{
    // The database keeps every document's count as its positions are
    // written; the counts are brought up to date in one statement only where
    // that was not yet so (a data directory from before, a table rebuilt).
    platform::CountLink link;
    link.headTable = platform::TableSchema::tableNameOf(m_kind.headTable);
    link.keyField = m_head->fieldDef(0).name;
    link.countField = m_kind.positionsCountField;
    link.detailTable = platform::TableSchema::tableNameOf(m_kind.positionTable);
    link.linkField = m_kind.positionLinkField;
    if (m_head->database().keepCountCurrent(link))
        m_head->refresh();
}

// ---------------------------------------------------------------------------
// Hiding the template

void DocumentRegister::applyTemplateRange()
{
    if (m_kind.templateHiding != TemplateHiding::Range)
        return;
    if (m_head->countUpTo(2) > 1) {
        const bool onDocument = currentNumber() != TemplateNumber;
        const platform::Bookmark mark = m_head->bookmark();
        m_head->cancelRange();
        m_head->setIndexName(QString());
        m_head->setRange({ 1 }, { MaxDocumentNumber });
        if (onDocument && m_head->countUpTo(3) > 2 && m_head->bookmarkValid(mark))
            m_head->gotoBookmark(mark);
        else
            m_head->first();
    }
    setDocumentCommandsEnabled(currentNumber() != TemplateNumber);
}

void DocumentRegister::applyTemplateFilter()
{
    if (m_kind.templateHiding != TemplateHiding::Filter)
        return;
    if (m_lookup->countUpTo(2) < 2) {
        m_head->setFiltered(false);
        return;
    }
    m_head->setFilter({ platform::FilterCondition::compare(
        m_head->fieldDef(0).name, platform::FilterCondition::Op::Less, TemplateNumber) });
    m_head->setFiltered(true);
}

void DocumentRegister::setDocumentCommandsEnabled(bool enabled)
{
    for (QToolButton *button : { SpeedButton3, SpeedButton4, SpeedButton5, SpeedButton6 })
        button->setEnabled(enabled);
    for (QAction *action : { Bearbeiten1, Lschen1, Kopieren1, Suchen1 })
        action->setEnabled(enabled);
}

void DocumentRegister::updateNavigation()
{
    try {
        if (!m_head || !m_head->isActive())
            return;
        // A table of one record counts as being at its end.
        const bool atEnd = m_head->eof() || (m_head->bof() && m_head->countUpTo(2) <= 1);
        const bool atStart = m_head->bof();
        const bool forward = !atEnd;
        const bool back = atEnd || !atStart;
        SpeedButton8->setEnabled(back);
        SpeedButton9->setEnabled(back);
        SpeedButton10->setEnabled(forward);
        SpeedButton11->setEnabled(forward);
    } catch (...) {
        // The buttons keep their state.
    }
}

// ---------------------------------------------------------------------------
// Commands

void DocumentRegister::bbtNeuClick()
{
    const bool filtered = m_kind.templateHiding == TemplateHiding::Filter;
    auto templateFilter = qScopeGuard([this, filtered] {
        if (filtered)
            applyTemplateFilter();
    });
    if (m_kind.neuRefreshesTables || filtered) {
        m_head->cancelRange();
        if (filtered)
            m_head->setFiltered(false);
    }
    if (m_kind.neuRefreshesTables) {
        m_head->refresh();
        if (m_positions && m_kind.neuRefreshesPositions)
            m_positions->refresh();
        m_parameter->refresh();
    }
    const int proposal = firstFreeNumber(std::max(1, storedProposal()));
    storeProposal(proposal + 1);

    const platform::InputResult answer = platform::dialogs().inputBox(
        QStringLiteral("Belegnummmer !"), QStringLiteral("Übernehmen oder Ändern"), QString::number(proposal));
    if (!answer.accepted)
        return;
    const int number = toWholeNumber(answer.text);
    if (documentExists(number)) {
        platform::dialogs().information(QStringLiteral("Belegnummer existiert bereits !"));
        return;
    }
    m_head->cancelRange();
    if (number < 1) {
        platform::dialogs().information(QStringLiteral("Belegnummer muss größer als 0 sein !"));
    } else if (number < TemplateNumber) {
        if (createDocument(number))
            bbtAendernClick();
    } else if (m_kind.neuAboveTemplateOpensCurrent) {
        bbtAendernClick();
    }
    applyTemplateRange();
}

bool DocumentRegister::createDocument(int number)
{
    return NewRecordFromTemplate(*m_head, number, m_kind.newLeavesEmpty);
}

void DocumentRegister::bbtAendernClick()
{
    if (m_head->isEmpty())
        return;
    const int number = currentNumber();
    if (m_kind.setsCurrentNumberBeforeOpening)
        CurrentDocumentNumber = number;
    if (!m_kind.createEntryWindow)
        return;
    WaitCursor wait;
    QWidget *over = isVisible() ? this : QApplication::activeWindow();
    std::unique_ptr<DocumentEntryWindow> entry(m_kind.createEntryWindow(*this, over));
    entry->setNumberText(
        number > MaxDocumentNumber ? m_kind.statusTemplateText : m_kind.statusNumberPrefix + QString::number(number));
    wait.restore();
    entry->exec();
    entry.reset();
    storePositionCount();
}

void DocumentRegister::bbtKopierenClick()
{
    if (m_kind.kopierenRefreshesTables) {
        m_head->cancelRange();
        m_head->refresh();
        if (m_positions)
            m_positions->refresh();
        m_parameter->refresh();
    }
    TCopyDlg dialog(this);
    dialog.setFromNumber(currentNumber());
    // Numbers run from 1: a proposal of 0 (an empty record) offers 1.
    const int proposal = firstFreeNumber(std::max(1, storedProposal()));
    storeProposal(proposal + 1);
    dialog.setToNumber(proposal);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const int source = dialog.FromNumber();
    const int target = dialog.ToNumber();
    m_lastFrom = source;
    m_lastTo = target;
    if (!documentExists(source)) {
        platform::dialogs().information(QStringLiteral("Quelle - Belegnummer existiert nicht !"));
        return;
    }
    if (documentExists(target)) {
        platform::dialogs().information(QStringLiteral("Ziel - Belegnummer existiert bereits !"));
        return;
    }
    if (target < 1) {
        platform::dialogs().information(QStringLiteral("Belegnummer muss größer als 0 sein !"));
        return;
    }
    if (m_kind.proposalSetBackAfterCopy)
        storeProposal(proposal);
    if (copyDocument(source, target))
        bbtAendernClick();
}

bool DocumentRegister::copyDocument(int source, int target)
{
    if (m_kind.copy == CopyStyle::DocumentWithPositions && m_positions)
        return CopyDocumentWithPositions(*m_head, *m_positions, source, target, m_kind.copyLeavesEmpty,
            { m_kind.copyNumbersPositionsIn, m_kind.copyDatesPositionsIn,
                !m_kind.copyNumbersPositionsIn.isEmpty() || !m_kind.copyDatesPositionsIn.isEmpty() });
    return CopyRecord(*m_head, source, target);
}

void DocumentRegister::bbtLoeschenClick()
{
    TDeleteDlg dialog(this);
    const int current = currentNumber();
    dialog.setFromNumber(current);
    dialog.setToNumber(current);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const int from = dialog.FromNumber();
    const int to = dialog.ToNumber();
    m_lastFrom = from;
    m_lastTo = to;
    // A range of numbers, whatever order a search left behind; the grid
    // keeps that order afterwards.
    const QString order = m_head->indexName();
    auto restoreOrder = qScopeGuard([this, order] { m_head->setIndexName(order); });
    int number = 0;
    try {
        m_head->cancelRange();
        m_head->setIndexName(QString());
        m_head->first();
        m_head->findNearest({ from });
        while (!m_head->isEmpty()) {
            number = currentNumber();
            if (number < from || number > to)
                break;
            deleteDocument();
        }
    } catch (const platform::DatabaseError &error) {
        // The document that failed is whole again; show what is stored.
        reloadAfterFailedDelete();
        platform::dialogs().error(
            QStringLiteral("Der Beleg %1 konnte nicht gelöscht werden; er bleibt vollständig erhalten.\r%2")
                .arg(number)
                .arg(error.message()));
    } catch (const platform::AbortException &) {
        reloadAfterFailedDelete();
    } catch (const std::exception &) {
        platform::dialogs().warning(QStringLiteral("Belegnummern bitte richtig eingeben !"));
    }
    applyTemplateFilter();
}

void DocumentRegister::deleteDocument()
{
    // The document goes with all its detail tables or not at all.
    platform::Transaction transaction(m_head->database());
    deleteDetails();
    m_head->deleteRecord();
    transaction.commit();
}

void DocumentRegister::reloadAfterFailedDelete()
{
    try {
        m_head->refresh();
        if (m_positions)
            m_positions->refresh();
    } catch (const std::exception &) {
        // The message about the failed delete is the one that matters.
    }
}

void DocumentRegister::deleteDetails()
{
    if (!m_positions)
        return;
    while (!m_positions->isEmpty()) {
        m_positions->first();
        m_positions->deleteRecord();
    }
}

void DocumentRegister::bbtSuchenClick()
{
    if (m_kind.searchRefreshesTables) {
        m_head->cancelRange();
        m_head->refresh();
        if (m_positions)
            m_positions->refresh();
        m_parameter->refresh();
    }
    if (m_kind.search == SearchStyle::SearchAsYouType) {
        TSearchDlg dialog(this);
        dialog.setDataSet(m_head, m_model->columns());
        dialog.RadioButton2->setVisible(!m_kind.nameIndex.isEmpty());
        dialog.setSearchRoutine([this](TSearchDlg &d) { SearchAsYouType(d); });
        if (dialog.exec() == QDialog::Accepted && isTemplate())
            platform::dialogs().information(QStringLiteral("Masterformular wird nicht angezeigt !"));
        return;
    }

    WaitCursor wait;
    TfrmSuche dialog(this);
    dialog.setDataSet(m_head, m_model->columns());
    prepareSearch(dialog);
    m_head->first();
    wait.restore();
    if (dialog.exec() == QDialog::Accepted) {
        m_head->setIndexName(QString());
        const bool chosen = !m_head->isEmpty();
        const int number = currentNumber();
        m_head->setFiltered(false);
        if (!chosen || !m_head->findKey({ number }))
            m_head->first();
        m_head->setIndexName(QString());
    } else {
        m_head->setFiltered(false);
    }
}

void DocumentRegister::prepareSearch(TfrmSuche &dialog)
{
    dialog.RadioGroup1->setItems({ QStringLiteral("BelegNr."), m_kind.searchNameCaption });
    dialog.setSearchRoutine([this](TfrmSuche &d) { SuchenRoutine(d); });
}

void DocumentRegister::SuchenRoutine(TfrmSuche &dialog)
{
    const QString text = dialog.searchText();
    if (text.isEmpty())
        return;
    if (dialog.searchKey() == 0)
        m_head->setFilter({ numberSearchCondition(m_head->fieldDef(0).name, text) });
    else if (m_kind.searchNameField.isEmpty())
        // A kind without a consignee: no document matches a name.
        m_head->setFilter({ { m_head->fieldDef(0).name, platform::FilterCondition::Op::IsNull, {}, false } });
    else
        m_head->setFilter(
            { m_kind.searchNameCaseSensitive ? caseSensitiveNameSearchCondition(m_kind.searchNameField, text)
                                             : nameSearchCondition(m_kind.searchNameField, text) });
    m_head->setFiltered(true);
}

void DocumentRegister::SearchAsYouType(TSearchDlg &dialog)
{
    const QString text = dialog.searchText();
    if (dialog.byNumber()) {
        if (text.isEmpty())
            return;
        const int number = toWholeNumber(text);
        m_head->setIndexName(QString());
        m_head->findNearest({ number });
        return;
    }
    if (m_kind.nameIndex.isEmpty())
        return;
    m_head->setIndexName(m_kind.nameIndex);
    if (text.isEmpty())
        m_head->first();
    else
        m_head->findNearest({ text });
}

void DocumentRegister::bbtDruckenClick()
{
    printCurrent(m_kind.printCaptionPrefix);
}

void DocumentRegister::printCurrent(const QString &captionPrefix)
{
    if (!m_kind.createPrintWindow || m_head->isEmpty())
        return;
    const int number = currentNumber();
    QWidget *over = isVisible() ? this : QApplication::activeWindow();
    std::unique_ptr<DocumentPrintWindow> window(m_kind.createPrintWindow(*this, over));
    window->setWindowTitle(captionPrefix + QString::number(number));
    if (window->findDocument(number))
        window->exec();
}

void DocumentRegister::BitBtnMasterFormClick()
{
    m_head->cancelRange();
    m_head->setFiltered(false);
    m_head->setIndexName(QString());
    if (m_head->findKey({ TemplateNumber }))
        bbtAendernClick();
    applyTemplateFilter();
}

void DocumentRegister::SpeedButtonParameterClick()
{
    runParameterDialog(*m_parameter, m_kind.parameter, m_kind.parameterRefreshesTable, this);
}

// ---------------------------------------------------------------------------
// Showing, closing, painting and the mouse

void DocumentRegister::showEvent(QShowEvent *event)
{
    platform::runReported(this, [&] {
        QDialog::showEvent(event);
        if (m_shown)
            return;
        m_shown = true;
        runCommand([this] { FormShow(); });
    });
}

void DocumentRegister::FormShow()
{
    applyTemplateRange();
    m_head->findKey({ CurrentDocumentNumber });
}

void DocumentRegister::done(int result)
{
    if (!m_closed) {
        if (!runReported(this, [this] { FormClose(); }))
            return;
        m_closed = true;
    }
    QDialog::done(result);
}

void DocumentRegister::FormClose()
{
    postOrDrop(m_positions);
    postOrDrop(m_head);
    if (m_kind.storesCurrentNumberOnClose)
        CurrentDocumentNumber = currentNumber();
    m_head->cancelRange();
    if (isTemplate() && m_head->countUpTo(2) <= 1) {
        // The kind never holds the template alone after a close.
        m_head->append();
        m_head->field(0).setAsInteger(1);
        if (m_kind.documentOneDatedToday && m_head->fieldCount() > 1)
            setTodayInto(*m_head, 1);
        postOrDrop(m_head);
        if (m_positions && m_kind.positionOneOnClose) {
            if (m_kind.positionOneWhenAlone)
                m_positions->setMasterSource(nullptr, QString());
            if (!m_kind.positionOneWhenAlone || m_positions->countUpTo(2) <= 1) {
                m_positions->append();
                m_positions->field(0).setAsInteger(1);
                m_positions->field(1).setAsInteger(1);
                postOrDrop(m_positions);
            }
        }
    }
    if (m_positions)
        m_positions->close();
    m_head->close();
    postOrDrop(m_parameter);
    m_parameter->close();
    m_lookup->close();
}

void DocumentRegister::paintEvent(QPaintEvent *event)
{
    QDialog::paintEvent(event);
    const auto buttons = findChildren<QToolButton *>();
    for (QToolButton *button : buttons) {
        if (button->isVisible())
            PaintButtonShadow(this, button, Qt::black, 3);
    }
}

void DocumentRegister::setHighlighted(QToolButton *button, bool highlighted)
{
    QFont font = button->font();
    font.setUnderline(highlighted);
    button->setFont(font);
    QPalette colours = button->palette();
    colours.setColor(QPalette::ButtonText, highlighted ? Qt::blue : Qt::black);
    button->setPalette(colours);
}

void DocumentRegister::mouseMoveEvent(QMouseEvent *event)
{
    platform::runReported(this, [&] {
        if (m_kind.hoverHighlight) {
            for (QToolButton *button : std::as_const(m_commandButtons))
                setHighlighted(button, false);
            setHighlighted(SpeedButton1, false);
        }
        QDialog::mouseMoveEvent(event);
    });
}

void DocumentRegister::contextMenuEvent(QContextMenuEvent *event)
{
    platform::runReported(this, [&] { PopupMenu1->popup(event->globalPos()); });
}

bool DocumentRegister::eventFilter(QObject *watched, QEvent *event)
{
    return platform::filterReported(this, [&]() -> bool {
        if (watched == dbgrRegie && event->type() == QEvent::KeyPress && isEnter(static_cast<QKeyEvent *>(event))) {
            SpeedButton3->click();
            return true;
        }
        if (event->type() == QEvent::Enter) {
            if (auto *button = qobject_cast<QToolButton *>(watched); button && m_kind.hoverHighlight)
                setHighlighted(button, true);
        }
        return QDialog::eventFilter(watched, event);
    });
}

} // namespace shell
