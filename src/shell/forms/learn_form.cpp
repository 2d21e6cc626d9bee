#include "shell/forms/learn_form.h"

#include "shell/forms/colours.h"
#include "shell/forms/form_builders.h"
#include "shell/forms/keyboard_access.h"

#include <QCheckBox>
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

void LearnForm::setupUi(QWidget *window)
{
    forms::setUpWindow(window, "Learn words", 594, 393, QColor(224, 224, 224));
    setupCommonControls(window, PairCaptions::Exercise, "Fonts");
    setupExerciseControls(window, "   Set time :", "  Time left :");

    Text3 = forms::makeReadOnlyBox(window, "Text3");
    Text4 = forms::makeReadOnlyBox(window, "Text4");
    const QFont wordFont = forms::arial(9.75); // one font shared by the word boxes
    for (QLineEdit *box : {Text3, Text4}) {
        box->setFont(wordFont);
        box->setMinimumHeight(28);
    }

    Cmdcont = forms::makeButton(window, "Cmdcont", "  START ", colours::kGreen);
    Cmdcont->setFont(forms::timesNewRoman(12, true));
    Cmdcont->setMinimumSize(120, 34);
    Timer1 = forms::makeSecondTimer(window, "Timer1");

    auto *words = new QGridLayout;
    words->setHorizontalSpacing(12);
    words->setVerticalSpacing(2);
    words->addWidget(Label6, 0, 0);
    words->addWidget(Label7, 0, 1);
    words->addWidget(Text3, 1, 0);
    words->addWidget(Text4, 1, 1);

    auto *exercise = new QHBoxLayout;
    exercise->addStretch(1);
    exercise->addWidget(Cmdcont);
    exercise->addSpacing(16);
    exercise->addWidget(Check2);
    exercise->addStretch(1);

    layOutExerciseWindow(window, optionsRow(), words, exercise, navigationRow());

    forms::addShortcut(Cmdcont, QKeySequence(QStringLiteral("Alt+S")));
    Text3->setAccessibleName(QStringLiteral("Word"));
    Text4->setAccessibleName(QStringLiteral("Translation"));
    forms::setReadingOrder(optionsInReadingOrder() + settingsInReadingOrder()
                           + QList<QWidget *>{Text3, Text4, Cmdcont, Check2} + navigationInReadingOrder());
    forms::nameForAccessibility(window);
}

} // namespace vorbix
