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

RemoteDialog::RemoteDialog(const RemoteAddress &address, QWidget *parent) : QDialog(parent)
{
    setWindowTitle(tr("Remote"));
    auto *layout = new QVBoxLayout(this);
    if (!address.url.isEmpty()) {
        layout->addWidget(wrappedText(tr("Scan the code with a phone, or open the address in a "
                                         "browser. Anyone with this address can control the lamps.")));
        layout->addWidget(codePicture(QrCode(address.url), devicePixelRatioF()));
        auto *url = new QLabel(address.url);
        url->setObjectName(QStringLiteral("remoteUrl"));
        url->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        layout->addWidget(url);
        if (!address.otherUrls.isEmpty()) {
            // One address a line, never broken.
            auto *others = new QLabel(tr("If the phone cannot open it, try:") + QLatin1Char('\n')
                                      + address.otherUrls.join(QLatin1Char('\n')));
            others->setObjectName(QStringLiteral("otherUrls"));
            others->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
            layout->addWidget(others);
        }
        if (!address.problem.isEmpty())
            layout->addWidget(wrappedText(address.problem));
    } else {
        setMinimumWidth(CodeWidth * 2);
        layout->addWidget(wrappedText(address.problem));
    }
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}
