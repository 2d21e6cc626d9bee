#include "learning/exercise_screen.h"

#include "data/cursor.h"
#include "data/language_pairs.h"
#include "data/word_count.h"
#include "shell/forms/common_controls.h"
#include "shell/forms/exercise_controls.h"
#include "shell/handler_boundary.h"
#include "shell/services.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

namespace vorbix {

ExerciseScreen::ExerciseScreen(ScreenId id, Services &services, Navigator &navigator,
                               const ScreenBinding &binding)
    : Screen(id, services, navigator, binding)
{
}

ExerciseScreen::~ExerciseScreen() = default;

void ExerciseScreen::connectExerciseControls(ExerciseControls &exercise, QPushButton *cmdcont, QTimer *timer)
{
    m_exercise = &exercise;
    m_cmdcont = cmdcont;
    m_timer = timer;
    connect(exercise.Combo1, &QComboBox::activated, this, [this] {
        runGuarded(m_services.messages, [this] { onCombo1Activated(); });
    });
    connect(exercise.Option13, &QRadioButton::clicked, this, [this] {
        runGuarded(m_services.messages, [this] { onOption13Clicked(); });
    });
    connect(exercise.Check2, &QCheckBox::toggled, this, &ExerciseScreen::onCheck2Toggled);
}

bool ExerciseScreen::letterChosen() const
{
    const QString letter = m_exercise->Combo1->currentText();
    return !letter.isEmpty() && letter != QLatin1String("A-Z");
}

ExerciseScreen::LetterRange ExerciseScreen::letterRange(Cursor &words, const QString &letter)
{
    const PrefixEquals startsWithLetter{1, letter};
    LetterRange range;
    words.moveFirst();
    words.findFirst(startsWithLetter);
    range.first = qint16(words.index());
    words.findLast(startsWithLetter);
    range.last = qint16(words.index());
    return range;
}

void ExerciseScreen::onCombo1Activated()
{
    LetterRange range;
    if (m_exercise->Option13->isChecked()) {
        const int pair = selectedPair();
        if (pair >= 0) {
            range = letterRange(cursors().words(pair), m_exercise->Combo1->currentText());
            m_exercise->Text10->setText(QLatin1String(kLanguagePairs[pair].tableCode));
        }
    }
    m_exercise->Text11->setText(QString::number(range.first));
    m_exercise->Text12->setText(QString::number(range.last));
}

void ExerciseScreen::onOption13Clicked()
{
    if (!letterChosen())
        return;
    const int pair = selectedPair();
    if (pair < 0)
        return;
    const LetterRange range = letterRange(cursors().words(pair), m_exercise->Combo1->currentText());
    m_nrprim = range.first;
    m_nrultim = range.last;
    m_exercise->Text10->setText(QLatin1String(kLanguagePairs[pair].tableCode));
    m_exercise->Text11->setText(QString::number(m_nrprim));
    m_exercise->Text12->setText(QString::number(m_nrultim));
}

void ExerciseScreen::onPairOptionClicked(int pair)
{
    const LanguagePair &p = kLanguagePairs[pair];
    ExerciseControls &ex = *m_exercise;
    CommonControls &c = controls();

    // A table that cannot be read or a settings record that cannot be saved
    // leaves the screen as it was, on the pair it had.
    const QString text10 = ex.Text10->text(), text11 = ex.Text11->text(), text12 = ex.Text12->text();
    const qint16 nrmax = m_nrmax, nrprim = m_nrprim, nrultim = m_nrultim;
    const auto rollback = [&] {
        ex.Text10->setText(text10);
        ex.Text11->setText(text11);
        ex.Text12->setText(text12);
        m_nrmax = nrmax;
        m_nrprim = nrprim;
        m_nrultim = nrultim;
    };

    selectPairOrRollBack(
        pair,
        [&] {
            Cursor &words = cursors().words(pair);
            if (letterChosen()) {
                ex.Text10->setText(QLatin1String(p.tableCode));
                const LetterRange range = letterRange(words, ex.Combo1->currentText());
                ex.Text11->setText(QString::number(range.first));
                ex.Text12->setText(QString::number(range.last));
            }
            ex.Option13->setChecked(true);
            onOption13Clicked();
            m_nrmax = qint16(countFromLastRecord(words));
            storeCount(cursors().datini(), words, m_nrmax);
            c.Label6->setText(QLatin1String(p.sourceCaption));
            c.Label7->setText(QLatin1String(p.targetCaption));
        },
        rollback);
}

void ExerciseScreen::resetOnLeave()
{
    m_exercise->Check2->setChecked(false); // runs the "Timer" handling when it was checked
    m_timer->stop();
}

void ExerciseScreen::stopTimers()
{
    m_timer->stop();
}

} // namespace vorbix
