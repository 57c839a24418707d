#include "Layout.h"

#include "EffectCatalogue.h"

#include <QCoreApplication>

namespace layout {

namespace {

std::vector<Control> buildTable()
{
    using K = Kind;
    const QString window;
    std::vector<Control> table = {
        {"Command1", -1, K::CommandButton, window, -1, "", {45, 45, 6630, 1455}, false},
        {"Command3", -1, K::CommandButton, window, -1, QT_TRANSLATE_NOOP("Window", "порт"), {180, 135, 1455, 285}, true},
        {"Command4", -1, K::CommandButton, window, -1, QT_TRANSLATE_NOOP("Window", "пуск"), {180, 450, 1455, 285}, true},
        {"Command5", -1, K::CommandButton, window, -1, QT_TRANSLATE_NOOP("Window", "стор"), {180, 765, 1455, 285}, false},
        {"chkPause", -1, K::CheckBox, window, -1, QT_TRANSLATE_NOOP("Window", "пауза"), {180, 1080, 1455, 285}, true},
        {"Picture1", -1, K::PictureBox, window, -1, "", {1800, 135, 4785, 780}, true},
    };
    for (int k = 0; k < LampCount; ++k)
        table.push_back({"lamp", k, K::PictureBox, "Picture1", -1, "", {90 + 360 * k, 90, 330, 150}, true});
    const std::vector<Control> rest = {
        {"Label2", -1, K::Label, "Picture1", -1, QT_TRANSLATE_NOOP("Window", "Speed (ms)"), {3105, 90, 1005, 240}, true},
        {"lblSpeed", -1, K::Label, "Picture1", -1, "100", {4050, 90, 555, 195}, true},
        {"lblStatus", -1, K::Label, "Picture1", -1, QT_TRANSLATE_NOOP("Window", "Status:"), {90, 405, 645, 240}, true},
        {"lblStatusLabel", -1, K::Label, "Picture1", -1, QT_TRANSLATE_NOOP("Window", "stopped"), {765, 405, 2175, 240}, true},
        {"Label4", -1, K::Label, "Picture1", -1, QT_TRANSLATE_NOOP("Window", "Selected effects:"), {2610, 405, 1500, 240}, true},
        {"lblNumEffects", -1, K::Label, "Picture1", -1, "0", {4140, 405, 465, 195}, true},
        {"Frame2", -1, K::Frame, window, -1, "", {1800, 990, 1095, 420}, true},
        {"Label3", -1, K::Label, "Frame2", -1, QT_TRANSLATE_NOOP("Window", "задержка:"), {45, 90, 1005, 240}, true},
        {"VScroll1", -1, K::VScrollBar, window, -1, "", {2970, 1080, 375, 285}, true},
        {"Command6", -1, K::CommandButton, window, -1, QT_TRANSLATE_NOOP("Window", "схема"), {3555, 1080, 1455, 285}, false},
        {"Command2", -1, K::CommandButton, window, -1, QT_TRANSLATE_NOOP("Window", "выход"), {5085, 1080, 1455, 285}, true},
        {"Command7", -1, K::CommandButton, window, -1, "", {45, 1575, 6630, 2625}, false},
    };
    table.insert(table.end(), rest.begin(), rest.end());

    const QString frameCaption = QT_TRANSLATE_NOOP("Window", "Эффект                Повтор");
    table.push_back({"Frame1", 0, K::Frame, window, -1, frameCaption, {135, 1665, 2625, 2445}, true});
    table.push_back({"Frame1", 1, K::Frame, window, -1, frameCaption, {2745, 1665, 2625, 2445}, true});
    for (int i = 0; i < EffectRows; ++i) {
        const QString caption = pattern::caption(*pattern::effect(i));
        table.push_back({"picEffect", i, K::PictureBox, "Frame1", effectFrame(i), "",
                         {90, 225 + 360 * effectSlot(i), 2445, 330}, true});
        // The repeat label lies behind the box and the bar, which cover its ends.
        table.push_back({"Label1", i, K::Label, "picEffect", i, "1", {1755, 30, 375, 240}, true});
        table.push_back({"chkEffect", i, K::CheckBox, "picEffect", i, caption, {45, 10, 1815, 240}, true});
        table.push_back({"scrCycle", i, K::VScrollBar, "picEffect", i, "", {2070, 10, 240, 240}, true});
    }
    const std::vector<Control> lower = {
        {"Frame3", -1, K::Frame, window, -1, "", {5400, 1665, 1185, 1410}, true},
        {"Image1", -1, K::Image, "Frame3", -1, "", {135, 180, 900, 1155}, true},
        {"Command9", -1, K::CommandButton, window, -1, QT_TRANSLATE_NOOP("Window", "установка"), {5445, 3420, 1140, 285}, false},
        {"Command8", -1, K::CommandButton, window, -1, QT_TRANSLATE_NOOP("Window", "скрыть"), {5445, 3780, 1140, 285}, true},
    };
    table.insert(table.end(), lower.begin(), lower.end());
    return table;
}

} // namespace

const std::vector<Control> &controls()
{
    static const std::vector<Control> table = buildTable();
    return table;
}

QString displayName(const Control &control)
{
    return control.index < 0 ? control.name : QStringLiteral("%1(%2)").arg(control.name).arg(control.index);
}

QString translatedCaption(const Control &control)
{
    const char *context = control.name == QLatin1String("chkEffect") ? "Effect" : "Window";
    return QCoreApplication::translate(context, control.caption.toUtf8().constData());
}

int effectFrame(int effect)
{
    return effect < EffectRows / 2 ? 0 : 1;
}

int effectSlot(int effect)
{
    return effect < EffectRows / 2 ? effect : EffectRows - 1 - effect;
}

} // namespace layout
