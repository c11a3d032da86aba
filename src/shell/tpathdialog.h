#pragma once

#include <QString>

class QWidget;

namespace shell {

// Folder chooser. Path is the start folder on entry and the chosen folder
// on return; with a FileName only a folder holding that file can be
// confirmed (a table file such as "Rechnung.DB" counts when the folder's
// database holds the table).
class TPathDialog
{
public:
    QString Title;
    QString FileName;
    QString Path;

    // Shows the window; Path takes the path edit's text whatever closed it.
    // True only when closed with "OK".
    bool Execute(QWidget *parent = nullptr);
};

} // namespace shell
