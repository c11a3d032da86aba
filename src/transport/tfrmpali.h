#pragma once

#include "shell/entrywindow.h"

namespace shell {
class PositionGrid;
}

namespace transport {

// The packing list's entry window as data: consignee, weights, remark, date,
// marks and description of goods.
shell::EntryWindowDefinition paliEntryDefinition();

// "Packliste": the head of one packing list and the grid of its package
// lines with their commands.
class Tfrmpali : public shell::EntryWindow
{
    Q_OBJECT
public:
    explicit Tfrmpali(shell::DocumentRegister &documentRegister, QWidget *parent = nullptr);
    ~Tfrmpali() override;

    // "Position hinzufügen": a line numbered after the highest, dated with
    // the head's date (none when that is no date), then the line window.
    void addLine();
    // "Aktuelle Position löschen": asks, deletes and numbers the rest anew.
    void deleteLine();
    // "Aktuelle Position bearbeiten": the line window on the current line.
    void editLine();

    shell::PositionGrid *positionGrid() const { return m_grid; }

protected:
    bool formClose() override;

private:
    shell::PositionGrid *m_grid = nullptr;
};

} // namespace transport
