#pragma once

#include "masterdata/listprint.h"
#include "masterdata/masterdatawindow.h"

namespace masterdata {

// "Präferenzklausel": clause codes with six text lines; also the pick list
// of the order window (pick buttons "Übernehmen" and "Abbrechen").
MasterDataDefinition preferenceClauseDefinition();
ListLayout preferenceClauseListLayout();

class TfrmPraef : public MasterDataWindow
{
    Q_OBJECT
public:
    explicit TfrmPraef(QWidget *parent = nullptr);
};

} // namespace masterdata
