#include "masterdata/translations.h"

#include "masterdata/masterdatatables.h"
#include "platform/table.h"
#include "shell/buttonlook.h"
#include "shell/editabledatasetmodel.h"
#include "shell/failedsave.h"
#include "shell/twheeldbgrid.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace masterdata {

Tfrmuebersetzungen::Tfrmuebersetzungen(QWidget *parent)
    : QDialog(parent)
    , DBGrid1(new shell::TWheelDBGrid(this))
    , btnOK(new QPushButton(QStringLiteral("OK"), this))
    , btnAbbruch(new QPushButton(QStringLiteral("Abbruch"), this))
    , m_table(new platform::Table(platform::Alias::Data, Tables::Translations, this))
{
    setObjectName(QStringLiteral("frmuebersetzungen"));
    setWindowTitle(QStringLiteral("Übersetzungen"));
    setSizeGripEnabled(true);
    m_table->setObjectName(QStringLiteral("Table1"));
    shell::watchFailedSaves(*m_table);
    m_table->open();

    // The order print takes column f for Portuguese and s for Spanish.
    m_model = new shell::EditableDataSetModel(m_table,
        { { QStringLiteral("Bezeichnung"), QStringLiteral("Bezeichnung"), 180 },
            { QStringLiteral("a"), QStringLiteral("Deutsch"), 160 },
            { QStringLiteral("d"), QStringLiteral("Englisch"), 160 },
            { QStringLiteral("e"), QStringLiteral("Französisch"), 160 },
            { QStringLiteral("f"), QStringLiteral("Portugiesisch"), 160 },
            { QStringLiteral("s"), QStringLiteral("Spanisch"), 160 } },
        this);
    m_model->setReadOnlyFields({ QStringLiteral("Bezeichnung") });
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1->setModel(m_model);
    DBGrid1->setEditTriggers(
        QAbstractItemView::AnyKeyPressed | QAbstractItemView::EditKeyPressed | QAbstractItemView::DoubleClicked);

    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnAbbruch->setObjectName(QStringLiteral("btnAbbruch"));
    for (QPushButton *button : { btnOK, btnAbbruch })
        button->setAutoDefault(false);
    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnAbbruch, &QPushButton::clicked, this, &QDialog::reject);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnOK);
    buttons->addWidget(btnAbbruch);
    auto *main = new QVBoxLayout(this);
    main->addWidget(DBGrid1, 1);
    main->addLayout(buttons);
    shell::applyRaisedButtonLook(this);
    resize(1000, 500);
}

void Tfrmuebersetzungen::done(int result)
{
    const bool keep = result == QDialog::Accepted;
    shell::finishCellEditing(DBGrid1, keep);
    if (m_table->isEditing()) {
        if (keep)
            m_table->post(); // a refused post keeps the window open with the entry
        else
            m_table->cancel();
    }
    QDialog::done(result);
}

} // namespace masterdata
