#include "masterdata/tfrmdatenbank.h"

#include "masterdata/masterdataexchange.h"
#include "platform/dialogservice.h"
#include "platform/reportedcall.h"
#include "shell/buttonlook.h"
#include "shell/radiogroup.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace masterdata {

TfrmDatenbank::TfrmDatenbank(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmDatenbank"));
    setWindowTitle(QStringLiteral("Datenbankformat wählen"));

    m_formats = new shell::RadioGroup(QString(), this);
    m_formats->setObjectName(QStringLiteral("RadioGroup1"));
    m_formats->setItems({ QStringLiteral("DBase"), QStringLiteral("Paradox"), QStringLiteral("Text (FIXED)"),
        QStringLiteral("Text (DELIMITED)"), QStringLiteral("CSV-Dateien") });
    connect(m_formats, &shell::RadioGroup::itemClicked, this, &TfrmDatenbank::formatChosen);

    m_separatorLabel = new QLabel(QStringLiteral("Feldtrennzeichen:"), this);
    m_separator = new QComboBox(this);
    m_separator->setObjectName(QStringLiteral("ComboBox1"));
    m_separator->setEditable(true);
    m_separator->addItems({ QStringLiteral(";"), QStringLiteral(",") });
    m_separatorLabel->setBuddy(m_separator);
    m_delimiterLabel = new QLabel(QStringLiteral("Textbegrenzungszeichen:"), this);
    m_delimiter = new QComboBox(this);
    m_delimiter->setObjectName(QStringLiteral("ComboBox2"));
    m_delimiter->setEditable(true);
    m_delimiter->addItems({ QStringLiteral("\""), QStringLiteral("'") });
    m_delimiterLabel->setBuddy(m_delimiter);

    m_close = new QPushButton(QStringLiteral("Schließen"), this);
    m_close->setObjectName(QStringLiteral("Button1"));
    m_close->setAutoDefault(false);
    connect(m_close, &QPushButton::clicked, this, platform::reported(this, &TfrmDatenbank::closeChooser));

    auto *texts = new QGridLayout;
    texts->addWidget(m_separatorLabel, 0, 0);
    texts->addWidget(m_separator, 0, 1);
    texts->addWidget(m_delimiterLabel, 1, 0);
    texts->addWidget(m_delimiter, 1, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_close);
    auto *main = new QVBoxLayout(this);
    main->addWidget(m_formats);
    main->addLayout(texts);
    main->addLayout(buttons);

    setFormat(int(ExchangeFormat::DBase));
    shell::applyRaisedButtonLook(this);
}

int TfrmDatenbank::format() const
{
    return m_formats->itemIndex();
}

void TfrmDatenbank::setFormat(int format)
{
    m_formats->setItemIndex(format >= 0 && format < m_formats->count() ? format : -1);
    formatChosen(this->format());
}

QString TfrmDatenbank::separatorText() const
{
    return m_separator->currentText();
}

QString TfrmDatenbank::delimiterText() const
{
    return m_delimiter->currentText();
}

QChar TfrmDatenbank::separator() const
{
    const QString text = separatorText();
    return text.isEmpty() ? QChar(u';') : text.front();
}

QChar TfrmDatenbank::delimiter() const
{
    const QString text = delimiterText();
    return text.isEmpty() ? QChar(u'"') : text.front();
}

void TfrmDatenbank::formatChosen(int format)
{
    // Separator and delimiter belong to delimited text only.
    const bool delimited = format == int(ExchangeFormat::DelimitedText);
    for (QWidget *widget : { static_cast<QWidget *>(m_separatorLabel), static_cast<QWidget *>(m_separator),
             static_cast<QWidget *>(m_delimiterLabel), static_cast<QWidget *>(m_delimiter) })
        widget->setEnabled(delimited);
}

void TfrmDatenbank::closeChooser()
{
    if (separatorText().size() != 1) {
        platform::dialogs().information(QStringLiteral("Feldtrennzeichen muss genau EIN Zeichen enthalten !"));
        m_separator->setFocus();
        return;
    }
    if (delimiterText().size() != 1) {
        platform::dialogs().information(QStringLiteral("Textbegrenzungszeichen muss genau EIN Zeichen enthalten !"));
        m_delimiter->setFocus();
        return;
    }
    if (separatorText() == delimiterText()) {
        platform::dialogs().information(
            QStringLiteral("Feldtrennzeichen und Textbegrenzungszeichen müssen unterschiedlich sein !"));
        m_separator->setFocus();
        return;
    }
    finish();
}

void TfrmDatenbank::reject()
{
    finish();
}

void TfrmDatenbank::finish()
{
    if (format() >= 0) {
        accept();
        return;
    }
    if (platform::dialogs().confirmation(
            QStringLiteral("Sie haben kein Datenbank-Format angegeben!\rMöchten Sie nun eines wählen"),
            platform::DialogButtons::YesNo, platform::DialogService::standardCaption(platform::DialogKind::Warning))
        == platform::DialogAnswer::Yes)
        return;
    QDialog::reject();
}

} // namespace masterdata
