#include "shell/forms/exercise_controls.h"

#include "shell/forms/form_builders.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace vorbix {

namespace {

QStringList letterFilterItems()
{
    QStringList items{QStringLiteral("A-Z")};
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        if (letter != 'W')
            items.append(QString(QLatin1Char(letter)));
    }
    return items;
}

} // namespace

void ExerciseControls::setupExerciseControls(QWidget *window, const char *setTimeCaption,
                                             const char *timeLeftCaption)
{
    setupLevelControls(window);

    timeFrame = new QGroupBox(QStringLiteral("Time"), window);
    Label2 = forms::makeLabel(timeFrame, "Label2", setTimeCaption);
    Text2 = forms::makeLineEdit(timeFrame, "Text2", "10");
    Label4 = forms::makeLabel(timeFrame, "Label4", timeLeftCaption);
    Text6 = forms::makeLineEdit(timeFrame, "Text6", "0");
    Text6->setFont(forms::arial(17.25, true));
    for (QLineEdit *box : {Text2, Text6}) {
        box->setAlignment(Qt::AlignCenter);
        box->setFixedWidth(56);
    }
    Label2->setBuddy(Text2);
    Label4->setBuddy(Text6);
    auto *time = new QGridLayout(timeFrame);
    time->setContentsMargins(8, 2, 8, 6);
    time->setVerticalSpacing(4);
    time->addWidget(Label2, 0, 1);
    time->addWidget(Text2, 0, 2);
    time->addWidget(Label4, 1, 1);
    time->addWidget(Text6, 1, 2);
    time->setColumnStretch(0, 1); // keeps each caption next to its box
    time->setColumnStretch(3, 1);

    modeFrame = new QGroupBox(QStringLiteral("Mode"), window);
    Option9 = forms::makeRadio(modeFrame, "Option9", "Randomly");
    Option10 = forms::makeRadio(modeFrame, "Option10", "In order");
    Option9->setChecked(true);
    Combo1 = new QComboBox(modeFrame);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    Combo1->setEditable(false);
    Combo1->addItems(letterFilterItems());
    Combo1->setCurrentIndex(-1);
    Combo1->setMaxVisibleItems(13);
    Combo1->setAccessibleName(QStringLiteral("Letter"));
    auto *mode = new QVBoxLayout(modeFrame);
    mode->setContentsMargins(8, 2, 8, 6);
    mode->setSpacing(2);
    mode->addWidget(Option9);
    mode->addWidget(Option10);
    mode->addWidget(Combo1);

    Check2 = new QCheckBox(QStringLiteral("Timer"), window);
    Check2->setObjectName(QStringLiteral("Check2"));

    Text8 = forms::makeHiddenCarrier(window, "Text8", "1");
    Text10 = forms::makeHiddenCarrier(window, "Text10");
    Text11 = forms::makeHiddenCarrier(window, "Text11");
    Text12 = forms::makeHiddenCarrier(window, "Text12");
}

QList<QWidget *> ExerciseControls::settingsInReadingOrder() const
{
    return {Option11, Option12, Option13, Text2, Text6, Option9, Option10, Combo1};
}

QBoxLayout *ExerciseControls::settingsRow() const
{
    auto *row = new QHBoxLayout;
    row->addWidget(levelFrame);
    row->addWidget(timeFrame, 1);
    row->addWidget(modeFrame);
    return row;
}

void ExerciseControls::layOutExerciseWindow(QWidget *window, QLayout *options, QLayout *words,
                                            QLayout *exercise, QLayout *navigation) const
{
    QVBoxLayout *root = forms::windowColumn(window);
    root->addLayout(options);
    root->addLayout(settingsRow());
    root->addStretch(1);
    root->addLayout(words);
    root->addStretch(1);
    root->addLayout(exercise);
    root->addStretch(1);
    root->addLayout(navigation);
}

} // namespace vorbix
