#pragma once

#include "shell/entrywindow.h"

#include <QStringList>

namespace shell {
class PositionGrid;
}

namespace transport {

// The delivery note's entry window as data, box by box as on the form.
shell::EntryWindowDefinition lieferscheinEntryDefinition();

// "Lieferschein": one delivery note, its positions and ten remark lines.
class TfrmLieferschein : public shell::EntryWindow
{
    Q_OBJECT
public:
    explicit TfrmLieferschein(shell::DocumentRegister &documentRegister, QWidget *parent = nullptr);
    ~TfrmLieferschein() override;

    // Insert: refused at the form's limit; a new position numbered after the
    // highest, in an ordinary note posted at once with the template
    // position's values, then the position window.
    void addPosition();
    void deletePosition();
    void editPosition();

    // The texts of the template position's fields, read when the window was
    // created; empty when it could not be read.
    const QStringList &templateValues() const { return m_templateValues; }
    shell::PositionGrid *positionGrid() const { return m_grid; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    bool formClose() override;

private:
    shell::PositionGrid *m_grid = nullptr;
    QStringList m_templateValues;
};

} // namespace transport
