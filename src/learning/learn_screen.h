#pragma once

#include "learning/exercise_screen.h"
#include "shell/forms/learn_form.h"

namespace vorbix {

// "Learn words": words and their translations one after another, on each
// press of the start button or every few seconds.
class LearnScreen final : public ExerciseScreen
{
    Q_OBJECT

public:
    LearnScreen(Services &services, Navigator &navigator);
    ~LearnScreen() override;

    CommonControls &controls() override { return m_ui; }
    LearnForm &ui() { return m_ui; }

protected:
    ExerciseControls &exercise() override { return m_ui; }
    QList<QLineEdit *> wordBoxes() override;
    bool setsIntervalOnTimedStart() const override { return true; }
    void onCheck2Toggled(bool checked) override;
    void onTimerTick() override;
    void wordPresented(const WordOnShow &word) override;

private:
    LearnForm m_ui;
};

} // namespace vorbix
