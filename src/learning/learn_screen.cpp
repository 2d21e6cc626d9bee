#include "learning/learn_screen.h"

#include "shell/forms/colours.h"
#include "shell/forms/keyboard_access.h"

#include <QLineEdit>
#include <QPushButton>

namespace vorbix {

LearnScreen::LearnScreen(Services &services, Navigator &navigator)
    : ExerciseScreen(ScreenId::Invatare, services, navigator, bindings::kInvatare)
{
    m_ui.setupUi(this);
    connectCommonControls();
    connectExerciseControls(m_ui.Timer1);
}

LearnScreen::~LearnScreen() = default;

QList<QLineEdit *> LearnScreen::wordBoxes()
{
    return {m_ui.Text3, m_ui.Text4};
}

void LearnScreen::onCheck2Toggled(bool checked)
{
    forms::setCaption(m_ui.Cmdcont, checked ? QStringLiteral("START") : QStringLiteral("Continue"));
    colours::setBackground(m_ui.Cmdcont, colours::kGreen);
}

} // namespace vorbix
