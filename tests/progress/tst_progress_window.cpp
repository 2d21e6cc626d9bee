// The Progress window: reached from every screen by its button and Ctrl+P
// without moving a designed control, the figures of a pair, "Practise due
// words" on "Write words" and "Grid test", a progress file it cannot read,
// and its keys and names for a screen reader.
#include "test_support.h"

#include "app/application_setup.h"
#include "data/sqlite_connection.h"
#include "grid_test/grid_screen.h"
#include "learning/learn_screen.h"
#include "progress/progress_store.h"
#include "progress/window/progress_chart.h"
#include "progress/window/progress_window.h"
#include "shell/forms/colours.h"
#include "shell/forms/grid_form.h"
#include "shell/forms/learn_form.h"
#include "shell/forms/start_form.h"
#include "shell/forms/write_form.h"
#include "writing_test/write_screen.h"

#include <QAccessible>
#include <QApplication>
#include <QBarSeries>
#include <QBarSet>
#include <QCheckBox>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLayout>
#include <QLegend>
#include <QLegendMarker>
#include <QLineEdit>
#include <QLineSeries>
#include <QPushButton>
#include <QRadioButton>
#include <QSqlQuery>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QValueAxis>

#include <memory>

using namespace vorbix;
using namespace vorbix::testing;

namespace {

constexpr int kEngSpa = 0, kEngFre = 2;

// The texts of a table view, row by row, cells joined by "|".
QStringList rowsOf(const QTableView *view)
{
    QStringList rows;
    const QAbstractItemModel *model = view->model();
    for (int r = 0; r < model->rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < model->columnCount(); ++c)
            cells.append(model->index(r, c).data().toString());
        rows.append(cells.join(QLatin1Char('|')));
    }
    return rows;
}

// Where each named control of a window stands: by name, in the order of
// creation (a few names are given twice, as the design gave them).
using Places = QMap<QString, QList<QRect>>;
Places placesIn(const QWidget &window)
{
    Places places;
    for (const QWidget *w : window.findChildren<QWidget *>()) {
        if (!w->objectName().isEmpty() && !w->objectName().startsWith(QLatin1String("qt_")) && !w->isHidden()
            && w->objectName() != QLatin1String("cmdProgress"))
            places[w->objectName()].append(QRect(w->mapTo(&window, QPoint()), w->size()));
    }
    return places;
}

template<class Form>
Places designedPlaces()
{
    QWidget window;
    Form form;
    form.setupUi(&window);
    window.show(); // polished and laid out as a screen is
    return placesIn(window);
}

} // namespace

class TestProgressWindow : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestWorld> world;

    Screen &open(ScreenId id)
    {
        Screen &s = world->navigator.screen(id);
        s.show();
        s.activateWindow();
        if (!QTest::qWaitForWindowActive(&s))
            qFatal("the window did not become active");
        return s;
    }
    ProgressWindow *progressWindow()
    {
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (auto *window = qobject_cast<ProgressWindow *>(w))
                return window;
        }
        return nullptr;
    }
    template<typename T = QWidget>
    T *part(const char *name)
    {
        return progressWindow()->findChild<T *>(QLatin1String(name));
    }
    // What the window has told a screen reader once it has settled (its
    // announcer's text while the announcer shows), or nothing.
    QString told()
    {
        world->tickers.of(part<QTimer>("announceTimer")).fire();
        const QWidget *announcer = part("announcer");
        return announcer->isVisible() ? announcer->accessibleName() : QString();
    }
    // What a screen has told a screen reader once it has settled, or nothing.
    QString toldBy(Screen &screen)
    {
        world->tickers.of(screen.findChild<QTimer *>(QStringLiteral("announceTimer"))).fire();
        const auto *announcer = screen.findChild<QWidget *>(QStringLiteral("announcer"));
        return announcer->isVisible() ? announcer->accessibleName() : QString();
    }
    // A first grading of word `index` of eng-spa (sampleTables) on the clock's day.
    void answered(int index, const QString &word, const QString &right, Grading grading, double score,
                  int pair = kEngSpa)
    {
        world->progress.answerGraded({{pair, index, word, right, world->clock.at}, grading, QStringLiteral("x"), score,
                                      true});
    }
    // "dog" (10), "cat" (9) and "house" (14) answered on 10 March, then
    // the clock on 13 March: "dog" and "house" (box 1) are due, "cat"
    // (box 2, due from 12 March) too; "kind" answered on 12 March is not.
    void answerFourWords()
    {
        answered(10, QStringLiteral("dog"), QStringLiteral("perro"), Grading::Wrong, 1);
        answered(9, QStringLiteral("cat"), QStringLiteral("gato"), Grading::Right, 10);
        answered(14, QStringLiteral("house"), QStringLiteral("casa"), Grading::Verify, 4);
        world->clock.advanceDays(2);
        answered(18, QStringLiteral("kind"), QStringLiteral("amable"), Grading::Verify, 10);
        world->clock.advanceDays(1);
    }

private Q_SLOTS:
    void initTestCase() { setUpApplicationLook(); } // the looks are the program's
    void init() { world = std::make_unique<TestWorld>(sampleTables()); }
    void cleanup()
    {
        QVERIFY2(world->messages.shown.isEmpty(), qPrintable(world->messages.shown.value(0).text));
        world.reset();
    }

    void theButtonLeavesEveryDesignedControlInPlace_data();
    void theButtonLeavesEveryDesignedControlInPlace();
    void buttonAndCtrlPOpenItForTheScreensPair();
    void theScreenBeneathStandsStillWhileItIsOpen_data();
    void theScreenBeneathStandsStillWhileItIsOpen();
    void itShowsThePairsFigures();
    void theAverageLineBreaksAtDaysWithoutAnswers_data();
    void theAverageLineBreaksAtDaysWithoutAnswers();
    void theChartShowsItsFocusAndADayAtATime();
    void theChartDrawsATopDayWholeInTheWindowsTexts();
    void listsShowWholeRowsAndWholeRightAnswers();
    void aListShowsItsRowWhenTheFocusComesIn();
    void theListsKeepTheirFiguresAtTheNarrowestWindow();
    void practiseButtonLooksOffAndSaysWhyWhenNothingIsDue();
    void practiseDueWordsOnWriteWords();
    void practiseDueWordsOnTheGridTest();
    void aPracticeAnswersEachDueWordOnceAndThenEnds();
    void practiceOnTheScreenItWasOpenedFrom();
    void dueWordsTheTableNoLongerHoldsAreNotPractised();
    void aFileItCannotReadIsSaidInTheWindow();
    void keysAndNamesForAScreenReader();
    void modifiedLettersLeaveThePairAlone();
};

void TestProgressWindow::theButtonLeavesEveryDesignedControlInPlace_data()
{
    QTest::addColumn<ScreenId>("id");
    QTest::addColumn<int>("form");
    QTest::newRow("Dictionary") << ScreenId::Start << 0;
    QTest::newRow("Learn words") << ScreenId::Invatare << 1;
    QTest::newRow("Write words") << ScreenId::Test << 2;
    QTest::newRow("Grid test") << ScreenId::TestG << 3;
}

void TestProgressWindow::theButtonLeavesEveryDesignedControlInPlace()
{
    QFETCH(ScreenId, id);
    QFETCH(int, form);
    const Places designed = form == 0   ? designedPlaces<StartForm>()
                                           : form == 1 ? designedPlaces<LearnForm>()
                                           : form == 2 ? designedPlaces<WriteForm>()
                                                       : designedPlaces<GridForm>();
    Screen &s = open(id);
    QPushButton *button = s.progressButton();
    QVERIFY(button && button->isVisible());
    const QRect place(button->mapTo(&s, QPoint()), button->size());
    QVERIFY2(s.rect().contains(place), "the button lies outside its window");
    QVERIFY(place.height() >= 24 && place.width() >= 30); // a target the pointer finds
    const Places onScreen = placesIn(s);
    QCOMPARE(onScreen.keys(), designed.keys());
    for (auto it = designed.cbegin(); it != designed.cend(); ++it)
        QVERIFY2(onScreen[it.key()] == it.value(),
                 qPrintable(it.key() + QStringLiteral(": %1,%2 on the screen, %3,%4 designed")
                                           .arg(onScreen[it.key()].value(0).x())
                                           .arg(onScreen[it.key()].value(0).y())
                                           .arg(it.value().value(0).x())
                                           .arg(it.value().value(0).y())));
    // Over no visible control: neither a frame nor anything else.
    for (const QWidget *w : s.findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (w == button || w->isHidden())
            continue;
        QVERIFY2(!w->geometry().intersects(place), qPrintable(w->objectName() + QLatin1String(" ")
                                                              + QLatin1String(w->metaObject()->className())));
    }
    QCOMPARE(button->accessibleName(), QStringLiteral("Progress"));
    QVERIFY(button->toolTip().contains(QStringLiteral("Ctrl+P")));
}

void TestProgressWindow::buttonAndCtrlPOpenItForTheScreensPair()
{
    auto &write = static_cast<WriteScreen &>(open(ScreenId::Test));
    write.ui().pairOptions[kEngFre]->click();
    QTest::keyClick(&write, Qt::Key_P, Qt::ControlModifier);
    ProgressWindow *window = progressWindow();
    QVERIFY(window && window->isVisible());
    QCOMPARE(window->windowModality(), Qt::ApplicationModal);
    QCOMPARE(part<QComboBox>("pairChoice")->currentText(), QStringLiteral("eng-fre"));
    QCOMPARE(window->report().pair, kEngFre);
    QTest::keyClick(window, Qt::Key_Escape);
    QVERIFY(!window->isVisible());
    QVERIFY(write.isVisible()); // the screen stays as it was
    QCOMPARE(write.selectedPair(), kEngFre);

    Screen &start = open(ScreenId::Start);
    start.progressButton()->click();
    QVERIFY(window->isVisible());
    QCOMPARE(part<QComboBox>("pairChoice")->currentText(), QStringLiteral("eng-spa"));
    part<QPushButton>("close")->click();
    QVERIFY(!window->isVisible());
    QVERIFY(!QFileInfo::exists(ProgressStore::pathIn(world->root()))); // looking creates no file
}

void TestProgressWindow::theScreenBeneathStandsStillWhileItIsOpen_data()
{
    QTest::addColumn<ScreenId>("id");
    QTest::newRow("Learn words") << ScreenId::Invatare;
    QTest::newRow("Write words") << ScreenId::Test;
    QTest::newRow("Grid test") << ScreenId::TestG;
}

void TestProgressWindow::theScreenBeneathStandsStillWhileItIsOpen()
{
    QFETCH(ScreenId, id);
    Screen &s = open(id);
    QTimer *designTimer = nullptr;
    QList<QWidget *> watched; // what a tick changes
    if (id == ScreenId::TestG) {
        auto &grid = static_cast<GridScreen &>(s);
        world->random.draws = {0.5f, 0.1f, 0.2f, 0.3f, 0.4f, 0.9f, 0.7f, 0.5f, 0.3f, 0.1f}; // "dog"
        grid.ui().Cmdcont->click();
        designTimer = grid.ui().Timer3;
        watched = {grid.ui().Text1, grid.ui().Text9, grid.ui().Text7, grid.ui().Text8, grid.ui().Frame1};
    } else {
        // A timed exercise, five seconds a word.
        ExerciseControls &ex = id == ScreenId::Test ? static_cast<ExerciseControls &>(world->screen<WriteScreen>(id).ui())
                                                    : world->screen<LearnScreen>(id).ui();
        ex.Text2->setText(QStringLiteral("5"));
        ex.Check2->setChecked(true);
        world->random.draws = {0.5f}; // "dog"
        ex.Cmdcont->click();
        designTimer = id == ScreenId::Test ? world->screen<WriteScreen>(id).ui().Timer2 : world->screen<LearnScreen>(id).ui().Timer1;
        watched = {ex.Text3, ex.Text6, ex.Cmdcont};
        if (id == ScreenId::Test)
            watched << world->screen<WriteScreen>(id).ui().Text7 << world->screen<WriteScreen>(id).ui().Text1;
    }
    ManualTicker &ticker = world->tickers.of(designTimer);
    const auto shown = [&] {
        QStringList texts;
        for (const QWidget *w : watched) {
            const auto *box = qobject_cast<const QLineEdit *>(w);
            const auto *button = qobject_cast<const QPushButton *>(w);
            texts.append(box ? box->text() : button ? button->text() : QString::number(w->isEnabled()));
        }
        return texts;
    };
    world->clock.advanceSeconds(1);
    ticker.fire(); // one second of the word's five
    const QStringList before = shown();

    QTest::keyClick(&s, Qt::Key_P, Qt::ControlModifier);
    QVERIFY(progressWindow()->isVisible());
    for (int i = 0; i < 30; ++i) { // half a minute in the window
        world->clock.advanceSeconds(1);
        ticker.fire();
    }
    QTest::keyClick(progressWindow(), Qt::Key_Escape);
    QVERIFY(!progressWindow()->isVisible());
    QCOMPARE(shown(), before);
    QVERIFY(ticker.isActive());
    QCOMPARE(world->progress.report(kEngSpa).answers, 0); // nothing was graded

    // The exercise goes on from where it was: four seconds are left.
    for (int i = 0; i < 3; ++i) {
        world->clock.advanceSeconds(1);
        ticker.fire();
    }
    QCOMPARE(shown().value(0), before.value(0)); // the same word, one second left
    world->clock.advanceSeconds(1);
    if (id == ScreenId::Invatare)
        world->random.draws = {0.3f}; // "house"
    ticker.fire();
    if (id == ScreenId::Invatare) {
        QCOMPARE(shown().mid(0, 2), (QStringList{"house", "5"})); // the time is up: the next word
        QCOMPARE(world->progress.report(kEngSpa).wordsSeen, 2);
        return;
    }
    if (id == ScreenId::TestG) {
        for (int i = 0; i < 10; ++i) // through the overtime to its end
            ticker.fire();
    }
    // Graded at the end of its own time, which does not count the window's.
    const ProgressReport graded = world->progress.report(kEngSpa);
    QCOMPARE(graded.answers, 1);
    SqliteConnection db(ProgressStore::pathIn(world->root()), SqliteConnection::Mode::ReadOnly);
    QSqlQuery query(db.database());
    QVERIFY(query.exec(QStringLiteral("SELECT grading, seconds FROM answers")) && query.next());
    QCOMPARE(query.value(0).toString(), id == ScreenId::Test ? QStringLiteral("time-out") : QStringLiteral("closed"));
    QCOMPARE(query.value(1).toDouble(), 5.0);
}

void TestProgressWindow::itShowsThePairsFigures()
{
    answered(3, QStringLiteral("above"), QStringLiteral("encima"), Grading::Verify, 10, kEngFre);
    answerFourWords();
    open(ScreenId::Start).progressButton()->click();
    ProgressWindow *window = progressWindow();

    // The chart: bars for the answers of each day, a line over the days with answers.
    auto *view = part<QChartView>("chart");
    const auto bars = view->chart()->findChildren<QBarSet *>();
    QCOMPARE(bars.size(), 1);
    QCOMPARE(bars[0]->count(), 30);
    QCOMPARE(bars[0]->at(26), 3.0); // 10 March, three days before today
    QCOMPARE(bars[0]->at(28), 1.0); // 12 March
    QCOMPARE(bars[0]->at(29), 0.0); // today
    // The line is broken at 11 March, a day without answers.
    QList<QList<QPointF>> lines;
    for (QAbstractSeries *series : view->chart()->series()) {
        if (auto *line = qobject_cast<QLineSeries *>(series); line && line->count() > 0)
            lines.append(line->points());
    }
    QCOMPARE(lines, (QList<QList<QPointF>>{{{26, 5.0}}, {{28, 10.0}}}));
    QCOMPARE(view->accessibleDescription(),
             QStringLiteral("Last 30 days: 4 answers on 2 days, average score 6.25. Today: no answers."));

    QCOMPARE(rowsOf(part<QTableView>("totalsTable")),
             (QStringList{"Words seen|4", "Answers|4", "Average score|6.25", "Box 1 (every day)|2",
                          "Box 2 (every 2 days)|2", "Box 3 (every 4 days)|0", "Box 4 (every 8 days)|0",
                          "Box 5 (every 16 days)|0"}));
    QCOMPARE(rowsOf(part<QTableView>("dueTable")),
             (QStringList{"dog|perro|1", "house|casa|1", "cat|gato|2"}));
    QCOMPARE(qobject_cast<QGroupBox *>(part<QTableView>("dueTable")->parentWidget())->title(),
             QStringLiteral("Due today: 3 words"));
    QCOMPARE(rowsOf(part<QTableView>("troubleTable")), (QStringList{"house|casa|1", "dog|perro|1"}));
    QCOMPARE(rowsOf(part<QTableView>("daysTable")).value(3), QStringLiteral("3/10/25|3|5.00"));
    QVERIFY(part<QPushButton>("practise")->isEnabled());
    // No frame keeps an empty band under what it shows (the answers here
    // fit on the line under each list).
    for (const char *name : {"totalsTable", "dueTable", "troubleTable"}) {
        const QWidget *frame = part(name)->parentWidget();
        int lowest = 0;
        for (const QWidget *inside : frame->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
            const auto *label = qobject_cast<const QLabel *>(inside);
            // (A line under a list ends where its text ends.)
            const int height = label ? label->heightForWidth(label->width()) : inside->height();
            lowest = qMax(lowest, inside->y() + height);
        }
        QVERIFY2(frame->contentsRect().bottom() - lowest <= 8, name);
    }

    QCOMPARE(told(), QString()); // opened on the pair choice, which says its pair itself

    // Another pair: its figures, and a screen reader is told them, since
    // they change away from the pair choice.
    part<QComboBox>("pairChoice")->setCurrentIndex(kEngFre);
    QCOMPARE(window->report().pair, kEngFre);
    QCOMPARE(rowsOf(part<QTableView>("dueTable")), (QStringList{"above|encima|2"}));
    QCOMPARE(told(), QStringLiteral("eng-fre. Last 30 days: 1 answer on 1 day, average score 10.00. Today: no "
                                    "answers. Due today: 1 word."));
    part<QComboBox>("pairChoice")->setCurrentIndex(5);
    QVERIFY(rowsOf(part<QTableView>("dueTable")).isEmpty());
    QVERIFY(!part<QPushButton>("practise")->isEnabled()); // nothing due: nothing to practise
    QCOMPARE(view->accessibleDescription(), QStringLiteral("Last 30 days: no answers."));
}

void TestProgressWindow::theAverageLineBreaksAtDaysWithoutAnswers_data()
{
    // The days with answers (day 0 is the oldest, 29 today) and the runs of
    // the line over them, as "day day | day".
    QTest::addColumn<QList<int>>("days");
    QTest::addColumn<QString>("runs");
    QTest::newRow("none") << QList<int>{} << "";
    QTest::newRow("one day") << QList<int>{12} << "12";
    QTest::newRow("every day") << [] { QList<int> all; for (int d = 0; d < 30; ++d) all.append(d); return all; }()
                               << "0 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20 21 22 23 24 25 26 27 28 29";
    QTest::newRow("gaps of one and of weeks") << QList<int>{0, 1, 3, 17, 18, 19, 29} << "0 1 | 3 | 17 18 19 | 29";
}

void TestProgressWindow::theAverageLineBreaksAtDaysWithoutAnswers()
{
    QFETCH(QList<int>, days);
    QFETCH(QString, runs);
    ProgressReport report = ProgressReport::empty(kEngSpa, QDate(2025, 3, 13));
    for (int day : days)
        report.days[size_t(day)] = {report.days[size_t(day)].date, 2, day / 10.0};
    QStringList drawn;
    for (const QList<QPointF> &run : averageScoreRuns(report)) {
        QStringList points;
        for (const QPointF &point : run) {
            QCOMPARE(point.y(), point.x() / 10.0); // each day's own average
            points.append(QString::number(point.x()));
        }
        drawn.append(points.join(QLatin1Char(' ')));
    }
    QCOMPARE(drawn.join(QLatin1String(" | ")), runs);

    // The chart draws each run as a line of its own, however many the
    // pairs before it needed, and names one in the legend.
    ProgressChart chart;
    ProgressReport many = ProgressReport::empty(kEngSpa, QDate(2025, 3, 13));
    for (int day = 0; day < 30; day += 2)
        many.days[size_t(day)].answers = 1;
    chart.showReport(many, pointLocale());
    chart.showReport(report, pointLocale());
    QStringList shown;
    int named = 0;
    for (QAbstractSeries *series : chart.chart()->series()) {
        auto *line = qobject_cast<QLineSeries *>(series);
        if (!line)
            continue;
        named += line->name().isEmpty() ? 0 : 1;
        QStringList points;
        for (const QPointF &point : line->points())
            points.append(QString::number(point.x()));
        if (!points.isEmpty())
            shown.append(points.join(QLatin1Char(' ')));
    }
    QCOMPARE(shown.join(QLatin1String(" | ")), runs);
    QCOMPARE(named, 1);
}

void TestProgressWindow::theChartShowsItsFocusAndADayAtATime()
{
    answerFourWords();
    open(ScreenId::Start).progressButton()->click();
    QTRY_COMPARE(QApplication::activeWindow(), progressWindow());
    auto *chart = part<ProgressChart>("chart");
    const QImage unfocused = chart->grab().toImage();

    // One Tab stop after the tabs: the chart, not its viewport.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), chart);
    for (const QWidget *inner : chart->findChildren<QWidget *>())
        QVERIFY2(!(inner->focusPolicy() & Qt::TabFocus), qPrintable(QLatin1String(inner->metaObject()->className())));

    // Seen: a frame in the highlight colour, and today's column tinted.
    const QImage focused = chart->grab().toImage();
    const QColor highlight = chart->palette().color(QPalette::Highlight);
    const QPoint corner = chart->viewport()->pos() + QPoint(1, 1);
    QCOMPARE(focused.pixelColor(corner), highlight);
    QVERIFY(unfocused.pixelColor(corner) != highlight);
    const QRect today = chart->dayRect(29);
    QCOMPARE(chart->highlightedDay(), 29);
    QVERIFY(focused.pixelColor(today.center()) != unfocused.pixelColor(today.center()));

    // Heard: a chart, named, whose days are its children; the arrows move
    // the focus from day to day.
    QAccessibleInterface *said = QAccessible::queryAccessibleInterface(chart);
    QCOMPARE(said->role(), QAccessible::Chart);
    QCOMPARE(said->text(QAccessible::Name), QStringLiteral("Chart of the last 30 days"));
    QCOMPARE(said->childCount(), 30);
    QCOMPARE(said->focusChild()->text(QAccessible::Name), QStringLiteral("13 Mar: no answers"));
    QCOMPARE(said->indexOfChild(said->focusChild()), 29);
    QList<int> dayInFocus;
    for (Qt::Key key : {Qt::Key_Left, Qt::Key_Left, Qt::Key_Left, Qt::Key_Right, Qt::Key_Home, Qt::Key_Left,
                        Qt::Key_End, Qt::Key_Right}) {
        QTest::keyClick(chart, key);
        dayInFocus.append(said->indexOfChild(said->focusChild()));
    }
    QCOMPARE(dayInFocus, (QList<int>{28, 27, 26, 27, 0, 0, 29, 29})); // no move past either end
    QTest::keyClick(chart, Qt::Key_Left);
    QTest::keyClick(chart, Qt::Key_Left);
    QTest::keyClick(chart, Qt::Key_Left);
    QCOMPARE(chart->highlightedDay(), 26);
    QCOMPARE(said->focusChild()->text(QAccessible::Name), QStringLiteral("10 Mar: 3 answers, average 5.00"));
    QCOMPARE(said->text(QAccessible::Value), QStringLiteral("10 Mar: 3 answers, average 5.00"));
    QVERIFY(said->focusChild()->state().focused && said->focusChild()->state().selected);
    QVERIFY(!said->child(28)->state().focused);
    QVERIFY(said->rect().contains(said->focusChild()->rect()));
    QCOMPARE(said->childAt(said->child(3)->rect().center().x(), said->child(3)->rect().center().y()),
             said->child(3));
    QVERIFY(chart->grab().toImage().pixelColor(chart->dayRect(26).center())
            != focused.pixelColor(chart->dayRect(26).center()));

    // Tab goes on to the totals; the chart's frame goes with the focus.
    QTest::keyClick(chart, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), part("totalsTable"));
    QVERIFY(!said->focusChild());
    QVERIFY(chart->grab().toImage().pixelColor(corner) != highlight);
}

void TestProgressWindow::theChartDrawsATopDayWholeInTheWindowsTexts()
{
    // Today: the most answers of the month, every one scored 10.
    for (int i = 0; i < 5; ++i)
        answered(10 + i, QStringLiteral("w%1").arg(i), QStringLiteral("r"), Grading::Verify, 10);
    open(ScreenId::Start).progressButton()->click();
    QTRY_COMPARE(QApplication::activeWindow(), progressWindow());
    QChart *chart = part<QChartView>("chart")->chart();
    QBarSeries *bars = nullptr;
    QLineSeries *line = nullptr;
    for (QAbstractSeries *series : chart->series()) {
        if (auto *b = qobject_cast<QBarSeries *>(series))
            bars = b;
        if (auto *l = qobject_cast<QLineSeries *>(series); l && l->count() > 0)
            line = l;
    }
    QVERIFY(bars && line);
    QCOMPARE(line->points(), (QList<QPointF>{{29, 10.0}}));

    // A dot at 10 and the highest bar stand clear of the plot's top edge,
    // which would cut the dot in half.
    const qreal top = chart->plotArea().top();
    QVERIFY2(chart->mapToPosition({29, 10.0}, line).y() - top >= 5, "the dot at 10 is cut");
    QVERIFY2(chart->mapToPosition({29, 5.0}, bars).y() - top >= 5, "the highest bar touches the top");
    // The scales still read 0 to 10 in steps of 2, and in whole answers.
    for (QAbstractAxis *axis : chart->axes(Qt::Vertical)) {
        auto *scale = qobject_cast<QValueAxis *>(axis);
        QCOMPARE(scale->tickType(), QValueAxis::TicksDynamic);
        QCOMPARE(scale->tickAnchor(), 0.0);
        QVERIFY(scale->max() > scale->tickInterval() * 5 && scale->max() < scale->tickInterval() * 5.5);
    }

    // The bars' swatch in the legend is a bar.
    const QList<QLegendMarker *> markers = chart->legend()->markers(bars);
    QCOMPARE(markers.size(), 1);
    QCOMPARE(markers[0]->brush().color(), bars->barSets()[0]->color());
    QCOMPARE(markers[0]->pen().color(), bars->barSets()[0]->borderColor());
    QCOMPARE(markers[0]->shape(), QLegend::MarkerShapeRectangle);

    // Its texts in the window's text colour, as every other text of the window.
    const QColor text = progressWindow()->palette().color(QPalette::WindowText);
    QCOMPARE(chart->legend()->labelColor(), text);
    for (QAbstractAxis *axis : chart->axes()) {
        QCOMPARE(axis->labelsColor(), text);
        QCOMPARE(axis->titleBrush().color(), text);
    }
}

void TestProgressWindow::listsShowWholeRowsAndWholeRightAnswers()
{
    const QString longAnswer = QStringLiteral("asesinato, asesinar, homicidio, crimen, muerte violenta");
    answered(10, QStringLiteral("dog"), longAnswer, Grading::Verify, 2);
    answered(14, QStringLiteral("house"), QStringLiteral("casa"), Grading::Verify, 4);
    world->clock.advanceDays(1);
    open(ScreenId::Start).progressButton()->click();
    QTRY_COMPARE(QApplication::activeWindow(), progressWindow());

    for (const char *name : {"dueTable", "troubleTable"}) {
        auto *list = part<QTableView>(name);
        QCOMPARE(list->viewport()->height(), 8 * list->verticalHeader()->defaultSectionSize()); // no half rows
    }
    // The eight totals share the height of their frame: whole rows, none
    // of them empty.
    auto *totals = part<QTableView>("totalsTable");
    QCOMPARE(totals->model()->rowCount(), 8);
    QCOMPARE(totals->verticalHeader()->length(), totals->viewport()->height());
    // The right answers take the width the words and numbers leave.
    for (const char *name : {"dueTable", "troubleTable"}) {
        QHeaderView *header = part<QTableView>(name)->horizontalHeader();
        QCOMPARE(header->sectionResizeMode(0), QHeaderView::ResizeToContents);
        QCOMPARE(header->sectionResizeMode(1), QHeaderView::Stretch);
        QCOMPARE(header->sectionResizeMode(2), QHeaderView::ResizeToContents);
        QVERIFY(header->sectionSize(1) > header->sectionSize(0));
    }
    QCOMPARE(part<QTableView>("troubleTable")->model()->headerData(2, Qt::Horizontal), QVariant("Times below 6"));
    QCOMPARE(part<QTableView>("daysTable")->model()->headerData(0, Qt::Horizontal), QVariant("Day (newest first)"));

    // Under each list, the current word's whole right answer: the first
    // word's at first, then the word the arrows reach.
    QCOMPARE(rowsOf(part<QTableView>("dueTable")).value(0), QStringLiteral("dog|") + longAnswer + QStringLiteral("|1"));
    QCOMPARE(part<QLabel>("dueDetail")->text(), QStringLiteral("dog: ") + longAnswer);
    part("dueTable")->setFocus();
    QTest::keyClick(part("dueTable"), Qt::Key_Down);
    QCOMPARE(part<QLabel>("dueDetail")->text(), QStringLiteral("house: casa"));
    QCOMPARE(part<QLabel>("troubleDetail")->text(), QStringLiteral("house: casa")); // its own first word
    QVERIFY(part<QLabel>("dueDetail")->isVisible());
    QCOMPARE(qobject_cast<QGroupBox *>(part("troubleTable")->parentWidget())->title(),
             QStringLiteral("Most often answered below 6"));
    // Another pair: its own first word, or nothing, and an empty list says so.
    part<QComboBox>("pairChoice")->setCurrentIndex(5);
    QCOMPARE(part<QLabel>("dueDetail")->text(), QString());
    QCOMPARE(qobject_cast<QGroupBox *>(part("troubleTable")->parentWidget())->title(),
             QStringLiteral("Most often answered below 6: none"));
    QCOMPARE(part("troubleTable")->accessibleName(), QStringLiteral("Words most often answered below 6: none"));
}

void TestProgressWindow::aListShowsItsRowWhenTheFocusComesIn()
{
    answerFourWords();
    open(ScreenId::Start).progressButton()->click();
    QTRY_COMPARE(QApplication::activeWindow(), progressWindow());
    part("chart")->setFocus();
    // A row's colour beside its text (the cells' left padding).
    const auto rowColour = [](QTableView *list, int row) {
        list->viewport()->repaint();
        return list->viewport()->grab().toImage().pixelColor(1, list->rowViewportPosition(row) + 3);
    };
    QTableView *totals = part<QTableView>("totalsTable");
    const QColor focusBlue = totals->palette().color(QPalette::Active, QPalette::Highlight);
    // (The style shades a selected row a little.)
    const auto blue = [focusBlue](const QColor &c) {
        return qAbs(c.red() - focusBlue.red()) < 16 && qAbs(c.green() - focusBlue.green()) < 16
               && qAbs(c.blue() - focusBlue.blue()) < 16;
    };

    // Tab into a list: its current row is selected at once, in the
    // highlight's blue.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), totals);
    QVERIFY(totals->selectionModel()->isRowSelected(0, {}));
    QVERIFY(blue(rowColour(totals, 0)));
    QTest::keyClick(totals, Qt::Key_Down);
    QTest::keyClick(totals, Qt::Key_Tab);
    auto *due = part<QTableView>("dueTable");
    QCOMPARE(QApplication::focusWidget(), due);
    QVERIFY(due->selectionModel()->isRowSelected(0, {}));
    QCOMPARE(part<QLabel>("dueDetail")->text(), QStringLiteral("dog: perro"));
    // The list left keeps its row, muted: one place shows the focus.
    QVERIFY(totals->selectionModel()->isRowSelected(1, {}));
    const QColor left = rowColour(totals, 1);
    QVERIFY2(!blue(left) && left.lightness() > 180, qPrintable(left.name()));
    QVERIFY(blue(rowColour(due, 0)));
    // Back in, on the row it had.
    QTest::keyClick(due, Qt::Key_Backtab);
    QVERIFY(totals->selectionModel()->isRowSelected(1, {}));
    QCOMPARE(totals->currentIndex().row(), 1);
}

void TestProgressWindow::theListsKeepTheirFiguresAtTheNarrowestWindow()
{
    answered(10, QStringLiteral("dog"), QStringLiteral("asesinato, asesinar, homicidio, crimen"), Grading::Verify, 2);
    world->clock.advanceDays(1);
    open(ScreenId::Start).progressButton()->click();
    ProgressWindow *window = progressWindow();
    QTRY_COMPARE(QApplication::activeWindow(), window);
    window->resize(600, window->height());
    QCoreApplication::processEvents();
    QVERIFY(window->width() >= 860);
    // Every column in sight, and room for a right answer.
    for (const char *name : {"totalsTable", "dueTable", "troubleTable"}) {
        auto *list = part<QTableView>(name);
        QVERIFY2(list->horizontalHeader()->length() <= list->viewport()->width(), name);
        for (int column = 0; column < list->model()->columnCount(); ++column)
            QVERIFY2(list->columnWidth(column) >= list->horizontalHeader()->sectionSizeHint(column), name);
        if (list->model()->columnCount() == 3)
            QVERIFY2(list->columnWidth(1) >= 90, name);
    }
}

void TestProgressWindow::practiseButtonLooksOffAndSaysWhyWhenNothingIsDue()
{
    answered(10, QStringLiteral("dog"), QStringLiteral("perro"), Grading::Verify, 2);
    open(ScreenId::Start).progressButton()->click();
    QTRY_COMPARE(QApplication::activeWindow(), progressWindow());
    auto *practise = part<QPushButton>("practise");
    const auto face = [practise] { return practise->grab().toImage().pixelColor(8, practise->height() / 2); };

    // Answered today: nothing is due yet.
    QVERIFY(!practise->isEnabled());
    QCOMPARE(practise->toolTip(), QStringLiteral("No words are due today"));
    QCOMPARE(QAccessible::queryAccessibleInterface(practise)->text(QAccessible::Description),
             QStringLiteral("No words are due today"));
    const QColor off = face();
    QVERIFY2(qAbs(off.red() - off.green()) < 16 && qAbs(off.green() - off.blue()) < 16, // grey, not green
             qPrintable(off.name()));

    world->clock.advanceDays(1);
    part<QComboBox>("pairChoice")->setCurrentIndex(1);
    part<QComboBox>("pairChoice")->setCurrentIndex(kEngSpa);
    QVERIFY(practise->isEnabled());
    QCOMPARE(face(), colours::kGreen);
    QVERIFY(practise->toolTip().startsWith(QStringLiteral("Opens the chosen screen")));
    QCOMPARE(QAccessible::queryAccessibleInterface(practise)->text(QAccessible::Description), practise->toolTip());
}

void TestProgressWindow::practiseDueWordsOnWriteWords()
{
    answerFourWords();
    auto &start = static_cast<Screen &>(open(ScreenId::Start));
    start.progressButton()->click();
    QTRY_COMPARE(QApplication::activeWindow(), progressWindow());
    part<QRadioButton>("practiseInWriteWords")->click();
    QList<QPointer<QWidget>> focused;
    QObject watching; // the watch ends with the test, however it ends
    connect(qApp, &QApplication::focusChanged, &watching,
            [&focused](QWidget *, QWidget *now) { focused.append(now); });
    part<QPushButton>("practise")->click();
    QVERIFY(!progressWindow()->isVisible());

    auto &write = world->screen<WriteScreen>(ScreenId::Test);
    QVERIFY(write.isVisible());
    // The focus goes straight to START, nowhere on the way.
    QTRY_COMPARE(QApplication::focusWidget(), write.ui().Cmdcont);
    for (const QPointer<QWidget> &w : focused) {
        if (w)
            QVERIFY2(w->window() != &start, qPrintable(w->objectName()));
    }
    QVERIFY(!start.isVisible());
    QCOMPARE(write.selectedPair(), kEngSpa);
    QVERIFY(write.practiceFor(kEngSpa));
    QCOMPARE(*write.practiceFor(kEngSpa), (QList<int>{9, 10, 14}));
    QVERIFY(!write.practiceFor(kEngFre));
    QCOMPARE(write.progressButton()->text(), QStringLiteral("Practising"));
    QCOMPARE(write.progressButton()->accessibleDescription(),
             QStringLiteral("Practising the 3 words due in eng-spa until you leave this screen. Progress (Ctrl+P)."));
    QVERIFY(write.progressButton()->sizeHint().width() <= write.progressButton()->width()); // the caption fits

    // Int((1 - r) * 3) into {9, 10, 14}.
    world->random.draws = {0.1f, 0.5f, 0.9f};
    QStringList words;
    for (int i = 0; i < 3; ++i) {
        write.ui().Cmdcont->click();
        words.append(write.ui().Text3->text());
    }
    QCOMPARE(words, (QStringList{"house", "dog", "cat"}));

    // Another pair draws as always; back on the pair, the practice again.
    write.ui().pairOptions[kEngFre]->click();
    world->random.draws = {0.5f};
    write.ui().Cmdcont->click();
    QCOMPARE(write.ui().Text3->text(), QStringLiteral("dog")); // Int(0.5 * 20) = 10 of eng-fre
    write.ui().pairOptions[kEngSpa]->click();
    world->random.draws = {0.9f};
    write.ui().Cmdcont->click();
    QCOMPARE(write.ui().Text3->text(), QStringLiteral("cat"));

    // Leaving the screen ends it: back on it, the whole table again.
    write.ui().cmdDict->click();
    QCOMPARE(write.progressButton()->text(), QStringLiteral("Progress"));
    QVERIFY(!write.practiceFor(kEngSpa));
    start.findChild<QPushButton *>(QStringLiteral("cmdTest"))->click();
    world->random.draws = {0.9f};
    write.ui().Cmdcont->click();
    QCOMPARE(write.ui().Text3->text(), QStringLiteral("about")); // Int(0.1 * 20) = 2
}

void TestProgressWindow::practiseDueWordsOnTheGridTest()
{
    answerFourWords();
    open(ScreenId::Invatare).progressButton()->click();
    QTRY_COMPARE(QApplication::activeWindow(), progressWindow());
    QTest::keyClick(progressWindow(), Qt::Key_G, Qt::AltModifier); // "Grid test"
    QTRY_VERIFY(part<QRadioButton>("practiseInGridTest")->isChecked());
    QTest::keyClick(progressWindow(), Qt::Key_D, Qt::AltModifier); // "Practise due words"

    auto &grid = world->screen<GridScreen>(ScreenId::TestG);
    QTRY_VERIFY(grid.isVisible());
    QVERIFY(!world->screen(ScreenId::Invatare).isVisible());
    QTRY_COMPARE(QApplication::focusWidget(), grid.ui().Cmdcont);
    QCOMPARE(grid.progressButton()->text(), QStringLiteral("Practising"));
    // The asked word from the due words, the others and the slots as always.
    world->random.draws = {0.1f, 0.1f, 0.2f, 0.3f, 0.4f, 0.9f, 0.7f, 0.5f, 0.3f, 0.1f};
    grid.ui().Cmdcont->click();
    QCOMPARE(grid.ui().Text1->text(), QStringLiteral("house")); // Int(0.9 * 3) = 2: the third due word
    QCOMPARE(grid.ui().Text2[0]->text(), QStringLiteral("casa"));
    QVERIFY(world->random.draws.isEmpty());
    // Answered, it is not asked again in this practice; a second click
    // grades nothing more.
    grid.ui().Option14[grid.rasppoz()]->click();
    QCOMPARE(*grid.practiceFor(kEngSpa), (QList<int>{9, 10}));
    grid.ui().Option14[(grid.rasppoz() + 1) % 5]->click();
    QCOMPARE(*grid.practiceFor(kEngSpa), (QList<int>{9, 10}));
}

void TestProgressWindow::aPracticeAnswersEachDueWordOnceAndThenEnds()
{
    answerFourWords(); // due: "cat" (box 2), "dog" and "house" (box 1)
    const auto before = world->progress.report(kEngSpa).wordsPerBox;
    QCOMPARE(QList<int>(before.begin(), before.end()), (QList<int>{2, 2, 0, 0, 0}));
    open(ScreenId::Start).progressButton()->click();
    part<QRadioButton>("practiseInWriteWords")->click();
    part<QPushButton>("practise")->click();
    auto &write = world->screen<WriteScreen>(ScreenId::Test);

    // The same draw each time: Int(0.9 * n) into what is left of the set.
    QStringList words;
    for (int i = 0; i < 3; ++i) {
        world->random.draws = {0.1f};
        write.ui().Cmdcont->click();
        words.append(write.ui().Text3->text());
        write.ui().Text5->setText(write.ui().Text4->text());
        write.ui().Cmdok->click();
        QCOMPARE(write.ui().Text7->text(), QStringLiteral("10"));
        if (i < 2)
            QCOMPARE(write.progressButton()->text(), QStringLiteral("Practising"));
    }
    QCOMPARE(words, (QStringList{"house", "dog", "cat"}));
    // One step up each: "dog" and "house" to box 2, "cat" to box 3.
    const auto boxes = world->progress.report(kEngSpa).wordsPerBox;
    QCOMPARE(QList<int>(boxes.begin(), boxes.end()), (QList<int>{0, 3, 1, 0, 0}));

    // Every due word answered: the practice ends, said once after the score.
    QVERIFY(!write.practiceFor(kEngSpa));
    QCOMPARE(write.progressButton()->text(), QStringLiteral("Progress"));
    QVERIFY(write.progressButton()->accessibleDescription().startsWith(QStringLiteral("All due words practised.")));
    const QString told = toldBy(write);
    QVERIFY2(told.endsWith(QStringLiteral(" All due words practised.")), qPrintable(told));
    QVERIFY(told.startsWith(QStringLiteral("Score 10,")));
    world->random.draws = {0.9f};
    write.ui().Cmdcont->click();
    QCOMPARE(write.ui().Text3->text(), QStringLiteral("about")); // the whole table: Int(0.1 * 20) = 2
    write.ui().Text5->setText(QStringLiteral("x"));
    write.ui().Cmdok->click();
    QVERIFY(!toldBy(write).contains(QStringLiteral("practised")));
}

void TestProgressWindow::practiceOnTheScreenItWasOpenedFrom()
{
    answerFourWords();
    auto &write = static_cast<WriteScreen &>(open(ScreenId::Test));
    write.ui().Text5->setText(QStringLiteral("x"));
    write.ui().Cmdok->click();
    QCOMPARE(write.nrnote(), 1);
    QTest::keyClick(&write, Qt::Key_P, Qt::ControlModifier);
    part<QPushButton>("practise")->click();
    // No navigation: nothing of the screen is reset.
    QVERIFY(write.isVisible());
    QCOMPARE(write.nrnote(), 1);
    QCOMPARE(write.ui().Text7->text(), QStringLiteral("1"));
    QVERIFY(write.practiceFor(kEngSpa));
    // Idle (no word waits for its answer), the screen is ready for START
    // wherever the focus was.
    QTRY_COMPARE(QApplication::focusWidget(), write.ui().Cmdcont);

    // A word waiting for its answer keeps the half-typed answer and its focus.
    write.ui().pairOptions[kEngSpa]->setFocus();
    world->random.draws = {0.1f};
    write.ui().Cmdcont->click();
    write.ui().Text5->setFocus();
    QTest::keyClicks(write.ui().Text5, QStringLiteral("ca"));
    QTest::keyClick(&write, Qt::Key_P, Qt::ControlModifier);
    part<QPushButton>("practise")->click();
    QTRY_COMPARE(QApplication::activeWindow(), &write);
    QCOMPARE(QApplication::focusWidget(), write.ui().Text5);
    QCOMPARE(write.ui().Text5->text(), QStringLiteral("ca"));

    // The grid test the same: idle, START; a question running keeps its choice.
    write.ui().cmdTestG->click();
    auto &grid = world->screen<GridScreen>(ScreenId::TestG);
    grid.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&grid));
    grid.ui().pairOptions[kEngSpa]->setFocus();
    QTest::keyClick(&grid, Qt::Key_P, Qt::ControlModifier);
    QTRY_COMPARE(QApplication::activeWindow(), progressWindow());
    QTest::keyClick(progressWindow(), Qt::Key_G, Qt::AltModifier);
    QTRY_VERIFY(part<QRadioButton>("practiseInGridTest")->isChecked());
    QTest::keyClick(progressWindow(), Qt::Key_D, Qt::AltModifier);
    QTRY_COMPARE(QApplication::focusWidget(), grid.ui().Cmdcont);
    world->random.draws = {0.1f, 0.1f, 0.2f, 0.3f, 0.4f, 0.9f, 0.7f, 0.5f, 0.3f, 0.1f};
    grid.ui().Cmdcont->click();
    QTest::keyClick(&grid, Qt::Key_Down); // to the second choice, not yet chosen
    QWidget *choice = QApplication::focusWidget();
    QTest::keyClick(&grid, Qt::Key_P, Qt::ControlModifier);
    QTRY_COMPARE(QApplication::activeWindow(), progressWindow());
    QTest::keyClick(progressWindow(), Qt::Key_D, Qt::AltModifier);
    QTRY_COMPARE(QApplication::activeWindow(), &grid);
    QCOMPARE(QApplication::focusWidget(), choice);
    QVERIFY(grid.timer().isActive());
}

void TestProgressWindow::dueWordsTheTableNoLongerHoldsAreNotPractised()
{
    // Answered when Index 10 was "zebra"; the table was imported anew since.
    answered(10, QStringLiteral("zebra"), QStringLiteral("cebra"), Grading::Wrong, 1);
    world->clock.advanceDays(1);
    Screen &start = open(ScreenId::Start);
    start.progressButton()->click();
    QCOMPARE(rowsOf(part<QTableView>("dueTable")), (QStringList{"zebra|cebra|1"}));
    part<QPushButton>("practise")->click();
    QVERIFY(progressWindow()->isVisible());
    QVERIFY(part<QLabel>("status")->isVisible());
    QVERIFY(part<QLabel>("status")->text().contains(QStringLiteral("imported anew")));
    QCOMPARE(told(), part<QLabel>("status")->text()); // said, though the focus stays on the button
    QVERIFY(start.isVisible());
    QVERIFY(!world->navigator.existing(ScreenId::Test));
}

void TestProgressWindow::aFileItCannotReadIsSaidInTheWindow()
{
    QVERIFY(QDir().mkpath(ProgressStore::pathIn(world->root()))); // a folder in its place
    auto &write = static_cast<WriteScreen &>(open(ScreenId::Test));
    QTest::keyClick(&write, Qt::Key_P, Qt::ControlModifier);
    QLabel *status = part<QLabel>("status");
    QVERIFY(status->isVisible());
    QVERIFY2(status->text().contains(QStringLiteral("is a folder")), qPrintable(status->text()));
    QCOMPARE(told(), status->text());
    QVERIFY(!part<QPushButton>("practise")->isEnabled());
    QCOMPARE(rowsOf(part<QTableView>("totalsTable")).value(1), QStringLiteral("Answers|0"));
    part<QPushButton>("close")->click();
    // The window has said it: grading goes on without a message box.
    world->random.draws = {0.5f};
    write.ui().Cmdcont->click();
    write.ui().Cmdok->click();
    QCOMPARE(write.nrnote(), 1);
}

void TestProgressWindow::keysAndNamesForAScreenReader()
{
    answerFourWords();
    open(ScreenId::Start).progressButton()->click();
    ProgressWindow *window = progressWindow();
    QTRY_COMPARE(QApplication::activeWindow(), window);
    QCOMPARE(QApplication::focusWidget(), part("pairChoice"));

    // Tab visits the parts in reading order.
    const QStringList order{"pairChoice", "chart", "totalsTable", "dueTable", "troubleTable", "practiseInWriteWords",
                            "practise", "close"};
    QStringList seen;
    QWidget *w = part("pairChoice");
    for (int steps = 0; steps < 500 && seen.size() < order.size(); ++steps) {
        if ((w->focusPolicy() & Qt::TabFocus) && order.contains(w->objectName()) && !seen.contains(w->objectName()))
            seen.append(w->objectName());
        w = w->nextInFocusChain();
    }
    QCOMPARE(seen, order);

    // Every part that takes the focus has a name a screen reader says.
    for (QWidget *part : window->findChildren<QWidget *>()) {
        // (A view's viewport hands its focus on to the view.)
        if (part->isHidden() || !(part->focusPolicy() & Qt::TabFocus) || part->focusProxy())
            continue;
        const QAccessibleInterface *said = QAccessible::queryAccessibleInterface(part);
        QVERIFY2(said && !said->text(QAccessible::Name).isEmpty(),
                 qPrintable(part->objectName() + QLatin1Char(' ') + QLatin1String(part->metaObject()->className())));
    }
    QCOMPARE(part("dueTable")->accessibleName(), QStringLiteral("Due today: 3 words"));
    // The choices are heard with their title, as the screens' "Mode" and "Level".
    for (const char *choice : {"practiseInWriteWords", "practiseInGridTest"}) {
        const QAccessibleInterface *group = QAccessible::queryAccessibleInterface(part(choice))->parent();
        QCOMPARE(group->role(), QAccessible::Grouping);
        QCOMPARE(group->text(QAccessible::Name), QStringLiteral("Practise in"));
    }
    // The pair choice is labelled by "Language pair:" (Qt names a combo box
    // by its current text on Linux, and gives the label as a relation).
    QCOMPARE(part("pairChoice")->accessibleName(), QStringLiteral("Language pair"));
    const auto labels = QAccessible::queryAccessibleInterface(part("pairChoice"))->relations(QAccessible::Label);
    QCOMPARE(labels.size(), 1);
    QCOMPARE(labels[0].first->text(QAccessible::Name), QStringLiteral("Language pair:"));
    QVERIFY(part("close")->toolTip().contains(QStringLiteral("Alt+C")));
    QVERIFY(part("chart")->accessibleDescription().startsWith(QStringLiteral("Last 30 days: 4 answers")));

    QTest::keyClick(window, Qt::Key_T, Qt::AltModifier); // no such key: nothing happens
    QTest::keyClick(window, Qt::Key_L, Qt::AltModifier); // "Language pair"
    QCOMPARE(QApplication::focusWidget(), part("pairChoice"));
    QTest::keyClick(part("pairChoice"), Qt::Key_Down);
    QCOMPARE(window->report().pair, 1);
    QTest::keyClick(window, Qt::Key_C, Qt::AltModifier); // "Close" (a key clicks its button a moment later)
    QTRY_VERIFY(!window->isVisible());
}

void TestProgressWindow::modifiedLettersLeaveThePairAlone()
{
    answerFourWords();
    open(ScreenId::Start).progressButton()->click();
    ProgressWindow *window = progressWindow();
    QTRY_COMPARE(QApplication::activeWindow(), window);
    auto *pairs = part<QComboBox>("pairChoice");
    QCOMPARE(QApplication::focusWidget(), pairs);

    // Alt+S is START on the screens; Alt+E and Alt+F begin pairs too.
    for (auto [key, modifier] : {std::pair{Qt::Key_S, Qt::AltModifier}, {Qt::Key_E, Qt::AltModifier},
                                 {Qt::Key_F, Qt::AltModifier}, {Qt::Key_S, Qt::ControlModifier},
                                 {Qt::Key_F, Qt::MetaModifier}}) {
        QTest::keyClick(pairs, key, modifier);
        QCOMPARE(pairs->currentIndex(), kEngSpa);
        QCOMPARE(window->report().pair, kEngSpa);
    }
    // The window's own Alt keys still work from the pair choice, and a
    // letter alone still picks a pair.
    QTest::keyClick(pairs, Qt::Key_G, Qt::AltModifier);
    QTRY_VERIFY(part<QRadioButton>("practiseInGridTest")->isChecked());
    pairs->setFocus();
    QTest::keyClick(pairs, Qt::Key_S);
    QCOMPARE(pairs->currentText(), QStringLiteral("spa-eng"));
}

QTEST_MAIN(TestProgressWindow)
#include "tst_progress_window.moc"
