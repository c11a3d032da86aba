#include "registertables.h"

#include "atlas/atlastables.h"
#include "courier/couriertables.h"
#include "courier/courierwindows.h"
#include "intrastat/intrastattables.h"
#include "intrastat/intrastatwindows.h"
#include "masterdata/countrylist.h"
#include "atlas/atlaswindows.h"
#include "masterdata/languages.h"
#include "masterdata/masterdatatables.h"
#include "masterdata/masterdatawindows.h"
#include "orders/orderprinttexts.h"
#include "orders/ordertables.h"
#include "orders/orderwindows.h"
#include "origin/origintables.h"
#include "origin/originwindows.h"
#include "sad/sadtables.h"
#include "sad/sadwindows.h"
#include "sad/tfrmeinheit_d.h"
#include "sad/tfrmeint2lprint.h"
#include "sad/tfrmeinheit_d2.h"
#include "sad/tfrmeversand_d.h"
#include "shell/parameterrecord.h"
#include "shell/printsettings.h"
#include "shell/shelltables.h"
#include "shell/users.h"
#include "transport/transporttables.h"
#include "transport/transportwindows.h"
#include "transport/dangerousgoodstables.h"
#include "transport/dangerousgoodswindows.h"

void registerTables()
{
    shell::registerShellTables();
    shell::registerPrintTables();
    masterdata::registerMasterdataTables();
    orders::registerOrderTables();
    origin::registerOriginTables();
    atlas::registerAtlasTables();
    courier::registerCourierTables();
    sad::registerSadTables();
    intrastat::registerIntrastatTables();
    transport::registerTransportTables();
    transport::registerDangerousGoodsTables();

    shell::addDataDirectoryStep([](platform::Session &session) { shell::ensureParameterRecord(session); });
    // After the parameter record: the language table takes its names.
    shell::addDataDirectoryStep(masterdata::fillLanguageTable);
    shell::addDataDirectoryStep(masterdata::fillCountryTable);
    shell::addDataDirectoryStep(masterdata::correctCountryNumbers);
    shell::addDataDirectoryStep(origin::addOriginPrintRows);
    shell::addDataDirectoryStep(orders::fillOrderPrintTexts);
    shell::addDataDirectoryStep(orders::addOrderPrintRows);
    shell::addDataDirectoryStep(courier::addCourierPrintRows);
    shell::addDataDirectoryStep(intrastat::addIntrastatPrintRows);
    shell::addDataDirectoryStep(sad::addExportPrintRows);
    shell::addDataDirectoryStep(sad::addImportPrintRows);
    shell::addDataDirectoryStep(sad::addTransitPrintRows);
    shell::addDataDirectoryStep(sad::addT2LPrintRows);
    shell::addDataDirectoryStep(transport::addDangerousGoodsRows);
}

void registerWindows()
{
    masterdata::registerMasterdataWindows();
    orders::registerOrderWindows();
    origin::registerOriginWindows();
    courier::registerCourierWindows();
    sad::registerSadWindows();
    atlas::registerAtlasWindows();
    intrastat::registerIntrastatWindows();
    transport::registerTransportWindows();
    transport::registerDangerousGoodsWindows();
}
