#pragma once

#include <QDialog>

class QComboBox;
class QLabel;
class QPushButton;

namespace shell {
class RadioGroup;
}

namespace masterdata {

// "Datenbankformat wählen": the format of the files master data are
// exchanged in, with the field separator and text delimiter of delimited
// text. The caller sets the format (an item index, -1 for none), shows the
// chooser when it wants a choice and reads the format, separator and
// delimiter. The result is Accepted when a format is chosen.
class TfrmDatenbank : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmDatenbank(QWidget *parent = nullptr);

    int format() const;
    void setFormat(int format);
    // The texts of the two drop-downs, and their first characters.
    QString separatorText() const;
    QString delimiterText() const;
    QChar separator() const;
    QChar delimiter() const;

    shell::RadioGroup *formatGroup() const { return m_formats; }
    QComboBox *separatorBox() const { return m_separator; }
    QComboBox *delimiterBox() const { return m_delimiter; }
    QPushButton *closeButton() const { return m_close; }

    // "Schließen": separator and delimiter must be one character each and
    // differ; then the window closes.
    void closeChooser();
    // Closing without a format asks whether to choose one.
    void reject() override;

private:
    void formatChosen(int format);
    void finish();

    shell::RadioGroup *m_formats;
    QLabel *m_separatorLabel;
    QComboBox *m_separator;
    QLabel *m_delimiterLabel;
    QComboBox *m_delimiter;
    QPushButton *m_close;
};

} // namespace masterdata
