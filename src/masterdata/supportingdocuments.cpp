#include "masterdata/supportingdocuments.h"

#include "masterdata/masterdatatables.h"
#include "platform/field.h"
#include "platform/table.h"

#include <QToolButton>

namespace masterdata {

MasterDataDefinition supportingDocumentDefinition()
{
    MasterDataDefinition d;
    d.className = QStringLiteral("TfrmUnterlagen");
    d.caption = QStringLiteral("Unterlagen");
    d.table = Tables::SupportingDocuments;
    d.columns = {
        { QStringLiteral("Code"), {} },
        { QStringLiteral("Quali"), QStringLiteral("Qualifikation") },
        { QStringLiteral("Text"), {}, 400 },
    };
    d.groups = { { {},
        { { .objectName = QStringLiteral("DBEdit1"), .field = QStringLiteral("Code"), .label = QStringLiteral("Code") },
            { .objectName = QStringLiteral("DBEdit2"),
                .field = QStringLiteral("Quali"),
                .label = QStringLiteral("Qualifikation") },
            { .objectName = QStringLiteral("DBMemo1"),
                .field = QStringLiteral("Text"),
                .label = QStringLiteral("Text"),
                .kind = ControlKind::Memo } } } };
    d.navigator = true;
    d.focusField = QStringLiteral("Code");
    d.doubleClickTakes = false;
    d.gridEnter = GridEnter::Nothing;
    d.hasPrint = false;
    d.hasSearch = false;
    d.closeCaption = QStringLiteral("Schließen");
    d.labelsInFormFont = true;
    // A refused post reaches the error dialog with the database's message.
    d.failedSaveMessage = false;
    return d;
}

TfrmUnterlagen::TfrmUnterlagen(QWidget *parent)
    : MasterDataWindow(supportingDocumentDefinition(), parent)
{
    // This window's buttons stay flat whatever the option says.
    for (QToolButton *button : findChildren<QToolButton *>())
        button->setAutoRaise(true);
}

void TfrmUnterlagen::ShowEditor(QWidget *parent)
{
    TfrmUnterlagen window(parent);
    window.exec();
}

bool TfrmUnterlagen::SelectDocument(TDocumentCodeRecord &record, QWidget *parent)
{
    TfrmUnterlagen window(parent);
    window.setPickMode(true);
    if (window.exec() != QDialog::Accepted)
        return false;
    record.Code = window.table().fieldByName(QStringLiteral("Code")).asString();
    record.Quali = window.table().fieldByName(QStringLiteral("Quali")).asString();
    return true;
}

} // namespace masterdata
