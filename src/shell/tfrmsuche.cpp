#include "shell/tfrmsuche.h"

#include "platform/dialogservice.h"
#include "shell/buttonlook.h"
#include "shell/radiogroup.h"
#include "shell/reportedcall.h"
#include "shell/twheeldbgrid.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include <limits>

namespace shell {

namespace {

bool isEnter(const QKeyEvent *event)
{
    return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}

} // namespace

TfrmSuche::TfrmSuche(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmSuche"));
    setWindowTitle(QStringLiteral("Stammdaten-Suche"));
    setSizeGripEnabled(true);

    auto *layout = new QHBoxLayout(this);
    auto *left = new QVBoxLayout;
    RadioGroup1 = new RadioGroup(QStringLiteral("Suche nach:"), this);
    RadioGroup1->setObjectName(QStringLiteral("RadioGroup1"));
    left->addWidget(RadioGroup1);
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    left->addWidget(Edit1);
    SpeedButton3 = new QToolButton(this);
    SpeedButton3->setObjectName(QStringLiteral("SpeedButton3"));
    SpeedButton3->setText(QStringLiteral("Suchen"));
    SpeedButton3->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    left->addWidget(SpeedButton3);
    left->addStretch();
    BtnUebernehmen = new QPushButton(QStringLiteral("Übernehmen"), this);
    BtnUebernehmen->setObjectName(QStringLiteral("BtnUebernehmen"));
    BtnAbbruch = new QPushButton(QStringLiteral("Abbruch"), this);
    BtnAbbruch->setObjectName(QStringLiteral("BtnAbbruch"));
    // Enter belongs to the edit and the grid, not to a default button.
    for (QPushButton *button : { BtnUebernehmen, BtnAbbruch }) {
        button->setAutoDefault(false);
        left->addWidget(button);
    }
    layout->addLayout(left);

    DBGrid1 = new TWheelDBGrid(this);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    layout->addWidget(DBGrid1, 1);

    connect(SpeedButton3, &QToolButton::clicked, this, reported(this, &TfrmSuche::search));
    connect(BtnUebernehmen, &QPushButton::clicked, this, &QDialog::accept);
    connect(BtnAbbruch, &QPushButton::clicked, this, &QDialog::reject);
    connect(Edit1, &QLineEdit::textChanged, this, reported(this, &TfrmSuche::edit1Changed));
    connect(RadioGroup1, &RadioGroup::itemClicked, this, [this] { Edit1->setFocus(); });
    connect(DBGrid1, &QAbstractItemView::doubleClicked, this, &QDialog::accept);
    Edit1->installEventFilter(this);
    DBGrid1->installEventFilter(this);

    applyRaisedButtonLook(this);
    resize(640, 360);
}

void TfrmSuche::setDataSet(platform::DataSet *dataSet, const QVector<platform::DataSetColumn> &columns)
{
    delete m_model;
    m_model = new platform::DataSetModel(dataSet, columns, this);
    DBGrid1->setModel(m_model);
}

void TfrmSuche::setSearchRoutine(SearchRoutine routine)
{
    m_routine = std::move(routine);
}

QString TfrmSuche::searchText() const
{
    return Edit1->text();
}

int TfrmSuche::searchKey() const
{
    return RadioGroup1->itemIndex();
}

void TfrmSuche::search()
{
    if (m_routine)
        runReported(this, [this] { m_routine(*this); });
}

void TfrmSuche::edit1Changed(const QString &text)
{
    if (text.isEmpty() || RadioGroup1->itemIndex() >= 0)
        return;
    platform::dialogs().error(QStringLiteral("Sie müßen erst angeben, nach was \rgesucht werden soll!"));
    Edit1->clear();
    RadioGroup1->setFocus();
}

bool TfrmSuche::eventFilter(QObject *watched, QEvent *event)
{
    return platform::filterReported(this, [&]() -> bool {
        if (event->type() == QEvent::KeyPress) {
            auto *key = static_cast<QKeyEvent *>(event);
            if (watched == Edit1 && isEnter(key)) {
                SpeedButton3->click();
                return true;
            }
            if (watched == DBGrid1 && isEnter(key)) {
                accept();
                return true;
            }
            if (watched == DBGrid1 && key->key() == Qt::Key_Escape) {
                reject();
                return true;
            }
        }
        return QDialog::eventFilter(watched, event);
    });
}

void TfrmSuche::keyPressEvent(QKeyEvent *event)
{
    platform::runReported(this, [&] {
        if (isEnter(event)) {
            accept();
            return;
        }
        QDialog::keyPressEvent(event);
    });
}

void TfrmSuche::showEvent(QShowEvent *event)
{
    platform::runReported(this, [&] {
        QDialog::showEvent(event);
        RadioGroup1->setFocus();
    });
}

platform::FilterCondition numberSearchCondition(const QString &field, const QString &text)
{
    bool ok = false;
    const qlonglong number = text.left(11).trimmed().toLongLong(&ok);
    if (!ok || number < std::numeric_limits<int>::min() || number > std::numeric_limits<int>::max())
        return { field, platform::FilterCondition::Op::IsNull, {}, false }; // a document number is never empty
    return platform::FilterCondition::equal(field, int(number));
}

platform::FilterCondition nameSearchCondition(const QString &field, const QString &text)
{
    QString prefix = text;
    while (prefix.endsWith(QLatin1Char('*')))
        prefix.chop(1);
    return platform::FilterCondition::prefix(field, prefix, true);
}

platform::FilterCondition caseSensitiveNameSearchCondition(const QString &field, const QString &text)
{
    platform::FilterCondition condition = nameSearchCondition(field, text);
    condition.caseInsensitive = false;
    return condition;
}

} // namespace shell
