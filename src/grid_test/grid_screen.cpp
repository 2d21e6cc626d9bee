#include "grid_test/grid_screen.h"

#include "data/cursor.h"
#include "data/language_pairs.h"
#include "data/word_count.h"
#include "platform/ticker.h"
#include "shell/services.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace vorbix {

GridScreen::GridScreen(Services &services, Navigator &navigator)
    : Screen(ScreenId::TestG, services, navigator, bindings::kTestG)
{
    m_ui.setupUi(this);
    m_timer = m_services.tickers.make(m_ui.Timer3);
    connectCommonControls();
    connect(m_ui.Cmdcont, &QPushButton::clicked, this, &GridScreen::onCmdcontClicked);
    // `clicked`, not `toggled`: clicking the selected choice again judges it again.
    for (QRadioButton *option : m_ui.Option14)
        connect(option, &QRadioButton::clicked, this, &GridScreen::onChoiceClicked);
    m_timer->setTickHandler([this] { onTimer3Tick(); });
}

GridScreen::~GridScreen() = default;

QList<QLineEdit *> GridScreen::wordBoxes()
{
    // The sixth box of the array shows the time per question, not a word.
    return {m_ui.Text1, m_ui.Text2[0], m_ui.Text2[1], m_ui.Text2[2], m_ui.Text2[3], m_ui.Text2[4]};
}

QString GridScreen::wordShown()
{
    return m_ui.Text1->text();
}

QString GridScreen::translationShown()
{
    for (int k = 0; k < 5; ++k) {
        if (m_ui.Option14[k]->hasFocus() || m_ui.Text2[k]->hasFocus())
            return m_ui.Text2[k]->text();
    }
    return {};
}

void GridScreen::onPairOptionClicked(int pair)
{
    const LanguagePair &p = kLanguagePairs[pair];
    selectPairOrRollBack(pair, [&] {
        m_ui.Option13->setChecked(true);
        Cursor &words = cursors().words(pair);
        storeCount(cursors().datini(), words, countFromLastRecord(words));
        m_ui.Label6->setText(QLatin1String(p.sourceCaption));
        m_ui.Label7->setText(QLatin1String(p.targetCaption));
    });
}

void GridScreen::resetOnLeave()
{
    m_timer->stop();
    m_medie = 1.0f;
    m_nrnote = 0;
    m_ui.Text3->clear();
    m_ui.Text7->setText(QStringLiteral("1"));
    m_ui.Text8->clear();
}

bool GridScreen::awaitsAnswer() const
{
    return m_timer->isActive();
}

void GridScreen::stopTimers()
{
    m_timer->stop();
}

QWidget *GridScreen::startButton()
{
    return m_ui.Cmdcont;
}

} // namespace vorbix
