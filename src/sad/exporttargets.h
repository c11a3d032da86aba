#pragma once

#include "sad/documentgenerator.h"

namespace sad {

// The documents the export declaration makes of itself ("&Wechseln"), in
// the order of the menu: the submenu each stands in and its target.
struct ExportTarget {
    QString submenu; // "&Export-Papiere", "&Versand-Papiere"
    QString caption; // the menu item
    GeneratorTarget target;
};
const QVector<ExportTarget> &exportDeclarationTargets();
// The target of a kind key ("EUR1"); nullptr when the menu has none.
const GeneratorTarget *exportDeclarationTarget(const QString &kindKey);

} // namespace sad
