#include "shell/forms/grid_form.h"

#include "shell/forms/colours.h"
#include "shell/forms/form_builders.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTimer>
#include <QVBoxLayout>

namespace vorbix {

namespace {

constexpr int kChoiceHeight = 24;
constexpr int kChoiceSpacing = 4;

} // namespace

void GridForm::setupUi(QWidget *window)
{
    forms::setUpWindow(window, "Grid test", 594, 393, QColor(224, 224, 224));
    setupCommonControls(window, PairCaptions::Dictionary, "Fonts");
    setupLevelControls(window);

    timeFrame = new QGroupBox(QStringLiteral("Time"), window);
    Label3 = forms::makeLabel(timeFrame, "Label3", "    Time :");
    Text2[5] = forms::makeReadOnlyBox(timeFrame, "Text2_5", "5");
    Label4 = forms::makeLabel(timeFrame, "Label4", " Time left :");
    Text9 = forms::makeReadOnlyBox(timeFrame, "Text9", "0");
    Text9->setFont(forms::arial(17.25, true));
    for (QLineEdit *box : {Text2[5], Text9}) {
        box->setAlignment(Qt::AlignCenter);
        box->setFixedWidth(56);
    }
    auto *time = new QGridLayout(timeFrame);
    time->setContentsMargins(8, 2, 8, 6);
    time->setVerticalSpacing(4);
    time->addWidget(Label3, 0, 0);
    time->addWidget(Text2[5], 0, 1);
    time->addWidget(Label4, 1, 0);
    time->addWidget(Text9, 1, 1);

    // The question: the asked word level with the middle choice, the five
    // choices one above the other, each with its option button beside it.
    Text1 = forms::makeReadOnlyBox(window, "Text1");
    Frame1 = new QGroupBox(window);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setFlat(true);
    choiceGroup = new QButtonGroup(Frame1);
    auto *choices = new QVBoxLayout(Frame1);
    choices->setContentsMargins(2, 0, 2, 0);
    choices->setSpacing(kChoiceSpacing);
    auto *question = new QGridLayout;
    question->setHorizontalSpacing(8);
    question->setVerticalSpacing(kChoiceSpacing);
    question->addWidget(Label6, 0, 0);
    question->addWidget(Label7, 0, 1);
    question->addWidget(Text1, 3, 0);
    for (int k = 0; k < 5; ++k) {
        const QByteArray box = QByteArrayLiteral("Text2_") + QByteArray::number(k);
        const QByteArray option = QByteArrayLiteral("Option14_") + QByteArray::number(k);
        Text2[k] = forms::makeReadOnlyBox(window, box.constData());
        Option14[k] = forms::makeRadio(Frame1, option.constData(), "");
        choiceGroup->addButton(Option14[k], k);
        Option14[k]->setFixedHeight(kChoiceHeight);
        choices->addWidget(Option14[k]);
        question->addWidget(Text2[k], k + 1, 1);
    }
    question->addWidget(Frame1, 1, 2, 5, 1);
    for (QLineEdit *box : {Text1, Text2[0], Text2[1], Text2[2], Text2[3], Text2[4]}) {
        box->setFont(forms::arial(9.75));
        box->setFixedHeight(kChoiceHeight);
    }
    question->setColumnStretch(0, 1);
    question->setColumnStretch(1, 1);

    summaryFrame = new QGroupBox(QStringLiteral("Summary"), window);
    Label2 = forms::makeLabel(summaryFrame, "Label2", "    Attempts :");
    Text3 = forms::makeReadOnlyBox(summaryFrame, "Text3");
    Label5 = forms::makeLabel(summaryFrame, "Label5", " Current score :");
    Text7 = forms::makeReadOnlyBox(summaryFrame, "Text7", "1");
    Labe1 = forms::makeLabel(summaryFrame, "Labe1", "    Total scores:");
    Text8 = forms::makeReadOnlyBox(summaryFrame, "Text8");
    auto *summary = new QHBoxLayout(summaryFrame);
    summary->setContentsMargins(6, 2, 6, 6);
    summary->setSpacing(4);
    for (QLabel *label : {Label2, Label5, Labe1})
        label->setFont(forms::arial(12, label == Labe1, true));
    for (QLineEdit *box : {Text3, Text7, Text8}) {
        box->setFont(forms::arial(12, box == Text8, true));
        box->setAlignment(Qt::AlignCenter);
        box->setFixedWidth(58);
    }
    summary->addWidget(Label2);
    summary->addWidget(Text3);
    summary->addStretch(1);
    summary->addWidget(Label5);
    summary->addWidget(Text7);
    summary->addStretch(1);
    summary->addWidget(Labe1);
    summary->addWidget(Text8);

    Cmdcont = forms::makeButton(window, "Cmdcont", " START ", colours::kGreen);
    Cmdcont->setFont(forms::timesNewRoman(12, true));
    Cmdcont->setMinimumSize(100, 34);
    Timer3 = forms::makeSecondTimer(window, "Timer3");

    auto *options = new QHBoxLayout;
    options->addWidget(dictionaryFrame, 1);
    options->addWidget(fontsFrame);

    auto *side = new QVBoxLayout;
    side->addWidget(levelFrame);
    side->addWidget(timeFrame);
    side->addStretch(1);

    auto *middle = new QHBoxLayout;
    middle->setSpacing(12);
    middle->addLayout(side);
    middle->addLayout(question, 1);

    auto *results = new QHBoxLayout;
    results->addWidget(summaryFrame, 1);
    results->addWidget(Cmdcont, 0, Qt::AlignBottom);

    auto *root = new QVBoxLayout(window);
    root->setContentsMargins(10, 8, 10, 8);
    root->setSpacing(6);
    root->addLayout(options);
    root->addLayout(middle);
    root->addStretch(1);
    root->addLayout(results);
    root->addLayout(navigationRow());
}

void GridForm::clearChoices()
{
    const QSignalBlocker groupBlocker(choiceGroup);
    choiceGroup->setExclusive(false);
    for (QRadioButton *option : Option14) {
        const QSignalBlocker blocker(option);
        option->setChecked(false);
    }
    choiceGroup->setExclusive(true);
}

} // namespace vorbix
