#pragma once

#include <QDialog>
#include <QVector>

class QPushButton;

namespace platform {
class DataEdit;
class Session;
}

namespace masterdata {

// The five text languages in their fixed order: key letter and the name a
// new data directory gives them.
struct TextLanguage {
    QString key; // Skz: "d", "e", "f", "p", "s"
    QString name;
};
const QVector<TextLanguage> &textLanguages();

// The number (1 to 5) of the language with that key, ignoring case; 0 for
// any other key.
int languageNumber(const QString &key);

// A new data directory's language table: the five languages in key order,
// named as the parameter record names them (Sprache1 to Sprache5), which
// takes the usual names where it has none. A table with rows is left alone.
void fillLanguageTable(platform::Session &session);

// "Parameter - Sprachen": the five language names of the main window's
// parameter record. The main window posts or cancels the record after the
// window closes (OK or Cancel) and copies the names into the language
// table on OK.
class Tfrmsprachen : public QDialog
{
    Q_OBJECT
public:
    explicit Tfrmsprachen(QWidget *parent = nullptr);

    platform::DataEdit *edit(int language) const { return m_edits.value(language - 1); }

    QPushButton *btnOK;
    QPushButton *btnAbbruch;

private:
    QVector<platform::DataEdit *> m_edits;
};

} // namespace masterdata
