#pragma once

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace shell {

// The window of TPathDialog: the path edit, a drive box (on this system the
// root folder, the home folder and mounted removable media), the folder list
// and the buttons "OK" and "Abbruch". When a file name is set, "OK" is enabled
// only while the listed folder holds that file.
class TChoosePathBox : public QDialog
{
    Q_OBJECT
public:
    explicit TChoosePathBox(QWidget *parent = nullptr);

    // The folder the list shows; a folder that does not exist is ignored.
    QString directory() const { return m_directory; }
    bool setDirectory(const QString &directory);
    // The drives offered: root, home and mounted media.
    static QStringList driveRoots();

    void done(int result) override;

    QLabel *LabelPath;
    QLineEdit *EditPath;
    QLabel *LabelDrive;
    QComboBox *DriveComboBox1;
    QLabel *LabelDirectory;
    QListWidget *DirectoryListBox1;
    QLineEdit *EditFileName; // hidden: the file that must exist
    QPushButton *BtnUebernehmen; // hidden: copies the listed folder into EditPath
    QPushButton *BtnOK;
    QPushButton *BtnAbbruch;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void fillList();
    void fillDrives();
    void checkFile();
    void directoryChanged(bool keepPath);
    void itemOpened(QListWidgetItem *item);

    QString m_directory;
    bool m_shown = false;
};

} // namespace shell
