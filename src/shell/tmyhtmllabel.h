#pragma once

#include <QFont>
#include <QLabel>
#include <QVector>

namespace shell {

// A label whose caption carries simple markup: <B>, <I>, <U>, <S> and their
// closing forms switch bold, italic, underline and strike-out; <BR> starts a
// new line lower by the font size (in points, taken as pixels) plus 5. Tags
// with any other letter are skipped; any other character is drawn as it is.
// It draws from its left edge and grows its height when the lines need more
// room. Set the caption with setCaption, so that an auto-sized label takes
// the width of its widest line.
class TMyHtmlLabel : public QLabel
{
    Q_OBJECT
public:
    struct Glyph {
        QChar character;
        QPoint position; // top left
        QFont font;
    };
    struct Layout {
        QVector<Glyph> glyphs;
        int width = 0; // of the widest line
        int height = 0; // the label's height after the line breaks grew it
    };

    explicit TMyHtmlLabel(QWidget *parent = nullptr);

    void setCaption(const QString &caption);
    QString caption() const { return text(); }
    void setAutoSize(bool on);
    bool autoSize() const { return m_autoSize; }
    void setTransparent(bool on);
    bool transparent() const { return m_transparent; }

    // Where each character of the caption goes, for a label of the given
    // height in the given font.
    static Layout layoutMarkup(const QString &caption, const QFont &font, int height);

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void captionChanged();

    bool m_autoSize = false;
    bool m_transparent = true;
};

} // namespace shell
