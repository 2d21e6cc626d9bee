#include "dictionary/start_screen.h"

#include "data/cursor.h"
#include "platform/text_services.h"
#include "shell/handler_boundary.h"
#include "shell/services.h"

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

} // namespace vorbix
