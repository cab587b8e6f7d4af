// TextLayoutCache: one QStaticText and its metrics per font and line.
#include "TextLayoutCache.h"

#include <QFontMetrics>
#include <QTransform>

const TextLayoutCache::Line& TextLayoutCache::Find(const CFont* font, const QFont& painterFont,
                                                   int dotsPerInch, std::string_view line)
{
    if (dotsPerInch != m_dotsPerInch) {
        m_lines.clear();
        m_dotsPerInch = dotsPerInch;
    }
    std::unordered_map<std::string, Line>& lines = m_lines[font];
    const std::string key(line);
    const auto found = lines.find(key);
    if (found != lines.end())
        return found->second;

    const QString content = QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size()));
    const QFontMetrics metrics(painterFont);
    Line laidOut;
    laidOut.text.setText(content);
    laidOut.text.setTextFormat(Qt::PlainText);
    laidOut.text.setPerformanceHint(QStaticText::AggressiveCaching);
    // Prepared with the painter's own font, or drawing would lay the text out again.
    laidOut.text.prepare(QTransform(), painterFont);
    laidOut.width = metrics.horizontalAdvance(content);
    laidOut.height = metrics.height();
    return lines.emplace(key, std::move(laidOut)).first->second;
}
