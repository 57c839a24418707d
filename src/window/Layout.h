#pragma once

#include <QRect>
#include <QString>

#include <vector>

// Every control of the main window: what it is, where it sits and how it
// starts. The window is built from this table, and tests check its rules.
namespace layout {

inline constexpr int ClientWidth = 6705;
inline constexpr int ExpandedClientHeight = 4245;
inline constexpr int CollapsedClientHeight = 1525;
inline constexpr int LampCount = 8;
inline constexpr int EffectRows = 12;

enum class Kind { CommandButton, CheckBox, PictureBox, Label, Frame, VScrollBar, Image };

struct Control {
    QString name;
    int index; // -1 outside a control array
    Kind kind;
    QString container; // "" for the window itself
    int containerIndex;
    QString caption; // the source text; the window shows its translation
    QRect twips; // left, top, width, height inside the container
    bool enabled;
};

// In creation order: each control is created after its container and drawn
// above the controls before it.
const std::vector<Control> &controls();

// "chkEffect(3)" or "Command4".
QString displayName(const Control &control);

// The caption in the user's language.
QString translatedCaption(const Control &control);

// Effect rows 0..5 fill the left frame top-down, 6..11 the right bottom-up.
int effectFrame(int effect);
int effectSlot(int effect);

} // namespace layout
