#include "courier/formlayout.h"

namespace courier {

namespace {
constexpr int EditHeight = 21;
constexpr int Row = 24;
}

void FormColumn::title(const QString &text, const QFont &font, const QColor &color, int height)
{
    m_definition.labels.append(shell::EntryLabel::at(text, 0, m_x, m_y).withFont(font, color));
    m_y += height;
}

void FormColumn::caption(const QString &text, int height)
{
    m_definition.labels.append(shell::EntryLabel::at(text, 0, m_x, m_y, m_width, height).wrapping());
    m_y += height;
}

void FormColumn::edit(shell::EntryControl control, const QString &caption, int width)
{
    const int lines = int(caption.count(QLatin1Char('\n'))) + 1;
    m_definition.labels.append(shell::EntryLabel::at(caption, 0, m_x, m_y + 3, m_labelWidth - 5, 16 * lines));
    const int left = m_x + m_labelWidth;
    const int available = m_width - m_labelWidth;
    m_definition.controls.append(
        control.at(0, left, m_y, width > 0 ? std::min(width, available) : available, EditHeight));
    m_y += Row + 16 * (lines - 1);
}

void FormColumn::line(shell::EntryControl control, int width)
{
    const int left = m_x + m_labelWidth;
    const int available = m_width - m_labelWidth;
    m_definition.controls.append(
        control.at(0, left, m_y, width > 0 ? std::min(width, available) : available, EditHeight));
    m_y += Row;
}

void FormColumn::sideBySide(QVector<QPair<shell::EntryControl, QRect>> controls, int height)
{
    for (auto &[control, place] : controls)
        m_definition.controls.append(control.at(
            0, m_x + place.x(), m_y + place.y(), place.width(), place.height() > 0 ? place.height() : EditHeight));
    m_y += height;
}

void FormColumn::check(shell::EntryControl control, int width)
{
    m_definition.controls.append(control.at(0, m_x, m_y, width > 0 ? width : m_width, EditHeight));
    m_y += Row;
}

void FormColumn::toggledCheck(shell::EntryControl control, const QString &caption, int lines, int boxWidth)
{
    m_definition.labels.append(shell::EntryLabel::at(caption, 0, m_x, m_y + 2, m_width - boxWidth - 5, 18 * lines)
                                   .toggling(control.name)
                                   .wrapping());
    m_definition.controls.append(control.at(0, m_x + m_width - boxWidth, m_y, boxWidth, EditHeight));
    m_y += Row + 16 * (lines - 1);
}

} // namespace courier
