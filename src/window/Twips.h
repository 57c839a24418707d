#pragma once

#include <QRect>
#include <QtMath>

// The layout is kept in twips, 1/1440 inch: 15 twips to a logical pixel.
// Qt's high-DPI scaling turns logical pixels into device pixels.
namespace twips {

inline constexpr int PerPixel = 15;

inline int toPixels(int value)
{
    return qRound(static_cast<double>(value) / PerPixel);
}

inline QRect toPixels(const QRect &rect)
{
    return {toPixels(rect.left()), toPixels(rect.top()), toPixels(rect.width()), toPixels(rect.height())};
}

} // namespace twips
