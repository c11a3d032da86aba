#include "shell/tfrmparameter.h"

#include "platform/datacheckbox.h"
#include "platform/dataedit.h"
#include "platform/fielddatalink.h"
#include "platform/table.h"
#include "shell/buttonlook.h"
#include "shell/reportedcall.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>
#include <QVBoxLayout>

namespace shell {

TfrmParameter::TfrmParameter(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("frmParameter"));
    setWindowTitle(QStringLiteral("Parameter"));

    auto *layout = new QVBoxLayout(this);
    auto *panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFrameShape(QFrame::StyledPanel);
    auto *fields = new QVBoxLayout(panel);
    Label1 = new QLabel(QStringLiteral("Nächste Nummer"), panel);
    Label1->setObjectName(QStringLiteral("Label1"));
    fields->addWidget(Label1);
    DBEdit1 = new platform::DataEdit(panel);
    DBEdit1->setObjectName(QStringLiteral("DBEdit1"));
    QFont courier(QStringLiteral("Courier New"));
    courier.setStyleHint(QFont::Monospace);
    DBEdit1->setFont(courier);
    fields->addWidget(DBEdit1);
    DBCheckBox1 = new platform::DataCheckBox(QStringLiteral("Plausibilität"), panel);
    DBCheckBox1->setObjectName(QStringLiteral("DBCheckBox1"));
    fields->addWidget(DBCheckBox1);
    Label2 = new QLabel(QStringLiteral("UmsatzsteuerNummer"), panel);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->hide();
    fields->addWidget(Label2);
    DBEdit2 = new platform::DataEdit(panel);
    DBEdit2->setObjectName(QStringLiteral("DBEdit2"));
    DBEdit2->hide();
    fields->addWidget(DBEdit2);
    layout->addWidget(panel);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    BtnOK = new QToolButton(this);
    BtnOK->setObjectName(QStringLiteral("BtnOK"));
    BtnOK->setText(QStringLiteral("OK"));
    BtnAbbrechen = new QToolButton(this);
    BtnAbbrechen->setObjectName(QStringLiteral("BtnAbbrechen"));
    BtnAbbrechen->setText(QStringLiteral("Abbrechen"));
    buttons->addWidget(BtnOK);
    buttons->addWidget(BtnAbbrechen);
    layout->addLayout(buttons);
    connect(BtnOK, &QToolButton::clicked, this, &QDialog::accept);
    connect(BtnAbbrechen, &QToolButton::clicked, this, &QDialog::reject);

    applyRaisedButtonLook(this);
}

void TfrmParameter::SetPreStampFiles(const QString &firstFile, const QString &secondFile, const QString &memoField)
{
    m_preStampFile1 = firstFile;
    m_preStampFile2 = secondFile;
    m_preStampMemo = memoField;
}

void TfrmParameter::done(int result)
{
    if (result == QDialog::Accepted) {
        const bool written = runReported(this, [this] {
            for (platform::DataEdit *edit : { DBEdit1, DBEdit2 }) {
                if (platform::DataSet *dataSet = edit->dataLink()->dataSet())
                    dataSet->updateRecord();
            }
        });
        if (!written)
            return;
    }
    QDialog::done(result);
}

bool runParameterDialog(platform::Table &parameter, const ParameterFields &fields, bool refreshFirst, QWidget *parent)
{
    if (refreshFirst && !parameter.isEditing())
        parameter.refresh();
    TfrmParameter dialog(parent);
    if (!fields.preStampFile1.isEmpty() || !fields.preStampFile2.isEmpty())
        dialog.SetPreStampFiles(fields.preStampFile1, fields.preStampFile2, fields.preStampMemo);
    dialog.DBEdit1->bind(&parameter, fields.proposal);
    if (fields.plausi.isEmpty())
        dialog.DBCheckBox1->hide();
    else
        dialog.DBCheckBox1->bind(&parameter, fields.plausi);
    const bool confirmed = dialog.exec() == QDialog::Accepted;
    if (confirmed) {
        if (parameter.isEditing())
            parameter.post();
    } else if (parameter.isEditing()) {
        parameter.cancel();
    }
    return confirmed;
}

bool runVatParameterDialog(platform::Table &parameter, QWidget *parent)
{
    if (!parameter.isActive())
        parameter.open();
    if (!parameter.isEditing())
        parameter.edit();
    TfrmParameter dialog(parent);
    dialog.DBEdit1->bind(&parameter, QStringLiteral("Mwst"));
    dialog.Label1->setText(QStringLiteral("MWST"));
    dialog.Label2->show();
    dialog.DBEdit2->bind(&parameter, QStringLiteral("Ustnr"));
    dialog.DBEdit2->show();
    dialog.DBCheckBox1->hide();
    const bool confirmed = dialog.exec() == QDialog::Accepted;
    if (confirmed)
        parameter.post();
    else
        parameter.cancel();
    return confirmed;
}

} // namespace shell
