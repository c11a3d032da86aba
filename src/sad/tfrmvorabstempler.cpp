#include "sad/tfrmvorabstempler.h"

#include "platform/dialogservice.h"
#include "sad/prestamplists.h"
#include "shell/buttonlook.h"
#include "shell/reportedcall.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace sad {

namespace {

const QString EntryPrefix = QStringLiteral("Feld ");

void fill(QListWidget *list, const QStringList &entries)
{
    list->clear();
    for (const QString &entry : entries) {
        if (!entry.isEmpty())
            list->addItem(EntryPrefix + entry);
    }
}

} // namespace

TfrmVorabstempler::TfrmVorabstempler(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmVorabstempler"));
    setWindowTitle(QStringLiteral("Parameter - Vorabstempler"));
    auto *layout = new QVBoxLayout(this);
    auto *grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("Unbedruckte Felder"), this), 0, 0);
    grid->addWidget(new QLabel(QStringLiteral("Bedruckte Felder"), this), 0, 2);
    lbUnbedruckt = new QListWidget(this);
    lbUnbedruckt->setObjectName(QStringLiteral("lbUnbedruckt"));
    lbBedruckt = new QListWidget(this);
    lbBedruckt->setObjectName(QStringLiteral("lbBedruckt"));
    for (QListWidget *list : { lbUnbedruckt, lbBedruckt })
        list->setSortingEnabled(true);
    BtnRechts = new QPushButton(QStringLiteral("→"), this);
    BtnRechts->setObjectName(QStringLiteral("BtnRechts"));
    BtnLinks = new QPushButton(QStringLiteral("←"), this);
    BtnLinks->setObjectName(QStringLiteral("BtnLinks"));
    auto *arrows = new QVBoxLayout;
    arrows->addStretch();
    arrows->addWidget(BtnRechts);
    arrows->addWidget(BtnLinks);
    arrows->addStretch();
    grid->addWidget(lbUnbedruckt, 1, 0);
    grid->addLayout(arrows, 1, 1);
    grid->addWidget(lbBedruckt, 1, 2);
    layout->addLayout(grid);
    layout->addWidget(new QLabel(QStringLiteral("* Feld 42 = Den Ausdruck von RET-EXP und EUR"), this));
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    BtnOK = new QPushButton(QStringLiteral("OK"), this);
    BtnAbbruch = new QPushButton(QStringLiteral("Abbruch"), this);
    buttons->addWidget(BtnOK);
    buttons->addWidget(BtnAbbruch);
    layout->addLayout(buttons);
    resize(360, 380);
    shell::applyRaisedButtonLook(this);

    connect(BtnRechts, &QPushButton::clicked, this, [this] { moveRight(); });
    connect(BtnLinks, &QPushButton::clicked, this, [this] { moveLeft(); });
    connect(lbUnbedruckt, &QListWidget::itemDoubleClicked, BtnRechts, &QPushButton::click);
    connect(lbBedruckt, &QListWidget::itemDoubleClicked, BtnLinks, &QPushButton::click);
    connect(BtnOK, &QPushButton::clicked, this, [this] { shell::runReported(this, [this] { save(); }); });
    connect(BtnAbbruch, &QPushButton::clicked, this, [this] {
        m_closedByButton = true;
        reject();
    });
}

void TfrmVorabstempler::load(
    const QString &unprintedBoxesFile, const QString &printedBoxesFile, const QStringList &defaultBoxList)
{
    m_unprintedBoxesFile = unprintedBoxesFile;
    m_printedBoxesFile = printedBoxesFile;
    fill(lbUnbedruckt, readPreStampList(unprintedBoxesFile).value_or(defaultBoxList));
    fill(lbBedruckt, readPreStampList(printedBoxesFile).value_or(QStringList()));
}

bool TfrmVorabstempler::Execute(
    const QString &unprintedBoxesFile, const QString &printedBoxesFile, const QStringList &defaultBoxList)
{
    load(unprintedBoxesFile, printedBoxesFile, defaultBoxList);
    m_closedByButton = false;
    return exec() == QDialog::Accepted;
}

QStringList TfrmVorabstempler::entriesOf(const QListWidget *list)
{
    QStringList entries;
    for (int row = 0; row < list->count(); ++row)
        entries.append(list->item(row)->text().mid(EntryPrefix.size()));
    return entries;
}

QStringList TfrmVorabstempler::unprintedEntries() const
{
    return entriesOf(lbUnbedruckt);
}

QStringList TfrmVorabstempler::printedEntries() const
{
    return entriesOf(lbBedruckt);
}

void TfrmVorabstempler::move(QListWidget *from, QListWidget *to)
{
    const int row = from->currentRow();
    if (row < 0 || !from->currentItem() || !from->currentItem()->isSelected()) {
        from->setCurrentRow(from->count() > 0 ? 0 : -1);
        return;
    }
    to->addItem(from->item(row)->text());
    delete from->takeItem(row);
    // The following entry takes the place; none after the last.
    if (row < from->count())
        from->setCurrentRow(row);
    else
        from->setCurrentRow(-1);
}

void TfrmVorabstempler::moveRight()
{
    move(lbUnbedruckt, lbBedruckt);
}

void TfrmVorabstempler::moveLeft()
{
    move(lbBedruckt, lbUnbedruckt);
}

void TfrmVorabstempler::save()
{
    writePreStampPair(m_unprintedBoxesFile, unprintedEntries(), m_printedBoxesFile, printedEntries());
    m_closedByButton = true;
    accept();
}

void TfrmVorabstempler::closeEvent(QCloseEvent *event)
{
    if (m_closedByButton) {
        QDialog::closeEvent(event);
        return;
    }
    if (platform::dialogs().confirmation(
            QStringLiteral("Möchten Sie eventuelle Änderungen verwerfen?"), platform::DialogButtons::YesNo)
        == platform::DialogAnswer::Yes) {
        QDialog::closeEvent(event);
    } else {
        event->ignore();
    }
}

} // namespace sad
