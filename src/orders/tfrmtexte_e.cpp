#include "orders/tfrmtexte_e.h"

#include "orders/ordertables.h"
#include "platform/dataedit.h"
#include "platform/dataradiogroup.h"
#include "platform/dialogservice.h"
#include "platform/field.h"
#include "platform/localformat.h"
#include "platform/table.h"
#include "shell/buttonlook.h"
#include "shell/documentroutines.h"
#include "shell/reportedcall.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScopeGuard>
#include <QVBoxLayout>

namespace orders {

using platform::Table;

TfrmTexte_e *frmTexte_e = nullptr;

TfrmTexte_e::TfrmTexte_e(Table &sumLines, QWidget *parent)
    : QDialog(parent)
    , m_lines(sumLines)
{
    frmTexte_e = this;
    setObjectName(QStringLiteral("frmTexte_e"));
    setWindowTitle(QStringLiteral("Eingabe für Summen-Berechnung"));

    RadioGroup1 = new platform::DataRadioGroup(QStringLiteral("Kenzeichen-Typ (Bezeichnung , Betrag)"), this);
    RadioGroup1->setObjectName(QStringLiteral("RadioGroup1"));
    RadioGroup1->setColumns(3);
    RadioGroup1->setItems(sumLineKinds());
    RadioGroup1->bind(&m_lines, QStringLiteral("ken"));

    lblText = new QLabel(QStringLiteral("Text :"), this);
    DBEditText = new platform::DataEdit(this);
    DBEditText->setObjectName(QStringLiteral("DBEditText"));
    DBEditText->bind(&m_lines, QStringLiteral("bez1"));
    lblBetrag = new QLabel(QStringLiteral("Betrag :"), this);
    DBEditBetrag = new platform::DataEdit(this);
    DBEditBetrag->setObjectName(QStringLiteral("DBEditBetrag"));
    DBEditBetrag->bind(&m_lines, QStringLiteral("quersum"));
    for (QWidget *widget : { static_cast<QWidget *>(lblText), static_cast<QWidget *>(DBEditText),
             static_cast<QWidget *>(lblBetrag), static_cast<QWidget *>(DBEditBetrag) })
        widget->setVisible(false);

    BitBtnOK = new QPushButton(QStringLiteral("OK"), this);
    BitBtnOK->setObjectName(QStringLiteral("BitBtnOK"));
    BitBtnAbbruch = new QPushButton(QStringLiteral("Abbruch"), this);
    BitBtnAbbruch->setObjectName(QStringLiteral("BitBtnAbbruch"));
    BitBtnOK->setAutoDefault(false);
    BitBtnAbbruch->setAutoDefault(false);

    auto *fields = new QGridLayout;
    fields->addWidget(lblText, 0, 0);
    fields->addWidget(DBEditText, 0, 1);
    fields->addWidget(lblBetrag, 1, 0);
    fields->addWidget(DBEditBetrag, 1, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BitBtnOK);
    buttons->addWidget(BitBtnAbbruch);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(RadioGroup1);
    layout->addLayout(fields);
    layout->addStretch();
    layout->addLayout(buttons);
    resize(480, 260);
    shell::applyRaisedButtonLook(this);

    connect(BitBtnOK, &QPushButton::clicked, this, [this] { shell::runReported(this, [this] { okClicked(); }); });
    connect(BitBtnAbbruch, &QPushButton::clicked, this, &QDialog::reject);
    const int kindField = m_lines.fieldIndex(QStringLiteral("ken"));
    connect(&m_lines, &platform::DataSet::fieldChanged, this, [this, kindField](int index) {
        if (index == kindField && !m_applying)
            shell::runReported(this, [this] { kindChosen(); });
    });
    DBEditText->installEventFilter(this);
    DBEditBetrag->installEventFilter(this);
    if (!m_lines.fieldByName(QStringLiteral("ken")).asString().isEmpty())
        kindChosen();
}

TfrmTexte_e::~TfrmTexte_e()
{
    if (frmTexte_e == this)
        frmTexte_e = nullptr;
}

void TfrmTexte_e::kindChosen()
{
    m_applying = true;
    auto done = qScopeGuard([this] { m_applying = false; });
    shell::EditIfBrowsing(m_lines);
    const QString kind = m_lines.fieldByName(QStringLiteral("ken")).asString();
    const bool computed = kind == SumLineKind::Subtotal || kind == SumLineKind::Vat || kind == SumLineKind::Total;
    const bool entered = kind == SumLineKind::Surcharge || kind == SumLineKind::Discount;
    lblText->setVisible(computed || entered);
    DBEditText->setVisible(computed || entered);
    lblBetrag->setVisible(entered);
    DBEditBetrag->setVisible(entered);
    if (computed) {
        // The amount is computed by the totals calculation.
        m_lines.fieldByName(QStringLiteral("quersum")).clear();
    } else if (kind == SumLineKind::Rule || kind == SumLineKind::DoubleRule) {
        m_lines.fieldByName(QStringLiteral("bez1")).clear();
        m_lines.fieldByName(QStringLiteral("quersum"))
            .setAsString(kind == SumLineKind::Rule ? RuleAmount : DoubleRuleAmount);
    }
}

bool TfrmTexte_e::amountIsNumber() const
{
    bool ok = false;
    platform::parseAmount(DBEditBetrag->text().trimmed(), &ok);
    return ok;
}

void TfrmTexte_e::okClicked()
{
    const QString kind = m_lines.fieldByName(QStringLiteral("ken")).asString();
    // An amount the totals calculation cannot read is not taken.
    if ((kind == SumLineKind::Surcharge || kind == SumLineKind::Discount) && !amountIsNumber()) {
        platform::dialogs().warning(AmountNotNumber);
        DBEditBetrag->setFocus();
        return;
    }
    m_lines.updateRecord();
    accept();
}

bool TfrmTexte_e::eventFilter(QObject *watched, QEvent *event)
{
    return platform::filterReported(this, [&]() -> bool {
        if (event->type() == QEvent::KeyRelease && watched == DBEditBetrag) {
            const auto *key = static_cast<QKeyEvent *>(event);
            if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter && DBEditBetrag->text().size() > 1
                && !amountIsNumber())
                platform::dialogs().warning(AmountNotNumber);
        }
        return QDialog::eventFilter(watched, event);
    });
}

void TfrmTexte_e::keyPressEvent(QKeyEvent *event)
{
    platform::runReported(this, [&] {
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
            BitBtnOK->click();
            return;
        }
        if (event->key() == Qt::Key_Escape) {
            BitBtnAbbruch->click();
            return;
        }
        QDialog::keyPressEvent(event);
    });
}

} // namespace orders
