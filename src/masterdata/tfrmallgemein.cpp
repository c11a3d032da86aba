#include "masterdata/tfrmallgemein.h"

#include "platform/datasetmodel.h"
#include "platform/reportedcall.h"
#include "shell/twheeldbgrid.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPushButton>
#include <QVBoxLayout>

namespace masterdata {

TfrmAllgemein::TfrmAllgemein(QWidget *parent)
    : QDialog(parent)
    , DBGrid1(new shell::TWheelDBGrid(this))
    , BitBtn2(new QPushButton(QStringLiteral("Abbrechen"), this))
    , BitBtn1(new QPushButton(QStringLiteral("Übernehmen"), this))
    , m_model(new platform::DataSetModel(this))
{
    setObjectName(QStringLiteral("frmAllgemein"));
    setWindowTitle(QStringLiteral("Übernahme"));
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1->verticalHeader()->show();
    DBGrid1->setModel(m_model);
    DBGrid1->installEventFilter(this);
    connect(DBGrid1, &QAbstractItemView::doubleClicked, this, &QDialog::accept);

    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    for (QPushButton *button : { BitBtn2, BitBtn1 }) {
        button->setAutoDefault(false);
        button->installEventFilter(this);
    }
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(BitBtn2);
    buttons->addStretch();
    buttons->addWidget(BitBtn1);
    auto *main = new QVBoxLayout(this);
    main->addWidget(DBGrid1, 1);
    main->addLayout(buttons);
    resize(600, 300);
}

void TfrmAllgemein::setDataSet(platform::DataSet *dataSet)
{
    // No columns: every field of the data set.
    m_model->setDataSet(dataSet);
}

bool TfrmAllgemein::handleKey(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        accept();
        return true;
    case Qt::Key_Escape:
        reject();
        return true;
    default:
        return false;
    }
}

bool TfrmAllgemein::eventFilter(QObject *watched, QEvent *event)
{
    return platform::filterReported(this, [&]() -> bool {
        // The window sees the keys before its controls.
        if (event->type() == QEvent::KeyPress && handleKey(static_cast<QKeyEvent *>(event)))
            return true;
        return QDialog::eventFilter(watched, event);
    });
}

void TfrmAllgemein::keyPressEvent(QKeyEvent *event)
{
    platform::runReported(this, [&] {
        if (!handleKey(event))
            QDialog::keyPressEvent(event);
    });
}

} // namespace masterdata
