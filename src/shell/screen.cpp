#include "shell/screen.h"

#include "data/language_pairs.h"
#include "data/record_error.h"
#include "platform/clock.h"
#include "platform/message_sink.h"
#include "platform/text_services.h"
#include "platform/ticker.h"
#include "shell/announcer.h"
#include "shell/forms/common_controls.h"
#include "shell/handler_boundary.h"
#include "shell/navigator.h"
#include "shell/progress_button.h"
#include "shell/services.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCheckBox>
#include <QCloseEvent>
#include <QLabel>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QShortcut>

#include <tuple>

namespace vorbix {

namespace {

// A screen is a window of its own: assistive technology is told so
// (a plain QWidget would be reported as a filler inside some other window).
QAccessibleInterface *screenAccessibility(const QString &className, QObject *object)
{
    if (className == QLatin1String("vorbix::Screen") && object && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Window);
    return nullptr;
}

constexpr char kPracticeCompleted[] = "All due words practised.";

} // namespace

Screen::Screen(ScreenId id, Services &services, Navigator &navigator, const ScreenBinding &binding)
    : m_services(services)
    , m_navigator(navigator)
    , m_id(id)
    , m_cursors(services.store, binding)
{
    static const bool accessibilityInstalled = [] {
        QAccessible::installFactory(screenAccessibility);
        return true;
    }();
    Q_UNUSED(accessibilityInstalled);
    static const char *const names[] = {"Start", "Invatare", "Test", "TestG"};
    setObjectName(QLatin1String(names[int(id)]));
    SettingsRecord &settings = m_cursors.datini();
    settings.setSaveFailureHandler([this, &settings](const RecordError &error) {
        m_navigator.settingsNotSaved(settings.filePath(), error.message());
    });
}

Screen::~Screen() = default;

int Screen::selectedPair()
{
    const CommonControls &c = controls();
    for (int i = 0; i < kPairCount; ++i) {
        if (c.pairOptions[i]->isChecked())
            return i;
    }
    return -1;
}

void Screen::carryPairOver(int pair)
{
    if (pair < 0 || selectedPair() == pair)
        return;
    controls().pairOptions[pair]->setChecked(true);
    onPairOptionClicked(pair);
}

void Screen::selectPairOrRollBack(int pair, const std::function<void()> &steps,
                                  const std::function<void()> &rollback)
{
    CommonControls &c = controls();
    const int before = m_appliedPair;
    const QString caption6 = c.Label6->text(), caption7 = c.Label7->text();
    const bool done = runGuarded(m_services, steps, nullptr, [&] {
        c.Label6->setText(caption6);
        c.Label7->setText(caption7);
        c.pairOptions[before]->setChecked(true); // checking from code runs no handler
        if (rollback)
            rollback();
    });
    if (done)
        m_appliedPair = pair;
}

void Screen::connectCommonControls()
{
    CommonControls &c = controls();
    const std::pair<QPushButton *, ScreenId> navigation[] = {
        {c.cmdDict, ScreenId::Start},
        {c.cmdInvat, ScreenId::Invatare},
        {c.cmdTest, ScreenId::Test},
        {c.cmdTestG, ScreenId::TestG},
    };
    for (const auto &[button, target] : navigation)
        connect(button, &QPushButton::clicked, this, [this, target = target] { onNavigationClicked(target); });
    connect(c.iesi, &QPushButton::clicked, this, [this] { m_navigator.exit(); });

    for (int i = 0; i < kPairCount; ++i)
        connect(c.pairOptions[i], &QRadioButton::clicked, this, [this, i] { onPairOptionClicked(i); });

    // The speech keys read without taking the focus or touching a control.
    const std::tuple<const char *, bool, bool> speechKeys[] = {
        {"F5", false, false}, {"Shift+F5", true, false}, {"Ctrl+F5", false, true}, {"Ctrl+Shift+F5", true, true}};
    for (const auto &[keys, translation, slowly] : speechKeys) {
        auto *shortcut = new QShortcut(QKeySequence(QLatin1String(keys)), this);
        connect(shortcut, &QShortcut::activated, this,
                [this, translation = translation, slowly = slowly] { onSpeakKey(translation, slowly); });
    }

    // Progress: a button in room of its own, and Ctrl+P. Tab reaches the
    // button just before the navigation row.
    m_progressButton = makeProgressButton(this, m_id);
    placeProgressButton(m_progressButton, m_id);
    QWidget::setTabOrder(c.cmdDict->previousInFocusChain(), m_progressButton);
    connect(m_progressButton, &QPushButton::clicked, this, [this] { m_navigator.showProgress(*this); });
    auto *progressKey = new QShortcut(QKeySequence(QStringLiteral("Ctrl+P")), this);
    connect(progressKey, &QShortcut::activated, this, [this] { m_navigator.showProgress(*this); });

    connect(c.Check1, &QCheckBox::toggled, this, &Screen::onCheck1Toggled);
    connect(c.Option1, &QRadioButton::clicked, this, &Screen::onOption1Clicked);
    connect(c.Option2, &QRadioButton::clicked, this, &Screen::onOption2Clicked);
}

void Screen::onNavigationClicked(ScreenId target)
{
    if (target == m_id) {
        m_services.messages.show({QStringLiteral("Here !"), kApplicationTitle, MessageIcon::None});
        return;
    }
    m_navigator.switchTo(*this, target);
}

void Screen::startPractice(int pair, QList<int> indexes)
{
    m_practicePair = indexes.isEmpty() ? -1 : pair;
    m_practice = std::move(indexes);
    m_practiceCompleted = m_completionUntold = false;
    showPracticeOnButton();
}

void Screen::endPractice()
{
    if (m_practicePair < 0 && !m_practiceCompleted)
        return;
    m_practicePair = -1;
    m_practice.clear();
    m_practiceCompleted = m_completionUntold = false;
    showPracticeOnButton();
}

void Screen::wordGraded(int pair, int index)
{
    if (pair < 0 || pair != m_practicePair || !m_practice.removeOne(index))
        return;
    if (m_practice.isEmpty()) {
        m_practicePair = -1;
        m_practiceCompleted = m_completionUntold = true;
    }
    showPracticeOnButton();
}

const QList<int> *Screen::practiceFor(int pair) const
{
    return pair >= 0 && pair == m_practicePair ? &m_practice : nullptr;
}

void Screen::holdWhileCovered()
{
    if (m_coveredSince.isValid())
        return;
    m_coveredSince = m_services.clock.now();
    Ticker *timer = screenTimer();
    m_timerHeld = timer && timer->isActive();
    if (m_timerHeld)
        timer->stop();
}

void Screen::releaseWhenUncovered()
{
    if (!m_coveredSince.isValid())
        return;
    const qint64 covered = qMax<qint64>(0, m_coveredSince.msecsTo(m_services.clock.now()));
    m_coveredSince = {};
    // A program that ended meanwhile has stopped every timer for good.
    if (m_timerHeld && !m_navigator.hasExited())
        screenTimer()->start();
    m_timerHeld = false;
    leaveOutOfAnswerTime(covered);
}

void Screen::showPracticeOnButton()
{
    if (!m_progressButton || m_id == ScreenId::Start)
        return;
    if (m_practicePair < 0) {
        // A completed practice stays said on the button until the screen is
        // left or another practice starts.
        const QString done = m_practiceCompleted ? QString::fromLatin1(kPracticeCompleted) : QString();
        m_progressButton->setText(QStringLiteral("Progress"));
        m_progressButton->setAccessibleDescription(
            m_practiceCompleted ? done + QStringLiteral(" Progress (Ctrl+P).") : QString());
        m_progressButton->setToolTip(m_practiceCompleted ? done + QStringLiteral("\nProgress (Ctrl+P)")
                                                         : QStringLiteral("Progress (Ctrl+P)"));
        return;
    }
    const QString words = m_practice.size() == 1 ? QStringLiteral("the 1 word")
                                                 : QStringLiteral("the %1 words").arg(m_practice.size());
    const QString what = QStringLiteral("Practising %1 due in %2 until you leave this screen.")
                             .arg(words, QLatin1String(kLanguagePairs[m_practicePair].caption));
    // The count goes to the tooltip and the description: the caption keeps
    // to the button's room.
    m_progressButton->setText(QStringLiteral("Practising"));
    m_progressButton->setAccessibleDescription(what + QStringLiteral(" Progress (Ctrl+P)."));
    m_progressButton->setToolTip(what + QStringLiteral("\nProgress (Ctrl+P)"));
}

void Screen::onSpeakKey(bool translation, bool slowly)
{
    const int pair = selectedPair();
    if (pair < 0)
        return;
    const LanguagePair &p = kLanguagePairs[pair];
    const QString text = translation ? translationShown() : wordShown();
    m_navigator.speaker().say(text, languageOfField(translation ? p.targetField : p.sourceField), slowly);
}

Announcer &Screen::announcer()
{
    if (!m_announcer)
        m_announcer = new Announcer(this, m_services.tickers);
    return *m_announcer;
}

void Screen::announce(const QString &text)
{
    // The end of a practice is told once, after the result that ended it.
    if (m_completionUntold) {
        m_completionUntold = false;
        announcer().say(text.isEmpty() ? QString::fromLatin1(kPracticeCompleted)
                                       : text + QLatin1Char(' ') + QLatin1String(kPracticeCompleted));
        return;
    }
    announcer().say(text);
}

QString Screen::spokenEntry(const QString &word, const QString &translation)
{
    return translation.isEmpty() ? word : QStringLiteral("%1: %2").arg(word, translation);
}

void Screen::onCheck1Toggled(bool checked)
{
    for (QLineEdit *box : wordBoxes()) {
        QFont font = box->font();
        font.setBold(checked);
        font.setPointSizeF(checked ? 10.0 : plainWordSize());
        box->setFont(font);
    }
}

void Screen::onOption1Clicked()
{
    if (!convertsCaseOnClick())
        return;
    for (QLineEdit *box : wordBoxes())
        box->setText(text::lowerCase(box->text()));
}

void Screen::onOption2Clicked()
{
    if (!convertsCaseOnClick())
        return;
    for (QLineEdit *box : wordBoxes())
        box->setText(text::upperCase(box->text()));
}

void Screen::closeEvent(QCloseEvent *event)
{
    // Closing any window by its title bar ends the program like "Exit": no
    // program is left running without a window.
    event->accept();
    m_navigator.exit();
}

void Screen::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (m_progressButton)
        placeProgressButton(m_progressButton, m_id);
    if (m_placed)
        return;
    m_placed = true;
    if (const QScreen *display = QGuiApplication::primaryScreen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(display->availableGeometry().center());
        move(frame.topLeft());
    }
}

} // namespace vorbix
