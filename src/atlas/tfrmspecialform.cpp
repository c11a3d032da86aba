#include "atlas/tfrmspecialform.h"

#include "masterdata/masterdatatables.h"
#include "platform/dialogservice.h"
#include "platform/field.h"
#include "platform/reportedcall.h"
#include "platform/table.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QScreen>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace atlas {

namespace {

const QVector<QVector<CodeEntry>> &builtInLists()
{
    static const QVector<QVector<CodeEntry>> lists = {
        {
            { "0000",
                "Anmelder ist Ausführer. Anmelder lässt sich nicht direkt vertreten. Ausführer beauftragt keinen "
                "Subunternehmer." },
            { "0010",
                "Anmelder ist Ausführer. Anmelder lässt sich nicht direkt vertreten. Ausführer beauftragt "
                "Subunternehmer." },
            { "0100",
                "Anmelder ist Ausführer. Anmelder lässt sich direkt vertreten. Ausführer beauftragt keinen "
                "Subunternehmer." },
            { "0110",
                "Anmelder ist Ausführer. Anmelder lässt sich direkt vertreten. Ausführer beauftragt Subunternehmer." },
            { "1000",
                "Anmelder ist indirekter Vertreter des Ausführers. Anmelder lässt sich nicht direkt vertreten. "
                "Ausführer beauftragt keinen Subunternehmer." },
            { "1010",
                "Anmelder ist indirekter Vertreter des Ausführers. Anmelder lässt sich nicht direkt vertreten. "
                "Ausführer beauftragt Subunternehmer." },
            { "1100",
                "Anmelder ist indirekter Vertreter des Ausführers. Anmelder lässt sich direkt vertreten. Ausführer "
                "beauftragt keinen Subunternehmer." },
            { "1110",
                "Anmelder ist indirekter Vertreter des Ausführers. Anmelder lässt sich direkt vertreten. Ausführer "
                "beauftragt Subunternehmer." },
        },
        {
            { "a", "Vollständige Ausfuhranmeldung zum zweistufigen Normalverfahren" },
            { "b", "Unvollständige Ausfuhranmeldung zum zweistufigen Normalverfahren" },
            { "c",
                "Vollständige Ausfuhranmeldung zum zweistufigen Normalverfahren mit Antrag auf Gestellung außerhalb "
                "des Amtsplatzes nach §9(2) AWV" },
            { "d",
                "Unvollständige Ausfuhranmeldung zum zweistufigen Normalverfahren mit Antrag auf Gestellung außerhalb "
                "des Amtsplatzes nach §9(2) AWV" },
            { "e", "Vollständige Ausfuhranmeldung zum zweistufigen Vereinfachten Verfahren ZA" },
            { "f", "Unvollständige Ausfuhranmeldung zum zweistufigen Vereinfachten Verfahren ZA" },
            { "g", "Vollständige Ausfuhranmeldung zum einstufigen Verfahren bei geringem Wert" },
            { "i", "Vollständige Ausfuhranmeldung zum einstufigen Verfahren in begründeten Fällen" },
        },
        { { "EU", "Ausfuhr in ein EFTA-Land." }, { "EX", "Ausfuhr in Drittland." }, { "CO", "Gemeinschaftswaren" } },
        { { "P", "Packverschluss" }, { "R", "Raumverschluss" } },
        {
            { "10", "Seeschiff" },
            { "20", "Waggon" },
            { "31", "PKW" },
            { "32", "PKW mit Anhänger" },
            { "33", "LKW" },
            { "34", "LKW mit Anhänger" },
            { "35", "Zugmaschiene mit Auflieger" },
            { "40", "Flugzeug" },
            { "50", "Binnenschiff" },
            { "60", "Eigener Antrieb" },
        },
        {
            { "ANDERE", "Angabe gemäß Anhang 9 im Merkblatt zum Einheitspapier 2006" },
            { "ATA", "Als Versandschein genutzt" },
            { "AT-AV",
                "Aktive Veredelung als vorangegangenes Verfahren (sowohl im Papierverfahren ala auch im IT-Verfahren "
                "ATLAS)" },
            { "ATNEU", "Summarische Anmeldung im IT-Verfahren ATLAS" },
            { "AT-UV",
                "Umwandlung als vorangegangenes Verfahren (sowohl im Papierverfahren ala auch im IT-Verfahren ATLAS)" },
            { "AT-ZL",
                "Zolllagerverfahren als vorangegangenes Verfahren (sowohl im Papierverfahren ala auch im IT-Verfahren "
                "ATLAS)" },
            { "FV", "Besondere Verwendung" },
            { "OHNE", "Ohne Vorpapier" },
            { "POST",
                "Zollinhaltserklärung (für im Postverkehr gestellte Sendungen, die nicht im Postübergabebogen erfasst "
                "werden." },
        },
        { { "0", "Adressdaten" }, { "2", "EORI-Tin" } },
        { { "0", "Endverwender ist Empfänger" }, { "1", "Endverwender ist nicht Empfänger" },
            { "2", "Endverwender ist nicht bekannt" } },
    };
    return lists;
}

QVector<CodeEntry> customsOffices()
{
    platform::Table offices(platform::Alias::Data, masterdata::Tables::CustomsOffices);
    offices.open();
    offices.setIndexFieldNames(QStringLiteral("Ort"));
    QVector<CodeEntry> entries;
    for (offices.first(); !offices.eof(); offices.next())
        entries.append({ offices.fieldByName(QStringLiteral("Zollst")).asString(),
            offices.fieldByName(QStringLiteral("Ort")).asString() });
    offices.close();
    return entries;
}

} // namespace

QVector<CodeEntry> codeList(int list)
{
    if (list == 8)
        return customsOffices();
    return builtInLists().value(list);
}

TfrmSpecialForm::TfrmSpecialForm(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("frmSpecialForm"));
    setMinimumSize(285, 115);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    ListView1 = new QTreeWidget(this);
    ListView1->setObjectName(QStringLiteral("ListView1"));
    ListView1->setColumnCount(2);
    ListView1->setHeaderHidden(true);
    ListView1->setRootIsDecorated(false);
    ListView1->setUniformRowHeights(true);
    ListView1->setSelectionBehavior(QAbstractItemView::SelectRows);
    ListView1->setSelectionMode(QAbstractItemView::SingleSelection);
    ListView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ListView1->setStyleSheet(QStringLiteral("QTreeView::item { height: %1px; }").arg(RowHeight));
    layout->addWidget(ListView1, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    btnAbbrechen = new QPushButton(QStringLiteral("Abbrechen"), this);
    btnAbbrechen->setObjectName(QStringLiteral("btnAbbrechen"));
    btnUebernehmen = new QPushButton(QStringLiteral("Übernehmen"), this);
    btnUebernehmen->setObjectName(QStringLiteral("btnUebernehmen"));
    buttons->addWidget(btnAbbrechen);
    buttons->addWidget(btnUebernehmen);
    layout->addLayout(buttons);
    connect(btnAbbrechen, &QPushButton::clicked, this, &QDialog::reject);
    connect(
        btnUebernehmen, &QPushButton::clicked, this, platform::reported(this, &TfrmSpecialForm::btnUebernehmenClick));
    connect(ListView1, &QTreeWidget::itemDoubleClicked, this,
        platform::reported(this, &TfrmSpecialForm::btnUebernehmenClick));
}

void TfrmSpecialForm::ShowCodeList(int list)
{
    ListView1->setUpdatesEnabled(false);
    ListView1->clear();
    for (const CodeEntry &entry : codeList(list))
        ListView1->addTopLevelItem(new QTreeWidgetItem({ entry.first, entry.second }));
    ListView1->setUpdatesEnabled(true);
    fitToContents();
}

void TfrmSpecialForm::fitToContents()
{
    const QFontMetrics metrics(ListView1->font());
    int codeWidth = 0;
    int textWidth = 0;
    for (int i = 0; i < ListView1->topLevelItemCount(); ++i) {
        const QTreeWidgetItem *item = ListView1->topLevelItem(i);
        codeWidth = std::max(codeWidth, metrics.horizontalAdvance(item->text(0)));
        textWidth = std::max(textWidth, metrics.horizontalAdvance(item->text(1)));
    }
    codeWidth += 20;
    textWidth += 20;
    ListView1->setColumnWidth(0, codeWidth);
    ListView1->setColumnWidth(1, textWidth);
    const int rows = ListView1->topLevelItemCount() * RowHeight;
    const int height = rows > 400 ? 475 : rows + 75;
    resize(std::max(285, codeWidth + textWidth + 60), std::max(115, height));
}

void TfrmSpecialForm::placeBelow(const QPoint &fieldBottomLeft, int fieldHeight)
{
    const QScreen *screen = QGuiApplication::screenAt(fieldBottomLeft);
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->geometry() : QRect(0, 0, 1024, 768);
    int left = fieldBottomLeft.x();
    int top = fieldBottomLeft.y();
    if (top + height() > area.bottom())
        top = fieldBottomLeft.y() - fieldHeight - height();
    if (left + width() > area.right())
        left = area.right() - width();
    move(std::max(0, left), top);
}

QString TfrmSpecialForm::selectedCode() const
{
    const auto selected = ListView1->selectedItems();
    return selected.isEmpty() ? QString() : selected.first()->text(0);
}

void TfrmSpecialForm::btnUebernehmenClick()
{
    if (ListView1->selectedItems().isEmpty()) {
        platform::dialogs().information(QStringLiteral("Sie haben keinen Eintrag zum Übernehmen markiert."));
        return;
    }
    accept();
}

QString TfrmSpecialForm::pickCode(int list, QWidget *field, QWidget *owner)
{
    TfrmSpecialForm picker(owner);
    picker.ShowCodeList(list);
    if (field)
        picker.placeBelow(field->mapToGlobal(QPoint(0, field->height())), field->height());
    if (picker.exec() != QDialog::Accepted)
        return {};
    return picker.selectedCode();
}

} // namespace atlas
