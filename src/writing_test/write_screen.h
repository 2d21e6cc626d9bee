#pragma once

#include "learning/exercise_screen.h"
#include "shell/forms/write_form.h"

namespace vorbix {

// "Write words": a word is shown, the user types its translation and the
// answer is scored from 1 to 10.
class WriteScreen final : public ExerciseScreen
{
    Q_OBJECT

public:
    WriteScreen(Services &services, Navigator &navigator);
    ~WriteScreen() override;

    CommonControls &controls() override { return m_ui; }
    WriteForm &ui() { return m_ui; }

    void resetOnLeave() override;

    float medie() const { return m_medie; }
    qint16 nrnote() const { return m_nrnote; }
    float totalnote() const { return m_totalnote; }

protected:
    ExerciseControls &exercise() override { return m_ui; }
    QList<QLineEdit *> wordBoxes() override;
    QLineEdit *answerBox() override;
    QLineEdit *answerCover() override;
    void onCheck2Toggled(bool checked) override;
    void onTimerTick() override;

private:
    WriteForm m_ui;
    float m_medie = 0.0f;
    qint16 m_nrnote = 0;
    float m_totalnote = 0.0f;
};

} // namespace vorbix
