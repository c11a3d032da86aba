#include "platform/canvasfont.h"

#include <QCoreApplication>
#include <QFont>
#include <QHash>

namespace platform {

namespace {

// Fonts are resolved at this size and scaled, so that cell heights convert
// to character heights without the rounding of small pixel sizes.
constexpr double ReferencePixelSize = 1000.0;

struct FontCaches {
    QHash<QString, QRawFont> resolved; // family and style at the reference size
    QHash<QString, QRawFont> scaled; // canvas font at its size
};

void clearFontCaches();

FontCaches &caches()
{
    static FontCaches value;
    static bool registered = false;
    if (!registered) {
        // Font engines must go before the application's font database does.
        qAddPostRoutine(clearFontCaches);
        registered = true;
    }
    return value;
}

void clearFontCaches()
{
    caches().resolved.clear();
    caches().scaled.clear();
}

QRawFont resolvedFont(const QString &family, bool bold, bool italic)
{
    auto &cache = caches().resolved;
    const QString key
        = family.toLower() + QLatin1Char('|') + QLatin1Char(bold ? 'b' : '-') + QLatin1Char(italic ? 'i' : '-');
    auto it = cache.constFind(key);
    if (it != cache.constEnd())
        return *it;
    QFont font(family);
    font.setPixelSize(int(ReferencePixelSize));
    font.setBold(bold);
    font.setItalic(italic);
    font.setKerning(false);
    font.setHintingPreference(QFont::PreferNoHinting);
    QRawFont raw = QRawFont::fromFont(font);
    raw.setPixelSize(ReferencePixelSize);
    cache.insert(key, raw);
    return raw;
}

QRawFont scaledFont(const CanvasFont &font)
{
    auto &cache = caches().scaled;
    const bool bold = font.style.testFlag(FontStyle::Bold);
    const bool italic = font.style.testFlag(FontStyle::Italic);
    const QString key = font.name.toLower() + QLatin1Char('|') + QString::number(font.height)
        + QLatin1Char(bold ? 'b' : '-') + QLatin1Char(italic ? 'i' : '-');
    auto it = cache.constFind(key);
    if (it != cache.constEnd())
        return *it;
    QRawFont raw = resolvedFont(printFontFamily(font.name), bold, italic);
    double pixelSize = DefaultCharacterHeight;
    if (font.height < 0) {
        pixelSize = -font.height;
    } else if (font.height > 0) {
        const double cell = raw.ascent() + raw.descent();
        pixelSize = cell > 0 ? font.height * ReferencePixelSize / cell : font.height;
    }
    if (raw.isValid())
        raw.setPixelSize(pixelSize);
    cache.insert(key, raw);
    return raw;
}

} // namespace

FontStyles fontStylesOf(const QFont &font)
{
    FontStyles styles;
    styles.setFlag(FontStyle::Bold, font.bold());
    styles.setFlag(FontStyle::Italic, font.italic());
    styles.setFlag(FontStyle::Underline, font.underline());
    styles.setFlag(FontStyle::StrikeOut, font.strikeOut());
    return styles;
}

QString printFontFamily(const QString &name)
{
    static const QHash<QString, QString> substitutes = {
        { QStringLiteral("arial"), QStringLiteral("Liberation Sans") },
        { QStringLiteral("arial narrow"), QStringLiteral("Nimbus Sans Narrow") },
        { QStringLiteral("courier new"), QStringLiteral("Liberation Mono") },
        { QStringLiteral("times new roman"), QStringLiteral("Liberation Serif") },
    };
    const QString trimmed = name.trimmed();
    return substitutes.value(trimmed.toLower(), trimmed);
}

CanvasFontMetrics::CanvasFontMetrics(const CanvasFont &font)
    : m_raw(scaledFont(font))
{
}

double CanvasFontMetrics::ascent() const
{
    return m_raw.isValid() ? m_raw.ascent() : 0.0;
}

double CanvasFontMetrics::descent() const
{
    return m_raw.isValid() ? m_raw.descent() : 0.0;
}

double CanvasFontMetrics::width(const QString &text) const
{
    double sum = 0;
    const QList<quint32> indexes = glyphs(text);
    if (indexes.isEmpty())
        return 0;
    for (const QPointF &advance : m_raw.advancesForGlyphIndexes(indexes, QRawFont::UseDesignMetrics))
        sum += advance.x();
    return sum;
}

QList<quint32> CanvasFontMetrics::glyphs(const QString &text) const
{
    if (!m_raw.isValid() || text.isEmpty())
        return {};
    return m_raw.glyphIndexesForString(text);
}

QList<QPointF> CanvasFontMetrics::positions(const QList<quint32> &glyphs) const
{
    QList<QPointF> result;
    if (glyphs.isEmpty())
        return result;
    result.reserve(glyphs.size());
    double x = 0;
    for (const QPointF &advance : m_raw.advancesForGlyphIndexes(glyphs, QRawFont::UseDesignMetrics)) {
        result.append(QPointF(x, 0));
        x += advance.x();
    }
    return result;
}

} // namespace platform
