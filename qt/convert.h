#pragma once

// The game's measures and texts as Qt takes them.
#include "layout.h"
#include "twips.h"

#include <QColor>
#include <QFont>
#include <QFontDatabase>

#include <QRect>
#include <QString>

#include <string_view>

namespace rutschbild::qt {

using rutschbild::pixels;

inline QRect pixels(const TwipRect& rect)
{
    return {pixels(rect.left), pixels(rect.top), pixels(rect.width), pixels(rect.height)};
}

// The game's texts are UTF-8.
inline QString toQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Where the designed face is missing, the system's fixed-pitch face takes its place.
inline QFont toQFont(const layout::FontStyle& style)
{
    const QString family = toQString(style.family);
    QFont font = QFontDatabase::hasFamily(family)
                     ? QFont(family)
                     : QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPointSizeF(style.points);
    return font;
}

inline QColor toQColor(const layout::Rgb& colour)
{
    return {colour.red, colour.green, colour.blue};
}

} // namespace rutschbild::qt
