#include "masterdata/selectionwindow.h"

#include "masterdata/picktargets.h"
#include "masterdata/redrowmodel.h"
#include "platform/reportedcall.h"
#include "platform/table.h"
#include "platform/tableschema.h"
#include "shell/buttonlook.h"
#include "shell/twheeldbgrid.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QVBoxLayout>

namespace masterdata {

namespace {

bool isEnter(const QKeyEvent *event)
{
    return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}

} // namespace

SelectionWindow::SelectionWindow(const SelectionDefinition &definition, QWidget *parent)
    : QDialog(parent)
    , m_definition(definition)
{
    const QString &className = m_definition.className;
    setObjectName(className.startsWith(QLatin1Char('T')) ? className.mid(1) : className);
    setWindowTitle(m_definition.caption);

    m_table = new platform::Table(platform::Alias::Data, m_definition.table, this);
    m_table->setObjectName(QStringLiteral("Table1"));
    m_table->setFilterCaseInsensitive(true);
    if (!m_definition.order.isEmpty())
        m_table->setIndexFieldNames(m_definition.order);
    m_table->open();

    if (m_definition.redRowField.isEmpty())
        m_model = new platform::DataSetModel(m_table, m_definition.columns, this);
    else
        m_model = new RedRowModel(m_table, m_definition.columns, m_definition.redRowField, this);
    m_grid = new shell::TWheelDBGrid(this);
    m_grid->setObjectName(QStringLiteral("DBGrid1"));
    m_grid->setModel(m_model);
    m_grid->installEventFilter(this);
    connect(m_grid, &QAbstractItemView::doubleClicked, this, &QDialog::accept);

    m_cancel = new QPushButton(QStringLiteral("Abbrechen"), this);
    m_cancel->setObjectName(QStringLiteral("BitBtn2"));
    m_take = new QPushButton(QStringLiteral("Übernehmen"), this);
    m_take->setObjectName(QStringLiteral("BitBtn1"));
    for (QPushButton *button : { m_cancel, m_take })
        button->setAutoDefault(false);
    connect(m_take, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_cancel);
    buttons->addStretch();
    buttons->addWidget(m_take);
    auto *main = new QVBoxLayout(this);
    main->addWidget(m_grid, 1);
    main->addLayout(buttons);
    shell::applyRaisedButtonLook(this);
    resize(560, 234);
}

bool SelectionWindow::typeAhead(const QString &text)
{
    if (text.size() != 1)
        return false;
    const QChar c = text.at(0);
    if (m_definition.keys == TypeAheadKeys::LettersAndDigits) {
        const bool asciiLetterOrDigit = c.unicode() < 128 && c.isLetterOrNumber();
        if (!asciiLetterOrDigit)
            return false;
    } else if (!c.isPrint()) {
        return false;
    }
    // Only the one character typed is searched; there is no accumulation.
    m_table->setIndexName(m_definition.searchIndex);
    m_table->findNearest({ text });
    return true;
}

void SelectionWindow::accept()
{
    if (m_tag != 0)
        writePickTarget(m_definition.className, m_tag, *m_table);
    QDialog::accept();
}

bool SelectionWindow::eventFilter(QObject *watched, QEvent *event)
{
    return platform::filterReported(this, [&]() -> bool {
        if (watched == m_grid && event->type() == QEvent::KeyPress) {
            auto *key = static_cast<QKeyEvent *>(event);
            if (isEnter(key)) {
                accept();
                return true;
            }
            if (key->key() == Qt::Key_Escape) {
                reject();
                return true;
            }
            if (typeAhead(key->text()))
                return true;
        }
        return QDialog::eventFilter(watched, event);
    });
}

void SelectionWindow::keyPressEvent(QKeyEvent *event)
{
    platform::runReported(this, [&] {
        if (isEnter(event)) {
            accept();
            return;
        }
        if (event->key() == Qt::Key_Escape) {
            reject();
            return;
        }
        if (typeAhead(event->text()))
            return;
        QDialog::keyPressEvent(event);
    });
}

} // namespace masterdata
