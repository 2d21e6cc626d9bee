#pragma once

class QGroupBox;
class QRadioButton;
class QWidget;

namespace vorbix {

// The frame "Level" of the three exercise screens. Only "Advanced" is
// offered: the two easier levels are shown greyed out.
struct LevelControls
{
    QGroupBox *levelFrame = nullptr;
    QRadioButton *Option11 = nullptr; // "Beginner", disabled
    QRadioButton *Option12 = nullptr; // "Medium", disabled
    QRadioButton *Option13 = nullptr; // "Advanced", checked

protected:
    void setupLevelControls(QWidget *window);
};

} // namespace vorbix
