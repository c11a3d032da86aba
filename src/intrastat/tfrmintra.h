#pragma once

#include "shell/entrywindow.h"

class QCheckBox;
class QGroupBox;
class QToolButton;

namespace shell {
class TWheelDBGrid;
}

namespace intrastat {

class TfrmRegieIntrastat;

// "Genehmigungsprüfung Intrastat" of the head (boxes 1, 2 and 20) and of a
// position (boxes 6 to 19).
shell::PlausibilityDefinition intraHeadPlausibility();
shell::PlausibilityDefinition intraPositionPlausibility();

// The head window as data: boxes 1, 2, 4 and 20 of the form.
shell::EntryWindowDefinition intraEntryDefinition();

// "Intrastat": one declaration of the register's direction, its head
// boxes and the list of its positions with their commands.
class TfrmIntra : public shell::EntryWindow
{
    Q_OBJECT
public:
    explicit TfrmIntra(TfrmRegieIntrastat &intrastatRegister, QWidget *parent = nullptr);
    ~TfrmIntra() override;

    TfrmRegieIntrastat &intrastatRegister() const { return m_intrastat; }

    // "Position hinzufügen": a new position at the end with the template's
    // first position's values (the template itself gets an empty one),
    // then the position window.
    void addPosition();
    // "Aktuelle Position löschen": asks, deletes and renumbers.
    void deletePosition();
    // "Aktuelle Position bearbeiten": the position window on the current one.
    void editPosition();

    shell::TWheelDBGrid *DBGrid1 = nullptr;
    QToolButton *SpeedButton20 = nullptr; // first
    QToolButton *SpeedButton21 = nullptr; // previous
    QToolButton *SpeedButton22 = nullptr; // next
    QToolButton *SpeedButton23 = nullptr; // last
    QToolButton *SpeedButton24 = nullptr; // add
    QToolButton *SpeedButton25 = nullptr; // delete
    QToolButton *SpeedButton26 = nullptr; // edit
    QGroupBox *PanelEingang = nullptr;
    QGroupBox *PanelVersendung = nullptr;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    bool formClose() override;

private:
    void buildPositions();
    QToolButton *positionButton(const QString &name, const QString &hint, int x, const std::function<void()> &command);
    void updateMoves();

    TfrmRegieIntrastat &m_intrastat;
};

} // namespace intrastat
