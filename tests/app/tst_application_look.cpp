// What the program's set-up gives every window: exact titles and frames
// that show their window's colour, checked on the rendered windows.
#include "test_support.h"

#include "app/application_setup.h"
#include "grid_test/grid_screen.h"
#include "learning/learn_screen.h"
#include "shell/forms/colours.h"
#include "dictionary/start_screen.h"
#include "writing_test/write_screen.h"

#include <QApplication>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>

#include <cmath>

using namespace vorbix;
using namespace vorbix::testing;

namespace {

// The contrast ratio of two colours as the accessibility guidelines define
// it, from 1 (the same) to 21 (black on white).
double contrastRatio(const QColor &a, const QColor &b)
{
    const auto luminance = [](const QColor &c) {
        const auto linear = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
    };
    const double la = luminance(a), lb = luminance(b);
    return (qMax(la, lb) + 0.05) / (qMin(la, lb) + 0.05);
}

} // namespace

class TestApplicationLook : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void titlesAreExactlyTheCaptions();
    void framesAndLabelsShowTheWindowColour_data();
    void framesAndLabelsShowTheWindowColour();
    void focusIsRingedWhereFusionShowsNone_data();
    void focusIsRingedWhereFusionShowsNone();
    void disabledOptionsAreGreyed();

private:
    std::unique_ptr<TestWorld> world;
};

void TestApplicationLook::initTestCase()
{
    setUpApplicationIdentity(*qApp);
    setUpApplicationLook();
    world = std::make_unique<TestWorld>(sampleTables());
}

void TestApplicationLook::titlesAreExactlyTheCaptions()
{
    // A display name of its own would be appended to every window and
    // message title by the platform ("Dictionary — Vorbix").
    QCOMPARE(QGuiApplication::applicationDisplayName(), QCoreApplication::applicationName());
    QCOMPARE(QCoreApplication::applicationName(), QStringLiteral("vorbix"));

    const std::pair<ScreenId, const char *> titles[] = {
        {ScreenId::Start, "Dictionary"},
        {ScreenId::Invatare, "Learn words"},
        {ScreenId::Test, "Write words"},
        {ScreenId::TestG, "Grid test"},
    };
    for (const auto &[id, title] : titles)
        QCOMPARE(world->navigator.screen(id).windowTitle(), QString::fromLatin1(title));
}

void TestApplicationLook::framesAndLabelsShowTheWindowColour_data()
{
    QTest::addColumn<ScreenId>("id");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("Dictionary") << ScreenId::Start << QColor(0, 192, 192);
    QTest::newRow("Learn words") << ScreenId::Invatare << QColor(224, 224, 224);
    QTest::newRow("Write words") << ScreenId::Test << QColor(224, 224, 224);
    QTest::newRow("Grid test") << ScreenId::TestG << QColor(224, 224, 224);
}

void TestApplicationLook::framesAndLabelsShowTheWindowColour()
{
    QFETCH(ScreenId, id);
    QFETCH(QColor, colour);
    Screen &screen = world->navigator.screen(id);
    screen.show();
    const QImage image = screen.grab().toImage();
    const qreal scale = image.width() / qreal(screen.width());

    auto pixel = [&](QWidget *inside, QPoint p) {
        const QPoint at = inside->mapTo(&screen, p) * scale;
        return QColor(image.pixel(at));
    };

    int frames = 0;
    for (QGroupBox *frame : screen.findChildren<QGroupBox *>()) {
        if (!frame->isVisible())
            continue;
        ++frames;
        int sampled = 0;
        // Every free point inside the frame, away from its outline and its title.
        const QRect inner = frame->contentsRect().adjusted(3, 3, -3, -3);
        for (int y = inner.top(); y <= inner.bottom(); y += 2) {
            for (int x = inner.left(); x <= inner.right(); x += 2) {
                if (frame->childAt(x, y))
                    continue;
                ++sampled;
                const QColor seen = pixel(frame, {x, y});
                if (seen != colour) {
                    QFAIL(qPrintable(QStringLiteral("%1 at (%2, %3) is %4, not %5")
                                         .arg(frame->objectName().isEmpty() ? frame->title() : frame->objectName())
                                         .arg(x)
                                         .arg(y)
                                         .arg(seen.name(), colour.name())));
                }
            }
        }
        QVERIFY2(sampled > 0, qPrintable(frame->title()));
    }
    QVERIFY(frames >= 3);

    // Buttons show their colour flat, not as Fusion's gradient.
    for (QPushButton *button : screen.findChildren<QPushButton *>()) {
        if (!button->isVisible())
            continue;
        const QColor designed = colours::background(button);
        for (const QPoint p : {QPoint(4, 4), QPoint(4, button->height() - 5), QPoint(button->width() - 5, 4)})
            QCOMPARE(pixel(button, p), designed);
    }

    for (QLabel *label : screen.findChildren<QLabel *>()) {
        if (!label->isVisible() || label->autoFillBackground())
            continue; // the main window's banner has a colour of its own
        QCOMPARE(pixel(label, {1, 1}), colour);
    }
    screen.hide();
}

void TestApplicationLook::focusIsRingedWhereFusionShowsNone_data()
{
    QTest::addColumn<ScreenId>("id");
    QTest::addColumn<QString>("control");
    QTest::newRow("a choice of the grid test") << ScreenId::TestG << QStringLiteral("Option14_1");
    QTest::newRow("the dictionary's scroll bar") << ScreenId::Start << QStringLiteral("VScroll1");
    // Fusion marks these with a tint barely darker than the window.
    QTest::newRow("a pair option on the dictionary") << ScreenId::Start << QStringLiteral("Option5");
    QTest::newRow("a/A on the dictionary") << ScreenId::Start << QStringLiteral("Check1");
    QTest::newRow("ABC on Learn words") << ScreenId::Invatare << QStringLiteral("Option2");
    QTest::newRow("Timer on Write words") << ScreenId::Test << QStringLiteral("Check2");
    QTest::newRow("In order on Learn words") << ScreenId::Invatare << QStringLiteral("Option10");
    QTest::newRow("Level on the grid test") << ScreenId::TestG << QStringLiteral("Option13");
    QTest::newRow("the letter list") << ScreenId::Invatare << QStringLiteral("Combo1");
}

void TestApplicationLook::focusIsRingedWhereFusionShowsNone()
{
    QFETCH(ScreenId, id);
    QFETCH(QString, control);
    // One window on show at a time; one the row before left on show stays so.
    for (ScreenId other : {ScreenId::Start, ScreenId::Invatare, ScreenId::Test, ScreenId::TestG}) {
        if (other != id)
            world->navigator.screen(other).hide();
    }
    Screen &screen = world->navigator.screen(id);
    screen.show();
    screen.activateWindow();
    QTRY_COMPARE(QApplication::activeWindow(), &screen);
    QWidget *w = screen.findChild<QWidget *>(control);
    QVERIFY(w && (w->focusPolicy() & Qt::TabFocus));
    screen.setFocus();
    const QImage plain = w->grab().toImage();
    w->setFocus(Qt::TabFocusReason);
    const QImage focused = w->grab().toImage();
    // The ring runs all round in a colour that stands out from the window
    // at 3:1 or more: at least one side's length of pixels change to such
    // a colour.
    const QColor window = screen.palette().color(QPalette::Window);
    int ringed = 0;
    for (int y = 0; y < plain.height(); ++y) {
        for (int x = 0; x < plain.width(); ++x) {
            const QColor before(plain.pixel(x, y)), after(focused.pixel(x, y));
            if (before != after && contrastRatio(after, window) >= 3.0)
                ++ringed;
        }
    }
    QVERIFY2(ringed >= qMin(plain.width(), plain.height()), qPrintable(QString::number(ringed)));
}

void TestApplicationLook::disabledOptionsAreGreyed()
{
    // The windows' black text must not reach the disabled levels.
    Screen &learn = world->navigator.screen(ScreenId::Invatare);
    learn.show();
    const auto darkest = [&](const char *name) {
        const QImage image = learn.findChild<QWidget *>(QLatin1String(name))->grab().toImage();
        int lightness = 255;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = image.width() / 2; x < image.width(); ++x) // the caption, not the circle
                lightness = qMin(lightness, QColor(image.pixel(x, y)).lightness());
        }
        return lightness;
    };
    QVERIFY(darkest("Option13") < 64); // "Advanced", enabled
    QVERIFY2(darkest("Option11") > 96, qPrintable(QString::number(darkest("Option11")))); // "Beginner"
    learn.hide();
}

QTEST_MAIN(TestApplicationLook)
#include "tst_application_look.moc"
