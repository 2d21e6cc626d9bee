#include "writing_test/write_screen.h"

#include "platform/ticker.h"
#include "shell/handler_boundary.h"
#include "shell/forms/colours.h"
#include "shell/forms/keyboard_access.h"

#include <QLineEdit>
#include <QPushButton>

namespace vorbix {

WriteScreen::WriteScreen(Services &services, Navigator &navigator)
    : ExerciseScreen(ScreenId::Test, services, navigator, bindings::kTest)
{
    m_ui.setupUi(this);
    connectCommonControls();
    connectExerciseControls(m_ui.Timer2);
    connect(m_ui.Cmdok, &QPushButton::clicked, this, [this] { runGuarded(m_services, [this] { onCmdokClicked(); }); });
    // Enter in the answer box verifies, as the "Verify" button does.
    connect(m_ui.Text5, &QLineEdit::returnPressed, m_ui.Cmdok, &QPushButton::click);
}

WriteScreen::~WriteScreen() = default;

QList<QLineEdit *> WriteScreen::wordBoxes()
{
    return {m_ui.Text3, m_ui.Text4, m_ui.Text5};
}

QLineEdit *WriteScreen::answerBox()
{
    return m_ui.Text5;
}

QLineEdit *WriteScreen::answerCover()
{
    return m_ui.Text9;
}

void WriteScreen::onCheck2Toggled(bool checked)
{
    if (checked) {
        // The countdown starts at once, without a press of the start button.
        m_timer->setInterval(1000);
        m_timer->start();
    } else {
        forms::setCaption(m_ui.Cmdcont, QStringLiteral("Continue"));
        colours::setBackground(m_ui.Cmdcont, colours::kGreen);
    }
}

void WriteScreen::resetOnLeave()
{
    ExerciseScreen::resetOnLeave();
    m_scores.resetOnLeave();
    m_ui.Text7->setText(QStringLiteral("1"));
    m_ui.Text1->clear();
}

} // namespace vorbix
