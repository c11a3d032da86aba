#pragma once

#include "shell/entrywindow.h"

#include <QFont>
#include <QString>

namespace courier {

// Lays out the boxes of a carrier's form top-down in one column of an entry
// window: captions on the left, edits beside them, check boxes across the
// column. Used while a definition is built.
class FormColumn
{
public:
    FormColumn(shell::EntryWindowDefinition &definition, int x, int y, int width, int labelWidth)
        : m_definition(definition)
        , m_x(x)
        , m_y(y)
        , m_width(width)
        , m_labelWidth(labelWidth)
    {
    }

    int x() const { return m_x; }
    int y() const { return m_y; }
    void skip(int pixels) { m_y += pixels; }

    // A box number or title in a font of its own.
    void title(const QString &text, const QFont &font, const QColor &color, int height = 26);
    // A caption over the whole column, wrapped when it is longer.
    void caption(const QString &text, int height = 18);
    int labelWidth() const { return m_labelWidth; }
    // An edit with its caption on the left; width 0: the rest of the column.
    void edit(shell::EntryControl control, const QString &caption, int width = 0);
    // An edit under the previous one without caption.
    void line(shell::EntryControl control, int width = 0);
    // Several controls side by side on one line: x offsets within the column.
    void sideBySide(QVector<QPair<shell::EntryControl, QRect>> controls, int height = 24);
    // A check box across the column (or as wide as given).
    void check(shell::EntryControl control, int width = 0);
    // A label that toggles a check box placed at the right edge; lines: the
    // rows its text may wrap into.
    void toggledCheck(shell::EntryControl control, const QString &caption, int lines = 1, int boxWidth = 24);

private:
    shell::EntryWindowDefinition &m_definition;
    int m_x;
    int m_y;
    int m_width;
    int m_labelWidth;
};

} // namespace courier
