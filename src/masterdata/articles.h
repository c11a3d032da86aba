#pragma once

#include "masterdata/listprint.h"
#include "masterdata/masterdatawindow.h"

class QPushButton;

namespace masterdata {

// "Artikelverwaltung": the company's articles with six description lines in
// each of the five text languages.
MasterDataDefinition articleDefinition();
// "Artikel Stammdaten", five articles a sheet, by article number.
ListLayout articleListLayout();

class TfrmArtikel : public MasterDataWindow
{
    Q_OBJECT
public:
    // The text languages in the order of Sprache1 to Sprache5.
    enum Language { German, English, French, Portuguese, Spanish };
    static constexpr int LanguageCount = 5;
    static constexpr int DescriptionLines = 6;

    explicit TfrmArtikel(QWidget *parent = nullptr);

    // The language buttons, captioned with the parameter record's names.
    QPushButton *languageButton(Language language) const { return m_languageButtons.at(language); }
    // A language button: a pending change is posted and the six description
    // fields show that language's lines.
    void showLanguage(Language language);
    Language language() const { return m_language; }
    // The six description lines as the fields show them.
    QStringList descriptionLines() const;
    // The field of a description line (1 to 6) in a language: "bez1", "E1",
    // "f1", "p1", "s1".
    static QString descriptionField(Language language, int line);

    // The number "Artikel hinzufügen" proposes: one above the last number
    // typed (0 at first), skipping numbers in use.
    QString proposeArticleNumber();
    // "Artikel hinzufügen"
    void addArticle();
    int lastArticleNumber() const { return m_lastNumber; }

    // The article window with its pick buttons; the German description of
    // the chosen article, its six lines joined by single blanks, or an empty
    // text when cancelled.
    static QString SelectArticleText(QWidget *parent = nullptr);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QVector<QPushButton *> m_languageButtons;
    Language m_language = German;
    int m_lastNumber = 0;
};

} // namespace masterdata
