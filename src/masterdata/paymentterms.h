#pragma once

#include "masterdata/listprint.h"
#include "masterdata/masterdatawindow.h"

#include <QStringList>

class QAbstractButton;
class QButtonGroup;

namespace platform {
class DataEdit;
}

namespace masterdata {

// The lines of a text kept in the five text languages: the field prefix of
// each language in button order (1 German ... 4 Portuguese, 5 Spanish) and
// how many lines a text has.
struct LanguageLines {
    QStringList prefixes;
    int lines = 0;
    QStringList designCaptions; // button captions without a parameter record
};

// "Zahlungsbedingung" (five lines a term) and "Rechnungsklauseln" (ten
// lines a clause), with their lists.
MasterDataDefinition paymentTermDefinition();
ListLayout paymentTermListLayout();
MasterDataDefinition invoiceClauseDefinition();
ListLayout invoiceClauseListLayout();

// A master-data window over a text table in five languages: the line
// fields show one language at a time, chosen with five exclusive buttons
// named after the parameter record's languages. Picking: press the button
// of the wanted language, show the window with its pick buttons and, after
// OK, read lineTexts().
class LanguageTextWindow : public MasterDataWindow
{
    Q_OBJECT
public:
    LanguageTextWindow(const MasterDataDefinition &definition, LanguageLines lines, QWidget *parent = nullptr);

    // The language shown, 1 to 5.
    int language() const { return m_language; }
    QAbstractButton *languageButton(int language) const;
    // Sets the button down and clicks it.
    void pressLanguageButton(int language);
    // Stores a record being edited and binds the line fields to the
    // language's fields; when the record cannot be stored the language
    // shown stays.
    void showLanguage(int language);
    // The line fields as they are shown.
    QStringList lineTexts() const;
    platform::DataEdit *lineEdit(int line) const { return m_lineEdits.value(line - 1); }

private:
    LanguageLines m_lines;
    QVector<platform::DataEdit *> m_lineEdits;
    QButtonGroup *m_languageButtons;
    int m_language = 1;
};

class TfrmZahlung : public LanguageTextWindow
{
    Q_OBJECT
public:
    explicit TfrmZahlung(QWidget *parent = nullptr);
};

class TfrmKlausel : public LanguageTextWindow
{
    Q_OBJECT
public:
    explicit TfrmKlausel(QWidget *parent = nullptr);
};

} // namespace masterdata
