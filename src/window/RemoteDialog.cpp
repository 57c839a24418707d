#include "RemoteDialog.h"

#include "QrCode.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPixmap>
#include <QVBoxLayout>

#include <cmath>

namespace {

// About this wide on screen: large enough for a phone's camera at arm's length.
constexpr int CodeWidth = 240;

// Whole device pixels per module and no smoothing, so every edge is sharp.
QLabel *codePicture(const QrCode &code, qreal pixelRatio)
{
    const int scale = std::max(1, static_cast<int>(std::ceil(CodeWidth * pixelRatio / code.size())));
    QPixmap pixmap = QPixmap::fromImage(code.toImage().scaled(code.size() * scale, code.size() * scale,
                                                              Qt::IgnoreAspectRatio, Qt::FastTransformation));
    pixmap.setDevicePixelRatio(pixelRatio);
    auto *picture = new QLabel;
    picture->setObjectName(QStringLiteral("remoteCode"));
    picture->setPixmap(pixmap);
    picture->setAlignment(Qt::AlignCenter);
    return picture;
}

QLabel *wrappedText(const QString &text)
{
    auto *label = new QLabel(text);
    label->setWordWrap(true);
    return label;
}

} // namespace

RemoteDialog::RemoteDialog(const std::optional<QString> &url, QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Remote"));
    auto *layout = new QVBoxLayout(this);
    if (url) {
        layout->addWidget(wrappedText(QStringLiteral("Scan the code with a phone, or open the address in a "
                                                     "browser. Anyone with this address can control the lamps.")));
        layout->addWidget(codePicture(QrCode(*url), devicePixelRatioF()));
        auto *address = new QLabel(*url);
        address->setObjectName(QStringLiteral("remoteUrl"));
        address->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        layout->addWidget(address);
    } else {
        setMinimumWidth(CodeWidth * 2);
        layout->addWidget(wrappedText(
            QStringLiteral("The remote is off. Switch it on with Remote=127.0.0.1:8080 in the [Setting] section "
                           "of ~/.config/Lampotron/Lampotron.conf, or for one run with --remote 127.0.0.1:8080; "
                           "then lampotron --remote-url prints the address.")));
    }
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}
