#pragma once

#include "data/screen_bindings.h"

#include <QDateTime>
#include <QList>
#include <QWidget>

#include <functional>

class QLineEdit;
class QPushButton;

namespace vorbix {

class Announcer;
struct CommonControls;
class Navigator;
struct Services;
class Ticker;

enum class ScreenId { Start, Invatare, Test, TestG };

// What the four screens have in common: the navigation row, the six pair
// options, the display options and the seven cursors. Each screen is a
// top-level window that lives, shown or hidden, until the program ends.
class Screen : public QWidget
{
    Q_OBJECT

public:
    ~Screen() override;

    ScreenId id() const { return m_id; }
    virtual CommonControls &controls() = 0;

    // The position in the pair table of the first selected pair option, or -1.
    int selectedPair();

    // Selects the pair's option from code, as navigation does when it carries
    // the pair over; the pair selection runs when the selection changes.
    void carryPairOver(int pair);

    // Stops and resets what the screen was doing, when it is left.
    virtual void resetOnLeave() {}
    // Stops every timer of the screen, when the program ends.
    virtual void stopTimers() {}

    ScreenCursors &cursors() { return m_cursors; }

    // A practice of the due words: while one runs for a pair, the screen's
    // draws for that pair keep to the words given (their Index, ascending).
    // Leaving the screen ends it; without one every draw is the screen's own.
    void startPractice(int pair, QList<int> indexes);
    void endPractice();
    // The words a draw for `pair` keeps to, or null when no practice of that
    // pair runs.
    const QList<int> *practiceFor(int pair) const;

    // Whether a word or question on show still waits for its answer (a
    // half-typed answer, a running question); an idle screen shows START or
    // a graded word.
    virtual bool awaitsAnswer() const { return false; }

    // START (later Continue), which a learner who arrives on the screen to
    // practise presses first; null on a screen without one.
    virtual QWidget *startButton() { return nullptr; }

    // The button that opens the Progress window (also Ctrl+P).
    QPushButton *progressButton() const { return m_progressButton; }

    // A window opened over the screen (the Progress window) holds it still
    // until it closes: a running timer stops and starts again afterwards, so
    // the time left, the word on show and the draws go on as they were, and
    // the time spent in the window is not counted as time taken to answer.
    // Holding a held screen, or releasing one that is not held, changes
    // nothing.
    void holdWhileCovered();
    void releaseWhenUncovered();

protected:
    Screen(ScreenId id, Services &services, Navigator &navigator, const ScreenBinding &binding);

    // Wires the common controls; called by each screen once its form is set up.
    void connectCommonControls();

    // A pair option was clicked, or selected from code.
    virtual void onPairOptionClicked(int pair) = 0;

    // The boxes that show words, which the display options act on.
    virtual QList<QLineEdit *> wordBoxes() = 0;
    // Point size of the word boxes with "a/A" cleared.
    virtual double plainWordSize() const { return 8.0; }
    // What the speech keys read aloud: the word on show in the pair's first
    // language and its translation in the second; empty when nothing is on
    // show (a covered right answer counts as not shown).
    virtual QString wordShown() = 0;
    virtual QString translationShown() = 0;

    // Tells a screen reader what a handler has just shown away from the
    // focus, once the screen has settled (announcer.h); nothing while the
    // window is hidden.
    void announce(const QString &text);
    // A word with its translation as it is announced ("house: casa"); the
    // word alone when there is no translation to tell.
    static QString spokenEntry(const QString &word, const QString &translation);

    // A word had its first grading (Verify or time-out, a choice or a closed
    // question): in a practice of its pair it leaves the set, so a practice
    // answers each due word once and a word moves at most one box in it.
    // The last word ends the practice, and the screen's next announcement
    // says so.
    void wordGraded(int pair, int index);

    // Whether "abc"/"ABC" convert the words on show at once.
    virtual bool convertsCaseOnClick() const { return true; }

    // The screen's timer (Timer1, Timer2 or Timer3); null for a screen
    // without one.
    virtual Ticker *screenTimer() { return nullptr; }
    // The learner spent `milliseconds` in a window over the screen while a
    // word was on show: time not taken to answer it.
    virtual void leaveOutOfAnswerTime(qint64 milliseconds) { Q_UNUSED(milliseconds); }

    // Runs the steps of a pair selection that must not half-happen: when one
    // fails, the captions, the pair option and what `rollback` restores are
    // put back as they were, and the user is told.
    void selectPairOrRollBack(int pair, const std::function<void()> &steps,
                              const std::function<void()> &rollback = {});

    void onCheck1Toggled(bool checked);
    void onOption1Clicked();
    void onOption2Clicked();

    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;

    Services &m_services;
    Navigator &m_navigator;

private:
    void onNavigationClicked(ScreenId target);
    // The Progress button says when a practice runs.
    void showPracticeOnButton();
    // F5 and Shift+F5 (with Ctrl: slowly).
    void onSpeakKey(bool translation, bool slowly);

    ScreenId m_id;
    ScreenCursors m_cursors;
    bool m_placed = false;
    Announcer &announcer();
    Announcer *m_announcer = nullptr; // made on the first announcement
    int m_appliedPair = 0; // the pair whose selection last completed; Option3 at design time
    QPushButton *m_progressButton = nullptr;
    int m_practicePair = -1; // the pair a practice runs for; -1: none
    QList<int> m_practice;
    bool m_practiceCompleted = false; // every due word answered; the screen draws as always again
    bool m_completionUntold = false; // the next announcement says the practice is complete
    QDateTime m_coveredSince; // when a window over the screen began to hold it; null: not held
    bool m_timerHeld = false; // whether the hold stopped a running timer
};

} // namespace vorbix
