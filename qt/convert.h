#pragma once

// The game's measures and texts as Qt takes them.
#include "twips.h"

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

} // namespace rutschbild::qt
