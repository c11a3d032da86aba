#include "masterdata/preferenceclauses.h"

#include "masterdata/masterdatatables.h"

namespace masterdata {

MasterDataDefinition preferenceClauseDefinition()
{
    MasterDataDefinition d;
    d.className = QStringLiteral("TfrmPraef");
    d.caption = QStringLiteral("Präferenzklausel");
    d.table = Tables::PreferenceClauses;
    d.order = QStringLiteral("praefz");
    d.columns = { { QStringLiteral("praefz"), QStringLiteral("Präferenz") } };
    EditGroup group;
    group.fields.append({ .objectName = QStringLiteral("DBEdit1"),
        .field = QStringLiteral("praefz"),
        .label = QStringLiteral("Präferenz") });
    for (int line = 1; line <= 6; ++line) {
        d.columns.append({ QStringLiteral("text%1").arg(line), QStringLiteral("Bezeichnung %1").arg(line), 200 });
        group.fields.append({ .objectName = QStringLiteral("DBEdit%1").arg(line + 1),
            .field = QStringLiteral("text%1").arg(line),
            .label = line == 1 ? QStringLiteral("Bezeichnung") : QString() });
    }
    d.groups = { group };
    d.buttonHints = { QStringLiteral("Erste Präferenzklausel"), QStringLiteral("Vorherige Präferenzklausel"),
        QStringLiteral("Nächste Präferenzklausel"), QStringLiteral("Letzte Präferenzklausel"),
        QStringLiteral("Präferenzklausel hinzufügen"), QStringLiteral("Aktuelle Präferenzklausel löschen"),
        QStringLiteral("Aktuelle Präferenzklausel bearbeiten") };
    d.focusField = QStringLiteral("praefz");
    d.takeName = QStringLiteral("bbtUebernehmen");
    d.cancelCaption = QStringLiteral("Abbrechen");
    d.gridEnter = GridEnter::FocusFirst;
    d.searchKeys = { { QStringLiteral("Präferenz"), QStringLiteral("Praefz") },
        { QStringLiteral("Bezeichnung"), QStringLiteral("Text1") } };
    d.searchKeyOrder = QStringLiteral("Praefz");
    d.orderAfterSearch = QStringLiteral("Text1");
    d.listLayout = preferenceClauseListLayout;
    return d;
}

ListLayout preferenceClauseListLayout()
{
    ListLayout l;
    l.listName = QStringLiteral("Präferenzklauseln");
    l.table = Tables::PreferenceClauses;
    l.order = QStringLiteral("praefz");
    l.jobTitle = QStringLiteral("Export / Versand: Präferenzkluaseln");
    l.progressText = QStringLiteral("Die Präferenzklauseln werden gedruckt...");
    l.title = QStringLiteral("Präferenzkluaseln");
    l.titleX = 850;
    l.frameRight = 2020;
    l.frameBottom = 2560;
    l.recordsPerSheet = 6;
    l.step = 400;
    const QString reference = QStringLiteral("Präferenz : ");
    l.items = {
        listCaption(150, 200, QStringLiteral("Präferenz :")),
        listValue(150, 200, reference, QStringLiteral("praefz")),
        listCaption(150, 300, QStringLiteral("Text      :")),
        listValue(150, 300, reference, QStringLiteral("text1")),
    };
    for (int line = 2; line <= 6; ++line)
        l.items.append(listValue(150, 342 + 42 * (line - 2), reference, QStringLiteral("text%1").arg(line)));
    l.items.append(listLine(560));
    return l;
}

TfrmPraef::TfrmPraef(QWidget *parent)
    : MasterDataWindow(preferenceClauseDefinition(), parent)
{
}

} // namespace masterdata
