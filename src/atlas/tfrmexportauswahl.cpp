#include "atlas/tfrmexportauswahl.h"

#include "platform/clock.h"
#include "platform/query.h"
#include "platform/tableschema.h"
#include "shell/reportedcall.h"

#include <QDateEdit>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace atlas {

namespace {

QDateEdit *datePicker(const QString &name, QWidget *parent)
{
    auto *picker = new QDateEdit(parent);
    picker->setObjectName(name);
    picker->setCalendarPopup(true);
    picker->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    return picker;
}

QToolButton *button(const QString &name, const QString &caption, QWidget *parent)
{
    auto *result = new QToolButton(parent);
    result->setObjectName(name);
    result->setText(caption);
    result->setToolButtonStyle(Qt::ToolButtonTextOnly);
    result->setAutoRaise(false);
    result->setMinimumWidth(90);
    return result;
}

} // namespace

TfrmExportAuswahl::TfrmExportAuswahl(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("frmExportAuswahl"));
    setWindowTitle(QStringLiteral("frmExportAuswahl"));
    resize(611, 257);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 8);

    Panel1 = new QWidget(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFixedHeight(57);
    auto *filter = new QHBoxLayout(Panel1);
    Label1 = new QLabel(QStringLiteral("Filter:"), Panel1);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label2 = new QLabel(QStringLiteral("von:"), Panel1);
    Label2->setObjectName(QStringLiteral("Label2"));
    DateVon = datePicker(QStringLiteral("DateVon"), Panel1);
    Label3 = new QLabel(QStringLiteral("bis:"), Panel1);
    Label3->setObjectName(QStringLiteral("Label3"));
    DateBis = datePicker(QStringLiteral("DateBis"), Panel1);
    SpeedButton3 = button(QStringLiteral("SpeedButton3"), QStringLiteral("Auswahl Übernehmen"), Panel1);
    filter->addWidget(Label1);
    filter->addSpacing(12);
    filter->addWidget(Label2);
    filter->addWidget(DateVon);
    filter->addSpacing(12);
    filter->addWidget(Label3);
    filter->addWidget(DateBis);
    filter->addSpacing(12);
    filter->addWidget(SpeedButton3);
    filter->addStretch();
    layout->addWidget(Panel1);

    ListView1 = new QTreeWidget(this);
    ListView1->setObjectName(QStringLiteral("ListView1"));
    ListView1->setRootIsDecorated(false);
    ListView1->setSelectionMode(QAbstractItemView::ExtendedSelection);
    ListView1->setSelectionBehavior(QAbstractItemView::SelectRows);
    ListView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ListView1->setHeaderLabels({ QStringLiteral("BelegNr.:"), QStringLiteral("Datum:"), QStringLiteral("Empfänger:"),
        QStringLiteral("Empfänger TIN:") });
    const int widths[] = { 100, 100, 280, 100 };
    for (int i = 0; i < 4; ++i)
        ListView1->setColumnWidth(i, widths[i]);
    ListView1->setMinimumHeight(150);
    layout->addWidget(ListView1, 1);

    auto *buttons = new QHBoxLayout;
    buttons->setContentsMargins(8, 0, 8, 0);
    buttons->addStretch();
    SpeedButton1 = button(QStringLiteral("SpeedButton1"), QStringLiteral("Abbrechen"), this);
    SpeedButton2 = button(QStringLiteral("SpeedButton2"), QStringLiteral("Übernehmen"), this);
    buttons->addWidget(SpeedButton1);
    buttons->addWidget(SpeedButton2);
    layout->addLayout(buttons);

    // "von" starts as many days back as the current month has.
    const QDate today = platform::Clock::today();
    DateVon->setDate(today.addDays(-today.daysInMonth()));
    DateBis->setDate(today);

    connect(DateVon, &QDateEdit::dateChanged, this, platform::reported(this, &TfrmExportAuswahl::DateBisChange));
    connect(DateBis, &QDateEdit::dateChanged, this, platform::reported(this, &TfrmExportAuswahl::DateBisChange));
    connect(SpeedButton3, &QToolButton::clicked, this, platform::reported(this, &TfrmExportAuswahl::SpeedButton3Click));
    connect(SpeedButton1, &QToolButton::clicked, this, platform::reported(this, &TfrmExportAuswahl::SpeedButton1Click));
    connect(SpeedButton2, &QToolButton::clicked, this, platform::reported(this, &TfrmExportAuswahl::SpeedButton2Click));
}

bool TfrmExportAuswahl::SelectDeclarations(DeclarationSelection &selection, QWidget *parent)
{
    TfrmExportAuswahl dialog(parent);
    if (!shell::runReported(&dialog, [&dialog] { dialog.FillList(); }))
        return false;
    if (dialog.exec() != QDialog::Accepted)
        return false;
    selection = dialog.selection();
    return true;
}

void TfrmExportAuswahl::FillList()
{
    ListView1->clear();
    // The date is stored as text "dd.mm.yyyy"; it is compared as the date
    // "yyyymmdd" it stands for.
    platform::Query heads(platform::Alias::Data,
        QStringLiteral("SELECT BelegNr, Datum, EMP_Name, EMP_TIN FROM AtlasKopf "
                       "WHERE (substr(Datum, 7, 4) || substr(Datum, 4, 2) || substr(Datum, 1, 2)) BETWEEN ? AND ? "
                       "ORDER BY BelegNr"));
    heads.addBindValue(DateVon->date().toString(QStringLiteral("yyyyMMdd")));
    heads.addBindValue(DateBis->date().toString(QStringLiteral("yyyyMMdd")));
    heads.open();
    QList<QTreeWidgetItem *> rows;
    const int count = heads.recordCount();
    for (int i = 0; i < count; ++i) {
        const QVector<QVariant> row = heads.rowAt(i);
        rows.append(new QTreeWidgetItem(
            { row.at(0).toString(), row.at(1).toString(), row.at(2).toString(), row.at(3).toString() }));
    }
    ListView1->addTopLevelItems(rows);
}

void TfrmExportAuswahl::DateBisChange()
{
    shell::runReported(this, [this] { FillList(); });
}

void TfrmExportAuswahl::SpeedButton3Click()
{
    shell::runReported(this, [this] { FillList(); });
}

void TfrmExportAuswahl::SpeedButton1Click()
{
    reject();
}

void TfrmExportAuswahl::SpeedButton2Click()
{
    m_selection = {};
    for (int i = 0; i < ListView1->topLevelItemCount(); ++i) {
        const QTreeWidgetItem *row = ListView1->topLevelItem(i);
        if (row->isSelected())
            m_selection.numbers.append(row->text(0).toInt());
    }
    if (m_selection.numbers.isEmpty())
        reject();
    else
        accept();
}

} // namespace atlas
