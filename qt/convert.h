#pragma once

#include "twips.h"

#include <QRect>

namespace rutschbild {

inline QRect pixels(const TwipRect& rect)
{
    return {pixels(rect.left), pixels(rect.top), pixels(rect.width), pixels(rect.height)};
}

} // namespace rutschbild
