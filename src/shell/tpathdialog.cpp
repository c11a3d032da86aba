#include "shell/tpathdialog.h"

#include "shell/tchoosepathbox.h"

#include <QDir>
#include <QLineEdit>

namespace shell {

bool TPathDialog::Execute(QWidget *parent)
{
    TChoosePathBox box(parent);
    if (!Path.isEmpty()) {
        box.setDirectory(Path);
        box.EditPath->setText(Path);
    }
    if (!Title.isEmpty())
        box.setWindowTitle(Title);
    box.EditFileName->setText(FileName);
    const bool confirmed = box.exec() == QDialog::Accepted;
    Path = QDir::fromNativeSeparators(box.EditPath->text());
    return confirmed;
}

} // namespace shell
