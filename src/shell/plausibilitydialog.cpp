#include "shell/plausibilitydialog.h"

#include "platform/reportedcall.h"
#include "shell/buttonlook.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace shell {

PlausibilityDialog::PlausibilityDialog(const PlausibilityDefinition &definition, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(definition.objectName);
    setWindowTitle(definition.caption);
    auto *layout = new QVBoxLayout(this);
    auto *groups = new QHBoxLayout;
    const QString look = definition.boldGroupTitle
        ? QStringLiteral("QGroupBox { color: red; font-weight: bold; } QCheckBox { color: blue; font-weight: normal; }")
        : QStringLiteral("QGroupBox { color: red; } QCheckBox { color: blue; }");
    QVector<QGridLayout *> grids;
    QVector<QVector<int>> rows { definition.rows };
    for (int g = 0; g <= definition.moreGroups.size(); ++g) {
        auto *box = new QGroupBox(g == 0 ? definition.group : definition.moreGroups.at(g - 1).caption, this);
        box->setObjectName(QStringLiteral("GroupBox%1").arg(g + 1));
        box->setStyleSheet(look);
        grids.append(new QGridLayout(box));
        if (g > 0)
            rows.append(definition.moreGroups.at(g - 1).rows);
        // The user reads the marks; only the caller ticks them.
        box->setEnabled(false);
        box->setVisible(definition.onlyGroup < 0 || definition.onlyGroup == g);
        groups->addWidget(box, g == 0 ? 2 : 1);
        m_groups.append(box);
    }
    GroupBox1 = m_groups.constFirst();
    struct Place {
        int row = 0;
        int column = 0;
        int rowIndex = 0;
    };
    QVector<Place> places(m_groups.size());
    for (int i = 0; i < definition.boxes.size(); ++i) {
        const int g = std::clamp(definition.boxes.at(i).group, 0, int(m_groups.size()) - 1);
        auto *box = new QCheckBox(definition.boxes.at(i).caption, m_groups.at(g));
        box->setObjectName(QStringLiteral("CheckBox%1").arg(i + 1));
        Place &place = places[g];
        grids.at(g)->addWidget(box, place.row, place.column);
        box->setVisible(!definition.boxes.at(i).hidden);
        m_boxes.append(box);
        const int perRow = place.rowIndex < rows.at(g).size() ? rows.at(g).at(place.rowIndex) : 1;
        if (++place.column >= perRow) {
            place.column = 0;
            ++place.row;
            ++place.rowIndex;
        }
    }
    layout->addLayout(groups);

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
    connect(BtnSchliessen, &QPushButton::clicked, this, platform::reported(this, &PlausibilityDialog::reject));
    applyRaisedButtonLook(this);
    resize(definition.size);
}

QCheckBox *PlausibilityDialog::checkBox(int index) const
{
    return index >= 0 && index < m_boxes.size() ? m_boxes.at(index) : nullptr;
}

QGroupBox *PlausibilityDialog::group(int index) const
{
    return m_groups.value(index);
}

void PlausibilityDialog::reject()
{
    done(Schliessen);
}

void PlausibilityDialog::keyPressEvent(QKeyEvent *event)
{
    platform::runReported(this, [&] {
        if (m_escapeCorrects && event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
            done(Korrigieren);
            return;
        }
        QDialog::keyPressEvent(event);
    });
}

} // namespace shell
