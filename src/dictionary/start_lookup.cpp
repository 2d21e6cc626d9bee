#include "dictionary/start_screen.h"

#include "data/cursor.h"
#include "data/word_count.h"
#include "platform/text_services.h"
#include "shell/handler_boundary.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QScrollBar>
#include <QSignalBlocker>

namespace vorbix {

namespace {
// Typed texts of 1 to 20 characters (after trimming) are looked up; an empty
// or a longer text shows the table from its first entry.
constexpr int kLongestLookup = 20;
} // namespace

void StartScreen::onText0Changed()
{
    const QString typed = m_ui.Text0->text();
    const int length = int(text::trimBlanks(typed).size());

    runTrapped([&] {
        m_sincronizat = false;
        onCheck1Toggled(m_ui.Check1->isChecked()); // row 1 follows "a/A"

        const int pair = selectedPair();
        if (pair < 0)
            return;
        Cursor &words = cursors().words(pair);
        m_nrmax = qint16(wordCount(cursors().datini(), words));
        {
            // A new maximum below the thumb moves the thumb; that move is not
            // the user's scroll and must not run browsing, which would sync
            // to the entry of the previous look-up.
            const QSignalBlocker blocker(m_ui.VScroll1);
            m_ui.VScroll1->setMaximum(qMax<int>(1, m_nrmax));
        }
        m_ui.Text22->setText(QString::number(m_nrmax));

        words.moveFirst();
        if (length >= 1 && length <= kLongestLookup) {
            // The typed text is compared as typed: blanks inside it, or at
            // its ends, are characters like any other.
            words.findFirst(PrefixEquals{length, typed});
            if (length >= 2)
                negasit(words, length);
        }
        m_ui.Text23->setText(QString::number(words.index()));
        showRows(words);
    });
}

void StartScreen::negasit(Cursor &words, int typedLength)
{
    const QString typed = m_ui.Text0->text();
    for (int k = typedLength - 1; k >= 1 && words.noMatch(); --k)
        words.findFirst(PrefixEquals{k, typed.left(k)});
}

} // namespace vorbix
