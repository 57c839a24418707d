#include "QrCode.h"

#include <qrencode.h>

#include <memory>

QrCode::QrCode(const QString &text)
{
    const std::unique_ptr<QRcode, decltype(&QRcode_free)> code(
        QRcode_encodeString(text.toUtf8().constData(), 0, QR_ECLEVEL_M, QR_MODE_8, 1), &QRcode_free);
    if (!code)
        return;
    size_ = code->width + 2 * QuietZone;
    dark_.assign(static_cast<std::size_t>(size_ * size_), false);
    for (int y = 0; y < code->width; ++y)
        for (int x = 0; x < code->width; ++x)
            // The lowest bit of each byte is the module's colour; the others say what it is part of.
            dark_[static_cast<std::size_t>((y + QuietZone) * size_ + x + QuietZone)] =
                code->data[y * code->width + x] & 1;
}

bool QrCode::isDark(int x, int y) const
{
    return x >= 0 && y >= 0 && x < size_ && y < size_ && dark_[static_cast<std::size_t>(y * size_ + x)];
}

QString QrCode::toTerminalText() const
{
    // Black on bright white; the quiet zone stays light on a dark terminal.
    const QString darkOnLight = QStringLiteral("\x1b[30;107m");
    const QString plain = QStringLiteral("\x1b[0m");
    QString text;
    for (int y = 0; y < size_; y += 2) {
        text += darkOnLight;
        for (int x = 0; x < size_; ++x) {
            const bool top = isDark(x, y);
            const bool bottom = isDark(x, y + 1);
            text += top && bottom ? u'\u2588' : top ? u'\u2580' : bottom ? u'\u2584' : u' ';
        }
        text += plain + u'\n';
    }
    return text;
}

QImage QrCode::toImage() const
{
    QImage image(size_, size_, QImage::Format_Mono);
    image.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
    for (int y = 0; y < size_; ++y)
        for (int x = 0; x < size_; ++x)
            image.setPixel(x, y, isDark(x, y) ? 1 : 0);
    return image;
}
