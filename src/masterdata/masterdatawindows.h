#pragma once

#include <QString>
#include <QStringList>

class QDialog;
class QWidget;

namespace masterdata {

// The windows of this library by their class name ("TfrmZoll"), as the main
// window opens them from its menus: created, shown modally and freed by the
// caller. nullptr for a name this library does not know.
QDialog *createMasterDataWindow(const QString &className, QWidget *parent = nullptr);
QStringList masterDataWindowClasses();

// Registers every window above as the main window's opener of its entry,
// with the company-data, languages and translations windows of the services
// menu and the two pick buttons of the options dialog.
void registerMasterdataWindows();

} // namespace masterdata
