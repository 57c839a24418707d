#include "WindowControls.h"

#include "EffectCatalogue.h"
#include "Layout.h"
#include "SettingsKeys.h"
#include "Twips.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

#include <type_traits>

namespace {

const QColor Lit(0, 255, 0);
const QColor Dark(0, 0, 0);
const QColor PanelBlue(0, 0, 64);
const QColor FixedText(255, 255, 0);
const QColor ValueText(255, 0, 0);
constexpr int SpeedStepMs = 50;

void setColour(QWidget *widget, QPalette::ColorRole role, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(role, colour);
    widget->setPalette(palette);
}

QWidget *createWidget(const layout::Control &control, QWidget *parent)
{
    const QString caption = layout::translatedCaption(control);
    switch (control.kind) {
    case layout::Kind::CommandButton:
        return new QPushButton(caption, parent);
    case layout::Kind::CheckBox:
        return new QCheckBox(caption, parent);
    case layout::Kind::PictureBox:
        return new QFrame(parent);
    case layout::Kind::Label:
        return new QLabel(caption, parent);
    case layout::Kind::Frame:
        return new QGroupBox(caption, parent);
    case layout::Kind::VScrollBar:
        return new QScrollBar(Qt::Vertical, parent);
    case layout::Kind::Image:
        return new QLabel(parent);
    }
    return nullptr;
}

QString key(const QString &name, int index = -1)
{
    return name + QLatin1Char('/') + QString::number(index);
}

} // namespace

WindowControls::WindowControls(QWidget *window)
{
    make(window);
    style();
}

void WindowControls::make(QWidget *window)
{
    QHash<QString, QWidget *> made;
    for (const layout::Control &control : layout::controls()) {
        QWidget *parent = control.container.isEmpty() ? window
                                                      : made.value(key(control.container, control.containerIndex));
        QWidget *widget = createWidget(control, parent);
        widget->setObjectName(layout::displayName(control));
        widget->setGeometry(twips::toPixels(control.twips));
        widget->setEnabled(control.enabled);
        made.insert(key(control.name, control.index), widget);
        if (control.container.isEmpty() && control.twips.top() >= layout::CollapsedClientHeight)
            lowerBand.push_back(widget);
    }
    // Each member takes the widget the table made under its name.
    const auto take = [&](auto *&member, const char *name, int index = -1) {
        member = static_cast<std::remove_reference_t<decltype(member)>>(made.value(key(name, index)));
    };
    take(topPanel, "Command1");
    take(exitButton, "Command2");
    take(portButton, "Command3");
    take(startButton, "Command4");
    take(stopButton, "Command5");
    take(expandButton, "Command6");
    take(lowerPanel, "Command7");
    take(collapseButton, "Command8");
    take(buildButton, "Command9");
    take(pauseBox, "chkPause");
    take(lampPanel, "Picture1");
    for (int k = 0; k < layout::LampCount; ++k)
        take(lamps[static_cast<std::size_t>(k)], "lamp", k);
    take(speedCaption, "Label2");
    take(speedValue, "lblSpeed");
    take(statusCaption, "lblStatus");
    take(statusValue, "lblStatusLabel");
    take(effectCountCaption, "Label4");
    take(effectCount, "lblNumEffects");
    take(speedFrame, "Frame2");
    take(delayCaption, "Label3");
    take(speedBar, "VScroll1");
    for (int f = 0; f < 2; ++f)
        take(effectFrames[static_cast<std::size_t>(f)], "Frame1", f);
    for (int i = 0; i < layout::EffectRows; ++i) {
        const auto at = static_cast<std::size_t>(i);
        take(effectRows[at], "picEffect", i);
        take(effectBoxes[at], "chkEffect", i);
        take(repeatLabels[at], "Label1", i);
        take(repeatBars[at], "scrCycle", i);
    }
    take(pictureFrame, "Frame3");
    take(picture, "Image1");
}

void WindowControls::style()
{
    lampPanel->setAutoFillBackground(true);
    setColour(lampPanel, QPalette::Window, PanelBlue);
    for (QFrame *light : lamps) {
        light->setAutoFillBackground(true);
        setColour(light, QPalette::Window, Lit);
    }
    for (QLabel *text : {speedCaption, statusCaption, effectCountCaption})
        setColour(text, QPalette::WindowText, FixedText);
    for (QLabel *value : {speedValue, statusValue, effectCount})
        setColour(value, QPalette::WindowText, ValueText);
    speedValue->setAlignment(Qt::AlignRight | Qt::AlignTop);
    effectCount->setAlignment(Qt::AlignRight | Qt::AlignTop);

    speedBar->setRange(settings::Speed.minimum, settings::Speed.maximum);
    speedBar->setSingleStep(SpeedStepMs);
    speedBar->setPageStep(SpeedStepMs);
    speedBar->setValue(settings::Speed.fallback);
    for (int i = 0; i < layout::EffectRows; ++i) {
        const auto at = static_cast<std::size_t>(i);
        repeatBars[at]->setRange(1, settings::effectRepeats(i).maximum);
        repeatBars[at]->setSingleStep(1);
        repeatBars[at]->setPageStep(1);
        repeatLabels[at]->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    }

    picture->setPixmap(QPixmap(QStringLiteral(":/lampotron/picture.jpg")));
    picture->setScaledContents(true);

    // The panels behind the bands only give them a raised look.
    topPanel->setFocusPolicy(Qt::NoFocus);
    lowerPanel->setFocusPolicy(Qt::NoFocus);
}

void WindowControls::showLamps(std::uint8_t lit)
{
    for (QFrame *light : lamps) {
        const QColor &colour = lit & 1 ? Lit : Dark;
        if (light->palette().color(QPalette::Window) != colour)
            setColour(light, QPalette::Window, colour);
        lit >>= 1;
    }
}
