#include "masterdata/procedurecodes.h"

#include "masterdata/masterdatatables.h"
#include "platform/field.h"
#include "platform/table.h"

namespace masterdata {

MasterDataDefinition procedureCodeDefinition(int subField)
{
    const QString number = QString::number(subField);
    MasterDataDefinition d;
    d.className = QStringLiteral("TfrmEinh_Verfahren") + number;
    d.caption = QStringLiteral("Verfahren für Einheitspapiere %1. Unterfeld").arg(subField);
    d.table = subField == 1 ? Tables::ProcedureCodes1 : Tables::ProcedureCodes2;
    d.columns = { { QStringLiteral("Code"), {} }, { QStringLiteral("Bezeichnung"), {}, 400 } };
    d.groups = { { {},
        {
            { .objectName = QStringLiteral("DBEdit1"),
                .field = QStringLiteral("Code"),
                .label = QStringLiteral("Code") },
            { .objectName = QStringLiteral("DBMemo1"),
                .field = QStringLiteral("Bezeichnung"),
                .label = QStringLiteral("Bezeichnung"),
                .kind = ControlKind::Memo },
        } } };
    d.navigator = true;
    d.focusField = QStringLiteral("Code");
    d.takeName = QStringLiteral("SpeedButton2");
    d.cancelCaption = QStringLiteral("Abbrechen");
    d.cancelName = QStringLiteral("SpeedButton1");
    d.gridEnter = GridEnter::Nothing;
    d.hasPrint = false;
    d.hasSearch = false;
    d.closeCaption = QStringLiteral("Schließen");
    // These windows keep their own look, and a failed post reaches the
    // error dialog.
    d.displaySettings = false;
    d.failedSaveMessage = false;
    d.setup = [](MasterDataWindow &window) { window.openTables(); };
    return d;
}

ProcedureCodeWindow::ProcedureCodeWindow(int subField, QWidget *parent)
    : MasterDataWindow(procedureCodeDefinition(subField), parent)
{
    resize(560, 420);
}

void ProcedureCodeWindow::moveToCode(const QString &code)
{
    if (!table().locate(QStringLiteral("Code"), { code }))
        table().last();
}

QString ProcedureCodeWindow::code() const
{
    return table().fieldByName(QStringLiteral("Code")).asString();
}

QString ProcedureCodeWindow::selectCode(ProcedureCodeWindow &window, const QString &startCode)
{
    if (!startCode.isEmpty())
        window.table().locate(QStringLiteral("Code"), { startCode }, { .caseInsensitive = true });
    window.setPickMode(true);
    return window.exec() == QDialog::Accepted ? window.code() : QString();
}

TfrmEinh_Verfahren1::TfrmEinh_Verfahren1(QWidget *parent)
    : ProcedureCodeWindow(1, parent)
{
}

QString TfrmEinh_Verfahren1::SelectProcedureCode(const QString &startCode, QWidget *parent)
{
    TfrmEinh_Verfahren1 window(parent);
    return selectCode(window, startCode);
}

TfrmEinh_Verfahren2::TfrmEinh_Verfahren2(QWidget *parent)
    : ProcedureCodeWindow(2, parent)
{
}

QString TfrmEinh_Verfahren2::SelectProcedureCode(const QString &startCode, QWidget *parent)
{
    TfrmEinh_Verfahren2 window(parent);
    return selectCode(window, startCode);
}

} // namespace masterdata
