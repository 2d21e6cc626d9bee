#include "shell/forms/write_form.h"

#include "shell/forms/colours.h"
#include "shell/forms/form_builders.h"
#include "shell/forms/keyboard_access.h"

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace vorbix {

namespace {

// While the cover (Text9) is shown, the right answer under it can neither
// take the focus nor be read or presented by a screen reader: what a sighted
// user sees is a blank box, and so it must be for everyone. The cover is
// shown and hidden by the handlers; this follows it.
class AnswerCover final : public QObject
{
public:
    AnswerCover(QLineEdit *cover, QLineEdit *answer, QLineEdit *userAnswer)
        : QObject(cover)
        , m_answer(answer)
        , m_userAnswer(userAnswer)
    {
        cover->installEventFilter(this);
        follow(!cover->isHidden());
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::ShowToParent)
            follow(true);
        else if (event->type() == QEvent::HideToParent)
            follow(false);
        return false;
    }

private:
    void follow(bool covered)
    {
        if (covered && m_answer->hasFocus())
            m_userAnswer->setFocus(Qt::OtherFocusReason);
        m_answer->setFocusPolicy(covered ? Qt::NoFocus : Qt::StrongFocus);
        // A line edit that echoes nothing gives assistive technology no text;
        // hidden behind the cover, which keeps the place, a screen reader
        // does not present it at all (not even as a password box).
        m_answer->setEchoMode(covered ? QLineEdit::NoEcho : QLineEdit::Normal);
        m_answer->setVisible(!covered);
    }

    QLineEdit *m_answer;
    QLineEdit *m_userAnswer;
};

} // namespace

void WriteForm::setupUi(QWidget *window)
{
    forms::setUpWindow(window, "Write words", 594, 393, QColor(224, 224, 224));
    setupCommonControls(window, PairCaptions::Exercise, "Fonts");
    setupExerciseControls(window, "  Set time :", " Time left :");

    Text3 = forms::makeReadOnlyBox(window, "Text3");
    Text5 = forms::makeLineEdit(window, "Text5", "Write your answer here ->");
    Text5->setMaxLength(255); // one warning per refused character stays a handful
    Label8 = forms::makeLabel(window, "Label8", "RIGHT ANSWER    ------>");
    Label8->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Text4 = forms::makeReadOnlyBox(window, "Text4");
    // Shares Text4's grid cell and is raised above it (below).
    Text9 = forms::makeReadOnlyBox(window, "Text9");
    Text9->setFocusPolicy(Qt::NoFocus);
    const QFont wordFont = forms::arial(9.75); // one font shared by the word boxes
    for (QLineEdit *box : {Text3, Text4, Text5, Text9}) {
        box->setFont(wordFont);
        box->setMinimumHeight(26);
    }

    Cmdcont = forms::makeButton(window, "Cmdcont", " START ", colours::kGreen);
    Cmdok = forms::makeButton(window, "Cmdok", "Verify", QColor(128, 128, 255));
    for (QPushButton *button : {Cmdcont, Cmdok}) {
        button->setFont(forms::timesNewRoman(12, true));
        button->setMinimumSize(100, 32);
    }

    Label5 = forms::makeLabel(window, "Label5", "Current scores");
    Text7 = forms::makeReadOnlyBox(window, "Text7", "1");
    Label1 = forms::makeLabel(window, "Label1", "Total scores");
    Text1 = forms::makeReadOnlyBox(window, "Text1");
    for (QLineEdit *box : {Text7, Text1}) {
        box->setAlignment(Qt::AlignCenter);
        box->setFixedWidth(64);
    }
    Timer2 = forms::makeSecondTimer(window, "Timer2");

    auto *words = new QGridLayout;
    words->setHorizontalSpacing(12);
    words->setVerticalSpacing(3);
    words->addWidget(Label6, 0, 0);
    words->addWidget(Label7, 0, 1);
    words->addWidget(Text3, 1, 0);
    words->addWidget(Text5, 1, 1);
    words->addWidget(Label8, 2, 0);
    words->addWidget(Text4, 2, 1);
    words->addWidget(Text9, 2, 1);
    Text9->raise();
    words->setColumnStretch(0, 1);
    words->setColumnStretch(1, 1);

    auto *scores = new QGridLayout;
    scores->setVerticalSpacing(2);
    scores->addWidget(Label5, 0, 0, Qt::AlignCenter);
    scores->addWidget(Label1, 0, 1, Qt::AlignCenter);
    scores->addWidget(Text7, 1, 0, Qt::AlignCenter);
    scores->addWidget(Text1, 1, 1, Qt::AlignCenter);

    auto *exercise = new QHBoxLayout;
    exercise->addWidget(Cmdcont);
    exercise->addWidget(Cmdok);
    exercise->addSpacing(12);
    exercise->addWidget(Check2);
    exercise->addStretch(1);
    exercise->addLayout(scores);

    layOutExerciseWindow(window, optionsRow(), words, exercise, navigationRow());

    forms::addShortcut(Cmdcont, QKeySequence(QStringLiteral("Alt+S")));
    forms::addShortcut(Cmdok, QKeySequence(QStringLiteral("Alt+V")));
    Text3->setAccessibleName(QStringLiteral("Word asked"));
    Text5->setAccessibleName(QStringLiteral("Your answer"));
    Text4->setAccessibleName(QStringLiteral("Right answer"));
    Text9->setAccessibleName(QStringLiteral("Right answer, covered until Verify"));
    new AnswerCover(Text9, Text4, Text5);
    Label5->setBuddy(Text7);
    Label1->setBuddy(Text1);
    forms::setReadingOrder(optionsInReadingOrder() + settingsInReadingOrder()
                           + QList<QWidget *>{Text3, Text5, Text4, Cmdcont, Cmdok, Check2, Text7, Text1}
                           + navigationInReadingOrder());
    forms::nameForAccessibility(window);
}

} // namespace vorbix
