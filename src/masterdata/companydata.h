#pragma once

#include <QDialog>
#include <QImage>

class QGroupBox;
class QLabel;

namespace platform {
class DataEdit;
class Table;
}

namespace masterdata {

// "Firmendaten": letterhead lines, footer and logo of the order print, kept
// in the main window's parameter record. A double click on the logo loads
// a picture; "&Schließen" also writes the logo shown to "Logo.Bmp" in the
// program directory, which the order print reads. Closing by any way stores
// what was edited.
class TfrmAuftr_de : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmAuftr_de(QWidget *parent = nullptr);

    platform::DataEdit *edit(const QString &field) const;
    QLabel *Image1; // the logo
    QGroupBox *GroupBox1; // "Kopfzeile"
    QGroupBox *GroupBox2; // "Fußzeile"

    // The double click on the logo: the file dialog, then the picture into
    // the parameter record. A file that holds no readable picture is
    // reported and changes nothing.
    void loadLogo();
    // "&Schließen"
    void Schliessen();

    void done(int result) override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showLogo();

    platform::Table *m_parameter;
    QVector<platform::DataEdit *> m_edits;
    QImage m_logo;
};

} // namespace masterdata
