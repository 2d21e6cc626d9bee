// The screens' handlers find their controls by name and rely on the state a
// screen has when it opens; these tests hold the forms to both.

#include "data/language_pairs.h"
#include "shell/forms/colours.h"
#include "shell/forms/grid_form.h"
#include "shell/forms/learn_form.h"
#include "shell/forms/start_form.h"
#include "shell/forms/write_form.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <memory>

using namespace vorbix;

namespace {

enum class Screen { Start, Learn, Write, Grid };

// CoveredBox: a read-only box hidden behind its cover until it is uncovered.
enum class Kind { Label, Box, ReadOnlyBox, CoveredBox, Carrier, Button, Option, Check, Combo, ScrollBar, Timer };

struct Window
{
    std::unique_ptr<QWidget> widget = std::make_unique<QWidget>();
    std::shared_ptr<CommonControls> form; // deletes the form as its own type
};

template <class Form>
Window open()
{
    Window window;
    auto form = std::make_shared<Form>();
    form->setupUi(window.widget.get());
    window.form = form;
    return window;
}

Window open(Screen screen)
{
    switch (screen) {
    case Screen::Start: return open<StartForm>();
    case Screen::Learn: return open<LearnForm>();
    case Screen::Write: return open<WriteForm>();
    case Screen::Grid: return open<GridForm>();
    }
    return {};
}

QString name(const char *text)
{
    return QString::fromLatin1(text);
}

bool isArialAt(const QWidget *w, qreal points, bool bold)
{
    const QFont f = w->font();
    return f.family() == QLatin1String("Arial") && qFuzzyCompare(f.pointSizeF(), points)
           && f.bold() == bold;
}

int centreY(const QWidget *w)
{
    return w->mapTo(w->window(), w->rect().center()).y();
}

} // namespace

class TestForms : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void controlsHaveTheirNames_data();
    void controlsHaveTheirNames();
    void commonControls_data();
    void commonControls();
    void startForm();
    void exerciseForms_data();
    void exerciseForms();
    void writeFormCoversTheAnswer();
    void gridForm();
    void longWordsShowTheirBeginning();
};

void TestForms::controlsHaveTheirNames_data()
{
    QTest::addColumn<Screen>("screen");
    QTest::addColumn<QString>("control");
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<QString>("text"); // checked only for boxes, carriers included

    const auto add = [](Screen screen, const QString &control, Kind kind, const char *text = "") {
        const QByteArray tag = QByteArray::number(int(screen)) + ' ' + control.toLatin1();
        QTest::newRow(tag.constData()) << screen << control << kind << name(text);
    };
    for (Screen s : {Screen::Start, Screen::Learn, Screen::Write, Screen::Grid}) {
        for (const char *button : {"cmdDict", "cmdInvat", "cmdTest", "cmdTestG", "iesi"})
            add(s, name(button), Kind::Button);
        for (const LanguagePair &pair : kLanguagePairs)
            add(s, optionName(pair), Kind::Option);
        add(s, name("Option1"), Kind::Option);
        add(s, name("Option2"), Kind::Option);
        add(s, name("Check1"), Kind::Check);
        add(s, name("Label6"), Kind::Label);
        add(s, name("Label7"), Kind::Label);
    }

    add(Screen::Start, name("Label2"), Kind::Label);
    add(Screen::Start, name("Label3"), Kind::Label);
    add(Screen::Start, name("Text0"), Kind::Box);
    add(Screen::Start, name("cmdclr"), Kind::Button);
    for (int i = 1; i <= 21; ++i) {
        const QByteArray number = QByteArray::number(i);
        add(Screen::Start, QStringLiteral("Text%1").arg(i), Kind::ReadOnlyBox,
            i <= 7 ? number.constData() : "");
    }
    add(Screen::Start, name("VScroll1"), Kind::ScrollBar);
    add(Screen::Start, name("Text22"), Kind::Carrier);
    add(Screen::Start, name("Text23"), Kind::Carrier, "Text23");

    for (Screen s : {Screen::Learn, Screen::Write, Screen::Grid}) {
        add(s, name("Option11"), Kind::Option);
        add(s, name("Option12"), Kind::Option);
        add(s, name("Option13"), Kind::Option);
        add(s, name("Cmdcont"), Kind::Button);
    }
    for (Screen s : {Screen::Learn, Screen::Write}) {
        add(s, name("Label2"), Kind::Label);
        add(s, name("Label4"), Kind::Label);
        add(s, name("Text2"), Kind::Box, "10");
        add(s, name("Text6"), Kind::Box, "0");
        add(s, name("Text3"), Kind::ReadOnlyBox);
        add(s, name("Text4"), s == Screen::Write ? Kind::CoveredBox : Kind::ReadOnlyBox);
        add(s, name("Option9"), Kind::Option);
        add(s, name("Option10"), Kind::Option);
        add(s, name("Combo1"), Kind::Combo);
        add(s, name("Check2"), Kind::Check);
        add(s, name("Text8"), Kind::Carrier, "1");
        for (const char *carrier : {"Text10", "Text11", "Text12"})
            add(s, name(carrier), Kind::Carrier);
    }
    add(Screen::Learn, name("Timer1"), Kind::Timer);

    add(Screen::Write, name("Text5"), Kind::Box, "Write your answer here ->");
    add(Screen::Write, name("Label8"), Kind::Label);
    add(Screen::Write, name("Text9"), Kind::ReadOnlyBox);
    add(Screen::Write, name("Cmdok"), Kind::Button);
    add(Screen::Write, name("Label5"), Kind::Label);
    add(Screen::Write, name("Text7"), Kind::ReadOnlyBox, "1");
    add(Screen::Write, name("Label1"), Kind::Label);
    add(Screen::Write, name("Text1"), Kind::ReadOnlyBox);
    add(Screen::Write, name("Timer2"), Kind::Timer);

    for (const char *label : {"Label2", "Label3", "Label4", "Label5", "Labe1"})
        add(Screen::Grid, name(label), Kind::Label);
    add(Screen::Grid, name("Text9"), Kind::ReadOnlyBox, "0");
    add(Screen::Grid, name("Text1"), Kind::ReadOnlyBox);
    for (int k = 0; k < 6; ++k)
        add(Screen::Grid, QStringLiteral("Text2_%1").arg(k), Kind::ReadOnlyBox, k == 5 ? "5" : "");
    for (int k = 0; k < 5; ++k)
        add(Screen::Grid, QStringLiteral("Option14_%1").arg(k), Kind::Option);
    add(Screen::Grid, name("Text3"), Kind::ReadOnlyBox);
    add(Screen::Grid, name("Text7"), Kind::ReadOnlyBox, "1");
    add(Screen::Grid, name("Text8"), Kind::ReadOnlyBox);
    add(Screen::Grid, name("Timer3"), Kind::Timer);
}

void TestForms::controlsHaveTheirNames()
{
    QFETCH(Screen, screen);
    QFETCH(QString, control);
    QFETCH(Kind, kind);
    QFETCH(QString, text);

    const Window window = open(screen);
    const QList<QObject *> found = window.widget->findChildren<QObject *>(control);
    QCOMPARE(found.size(), 1); // a second control of the same name would shadow the first

    QObject *object = found.first();
    auto *box = qobject_cast<QLineEdit *>(object);
    switch (kind) {
    case Kind::Label: QVERIFY(qobject_cast<QLabel *>(object)); break;
    case Kind::Button: QVERIFY(qobject_cast<QPushButton *>(object)); break;
    case Kind::Option: QVERIFY(qobject_cast<QRadioButton *>(object)); break;
    case Kind::Check: QVERIFY(qobject_cast<QCheckBox *>(object)); break;
    case Kind::Combo: QVERIFY(qobject_cast<QComboBox *>(object)); break;
    case Kind::ScrollBar: QVERIFY(qobject_cast<QScrollBar *>(object)); break;
    case Kind::Timer: {
        auto *timer = qobject_cast<QTimer *>(object);
        QVERIFY(timer);
        QCOMPARE(timer->parent(), window.widget.get());
        QCOMPARE(timer->interval(), 1000);
        QCOMPARE(timer->timerType(), Qt::PreciseTimer);
        QVERIFY(!timer->isActive());
        break;
    }
    case Kind::Box:
    case Kind::ReadOnlyBox:
    case Kind::CoveredBox:
        QVERIFY(box);
        QCOMPARE(box->isReadOnly(), kind != Kind::Box);
        QCOMPARE(box->isHidden(), kind == Kind::CoveredBox);
        QCOMPARE(box->text(), text);
        break;
    case Kind::Carrier:
        QVERIFY(box);
        QVERIFY(box->isHidden());
        QCOMPARE(box->text(), text);
        break;
    }
}

void TestForms::commonControls_data()
{
    QTest::addColumn<Screen>("screen");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QColor>("background");
    QTest::addColumn<bool>("exerciseCaptions");
    QTest::addColumn<QString>("fontsTitle");

    const QColor grey(224, 224, 224);
    QTest::newRow("Start") << Screen::Start << name("Dictionary") << QSize(594, 394)
                           << QColor(0, 192, 192) << false << QString();
    QTest::newRow("Invatare") << Screen::Learn << name("Learn words") << QSize(594, 393) << grey
                              << true << name("Fonts");
    QTest::newRow("Test") << Screen::Write << name("Write words") << QSize(594, 393) << grey
                          << true << name("Fonts");
    QTest::newRow("TestG") << Screen::Grid << name("Grid test") << QSize(594, 393) << grey
                           << false << name("Fonts");
}

void TestForms::commonControls()
{
    QFETCH(Screen, screen);
    QFETCH(QString, title);
    QFETCH(QSize, size);
    QFETCH(QColor, background);
    QFETCH(bool, exerciseCaptions);
    QFETCH(QString, fontsTitle);

    const Window window = open(screen);
    QWidget &w = *window.widget;
    const CommonControls &c = *window.form;
    QCOMPARE(w.windowTitle(), title);
    QCOMPARE(w.minimumSize(), size);
    QCOMPARE(w.maximumSize(), size);
    QVERIFY(w.objectName().isEmpty()); // the screen names its own window
    QCOMPARE(colours::background(&w), background);
    // Nothing is squeezed below what it needs.
    QVERIFY(w.layout()->minimumSize().width() <= size.width());
    QVERIFY(w.layout()->minimumSize().height() <= size.height());

    const std::pair<QPushButton *, QColor> buttons[] = {
        {c.cmdDict, QColor(192, 255, 255)}, {c.cmdInvat, QColor(255, 192, 192)},
        {c.cmdTest, QColor(192, 255, 192)}, {c.cmdTestG, QColor(255, 192, 255)},
        {c.iesi, QColor(255, 192, 192)}};
    for (const auto &[button, colour] : buttons)
        QCOMPARE(colours::background(button), colour);
    QVERIFY(c.iesi->font().bold());
    QVERIFY(!c.cmdDict->font().bold());
    QVERIFY(c.Check1->font().bold());

    QCOMPARE(c.dictionaryFrame->title(), name("Dictionary"));
    QCOMPARE(c.fontsFrame->title(), fontsTitle);
    for (int i = 0; i < kPairCount; ++i) {
        const LanguagePair &pair = kLanguagePairs[i];
        QRadioButton *option = c.pairOptions[i];
        QCOMPARE(option->objectName(), optionName(pair));
        QCOMPARE(option->parentWidget(), c.dictionaryFrame);
        QCOMPARE(option->text(), name(exerciseCaptions ? pair.exerciseCaption : pair.caption));
        QCOMPARE(option->isChecked(), i == 0);
    }
    // Top row English to X, bottom row the reverse pairs.
    w.show();
    QCoreApplication::processEvents();
    QCOMPARE(c.pairOptions[0]->y(), c.pairOptions[2]->y());
    QVERIFY(c.pairOptions[1]->y() > c.pairOptions[0]->y());
    QVERIFY(c.pairOptions[2]->x() > c.pairOptions[0]->x());

    QVERIFY(c.Option1->isChecked());
    QVERIFY(!c.Option2->isChecked());
    QVERIFY(!c.Check1->isChecked());
    QCOMPARE(c.Label6->text(), name("ENGLISH"));
    QCOMPARE(c.Label7->text(), name("SPANISH"));

    // The case options and the pair options are separate groups.
    c.Option2->click();
    c.pairOptions[3]->click();
    QVERIFY(c.Option2->isChecked() && !c.Option1->isChecked());
    QVERIFY(c.pairOptions[3]->isChecked() && !c.pairOptions[0]->isChecked());
}

void TestForms::startForm()
{
    QWidget window;
    StartForm form;
    form.setupUi(&window);

    QCOMPARE(colours::background(form.cmdclr), QColor(0, 255, 255));
    QCOMPARE(colours::background(form.Label2), QColor(128, 255, 255));
    QCOMPARE(form.VScroll1->orientation(), Qt::Vertical);
    QCOMPARE(form.VScroll1->minimum(), 1);
    QCOMPARE(form.VScroll1->value(), 1);
    for (int row = 0; row < 7; ++row) {
        for (QLineEdit *box : {form.rowNumber[row], form.sourceWord[row], form.targetWord[row]}) {
            QVERIFY2(!(box->focusPolicy() & Qt::TabFocus), qPrintable(box->objectName()));
            QVERIFY(isArialAt(box, 9.75, false));
        }
        QCOMPARE(colours::background(form.sourceWord[row]), colours::kWhite);
        QCOMPARE(colours::background(form.targetWord[row]), colours::kWhite);
    }
    QVERIFY(form.sourceWord[0]->height() > form.sourceWord[1]->height());

    // Tabbing starts in the look-up box, and it has the focus on opening.
    QWidget *first = window.nextInFocusChain();
    while (first != &window && !(first->focusPolicy() & Qt::TabFocus))
        first = first->nextInFocusChain();
    QCOMPARE(first, form.Text0);
    window.show();
    window.activateWindow();
    QCoreApplication::processEvents();
    QCOMPARE(QApplication::focusWidget(), form.Text0);
    QVERIFY(form.Text22->isHidden() && form.Text23->isHidden());

    // The scroll bar stands beside the seven rows.
    QVERIFY(form.VScroll1->x() > form.targetWord[0]->geometry().right());
    QVERIFY(form.VScroll1->geometry().top() <= form.targetWord[0]->geometry().top());
    QVERIFY(form.VScroll1->geometry().bottom() >= form.targetWord[6]->geometry().bottom());
}

void TestForms::exerciseForms_data()
{
    QTest::addColumn<Screen>("screen");
    QTest::newRow("Invatare") << Screen::Learn;
    QTest::newRow("Test") << Screen::Write;
}

// What the learning screen and the writing test share.
template <class Form>
void checkExerciseForm(QList<QLineEdit *> (*wordBoxes)(const Form &))
{
    QWidget window;
    Form form;
    form.setupUi(&window);

    QVERIFY(!form.Option11->isEnabled() && !form.Option12->isEnabled());
    QVERIFY(form.Option13->isEnabled() && form.Option13->isChecked());
    QVERIFY(form.Option9->isChecked() && !form.Option10->isChecked());
    QVERIFY(!form.Check2->isChecked());

    QVERIFY(!form.Combo1->isEditable());
    QCOMPARE(form.Combo1->currentIndex(), -1);
    QVERIFY(form.Combo1->currentText().isEmpty());
    QCOMPARE(form.Combo1->count(), 26);
    QCOMPARE(form.Combo1->itemText(0), name("A-Z"));
    QCOMPARE(form.Combo1->itemText(1), name("A"));
    QCOMPARE(form.Combo1->itemText(25), name("Z"));
    QCOMPARE(form.Combo1->findText(name("W")), -1);

    QVERIFY(isArialAt(form.Text6, 17.25, true));
    QCOMPARE(form.Text2->alignment() & Qt::AlignHCenter, Qt::AlignHCenter);
    QCOMPARE(form.Text6->alignment() & Qt::AlignHCenter, Qt::AlignHCenter);
    for (QLineEdit *box : wordBoxes(form))
        QVERIFY2(isArialAt(box, 9.75, false), qPrintable(box->objectName()));

    QCOMPARE(colours::background(form.Cmdcont), colours::kGreen);
    QCOMPARE(form.Cmdcont->font().family(), name("Times New Roman"));
    QCOMPARE(form.Cmdcont->font().pointSizeF(), 12.0);
    QVERIFY(form.Cmdcont->font().bold());

    // Choosing the order does not touch the level.
    form.Option10->click();
    QVERIFY(form.Option13->isChecked() && form.Option10->isChecked());
}

static QList<QLineEdit *> learnWordBoxes(const LearnForm &form)
{
    return {form.Text3, form.Text4};
}

static QList<QLineEdit *> writeWordBoxes(const WriteForm &form)
{
    return {form.Text3, form.Text4, form.Text5};
}

void TestForms::exerciseForms()
{
    QFETCH(Screen, screen);
    if (screen == Screen::Learn)
        checkExerciseForm<LearnForm>(learnWordBoxes);
    else
        checkExerciseForm<WriteForm>(writeWordBoxes);
}

void TestForms::writeFormCoversTheAnswer()
{
    QWidget window;
    WriteForm form;
    form.setupUi(&window);
    window.show();
    QCoreApplication::processEvents();

    QCOMPARE(colours::background(form.Cmdok), QColor(128, 128, 255));
    QCOMPARE(colours::background(form.Text9), colours::kWhite);
    QVERIFY(form.Text9->text().isEmpty());
    QVERIFY(form.Text9->isVisible());
    QVERIFY(form.Text4->isHidden()); // behind the cover, not only below it

    // Uncovered, the answer takes the cover's place.
    const QRect cover = form.Text9->geometry();
    const QPoint answer = cover.center();
    QCOMPARE(window.childAt(answer), form.Text9);
    form.Text9->hide();
    QCOMPARE(form.Text4->geometry(), cover);
    QCOMPARE(window.childAt(answer), form.Text4);
    form.Text9->show();
    QCOMPARE(window.childAt(answer), form.Text9);
    QVERIFY(form.Text4->isHidden());
}

void TestForms::gridForm()
{
    QWidget window;
    GridForm form;
    form.setupUi(&window);
    window.show();
    QCoreApplication::processEvents();

    QVERIFY(isArialAt(form.Text9, 17.25, true));
    for (QLineEdit *box : {form.Text1, form.Text2[0], form.Text2[1], form.Text2[2], form.Text2[3],
                           form.Text2[4]})
        QVERIFY2(isArialAt(box, 9.75, false), qPrintable(box->objectName()));
    for (QWidget *field : std::initializer_list<QWidget *>{form.Label2, form.Text3, form.Label5,
                                                           form.Text7, form.Labe1, form.Text8}) {
        const bool bold = field == form.Labe1 || field == form.Text8;
        QVERIFY2(isArialAt(field, 12, bold) && field->font().italic(),
                 qPrintable(field->objectName()));
    }

    // Each option stands beside its choice; the asked word is level with the middle one.
    for (int k = 0; k < 5; ++k) {
        QCOMPARE(form.Option14[k]->parentWidget(), form.Frame1);
        QVERIFY(!form.Option14[k]->isChecked());
        QVERIFY(qAbs(centreY(form.Option14[k]) - centreY(form.Text2[k])) <= 1);
    }
    QCOMPARE(centreY(form.Text1), centreY(form.Text2[2]));

    // One choice at a time, and clearing them all is silent and keeps that rule.
    form.Option14[1]->click();
    form.Option14[3]->click();
    QVERIFY(!form.Option14[1]->isChecked() && form.Option14[3]->isChecked());
    QVERIFY(form.Option13->isChecked());
    QSignalSpy toggled(form.Option14[3], &QAbstractButton::toggled);
    QSignalSpy groupToggled(form.choiceGroup, &QButtonGroup::idToggled);
    form.clearChoices();
    for (QRadioButton *option : form.Option14)
        QVERIFY(!option->isChecked());
    QCOMPARE(toggled.size(), 0);
    QCOMPARE(groupToggled.size(), 0);
    form.Option14[0]->click();
    form.Option14[4]->click();
    QVERIFY(!form.Option14[0]->isChecked() && form.Option14[4]->isChecked());
}

void TestForms::longWordsShowTheirBeginning()
{
    const Window window = open(Screen::Grid);
    auto &form = static_cast<GridForm &>(*window.form);
    const QString words = QStringLiteral("autobiografisch, autobiographisch, selbstbiographisch");
    form.Text2[1]->setText(words);
    QCOMPARE(form.Text2[1]->cursorPosition(), 0);
    QCOMPARE(form.Text2[1]->text(), words);
}

QTEST_MAIN(TestForms)
#include "tst_forms.moc"
