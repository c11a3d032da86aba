#include "atlas/epasfields.h"

#include "platform/clock.h"
#include "shell/buttonlook.h"

#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace atlas {

namespace {

QLineEdit *edit(QWidget *parent, const QString &name, int length)
{
    auto *e = new QLineEdit(parent);
    e->setObjectName(name);
    e->setMaxLength(length);
    return e;
}

QLabel *stampLabel(QWidget *parent, const QString &name, const QString &text, bool bold)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignCenter);
    QFont font = label->font();
    font.setBold(bold);
    label->setFont(font);
    return label;
}

QFrame *rule(QWidget *parent, QFrame::Shape shape)
{
    auto *line = new QFrame(parent);
    line->setFrameShape(shape);
    line->setFrameShadow(QFrame::Plain);
    return line;
}

} // namespace

TEPAS_FelderFrm::TEPAS_FelderFrm(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("EPAS_FelderFrm"));
    setWindowTitle(QStringLiteral("Druck EPAS-Ausfuhr/Sicherheit"));
    QFont tahoma(QStringLiteral("Tahoma"));
    tahoma.setPointSize(font().pointSize());
    setFont(tahoma);
    auto *layout = new QVBoxLayout(this);

    auto *contact = new QGroupBox(QStringLiteral("Feld 54 - Ansprechpartner"), this);
    auto *contactLayout = new QVBoxLayout(contact);
    contactLayout->addWidget(new QLabel(QStringLiteral("Ort und Datum:"), contact));
    Edit1 = edit(contact, QStringLiteral("Edit1"), TEpasPrintFields::LineLength);
    contactLayout->addWidget(Edit1);
    contactLayout->addWidget(new QLabel(QStringLiteral("Ansprechpartner:"), contact));
    Edit2 = edit(contact, QStringLiteral("Edit2"), TEpasPrintFields::LineLength);
    Edit3 = edit(contact, QStringLiteral("Edit3"), TEpasPrintFields::LineLength);
    Edit4 = edit(contact, QStringLiteral("Edit4"), TEpasPrintFields::LineLength);
    Edit5 = edit(contact, QStringLiteral("Edit5"), TEpasPrintFields::LineLength);
    for (QLineEdit *e : { Edit2, Edit3, Edit4, Edit5 })
        contactLayout->addWidget(e);
    layout->addWidget(contact);

    auto *emergency = new QGroupBox(QStringLiteral("ECS/AES Notfallverfahren"), this);
    auto *emergencyLayout = new QGridLayout(emergency);
    emergencyLayout->addWidget(new QLabel(QStringLiteral("Keine Daten im System verfügbar."), emergency), 0, 0, 1, 2);
    emergencyLayout->addWidget(new QLabel(QStringLiteral("Begonnan am: Datum /Uhrzeit"), emergency), 1, 0);
    Edit6 = edit(emergency, QStringLiteral("Edit6"), TEpasPrintFields::ShortLength);
    emergencyLayout->addWidget(Edit6, 1, 1);
    emergencyLayout->addWidget(new QLabel(QStringLiteral("Ticketnummer:"), emergency), 2, 0);
    Edit7 = edit(emergency, QStringLiteral("Edit7"), TEpasPrintFields::ShortLength);
    emergencyLayout->addWidget(Edit7, 2, 1);
    layout->addWidget(emergency);

    // The stamp as it prints: "DE" and the office, the date, the text and
    // the authorisation number, separated by thin lines.
    auto *stamp = new QGroupBox(QStringLiteral("Sonderstempel"), this);
    auto *stampLayout = new QGridLayout(stamp);
    stampLayout->setHorizontalSpacing(4);
    stampLayout->setVerticalSpacing(2);
    stampLayout->addWidget(stampLabel(stamp, QStringLiteral("LabelDE"), QStringLiteral("DE"), true), 0, 0);
    stampLayout->addWidget(rule(stamp, QFrame::VLine), 0, 1);
    Label7 = stampLabel(stamp, QStringLiteral("Label7"), QStringLiteral("[AfZst]"), true);
    stampLayout->addWidget(Label7, 0, 2);
    stampLayout->addWidget(rule(stamp, QFrame::HLine), 1, 0, 1, 3);
    Label8 = stampLabel(stamp, QStringLiteral("Label8"), QString(), false);
    stampLayout->addWidget(Label8, 2, 0, 1, 3);
    stampLayout->addWidget(rule(stamp, QFrame::HLine), 3, 0, 1, 3);
    Edit8 = edit(stamp, QStringLiteral("Edit8"), TEpasPrintFields::ShortLength);
    stampLayout->addWidget(Edit8, 4, 0);
    stampLayout->addWidget(rule(stamp, QFrame::VLine), 4, 1);
    Label9 = stampLabel(stamp, QStringLiteral("Label9"), QStringLiteral("[Bewilligung]"), false);
    stampLayout->addWidget(Label9, 4, 2);
    stampLayout->setColumnStretch(0, 1);
    stampLayout->setColumnStretch(2, 1);
    layout->addWidget(stamp);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    BtnOK = new QPushButton(QStringLiteral("OK"), this);
    BtnOK->setObjectName(QStringLiteral("BtnOK"));
    BtnOK->setDefault(true);
    BtnAbbrechen = new QPushButton(QStringLiteral("Abbrechen"), this);
    BtnAbbrechen->setObjectName(QStringLiteral("BtnAbbrechen"));
    buttons->addWidget(BtnOK);
    buttons->addWidget(BtnAbbrechen);
    layout->addLayout(buttons);
    connect(BtnOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(BtnAbbrechen, &QPushButton::clicked, this, &QDialog::reject);

    QWidget *previous = Edit1;
    for (QWidget *next : { static_cast<QWidget *>(Edit2), static_cast<QWidget *>(Edit3), static_cast<QWidget *>(Edit4),
             static_cast<QWidget *>(Edit5), static_cast<QWidget *>(Edit6), static_cast<QWidget *>(Edit7),
             static_cast<QWidget *>(Edit8), static_cast<QWidget *>(BtnOK), static_cast<QWidget *>(BtnAbbrechen) }) {
        setTabOrder(previous, next);
        previous = next;
    }
    shell::applyRaisedButtonLook(this);
    resize(360, sizeHint().height());
}

void TEPAS_FelderFrm::load(const TEpasPrintFields &fields)
{
    Edit1->setText(fields.OrtDatum);
    Edit2->setText(fields.Ansprechpartner1);
    Edit3->setText(fields.Ansprechpartner2);
    Edit4->setText(fields.Ansprechpartner3);
    Edit5->setText(fields.Ansprechpartner4);
    Edit6->setText(fields.BegonnenAm);
    Edit7->setText(fields.TicketNr);
    Edit8->setText(fields.Sonderstempel);
    Label7->setText(fields.AfZst);
    Label8->setText(platform::Clock::today().toString(QStringLiteral("dd.MM.yyyy")));
    Label9->setText(fields.Bewilligung);
}

void TEPAS_FelderFrm::store(TEpasPrintFields &fields) const
{
    using F = TEpasPrintFields;
    fields.OrtDatum = F::cut(Edit1->text(), F::LineLength);
    fields.Ansprechpartner1 = F::cut(Edit2->text(), F::LineLength);
    fields.Ansprechpartner2 = F::cut(Edit3->text(), F::LineLength);
    fields.Ansprechpartner3 = F::cut(Edit4->text(), F::LineLength);
    fields.Ansprechpartner4 = F::cut(Edit5->text(), F::LineLength);
    fields.BegonnenAm = F::cut(Edit6->text(), F::ShortLength);
    fields.TicketNr = F::cut(Edit7->text(), F::ShortLength);
    fields.Sonderstempel = F::cut(Edit8->text(), F::ShortLength);
}

bool TEPAS_FelderFrm::EditEpasPrintFields(TEpasPrintFields &fields, QWidget *parent)
{
    TEPAS_FelderFrm dialog(parent);
    dialog.load(fields);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    dialog.store(fields);
    return true;
}

} // namespace atlas
