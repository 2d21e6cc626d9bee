#include "dictionary/start_screen.h"

#include "data/cursor.h"
#include "platform/text_services.h"
#include "shell/handler_boundary.h"
#include "shell/services.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QScrollBar>
#include <QSignalBlocker>

namespace vorbix {

void StartScreen::onVScroll1Changed()
{
    runTrapped([&] {
        if (!m_sincronizat) {
            // The first move after a look-up only brings the scroll bar to
            // the entry the look-up found. Before any look-up there is no
            // number here and browsing does nothing.
            const std::optional<qint16> found = text::toInt16(m_ui.Text23->text(), m_services.locale);
            if (!found)
                return;
            const QSignalBlocker blocker(m_ui.VScroll1);
            m_ui.VScroll1->setValue(*found);
            m_sincronizat = true;
        }

        const int pair = selectedPair();
        if (pair < 0)
            return;
        Cursor &words = cursors().words(pair);
        const int v = m_ui.VScroll1->value();
        const double half = text::numericValue(m_ui.Text22->text()) / 2;
        // Walk from the nearer end of the table to the entry whose Index is v.
        if (v <= half) {
            words.moveFirst();
            words.moveNext(v - words.index());
        } else {
            words.moveLast();
            words.movePrevious(words.index() - v);
        }
        showRows(words);
    });
}

bool StartScreen::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && browseByKey(watched, static_cast<QKeyEvent *>(event)))
        return true;
    return Screen::eventFilter(watched, event);
}

bool StartScreen::browseByKey(QObject *watched, QKeyEvent *event)
{
    if (event->modifiers() & ~Qt::KeypadModifier)
        return false;
    const bool inLookUpBox = watched == m_ui.Text0;
    if (!inLookUpBox && watched != m_ui.VScroll1)
        return false;
    QAbstractSlider::SliderAction action;
    switch (event->key()) {
    case Qt::Key_Up: action = QAbstractSlider::SliderSingleStepSub; break;
    case Qt::Key_Down: action = QAbstractSlider::SliderSingleStepAdd; break;
    case Qt::Key_PageUp: action = QAbstractSlider::SliderPageStepSub; break;
    case Qt::Key_PageDown: action = QAbstractSlider::SliderPageStepAdd; break;
    case Qt::Key_Home:
    case Qt::Key_End:
        if (inLookUpBox)
            return false; // they move the caret in the typed word
        action = event->key() == Qt::Key_Home ? QAbstractSlider::SliderToMinimum : QAbstractSlider::SliderToMaximum;
        break;
    default: return false;
    }
    // A click on the scroll bar after a look-up only brings it to the entry
    // found. A key moves on from the entry shown at once, so the scroll bar
    // is brought there first; each of the two moves runs browsing once.
    if (!m_sincronizat)
        onVScroll1Changed();
    m_ui.VScroll1->triggerAction(action);
    return true;
}

} // namespace vorbix
