#include "shell/fieldcorrections.h"

#include "platform/field.h"
#include "platform/table.h"
#include "shell/printsettings.h"

namespace shell {

FieldCorrections FieldCorrections::load(const QString &name)
{
    FieldCorrections corrections;
    platform::Table table(platform::Alias::Data, FieldCorrectionsTable);
    table.open();
    if (!table.findKey({ name }))
        return corrections;
    for (int box = 1; box <= BoxCount; ++box) {
        corrections.set(box,
            QPoint(table.fieldByName(QStringLiteral("Feld%1x").arg(box)).asInteger(),
                table.fieldByName(QStringLiteral("Feld%1y").arg(box)).asInteger()));
    }
    return corrections;
}

QPoint FieldCorrections::of(int box) const
{
    return box >= 1 && box <= BoxCount ? m_boxes.at(box - 1) : QPoint();
}

void FieldCorrections::set(int box, QPoint correction)
{
    if (box >= 1 && box <= BoxCount)
        m_boxes.at(box - 1) = correction;
}

} // namespace shell
