#include "dictionary/start_screen.h"

#include "data/cursor.h"
#include "data/language_pairs.h"
#include "data/word_count.h"
#include "platform/text_services.h"
#include "shell/handler_boundary.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

namespace vorbix {

StartScreen::StartScreen(Services &services, Navigator &navigator)
    : Screen(ScreenId::Start, services, navigator, bindings::kStart)
{
    m_ui.setupUi(this);
    connectCommonControls();
    connect(m_ui.Text0, &QLineEdit::textChanged, this, &StartScreen::onText0Changed);
    connect(m_ui.cmdclr, &QPushButton::clicked, this, &StartScreen::onCmdclrClicked);
    connect(m_ui.VScroll1, &QScrollBar::valueChanged, this, &StartScreen::onVScroll1Changed);
    m_ui.Text0->installEventFilter(this);
    m_ui.VScroll1->installEventFilter(this);
}

StartScreen::~StartScreen() = default;

QList<QLineEdit *> StartScreen::wordBoxes()
{
    return {m_ui.sourceWord[0], m_ui.targetWord[0]};
}

QString StartScreen::wordShown()
{
    // The entry found; before any is shown, what the user typed.
    const QString found = m_ui.sourceWord[0]->text();
    return found.isEmpty() ? m_ui.Text0->text() : found;
}

QString StartScreen::translationShown()
{
    return m_ui.targetWord[0]->text();
}

void StartScreen::onCmdclrClicked()
{
    m_ui.Text0->clear();
    m_ui.Text0->setFocus();
}

void StartScreen::onPairOptionClicked(int pair)
{
    const LanguagePair &p = kLanguagePairs[pair];
    runTrapped([&] {
        // Emptying the look-up box runs the look-up for the new pair. A box
        // that is empty already runs nothing, and rows showing the entries of
        // the pair before would stand under the new pair's captions: they are
        // looked up afresh as well. Rows still empty since start-up stay so.
        if (!m_ui.Text0->text().isEmpty())
            m_ui.Text0->clear();
        else if (rowsShowEntries())
            onText0Changed();
        m_ui.Label6->setText(QLatin1String(p.sourceCaption));
        m_ui.Label7->setText(QLatin1String(p.targetCaption));
        Cursor &words = cursors().words(pair);
        m_nrmax = qint16(countFromLastRecord(words));
        m_ui.VScroll1->setMaximum(qMax<int>(1, m_nrmax));
        m_ui.Text22->setText(QString::number(m_nrmax));
        m_ui.VScroll1->setValue(1); // runs browsing when the position changes
        m_ui.Text23->setText(QStringLiteral("1"));
        m_sincronizat = false;
        storeCount(cursors().datini(), words, m_nrmax);
        m_ui.Text0->setFocus();
    });
}

bool StartScreen::rowsShowEntries() const
{
    for (int row = 0; row < 7; ++row) {
        if (!m_ui.sourceWord[row]->text().isEmpty() || !m_ui.targetWord[row]->text().isEmpty())
            return true;
    }
    return false;
}

void StartScreen::showRow(int row, Cursor &words, bool upperCase)
{
    // A missing word or translation shows as an empty box.
    QString source = words.source().value_or(QString());
    QString target = words.target().value_or(QString());
    if (upperCase) {
        source = text::upperCase(source);
        target = text::upperCase(target);
    }
    m_ui.sourceWord[row]->setText(source);
    m_ui.targetWord[row]->setText(target);
}

void StartScreen::showRows(Cursor &words)
{
    const QString before = spokenEntry(m_ui.sourceWord[0]->text(), m_ui.targetWord[0]->text());
    showRow(0, words, m_ui.Option2->isChecked());
    // The entry found is what the user typed or browsed for; it is told
    // when it changes, once the keys stop.
    const QString found = spokenEntry(m_ui.sourceWord[0]->text(), m_ui.targetWord[0]->text());
    if (found != before)
        announce(found);
    for (int row = 1; row < 7; ++row) {
        if (words.index() < m_nrmax) {
            words.moveNext();
            showRow(row, words, false);
        } else {
            m_ui.sourceWord[row]->clear();
            m_ui.targetWord[row]->clear();
        }
    }
}

} // namespace vorbix
