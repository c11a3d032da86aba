#include "shell/plausibilitydialog.h"

#include "shell/buttonlook.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QVBoxLayout>

namespace shell {

PlausibilityDialog::PlausibilityDialog(const PlausibilityDefinition &definition, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(definition.objectName);
    setWindowTitle(definition.caption);
    auto *layout = new QVBoxLayout(this);
    GroupBox1 = new QGroupBox(definition.group, this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    GroupBox1->setStyleSheet(definition.boldGroupTitle
            ? QStringLiteral("QGroupBox { color: red; font-weight: bold; } QCheckBox { color: blue; font-weight: normal; }")
            : QStringLiteral("QGroupBox { color: red; } QCheckBox { color: blue; }"));
    auto *grid = new QGridLayout(GroupBox1);
    int row = 0;
    int column = 0;
    int rowIndex = 0;
    for (int i = 0; i < definition.boxes.size(); ++i) {
        auto *box = new QCheckBox(definition.boxes.at(i).caption, GroupBox1);
        box->setObjectName(QStringLiteral("CheckBox%1").arg(i + 1));
        grid->addWidget(box, row, column);
        m_boxes.append(box);
        const int perRow = rowIndex < definition.rows.size() ? definition.rows.at(rowIndex) : 1;
        if (++column >= perRow) {
            column = 0;
            ++row;
            ++rowIndex;
        }
    }
    // The user reads the marks; only the caller ticks them.
    GroupBox1->setEnabled(false);
    layout->addWidget(GroupBox1);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    BtnKorrigieren = new QPushButton(definition.correctCaption, this);
    BtnSchliessen = new QPushButton(definition.closeCaption, this);
    BtnKorrigieren->setObjectName(QStringLiteral("BtnKorrigieren"));
    BtnSchliessen->setObjectName(QStringLiteral("BtnSchliessen"));
    m_escapeCorrects = definition.escapeCorrects;
    buttons->addWidget(BtnKorrigieren);
    buttons->addWidget(BtnSchliessen);
    layout->addLayout(buttons);
    connect(BtnKorrigieren, &QPushButton::clicked, this, [this] { done(Korrigieren); });
    connect(BtnSchliessen, &QPushButton::clicked, this, &PlausibilityDialog::reject);
    applyRaisedButtonLook(this);
    resize(definition.size);
}

QCheckBox *PlausibilityDialog::checkBox(int index) const
{
    return index >= 0 && index < m_boxes.size() ? m_boxes.at(index) : nullptr;
}

void PlausibilityDialog::reject()
{
    done(Schliessen);
}

void PlausibilityDialog::keyPressEvent(QKeyEvent *event)
{
    if (m_escapeCorrects && event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        done(Korrigieren);
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace shell
