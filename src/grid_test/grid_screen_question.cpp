#include "grid_test/grid_question.h"
#include "grid_test/grid_scoring.h"
#include "grid_test/grid_screen.h"

#include "data/cursor.h"
#include "data/word_count.h"
#include "platform/mouse_pointer.h"
#include "platform/random_source.h"
#include "platform/ticker.h"
#include "shell/display_case.h"
#include "shell/forms/colours.h"
#include "shell/forms/keyboard_access.h"
#include "shell/handler_boundary.h"
#include "shell/services.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace vorbix {

void GridScreen::onCmdcontClicked()
{
    const qint16 attemptsBefore = m_nrnote;
    const QString attemptsShown = m_ui.Text3->text();
    runGuarded(m_services, [this] { askQuestion(); }, m_timer.get(), [&] {
        // A question that could not be put is not counted and cannot be
        // answered; the answer timer is stopped with it.
        m_ui.Frame1->setEnabled(false);
        m_nrnote = attemptsBefore;
        m_ui.Text3->setText(attemptsShown);
    });
}

void GridScreen::askQuestion()
{
    forms::setCaption(m_ui.Cmdcont, QStringLiteral("Continue"));
    colours::setBackground(m_ui.Cmdcont, colours::kGreen);
    m_ui.Frame1->setEnabled(true);
    m_timer->start();
    m_ui.Text9->setText(QStringLiteral("5"));
    m_ui.Text7->setText(QStringLiteral("1")); // what the question scores unanswered
    for (QLineEdit *box : wordBoxes())
        colours::setBackground(box, colours::kWhite);
    markChoices(nullptr);

    const BusyPointer busy(m_services.pointer);
    Cursor &words = cursors().words(selectedPair());
    const int count = wordCount(cursors().datini(), words);
    m_services.random.reseedFromClock();
    m_nrnote = nextAttempt(m_nrnote);
    m_ui.Text3->setText(QString::number(m_nrnote));
    m_ui.clearChoices();

    // Only "Advanced" draws words; otherwise the asked word stays and the
    // choices are empty.
    GridDraw draw;
    if (m_ui.Option13->isChecked()) {
        draw = drawQuestion(words, m_services.random, count);
        m_ui.Text1->setText(draw.asked);
    }
    m_services.random.reseedFromClock();
    const GridPlacement placement = placeChoices(m_services.random);
    for (int k = 0; k < 5; ++k)
        m_ui.Text2[k]->setText(draw.variante[placement.pozitii[k]]);
    m_rasppoz = placement.rasppoz;
    m_questionAsked = true;

    applyArrivingCase(wordBoxes(), m_ui.Option2->isChecked(), m_ui.Option1->isChecked(),
                      cursors().datini().read().current);

    // The keys answer the question: Up and Down move between the choices,
    // Space chooses (the pair options would switch the pair mid-question).
    // The focus is handed over afresh, so that a screen reader reads the
    // first choice even when it had the focus already; the word asked is
    // told once the screen has settled.
    if (m_ui.Option14[0]->hasFocus())
        m_ui.Option14[0]->clearFocus();
    m_ui.Option14[0]->setFocus(Qt::OtherFocusReason);
    announce(m_ui.Text1->text());
}

} // namespace vorbix
