#include "shell/tfrmdates.h"

#include "platform/dialogservice.h"

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace shell {

namespace {

const QString InvalidDateMessage = QStringLiteral("Sie haben kein gültiges Datum eingegeben!");

QLineEdit *dateEdit(QWidget *parent, const QString &name)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(name);
    // Ten places, the separators shown, blanks for the empty places.
    edit->setInputMask(QStringLiteral("99.99.9999; "));
    return edit;
}

} // namespace

TfrmDates::TfrmDates(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmDates"));
    setWindowTitle(QStringLiteral("Von - Bis"));
    auto *layout = new QVBoxLayout(this);
    Label3 = new QLabel(QStringLiteral("Liste Drucken"), this);
    QFont heading = Label3->font();
    heading.setBold(true);
    Label3->setFont(heading);
    layout->addWidget(Label3);
    auto *grid = new QGridLayout;
    MaskEdit_Von = dateEdit(this, QStringLiteral("MaskEdit_Von"));
    MaskEdit_Bis = dateEdit(this, QStringLiteral("MaskEdit_Bis"));
    grid->addWidget(new QLabel(QStringLiteral("Von"), this), 0, 0);
    grid->addWidget(MaskEdit_Von, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Bis"), this), 0, 2);
    grid->addWidget(MaskEdit_Bis, 0, 3);
    CheckBox1 = new QCheckBox(QStringLiteral("Export in Excel Datei"), this);
    CheckBox2 = new QCheckBox(QStringLiteral("Export in ASCII-Datei"), this);
    grid->addWidget(CheckBox1, 1, 0, 1, 2);
    grid->addWidget(CheckBox2, 1, 2, 1, 2);
    layout->addLayout(grid);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    BitBtn1 = new QPushButton(QStringLiteral("&OK"), this);
    BitBtn2 = new QPushButton(QStringLiteral("&Abbrechen"), this);
    buttons->addWidget(BitBtn1);
    buttons->addWidget(BitBtn2);
    layout->addLayout(buttons);
    resize(323, 105);

    // A click on one sets the other to the opposite.
    connect(CheckBox1, &QCheckBox::clicked, this, [this](bool on) { CheckBox2->setChecked(!on); });
    connect(CheckBox2, &QCheckBox::clicked, this, [this](bool on) { CheckBox1->setChecked(!on); });
    connect(BitBtn1, &QPushButton::clicked, this, [this] { tryAccept(); });
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
    MaskEdit_Von->installEventFilter(this);
    MaskEdit_Bis->installEventFilter(this);
}

std::optional<QDate> TfrmDates::dateOf(const QLineEdit *edit)
{
    const QStringList parts = edit->text().split(QLatin1Char('.'));
    if (parts.size() != 3)
        return std::nullopt;
    bool okDay = false;
    bool okMonth = false;
    bool okYear = false;
    const int day = parts.at(0).trimmed().toInt(&okDay);
    const int month = parts.at(1).trimmed().toInt(&okMonth);
    const int year = parts.at(2).trimmed().toInt(&okYear);
    if (!okDay || !okMonth || !okYear || parts.at(2).trimmed().size() != 4)
        return std::nullopt;
    const QDate date(year, month, day);
    if (!date.isValid())
        return std::nullopt;
    return date;
}

bool TfrmDates::excel() const
{
    return CheckBox1->isChecked();
}

bool TfrmDates::text() const
{
    return CheckBox2->isChecked();
}

bool TfrmDates::checkDate(QLineEdit *edit)
{
    if (dateOf(edit))
        return true;
    m_checking = true;
    platform::dialogs().error(InvalidDateMessage);
    m_checking = false;
    // Back into the edit once the focus change has ended.
    QTimer::singleShot(0, edit, [edit] { edit->setFocus(); });
    return false;
}

void TfrmDates::tryAccept()
{
    for (QLineEdit *edit : { MaskEdit_Von, MaskEdit_Bis }) {
        if (!checkDate(edit))
            return;
    }
    accept();
}

bool TfrmDates::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusOut && !m_checking) {
        auto *edit = qobject_cast<QLineEdit *>(watched);
        // Cancelling never asks for a date.
        if (edit && !BitBtn2->underMouse() && !BitBtn2->hasFocus())
            checkDate(edit);
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace shell
