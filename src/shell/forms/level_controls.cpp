#include "shell/forms/level_controls.h"

#include "shell/forms/form_builders.h"

#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

namespace vorbix {

void LevelControls::setupLevelControls(QWidget *window)
{
    levelFrame = new QGroupBox(QStringLiteral("Level"), window);
    Option11 = forms::makeRadio(levelFrame, "Option11", "Beginner");
    Option12 = forms::makeRadio(levelFrame, "Option12", "Medium");
    Option13 = forms::makeRadio(levelFrame, "Option13", "Advanced");
    Option11->setEnabled(false);
    Option12->setEnabled(false);
    Option13->setChecked(true);
    auto *column = new QVBoxLayout(levelFrame);
    column->setContentsMargins(8, 2, 8, 4);
    column->setSpacing(0);
    column->addWidget(Option11);
    column->addWidget(Option12);
    column->addWidget(Option13);
}

} // namespace vorbix
