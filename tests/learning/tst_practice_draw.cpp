// The draws of a practice of the due words: the next-word choice and the
// grid question keep to the due words, by the screens' own rule.
#include "test_support.h"

#include "data/cursor.h"
#include "data/store_paths.h"
#include "grid_test/grid_question.h"
#include "learning/next_word.h"

#include <QTest>

using namespace vorbix;
using namespace vorbix::testing;

class TestPracticeDraw : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestWorld> world;
    std::unique_ptr<Cursor> words;
    const QList<int> due{3, 8, 12, 17};

    void open()
    {
        world = std::make_unique<TestWorld>(sampleTables()); // 20 words per pair
        words = std::make_unique<Cursor>(world->store, world->store.filePath(files::kMain), kLanguagePairs[0]);
    }
    int choose(NextWordRequest::Order order, const QString &letter = {})
    {
        NextWordRequest request{NextWordRequest::Variant::Tick, order, letter, 20, 5, 9};
        request.practice = &due;
        chooseNextWord(*words, request, world->random);
        return words->index();
    }

private Q_SLOTS:
    void cleanup()
    {
        words.reset();
        world.reset();
    }

    void drawIntoTheSet_data();
    void drawIntoTheSet();
    void inOrderWalksTheDueWordsAndWraps();
    void noPracticeDrawsAsBefore();
    void theGridAsksADueWord();
};

void TestPracticeDraw::drawIntoTheSet_data()
{
    QTest::addColumn<float>("r");
    QTest::addColumn<int>("index");
    // Int((1 - r) * 4) into {3, 8, 12, 17}.
    QTest::newRow("r = 0.999: the first") << 0.999f << 3;
    QTest::newRow("r = 0.74: the second") << 0.74f << 8;
    QTest::newRow("r = 0.5: the third") << 0.5f << 12;
    QTest::newRow("r = 0.01: the last") << 0.01f << 17;
    QTest::newRow("r = 0, one past the end: the last") << 0.0f << 17;
}

void TestPracticeDraw::drawIntoTheSet()
{
    QFETCH(float, r);
    QFETCH(int, index);
    QCOMPARE(drawFromSet(r, due), index);
    QCOMPARE(drawFromSet(r, {14}), 14);

    // The next-word choice draws the same, whatever letter is chosen.
    open();
    world->random.draws = {r, r};
    QCOMPARE(choose(NextWordRequest::Order::Randomly), index);
    QCOMPARE(choose(NextWordRequest::Order::Randomly, QStringLiteral("B")), index);
    QVERIFY(world->random.draws.isEmpty()); // one draw per word, as without a practice
}

void TestPracticeDraw::inOrderWalksTheDueWordsAndWraps()
{
    open();
    words->findFirst(IndexEquals{9});
    QList<int> shown;
    for (int i = 0; i < 5; ++i)
        shown.append(choose(NextWordRequest::Order::InOrder));
    QCOMPARE(shown, (QList<int>{12, 17, 3, 8, 12}));
}

void TestPracticeDraw::noPracticeDrawsAsBefore()
{
    open();
    const QList<int> none;
    NextWordRequest request{NextWordRequest::Variant::Start, NextWordRequest::Order::Randomly, {}, 20, 0, 0};
    request.practice = &none; // an empty practice is none
    world->random.draws = {0.5f};
    chooseNextWord(*words, request, world->random);
    QCOMPARE(words->index(), 10); // Int(0.5 * 20) over the whole table
}

void TestPracticeDraw::theGridAsksADueWord()
{
    open();
    // The asked word from the due words, the four others from the whole
    // table: five draws, as without a practice.
    world->random.draws = {0.5f, 0.999f, 0.5f, 0.75f, 0.25f};
    const GridDraw draw = drawQuestion(*words, world->random, 20, &due);
    QCOMPARE(draw.askedIndex, 12);
    QCOMPARE(draw.asked, QStringLiteral("home"));
    QCOMPARE(draw.variante[0], QStringLiteral("hogar"));
    QCOMPARE(draw.variante[1], QStringLiteral("hogar")); // Int(0.001 * 20) = 0 finds nothing: the cursor stays
    QCOMPARE(draw.variante[2], QStringLiteral("perro")); // Int(0.5 * 20) = 10, "dog"
    QVERIFY(world->random.draws.isEmpty());

    world->random.draws = {0.5f, 0.5f, 0.5f, 0.5f, 0.5f};
    QCOMPARE(drawQuestion(*words, world->random, 20).askedIndex, 10); // without a practice
}

QTEST_MAIN(TestPracticeDraw)
#include "tst_practice_draw.moc"
