#include "shell/tfrmdrucker.h"

#include "platform/dataedit.h"
#include "platform/dialogservice.h"
#include "platform/field.h"
#include "platform/filtercondition.h"
#include "platform/printerservice.h"
#include "platform/table.h"
#include "shell/buttonlook.h"
#include "shell/documentroutines.h"
#include "shell/editabledatasetmodel.h"
#include "shell/failedsave.h"
#include "shell/mainstate.h"
#include "shell/printsettings.h"
#include "shell/reportedcall.h"
#include "shell/tfrmfelderjustieren.h"
#include "shell/tinfodialog.h"
#include "shell/twheeldbgrid.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScopeGuard>
#include <QStatusBar>
#include <QVBoxLayout>
#include <QWhatsThis>

namespace shell {

using platform::Table;

const QColor TfrmDrucker::AssignedColor = QColor(0, 128, 0);
const QColor TfrmDrucker::NotAssignedColor = QColor(245, 252, 3);
const QColor TfrmDrucker::FaultyColor = QColor(255, 0, 0);
const QColor TfrmDrucker::ButtonFaceColor = QColor(0xF0, 0xF0, 0xF0);

namespace {

const QString SchnittstField = QStringLiteral("schnittst");

QColor colorOfPrinter(const QString &printerName)
{
    if (printerName == NoPrinterText)
        return TfrmDrucker::NotAssignedColor;
    if (printerName == FaultyPrinterText)
        return TfrmDrucker::FaultyColor;
    return TfrmDrucker::AssignedColor;
}

// The settings rows with the printer's name in place of its index, coloured
// by it, on button face in bold.
class PrinterRowsModel : public EditableDataSetModel
{
public:
    explicit PrinterRowsModel(QObject *parent)
        : EditableDataSetModel(parent)
    {
    }

    QVariant data(const QModelIndex &index, int role) const override
    {
        if (!index.isValid())
            return {};
        switch (role) {
        case Qt::DisplayRole:
        case Qt::EditRole:
            if (index.column() == printerColumn())
                return printerNameOf(rowName(index.row()), rawPrinter(index.row()));
            break;
        case Qt::ForegroundRole:
            return colorOfPrinter(printerNameOf(rowName(index.row()), rawPrinter(index.row())));
        case Qt::BackgroundRole:
            return TfrmDrucker::ButtonFaceColor;
        case Qt::FontRole: {
            QFont font;
            font.setBold(true);
            return font;
        }
        default:
            break;
        }
        return EditableDataSetModel::data(index, role);
    }

private:
    int printerColumn() const { return int(columns().size()) - 1; }
    QString rowName(int row) const { return DataSetModel::data(index(row, 0), Qt::DisplayRole).toString(); }
    QString rawPrinter(int row) const
    {
        return DataSetModel::data(index(row, printerColumn()), Qt::DisplayRole).toString();
    }
};

} // namespace

TfrmDrucker::TfrmDrucker(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::WindowContextHelpButtonHint)
{
    setObjectName(QStringLiteral("frmDrucker"));
    setWindowTitle(QStringLiteral("Drucker-Verwaltung"));

    m_settings = std::make_unique<Table>(platform::Alias::User, PrintSettingsTable);
    m_settings->setFilterCaseInsensitive(true);
    watchFailedSaves(*m_settings);
    m_settings->open();
    // Rows of older versions named a port or nothing: they have no printer.
    m_settings->first();
    while (!m_settings->eof()) {
        const QString schnittst = m_settings->fieldByName(SchnittstField).asString().trimmed();
        if (schnittst.isEmpty() || schnittst.toUpper() == QLatin1String("LPT1")) {
            m_settings->edit();
            m_settings->fieldByName(SchnittstField).setAsString(QStringLiteral("-1"));
            m_settings->post();
        }
        m_settings->next();
    }
    m_settings->first();
    m_corrections = std::make_unique<Table>(platform::Alias::Data, FieldCorrectionsTable);
    m_corrections->setFilterCaseInsensitive(true);
    watchFailedSaves(*m_corrections);
    m_corrections->open();

    auto *layout = new QVBoxLayout(this);
    DBGrid1 = new TWheelDBGrid(this);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    m_model = new PrinterRowsModel(this);
    m_model->setColumns({
        { QStringLiteral("name"), QStringLiteral("Formular"), 200 },
        { QStringLiteral("spalte"), QStringLiteral("x-Koordinate"), 90 },
        { QStringLiteral("zeile"), QStringLiteral("y-Koordinate"), 90 },
        { QStringLiteral("Anzahl_Kopien"), QStringLiteral("Anzahl Kopien"), 90 },
        { SchnittstField, QStringLiteral("Drucker"), 220 },
    });
    m_model->setReadOnlyFields({ QStringLiteral("name"), SchnittstField });
    m_model->setDataSet(m_settings.get());
    DBGrid1->setModel(m_model);
    DBGrid1->setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::EditKeyPressed);
    DBGrid1->installEventFilter(this);
    connect(
        DBGrid1, &QAbstractItemView::doubleClicked, this, [this] { runReported(this, [this] { assignPrinter(); }); });
    layout->addWidget(DBGrid1, 1);

    auto *intrastat = new QHBoxLayout;
    lblInta = new QLabel(QStringLiteral("Abstand der Intrastat-Positionen: "), this);
    edtInta = new platform::DataEdit(this);
    edtInta->setObjectName(QStringLiteral("edtInta"));
    if (Table *parameter = mainState().tbParameter)
        edtInta->bind(parameter, QStringLiteral("Inta"));
    lblInta->hide();
    edtInta->hide();
    intrastat->addWidget(lblInta);
    intrastat->addWidget(edtInta);
    intrastat->addStretch();
    layout->addLayout(intrastat);

    auto *buttons = new QHBoxLayout;
    BtnFelderJustieren = new QPushButton(QStringLiteral("Felder Justieren"), this);
    BtnFelderJustieren->setAutoDefault(false);
    BtnFelderJustieren->hide();
    BtnOK = new QPushButton(QStringLiteral("OK"), this);
    BtnOK->setAutoDefault(false);
    buttons->addWidget(BtnFelderJustieren);
    buttons->addStretch();
    buttons->addWidget(BtnOK);
    layout->addLayout(buttons);
    connect(BtnOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(BtnFelderJustieren, &QPushButton::clicked, this,
        [this] { runReported(this, [this] { openFieldAdjustment(); }); });

    auto *statusBar = new QStatusBar(this);
    statusBar->setSizeGripEnabled(false);
    const QColor panelColors[3] = { AssignedColor, NotAssignedColor, FaultyColor };
    for (int panel = 0; panel < 3; ++panel) {
        auto *label = new QLabel(statusBar);
        QFont font = label->font();
        font.setBold(true);
        label->setFont(font);
        label->setAutoFillBackground(true);
        QPalette palette = label->palette();
        palette.setColor(QPalette::Window, ButtonFaceColor);
        palette.setColor(QPalette::WindowText, panelColors[panel]);
        label->setPalette(palette);
        statusBar->addWidget(label, 1);
        m_panels[panel] = label;
    }
    layout->addWidget(statusBar);

    connect(m_settings.get(), &platform::DataSet::currentRowChanged, this, &TfrmDrucker::rowChanged);
    applyRaisedButtonLook(this);
    rowChanged();
    resize(660, 300);
}

TfrmDrucker::~TfrmDrucker() = default;

void TfrmDrucker::filterRows(const QString &pattern)
{
    m_settings->setFilter({ platform::FilterCondition::fromPattern(QStringLiteral("name"), pattern, true) });
    m_settings->setFiltered(true);
}

void TfrmDrucker::filterRows(const QStringList &patterns)
{
    m_settings->setFilter({ platform::FilterCondition::anyPattern(QStringLiteral("name"), patterns, true) });
    m_settings->setFiltered(true);
}

QString TfrmDrucker::panelText(int panel) const
{
    return panel >= 0 && panel < 3 ? m_panels[panel]->text() : QString();
}

void TfrmDrucker::showEvent(QShowEvent *event)
{
    platform::runReported(this, [&] {
        updateCounts();
        QDialog::showEvent(event);
    });
}

void TfrmDrucker::updateCounts()
{
    int assigned = 0;
    int notAssigned = 0;
    int faulty = 0;
    if (m_settings->isActive() && !m_settings->isEmpty()) {
        const platform::Bookmark current = m_settings->bookmark();
        m_counting = true;
        auto back = qScopeGuard([&] {
            m_settings->gotoBookmark(current);
            m_counting = false;
            rowChanged();
        });
        for (m_settings->first(); !m_settings->eof(); m_settings->next()) {
            const QString printer = printerNameOf(m_settings->fieldByName(QStringLiteral("name")).asString(),
                m_settings->fieldByName(SchnittstField).asString());
            if (printer == NoPrinterText)
                ++notAssigned;
            else if (printer == FaultyPrinterText)
                ++faulty;
            else
                ++assigned;
        }
    }
    m_panels[0]->setText(QStringLiteral(" %1 Drucker zugeordnet").arg(assigned));
    m_panels[1]->setText(QStringLiteral(" %1 Drucker nicht zugeordnet").arg(notAssigned));
    m_panels[2]->setText(faulty == 1 ? QStringLiteral(" 1 Druckerzuordnung Falsch!")
                                     : QStringLiteral(" %1 Druckerzuordnungen Falsch!").arg(faulty));
}

void TfrmDrucker::rowChanged()
{
    if (m_counting)
        return;
    bool corrections = false;
    if (m_settings->isActive() && !m_settings->isEmpty()) {
        const QString name = m_settings->fieldByName(QStringLiteral("name")).asString();
        corrections = !name.isEmpty() && m_corrections->findKey({ name });
    }
    BtnFelderJustieren->setVisible(corrections);
}

void TfrmDrucker::assignPrinter()
{
    if (!m_settings->isActive() || m_settings->isEmpty())
        return;
    auto &printers = platform::PrinterService::instance();
    const QString row = m_settings->fieldByName(QStringLiteral("name")).asString();
    int current = resolvePrinterIndex(row, m_settings->fieldByName(SchnittstField).asString());
    if (current < 0)
        current = printers.currentIndex();
    const int chosen = platform::dialogs().printerSetup(printers.printerNames(), current);
    if (chosen < 0)
        return;
    // The setup chooses the program's printer too, as the system's dialog does.
    printers.setCurrentIndex(chosen);
    EditIfBrowsing(*m_settings);
    m_settings->fieldByName(SchnittstField).setAsString(QString::number(chosen));
    m_settings->post();
    rememberPrinter(row, chosen);
    updateCounts();
}

void TfrmDrucker::openFieldAdjustment()
{
    if (!m_settings->isActive() || m_settings->isEmpty())
        return;
    PostIfEditing(*m_settings);
    const QString name = m_settings->fieldByName(QStringLiteral("name")).asString();
    m_corrections->setFilter(
        { platform::FilterCondition::fromPattern(QStringLiteral("Name"), name + QLatin1Char('*'), true) });
    m_corrections->setFiltered(true);
    auto unfilter = qScopeGuard([this] { m_corrections->clearFilter(); });
    TfrmFelderJustieren adjustment(*m_corrections, name, this);
    adjustment.exec();
}

QStringList TfrmDrucker::helpLines()
{
    // A larger X value moves the print to the left: the column correction is
    // taken off every x position.
    return {
        QStringLiteral("Die X-Koordinate verschiebt den kompletten Ausdruck nach links bzw. nach rechts:"),
        QStringLiteral("  Wird der eingetragene Wert erhöht, verschiebt sich der Ausdruk nach links."),
        QStringLiteral("  Wird der eingetragene Wert verringert, verschiebt sich der Ausdruck nach rechts."),
        QString(),
        QStringLiteral("Die Y-Koordinate verschiebt den kompletten Ausdruck nach oben bzw. nach unten"),
        QStringLiteral("  Wird der eingetragene Wert erhöht, verschiebt sich der Ausdruk nach unten."),
        QStringLiteral("  Wird der eingetragene Wert verringert, verschiebt sich der Ausdruck nach oben."),
        QString(),
        QStringLiteral(
            "Bei einigen Druckern (speziell Nadeldrucker) kann es vorkommen, dass sich die Werte vertauschen."),
    };
}

void TfrmDrucker::showHelp()
{
    ShowInfoDialog(
        1, QStringLiteral("Hier finden Sie ausführliche informationen zu den Druck-Parametern"), helpLines());
}

void TfrmDrucker::done(int result)
{
    finishCellEditing(DBGrid1, true);
    const bool posted = runReported(this, [this] {
        PostIfEditing(*m_settings);
        PostIfEditing(*m_corrections);
    });
    // A failed save keeps the window open with the input.
    if (!posted)
        return;
    m_settings->clearFilter();
    QDialog::done(result);
}

bool TfrmDrucker::event(QEvent *event)
{
    // The help button asks the window itself; no help file is called.
    if (event->type() == QEvent::EnterWhatsThisMode) {
        QWhatsThis::leaveWhatsThisMode();
        showHelp();
        return true;
    }
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent *>(event)->key() == Qt::Key_F1) {
        showHelp();
        return true;
    }
    return QDialog::event(event);
}

bool TfrmDrucker::eventFilter(QObject *watched, QEvent *event)
{
    return platform::filterReported(this, [&]() -> bool {
        if (watched == DBGrid1 && event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent *>(event)->key();
            // An open cell editor takes its own Enter; one reaching the grid is OK.
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                BtnOK->click();
                return true;
            }
            if (key == Qt::Key_F1) {
                showHelp();
                return true;
            }
        }
        return QDialog::eventFilter(watched, event);
    });
}

} // namespace shell
