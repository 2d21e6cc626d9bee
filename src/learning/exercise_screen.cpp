#include "learning/exercise_screen.h"

#include "data/cursor.h"
#include "data/language_pairs.h"
#include "data/word_count.h"
#include "learning/letter_range.h"
#include "platform/text_services.h"
#include "platform/ticker.h"
#include "shell/forms/colours.h"
#include "shell/forms/common_controls.h"
#include "shell/forms/exercise_controls.h"
#include "shell/forms/keyboard_access.h"
#include "shell/handler_boundary.h"
#include "shell/services.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace vorbix {

ExerciseScreen::ExerciseScreen(ScreenId id, Services &services, Navigator &navigator,
                               const ScreenBinding &binding)
    : Screen(id, services, navigator, binding)
{
}

ExerciseScreen::~ExerciseScreen() = default;

void ExerciseScreen::connectExerciseControls(QTimer *designTimer)
{
    ExerciseControls &ex = exercise();
    m_timer = m_services.tickers.make(designTimer);
    connect(ex.Combo1, &QComboBox::activated, this, [this] {
        runGuarded(m_services, [this] { onCombo1Activated(); });
    });
    connect(ex.Option13, &QRadioButton::clicked, this, [this] {
        runGuarded(m_services, [this] { onOption13Clicked(); });
    });
    connect(ex.Check2, &QCheckBox::toggled, this, &ExerciseScreen::onCheck2Toggled);
    connect(ex.Cmdcont, &QPushButton::clicked, this, [this] {
        runGuarded(m_services, [this] { onCmdcontClicked(); });
    });
    connect(ex.Text2, &QLineEdit::textChanged, this, &ExerciseScreen::onText2Changed);
    m_timer->setTickHandler([this] { onTimerTick(); });
}

void ExerciseScreen::onCombo1Activated()
{
    ExerciseControls &ex = exercise();
    LetterRange range;
    if (ex.Option13->isChecked()) {
        const int pair = selectedPair();
        if (pair >= 0) {
            range = findLetterRange(cursors().words(pair), ex.Combo1->currentText());
            ex.Text10->setText(QLatin1String(kLanguagePairs[pair].tableCode));
        }
    }
    // The range takes effect at once, also for a timed exercise that is
    // running, not only from the next press of the start button.
    m_state.nrprim = range.first;
    m_state.nrultim = range.last;
    ex.Text11->setText(QString::number(range.first));
    ex.Text12->setText(QString::number(range.last));
}

void ExerciseScreen::onOption13Clicked()
{
    if (!letterChosen())
        return;
    const int pair = selectedPair();
    if (pair < 0)
        return;
    ExerciseControls &ex = exercise();
    const LetterRange range = findLetterRange(cursors().words(pair), ex.Combo1->currentText());
    m_state.nrprim = range.first;
    m_state.nrultim = range.last;
    ex.Text10->setText(QLatin1String(kLanguagePairs[pair].tableCode));
    ex.Text11->setText(QString::number(m_state.nrprim));
    ex.Text12->setText(QString::number(m_state.nrultim));
}

void ExerciseScreen::onPairOptionClicked(int pair)
{
    const LanguagePair &p = kLanguagePairs[pair];
    ExerciseControls &ex = exercise();
    CommonControls &c = controls();

    // A table that cannot be read or a settings record that cannot be saved
    // leaves the screen as it was, on the pair it had.
    const QString text10 = ex.Text10->text(), text11 = ex.Text11->text(), text12 = ex.Text12->text();
    const ExerciseState before = m_state;
    const auto rollback = [&] {
        ex.Text10->setText(text10);
        ex.Text11->setText(text11);
        ex.Text12->setText(text12);
        m_state = before;
    };

    selectPairOrRollBack(
        pair,
        [&] {
            Cursor &words = cursors().words(pair);
            if (letterChosen()) {
                ex.Text10->setText(QLatin1String(p.tableCode));
                const LetterRange range = findLetterRange(words, ex.Combo1->currentText());
                ex.Text11->setText(QString::number(range.first));
                ex.Text12->setText(QString::number(range.last));
            }
            ex.Option13->setChecked(true);
            onOption13Clicked();
            m_state.nrmax = qint16(countFromLastRecord(words));
            storeCount(cursors().datini(), words, m_state.nrmax);
            c.Label6->setText(QLatin1String(p.sourceCaption));
            c.Label7->setText(QLatin1String(p.targetCaption));
        },
        rollback);
}

void ExerciseScreen::resetOnLeave()
{
    exercise().Check2->setChecked(false); // runs the "Timer" handling when it was checked
    m_timer->stop();
    // Leaving stops the exercise: the next press of the start button on
    // return presents a word instead of pausing one that no longer runs.
    setExerciseFlag(1);
}

bool ExerciseScreen::letterChosen()
{
    const QString letter = exercise().Combo1->currentText();
    return !letter.isEmpty() && letter != QLatin1String("A-Z");
}

double ExerciseScreen::exerciseFlag()
{
    return text::numericValue(exercise().Text8->text());
}

void ExerciseScreen::setExerciseFlag(int flag)
{
    exercise().Text8->setText(QString::number(flag));
}

void ExerciseScreen::paintCmdcont(const QString &caption, const QColor &colour)
{
    forms::setCaption(exercise().Cmdcont, caption);
    colours::setBackground(exercise().Cmdcont, colour);
}

QString ExerciseScreen::wordShown()
{
    return exercise().Text3->text();
}

QString ExerciseScreen::translationShown()
{
    // A right answer under its cover is not read out before it is uncovered.
    const QLineEdit *cover = answerCover();
    if (cover && !cover->isHidden())
        return {};
    return exercise().Text4->text();
}

void ExerciseScreen::presentNextWord(NextWordRequest::Variant variant)
{
    const int pair = selectedPair();
    if (pair < 0)
        return;
    ExerciseControls &ex = exercise();
    NextWordRequest request;
    request.variant = variant;
    request.order = ex.Option10->isChecked() ? NextWordRequest::Order::InOrder : NextWordRequest::Order::Randomly;
    request.letter = letterChosen() ? ex.Combo1->currentText() : QString();
    request.nrmax = m_state.nrmax;
    request.nrprim = m_state.nrprim;
    request.nrultim = m_state.nrultim;
    Cursor &words = cursors().words(pair);
    chooseNextWord(words, request, m_services.random);
    // A missing word or translation shows as an empty box.
    ex.Text3->setText(words.source().value_or(QString()));
    ex.Text4->setText(words.target().value_or(QString()));
    // The focus is on the start button or in the answer box, not on the
    // words; a covered translation is not told.
    announce(spokenEntry(wordShown(), translationShown()));
}

void ExerciseScreen::stopTimers()
{
    m_timer->stop();
}

} // namespace vorbix
