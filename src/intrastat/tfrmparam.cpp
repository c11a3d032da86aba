#include "intrastat/tfrmparam.h"

#include "platform/dataedit.h"
#include "platform/dialogservice.h"
#include "platform/field.h"
#include "platform/table.h"
#include "shell/buttonlook.h"
#include "shell/documentroutines.h"
#include "shell/failedsave.h"
#include "shell/parameterrecord.h"
#include "shell/reportedcall.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QShowEvent>
#include <QVBoxLayout>

namespace intrastat {

Tfrmparam *frmparam = nullptr;

bool isValidFileName(const QString &name)
{
    static const QRegularExpression identifier(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*$"));
    return identifier.match(name).hasMatch();
}

QString invalidFileNameMessage(const QString &name)
{
    return QStringLiteral("\" ") + name + QStringLiteral(" \"") + QStringLiteral(" ist kein gültiger Dateiname !");
}

Tfrmparam::Tfrmparam(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("frmparam"));
    setWindowTitle(QStringLiteral("Parameter Intrastat-Daten - Export"));
    frmparam = this;
    m_table = std::make_unique<platform::Table>(platform::Alias::Data, shell::ParameterTableName);
    shell::watchFailedSaves(*m_table);
    m_table->open();

    auto *layout = new QVBoxLayout(this);
    auto *grid = new QGridLayout;
    QFont courier(QStringLiteral("Courier New"));
    const auto nameEdit = [this, &courier](const QString &objectName, const QString &field) {
        auto *edit = new platform::DataEdit(this);
        edit->setObjectName(objectName);
        edit->setFont(courier);
        edit->bind(m_table.get(), field);
        return edit;
    };
    DBEdit1 = nameEdit(QStringLiteral("DBEdit1"), QStringLiteral("Dateinamen"));
    DBEdit2 = nameEdit(QStringLiteral("DBEdit2"), QStringLiteral("Dateinamen2"));
    grid->addWidget(new QLabel(QStringLiteral("Datei Namen Versendung"), this), 0, 0);
    grid->addWidget(DBEdit1, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Datei Namen Eingang"), this), 1, 0);
    grid->addWidget(DBEdit2, 1, 1);
    layout->addLayout(grid);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    BtnOK = new QPushButton(QStringLiteral("OK"), this);
    BtnAbbrechen = new QPushButton(QStringLiteral("Abbrechen"), this);
    buttons->addWidget(BtnOK);
    buttons->addWidget(BtnAbbrechen);
    layout->addLayout(buttons);
    connect(BtnOK, &QPushButton::clicked, this, [this] { shell::runReported(this, [this] { okClicked(); }); });
    connect(
        BtnAbbrechen, &QPushButton::clicked, this, [this] { shell::runReported(this, [this] { cancelClicked(); }); });
    shell::applyRaisedButtonLook(this);
    resize(360, 120);
}

Tfrmparam::~Tfrmparam()
{
    if (frmparam == this)
        frmparam = nullptr;
}

QString Tfrmparam::fileName(bool isDispatch)
{
    return m_table->fieldByName(isDispatch ? QStringLiteral("Dateinamen") : QStringLiteral("Dateinamen2")).asString();
}

void Tfrmparam::showEvent(QShowEvent *event)
{
    platform::runReported(this, [&] {
        QDialog::showEvent(event);
        if (!event->spontaneous())
            shell::EditIfBrowsing(*m_table);
    });
}

void Tfrmparam::okClicked()
{
    m_table->updateRecord();
    bool valid = true;
    for (platform::DataEdit *edit : { DBEdit1, DBEdit2 }) {
        const QString name = edit->text();
        if (!isValidFileName(name)) {
            platform::dialogs().error(invalidFileNameMessage(name));
            edit->setFocus();
            valid = false;
        }
    }
    if (!valid)
        return;
    shell::PostIfEditing(*m_table);
    m_closing = true;
    accept();
    m_closing = false;
}

void Tfrmparam::cancelClicked()
{
    shell::cancelIfEditing(*m_table);
    m_closing = true;
    reject();
    m_closing = false;
}

void Tfrmparam::done(int result)
{
    // Only the two buttons close the dialog.
    if (m_closing)
        QDialog::done(result);
}

} // namespace intrastat
