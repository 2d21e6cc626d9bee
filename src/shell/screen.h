#pragma once

#include "data/screen_bindings.h"

#include <QList>
#include <QWidget>

#include <functional>

class QLineEdit;

namespace vorbix {

class Announcer;
struct CommonControls;
class Navigator;
struct Services;

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

    // Whether "abc"/"ABC" convert the words on show at once.
    virtual bool convertsCaseOnClick() const { return true; }

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
    // F5 and Shift+F5 (with Ctrl: slowly).
    void onSpeakKey(bool translation, bool slowly);

    ScreenId m_id;
    ScreenCursors m_cursors;
    bool m_placed = false;
    Announcer &announcer();
    Announcer *m_announcer = nullptr; // made on the first announcement
    int m_appliedPair = 0; // the pair whose selection last completed; Option3 at design time
};

} // namespace vorbix
