#pragma once

#include <QImage>
#include <QString>

#include <vector>

// The QR code of a text (the remote's address), as a square of dark and
// light modules with the quiet zone around it that scanners need; drawn as
// text for a terminal and as an image for the window.
class QrCode {
public:
    // Empty when the text cannot be encoded (far too long).
    explicit QrCode(const QString &text);

    bool isEmpty() const { return size_ == 0; }
    // Modules along a side, the quiet zone included.
    int size() const { return size_; }
    bool isDark(int x, int y) const;

    // Two rows of modules per line of half blocks, dark on light in any
    // terminal's colours: ANSI colours set both explicitly.
    QString toTerminalText() const;
    // One pixel per module; scale it without smoothing.
    QImage toImage() const;

private:
    static constexpr int QuietZone = 4;
    int size_ = 0;
    std::vector<bool> dark_;
};
