#pragma once

#include "masterdata/masterdatawindow.h"
#include "masterdata/pickrecords.h"

namespace masterdata {

// "Unterlagen": the codes and qualifiers of the supporting documents an
// electronic export declaration quotes, with their explanations, in the
// order they were entered. Kept from the menu; also the pick list of the
// declaration's document list.
MasterDataDefinition supportingDocumentDefinition();

class TfrmUnterlagen : public MasterDataWindow
{
    Q_OBJECT
public:
    explicit TfrmUnterlagen(QWidget *parent = nullptr);

    // The window for keeping the table, without the pick buttons.
    static void ShowEditor(QWidget *parent = nullptr);
    // The window with "Abbruch" and "Übernehmen"; on "Übernehmen" the
    // current document's code and qualifier go into the record (five
    // characters each) and the result is true; otherwise the record stays.
    static bool SelectDocument(TDocumentCodeRecord &record, QWidget *parent = nullptr);
};

} // namespace masterdata
