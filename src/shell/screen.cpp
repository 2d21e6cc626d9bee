#include "shell/screen.h"

#include "data/language_pairs.h"
#include "data/record_error.h"
#include "platform/message_sink.h"
#include "platform/text_services.h"
#include "shell/announcer.h"
#include "shell/forms/common_controls.h"
#include "shell/handler_boundary.h"
#include "shell/navigator.h"
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
