#include "masterdata/codehelp.h"
#include "platform/reportedcall.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace masterdata {

namespace {

CodeHelpRow row(const char *code, const char *text)
{
    return { QString::fromLatin1(code), { QString::fromUtf8(text) } };
}

CodeHelpRow row(const char *code, const char *mention, const char *matter)
{
    return { QString::fromLatin1(code), { QString::fromUtf8(mention), QString::fromUtf8(matter) } };
}

} // namespace

CodeHelpDefinition box44Definition()
{
    CodeHelpDefinition d;
    d.objectName = QStringLiteral("frmInfoF44");
    d.caption = QStringLiteral("Information für Feld 44 (keine Übernahme)");
    d.columns = { QStringLiteral("Code"), QStringLiteral("Besonderer Vermerk"), QStringLiteral("Sachverhalt") };
    d.columnWidths = { 70, 200, 500 };
    d.detailCaptions
        = { QStringLiteral("Code:"), QStringLiteral("Besonderer Vermerk:"), QStringLiteral("Sachverhalt:") };
    d.groups = {
        { QStringLiteral("Allgemein "),
            { row("00100", "Vereinfachte Bewilligung",
                "Bewilligungsantrag auf der Anmeldung zu einem Zollverfahren mit wirtschaftlicher Bedeutung") } },
        { QStringLiteral("Einfuhr "),
            {
                row("10100", "Einfuhr mit Luftfahrttauglichkeitsbescheinigung",
                    "Vorübergehende Aussetzung der autonomen Zölle"),
                row("10200", "AV/S-Waren", "Beendigung der aktiven Veredelung (Nichterhebungsverfahren)"),
                row("10300", "AV/S-Waren, Handelspolitik",
                    "Beendigung der aktiven Veredelung (Nichterhebungsverfahren) (spezifische handelspolitische "
                    "Maßnahmen)"),
                row("10400", "AV/R-Waren", "Beendigung der aktiven Veredelung (Zollrückvergütungsverfahren)"),
                row("10500", "VV-Waren", "Vorübergehende Verwendung"),
            } },
        { QStringLiteral("Ausfuhr"),
            {
                row("30100", "Vereinfachte Ausfuhr", "Unvollständige Ausfuhranmeldung"),
                row("30200", "vereinfachte Ausfuhr sowie die Nummer der Bewilligung", "Anschreibeverfahren"),
                row("30300",
                    "Artikel 298 der Verordnung (EWG) Nr. 2454/93 Besondere Verwendung: zur Ausfuhr vorgesehene "
                    "Waren – Anwendung der landwirtschaftlichen Ausfuhrerstattungen ausgeschlossen",
                    "Ausfuhr landwirtschaftlicher Erzeugnisse im Rahmen der besonderen Verwendung"),
                row("30400", "RET-EXP", "Gewünschte Rückgabe des Exemplars Nr. 3"),
            } },
    };
    return d;
}

CodeHelpDefinition box40Definition()
{
    CodeHelpDefinition d;
    d.objectName = QStringLiteral("frmInfoF40");
    d.caption = QStringLiteral("Information für Feld 40 (mit Übenahme)");
    d.columns = { QStringLiteral("Code"), QStringLiteral("Bezeichnung") };
    d.columnWidths = { 70, 550 };
    d.detailCaptions = { QStringLiteral("Code:"), QStringLiteral("Bezeichnung:") };
    d.groups = {
        { QStringLiteral("1. Element"),
            { row("X", "Summarische Anmeldung"), row("Y", "Vereinfachte Anmeldung"), row("Z", "Vorpapier") } },
        { QStringLiteral("2. Element"),
            {
                row("235", "Containerliste"),
                row("270", "Ladeliste"),
                row("271", "Packliste"),
                row("325", "Proformarechnung"),
                row("380", "Handelsrechnung"),
                row("703", "Frachtbrief"),
                row("704", "Sammelkonnossement"),
                row("705", "Konnossement"),
                row("720", "Frachtbrief CIM"),
                row("722", "SMGS-Begleitliste"),
                row("730", "LKW-Frachtbrief"),
                row("740", "Luftfrachtbrief"),
                row("741", "Luftfrachtbrief, ausgestellt von der Fluggesellschaft (Master air waybill)"),
                row("750", "Paketkarte (Postpakete)"),
                row("760", "Multimodales/kombiniertes Transportdokument"),
                row("785", "Frachtmanifest"),
                row("787", "Ladungsverzeichnis"),
                row("820", "Anmeldung zum gemeinschaftlichen Versandverfahren – gemischte Sendungen (T)"),
                row("821", "Anmeldung zum externen gemeinschaftlichen Versandverfahren (T1)"),
                row("822", "Anmeldung zum internen gemeinschaftlichen Versandverfahren (T2)"),
                row("823", "Kontrollexemplar T5"),
                row("952", "Carnet TIR"),
                row("955", "Carnet ATA"),
                row("CLE", "Referenznummer/Datum der Anschreibung in der Buchführung"),
                row("IF3", "Auskunftsblatt INF3"),
                row("IF8", "Auskunftsblatt INF8"),
                row("MNS", "Manifest – vereinfachtes Verfahren"),
                row("T2F", "Anmeldung zum internen gemeinschaftlichen Versandverfahren – Artikel 340c Absatz 1"),
                row("T2M", "T2M"),
                row("ZZZ", "Sonstige"),
            } },
    };
    return d;
}

CodeHelpWindow::CodeHelpWindow(CodeHelpDefinition definition, QWidget *parent)
    : QDialog(parent)
    , TreeView1(new QTreeWidget(this))
    , ListView1(new QTreeWidget(this))
    , m_definition(std::move(definition))
{
    setObjectName(m_definition.objectName);
    setWindowTitle(m_definition.caption);
    setSizeGripEnabled(true);

    auto *menuBar = new QMenuBar(this);
    menuBar->setObjectName(QStringLiteral("MainMenu1"));
    connect(menuBar->addAction(QStringLiteral("Schließen")), &QAction::triggered, this, &QDialog::reject);

    TreeView1->setObjectName(QStringLiteral("TreeView1"));
    TreeView1->setHeaderHidden(true);
    TreeView1->setRootIsDecorated(false);
    TreeView1->setSelectionBehavior(QAbstractItemView::SelectRows);
    TreeView1->setFixedWidth(85);
    for (const CodeHelpGroup &group : std::as_const(m_definition.groups))
        TreeView1->addTopLevelItem(new QTreeWidgetItem({ group.node }));
    connect(TreeView1, &QTreeWidget::currentItemChanged, this,
        platform::reported(this,
            [this](QTreeWidgetItem *current) { fillList(current ? TreeView1->indexOfTopLevelItem(current) : -1); }));

    ListView1->setObjectName(QStringLiteral("ListView1"));
    ListView1->setRootIsDecorated(false);
    ListView1->setSelectionBehavior(QAbstractItemView::SelectRows);
    ListView1->setSelectionMode(QAbstractItemView::SingleSelection);
    ListView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ListView1->setHeaderLabels(m_definition.columns);
    for (int i = 0; i < m_definition.columnWidths.size(); ++i)
        ListView1->setColumnWidth(i, m_definition.columnWidths.at(i));
    connect(
        ListView1, &QTreeWidget::itemSelectionChanged, this, platform::reported(this, &CodeHelpWindow::showDetails));

    auto *details = new QGridLayout;
    QFont detailFont = font();
    detailFont.setPointSize(10);
    QPalette blue = palette();
    blue.setColor(QPalette::WindowText, Qt::blue);
    for (int i = 0; i < m_definition.detailCaptions.size(); ++i) {
        auto *caption = new QLabel(m_definition.detailCaptions.at(i), this);
        auto *value = new QLabel(this);
        value->setObjectName(QStringLiteral("Label%1").arg(4 + i));
        value->setWordWrap(i > 0);
        for (QLabel *label : { caption, value }) {
            label->setFont(detailFont);
            label->setPalette(blue);
        }
        details->addWidget(caption, i, 0, Qt::AlignTop);
        details->addWidget(value, i, 1);
        m_details.append(value);
    }
    details->setColumnStretch(1, 1);

    auto *right = new QVBoxLayout;
    right->addWidget(ListView1, 1);
    right->addLayout(details);
    auto *main = new QHBoxLayout;
    main->addWidget(TreeView1);
    main->addLayout(right, 1);
    auto *outer = new QVBoxLayout(this);
    outer->setMenuBar(menuBar);
    outer->addLayout(main, 1);
    resize(900, 420);
}

void CodeHelpWindow::selectGroup(int index)
{
    TreeView1->setCurrentItem(index >= 0 ? TreeView1->topLevelItem(index) : nullptr);
}

int CodeHelpWindow::selectedGroup() const
{
    QTreeWidgetItem *current = TreeView1->currentItem();
    return current ? TreeView1->indexOfTopLevelItem(current) : -1;
}

void CodeHelpWindow::selectRow(int row)
{
    if (row < 0 || row >= ListView1->topLevelItemCount()) {
        ListView1->clearSelection();
        ListView1->setCurrentItem(nullptr);
        return;
    }
    ListView1->setCurrentItem(ListView1->topLevelItem(row));
}

QString CodeHelpWindow::selectedCode() const
{
    const QList<QTreeWidgetItem *> selected = ListView1->selectedItems();
    return selected.isEmpty() ? QString() : selected.first()->text(0);
}

QStringList CodeHelpWindow::listedCodes() const
{
    QStringList codes;
    for (int i = 0; i < ListView1->topLevelItemCount(); ++i)
        codes.append(ListView1->topLevelItem(i)->text(0));
    return codes;
}

QString CodeHelpWindow::detailText(int index) const
{
    return index >= 0 && index < m_details.size() ? m_details.at(index)->text() : QString();
}

void CodeHelpWindow::fillList(int group)
{
    ListView1->setUpdatesEnabled(false);
    ListView1->clear();
    if (group >= 0 && group < m_definition.groups.size()) {
        for (const CodeHelpRow &row : m_definition.groups.at(group).rows)
            ListView1->addTopLevelItem(new QTreeWidgetItem(QStringList { row.code } + row.texts));
    }
    ListView1->setUpdatesEnabled(true);
    showDetails();
}

void CodeHelpWindow::showDetails()
{
    const QList<QTreeWidgetItem *> selected = ListView1->selectedItems();
    QTreeWidgetItem *item = selected.isEmpty() ? nullptr : selected.first();
    for (int i = 0; i < m_details.size(); ++i)
        m_details.at(i)->setText(item ? item->text(i) : QString());
}

TfrmInfoF44::TfrmInfoF44(QWidget *parent)
    : CodeHelpWindow(box44Definition(), parent)
{
}

TfrmInfoF40::TfrmInfoF40(QWidget *parent)
    : CodeHelpWindow(box40Definition(), parent)
    , Edit1(new QLineEdit(this))
    , Edit2(new QLineEdit(this))
    , btnVerwenden(new QPushButton(QStringLiteral("Ausgewähltes Element verwenden"), this))
    , btnUebernehmen(new QPushButton(QStringLiteral("Code Übernehmen"), this))
{
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit2->setObjectName(QStringLiteral("Edit2"));
    btnVerwenden->setObjectName(QStringLiteral("btnVerwenden"));
    btnUebernehmen->setObjectName(QStringLiteral("btnUebernehmen"));
    for (QPushButton *button : { btnVerwenden, btnUebernehmen })
        button->setAutoDefault(false);
    connect(btnVerwenden, &QPushButton::clicked, this, platform::reported(this, &TfrmInfoF40::useSelectedElement));
    connect(btnUebernehmen, &QPushButton::clicked, this, &QDialog::accept);

    auto *takeOver = new QHBoxLayout;
    takeOver->addWidget(new QLabel(QStringLiteral("Code:"), this));
    takeOver->addWidget(Edit1);
    takeOver->addWidget(new QLabel(QStringLiteral("-"), this));
    takeOver->addWidget(Edit2);
    takeOver->addWidget(btnVerwenden);
    takeOver->addWidget(btnUebernehmen);
    takeOver->addStretch();
    static_cast<QVBoxLayout *>(layout())->addLayout(takeOver);
}

void TfrmInfoF40::useSelectedElement()
{
    const int group = selectedGroup();
    const QString code = selectedCode();
    if (group < 0 || code.isEmpty())
        return;
    (group == 0 ? Edit1 : Edit2)->setText(code);
}

void TfrmInfoF40::showEvent(QShowEvent *event)
{
    platform::runReported(this, [&] {
        CodeHelpWindow::showEvent(event);
        // Each activation starts on the first element's list.
        selectGroup(0);
        fillList(0);
    });
}

} // namespace masterdata
