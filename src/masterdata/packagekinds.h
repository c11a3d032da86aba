#pragma once

#include "masterdata/listprint.h"
#include "masterdata/masterdatawindow.h"

#include <QStringList>

namespace masterdata {

// "Packstücke": package kinds with their designation in the five text
// languages, named after the parameter record; also the pick list of
// package kinds, with a count for the caller ("Anzahl :", Edit2).
MasterDataDefinition packageKindDefinition();
ListLayout packageKindListLayout();

// Sprache1 to Sprache5 of the parameter record, empty where it has none.
QStringList languageNames();

class TfrmPackst : public MasterDataWindow
{
    Q_OBJECT
public:
    explicit TfrmPackst(QWidget *parent = nullptr);

    // The count typed into "Anzahl :" ("1" unless the user changed it).
    QString count() const;

    // The window on the code (located ignoring case; the first kind when it
    // is empty or not there); the chosen code, or an empty text.
    static QString SelectPackageKind(const QString &startCode, QWidget *parent = nullptr);
    // The designation of the code, ignoring case, without showing anything;
    // an empty text for an empty or unknown code.
    static QString LookupPackageKindName(const QString &code);
};

} // namespace masterdata
