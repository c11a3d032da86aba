#pragma once

#include "intrastat/intrastattables.h"
#include "shell/documentregister.h"

#include <QDialog>
#include <QStringList>

class QRadioButton;
class QPushButton;

namespace intrastat {

// The kind of one direction as the shared register serves it.
shell::DocumentKind intrastatKind(bool isDispatch);

// "Regiezentrum: Intrastat": the register of the Intrastat declarations of
// one direction, fixed when it is created. Creating it makes sure both
// directions have their templates and brings the position count of every
// declaration of both directions up to date; afterwards it works on the
// direction's head and position tables only. Its entry, position, print
// and statistics-file windows read the direction from it.
class TfrmRegieIntrastat : public shell::DocumentRegister
{
    Q_OBJECT
public:
    explicit TfrmRegieIntrastat(bool isDispatch, QWidget *parent = nullptr);
    ~TfrmRegieIntrastat() override;

    bool IsDispatch() const { return m_direction.isDispatch; }
    const Direction &direction() const { return m_direction; }

    // The text values of the template's first position, field by field,
    // captured when the entry window opens: the model of new positions.
    const QStringList &templatePosition() const { return m_templatePosition; }

    void bbtAendernClick() override;
    void SuchenRoutine(shell::TfrmSuche &dialog) override;
    // "&Diskette": the statistics file of a month.
    void BitBtn1Click();

    QToolButton *BitBtn1 = nullptr; // "&Diskette"

protected:
    bool createDocument(int number) override;
    void prepareSearch(shell::TfrmSuche &dialog) override;

private:
    void prepareOtherDirection();

    Direction m_direction;
    QStringList m_templatePosition;
};

// The Intrastat register while one exists.
extern TfrmRegieIntrastat *frmRegieIntrastat;

// "Auswahl für Intrastat": arrivals or dispatches ("Versendung" at start).
class TfrmIntrasta_EV : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmIntrasta_EV(QWidget *parent = nullptr);

    bool dispatchChosen() const;

    QRadioButton *RadioButton1 = nullptr; // "Eingang"
    QRadioButton *RadioButton2 = nullptr; // "Versendung"
    QPushButton *BtnOK = nullptr;
    QPushButton *BtnAbbruch = nullptr;
};

// The main window's "&Intrastat": the chooser, then the register of the
// chosen direction; nullptr when the chooser is cancelled.
QDialog *createIntrastatRegister(QWidget *parent);

} // namespace intrastat
