#include "shell/forms/grid_form.h"

#include "shell/forms/colours.h"
#include "shell/forms/form_builders.h"
#include "shell/forms/keyboard_access.h"

#include <QButtonGroup>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace vorbix {

namespace {

// The choice rows and the option buttons beside them share one pitch. The
// frame's 1 px border plus a button of kOptionHeight, kOptionSpacing apart,
// puts every button's centre level with its box's centre.
constexpr int kChoiceHeight = 24;
constexpr int kChoiceSpacing = 4;
constexpr int kFrameBorder = 1;
constexpr int kOptionHeight = kChoiceHeight - 2 * kFrameBorder;
constexpr int kOptionSpacing = kChoiceSpacing + 2 * kFrameBorder;

QGroupBox *makeTimeFrame(GridForm &form, QWidget *window)
{
    auto *frame = new QGroupBox(QStringLiteral("Time"), window);
    form.Label3 = forms::makeLabel(frame, "Label3", "    Time :");
    form.Text2[5] = forms::makeReadOnlyBox(frame, "Text2_5", "5");
    form.Label4 = forms::makeLabel(frame, "Label4", " Time left :");
    form.Text9 = forms::makeReadOnlyBox(frame, "Text9", "0");
    form.Text9->setFont(forms::arial(17.25, true));
    for (QLineEdit *box : {form.Text2[5], form.Text9}) {
        box->setAlignment(Qt::AlignCenter);
        box->setFixedWidth(56);
    }
    form.Label3->setBuddy(form.Text2[5]);
    form.Label4->setBuddy(form.Text9);
    auto *grid = new QGridLayout(frame);
    grid->setContentsMargins(8, 2, 8, 6);
    grid->setVerticalSpacing(4);
    grid->addWidget(form.Label3, 0, 0);
    grid->addWidget(form.Text2[5], 0, 1);
    grid->addWidget(form.Label4, 1, 0);
    grid->addWidget(form.Text9, 1, 1);
    return frame;
}

// Up and Down move between the choices without choosing; Space chooses.
// (A radio button would otherwise choose the next one as the focus moves,
// which here would answer the question.)
class ChoiceKeys final : public QObject
{
public:
    ChoiceKeys(const std::array<QRadioButton *, 5> &options, QObject *parent)
        : QObject(parent)
        , m_options(options)
    {
        for (QRadioButton *option : m_options)
            option->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const int key = static_cast<QKeyEvent *>(event)->key();
        const int step = key == Qt::Key_Up || key == Qt::Key_Left     ? -1
                         : key == Qt::Key_Down || key == Qt::Key_Right ? 1
                                                                       : 0;
        if (step == 0)
            return false;
        const auto at = std::find(m_options.begin(), m_options.end(), watched);
        if (at == m_options.end())
            return false;
        const int index = int(at - m_options.begin());
        const int next = (index + step + 5) % 5;
        m_options[next]->setFocus(Qt::TabFocusReason);
        return true;
    }

private:
    std::array<QRadioButton *, 5> m_options;
};

QGroupBox *makeChoiceFrame(GridForm &form, QWidget *window)
{
    auto *frame = new QGroupBox(window);
    frame->setObjectName(QStringLiteral("Frame1"));
    frame->setAccessibleName(QStringLiteral("Choices"));
    frame->setStyleSheet(QStringLiteral("QGroupBox#Frame1 { border: %1px solid rgb(160, 160, 160);"
                                        " margin: 0px; padding: 0px; }")
                             .arg(kFrameBorder));
    form.choiceGroup = new QButtonGroup(frame);
    auto *column = new QVBoxLayout(frame);
    column->setContentsMargins(4, 0, 2, 0);
    column->setSpacing(kOptionSpacing);
    for (int k = 0; k < 5; ++k) {
        const QByteArray name = QByteArrayLiteral("Option14_") + QByteArray::number(k);
        form.Option14[k] = forms::makeRadio(frame, name.constData(), "");
        form.Option14[k]->setFixedHeight(kOptionHeight);
        form.choiceGroup->addButton(form.Option14[k], k);
        column->addWidget(form.Option14[k]);
    }
    new ChoiceKeys(form.Option14, frame);
    return frame;
}

// Captions on row 0, the choices on rows 1 to 5, the asked word level with
// the middle choice and the start button below it.
QGridLayout *makeQuestion(GridForm &form, QWidget *window)
{
    form.Text1 = forms::makeReadOnlyBox(window, "Text1");
    form.Text1->setAccessibleName(QStringLiteral("Word asked"));
    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(kChoiceSpacing);
    grid->addWidget(form.Label6, 0, 0);
    grid->addWidget(form.Label7, 0, 1);
    grid->addWidget(form.Text1, 3, 0);
    for (int k = 0; k < 5; ++k) {
        const QByteArray name = QByteArrayLiteral("Text2_") + QByteArray::number(k);
        form.Text2[k] = forms::makeReadOnlyBox(window, name.constData());
        form.Text2[k]->setAccessibleName(QStringLiteral("Choice %1").arg(k + 1));
        grid->addWidget(form.Text2[k], k + 1, 1);
    }
    const QFont words = forms::arial(9.75); // one font shared by the word boxes
    for (QLineEdit *box : {form.Text1, form.Text2[0], form.Text2[1], form.Text2[2], form.Text2[3],
                           form.Text2[4]}) {
        box->setFont(words);
        box->setFixedHeight(kChoiceHeight);
    }
    form.Frame1 = makeChoiceFrame(form, window);
    // A choice is read as the translation beside it, "Choice 1" while none
    // is shown.
    for (int k = 0; k < 5; ++k) {
        QRadioButton *option = form.Option14[k];
        const QString position = QStringLiteral("Choice %1").arg(k + 1);
        option->setAccessibleName(position);
        QObject::connect(form.Text2[k], &QLineEdit::textChanged, option, [option, position](const QString &text) {
            option->setAccessibleName(text.isEmpty() ? position : text);
        });
    }
    grid->addWidget(form.Frame1, 1, 2, 5, 1);
    grid->addWidget(form.Cmdcont, 4, 0, 2, 1, Qt::AlignCenter);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(6, 1); // spare height goes below the rows, not between them
    return grid;
}

QGroupBox *makeSummaryFrame(GridForm &form, QWidget *window)
{
    auto *frame = new QGroupBox(QStringLiteral("Summary"), window);
    form.Label2 = forms::makeLabel(frame, "Label2", "    Attempts :");
    form.Text3 = forms::makeReadOnlyBox(frame, "Text3");
    form.Label5 = forms::makeLabel(frame, "Label5", " Current score :");
    form.Text7 = forms::makeReadOnlyBox(frame, "Text7", "1");
    form.Labe1 = forms::makeLabel(frame, "Labe1", "    Total scores:");
    form.Text8 = forms::makeReadOnlyBox(frame, "Text8");
    auto *row = new QHBoxLayout(frame);
    row->setContentsMargins(6, 2, 6, 6);
    row->setSpacing(4);
    const std::array<std::pair<QLabel *, QLineEdit *>, 3> fields{
        {{form.Label2, form.Text3}, {form.Label5, form.Text7}, {form.Labe1, form.Text8}}};
    for (const auto &[label, box] : fields) {
        const bool bold = box == form.Text8;
        label->setFont(forms::arial(12, bold, true));
        box->setFont(forms::arial(12, bold, true));
        box->setAlignment(Qt::AlignCenter);
        box->setFixedWidth(58);
        label->setBuddy(box);
        if (label != form.Label2)
            row->addStretch(1);
        row->addWidget(label);
        row->addWidget(box);
    }
    return frame;
}

} // namespace

void GridForm::setupUi(QWidget *window)
{
    forms::setUpWindow(window, "Grid test", 594, 393, QColor(224, 224, 224));
    setupCommonControls(window, PairCaptions::Dictionary, "Fonts");
    setupLevelControls(window);

    Cmdcont = forms::makeButton(window, "Cmdcont", " START ", colours::kGreen);
    Cmdcont->setFont(forms::timesNewRoman(12, true));
    Cmdcont->setMinimumSize(100, 34);
    Timer3 = forms::makeSecondTimer(window, "Timer3");

    timeFrame = makeTimeFrame(*this, window);
    QGridLayout *question = makeQuestion(*this, window);
    summaryFrame = makeSummaryFrame(*this, window);

    auto *side = new QVBoxLayout;
    side->addWidget(levelFrame);
    side->addWidget(timeFrame);
    side->addStretch(1);

    auto *middle = new QHBoxLayout;
    middle->setSpacing(12);
    middle->addLayout(side);
    middle->addLayout(question, 1);

    QVBoxLayout *root = forms::windowColumn(window);
    root->addLayout(optionsRow());
    root->addLayout(middle);
    root->addStretch(1);
    root->addWidget(summaryFrame);
    root->addStretch(1);
    root->addLayout(navigationRow());

    forms::addShortcut(Cmdcont, QKeySequence(QStringLiteral("Alt+S")));
    QList<QWidget *> order = optionsInReadingOrder();
    order += {Option11, Option12, Option13, Text2[5], Text9, Text1};
    for (int k = 0; k < 5; ++k)
        order += {Text2[k], Option14[k]};
    order += {Cmdcont, Text3, Text7, Text8};
    forms::setReadingOrder(order + navigationInReadingOrder());
    forms::nameForAccessibility(window);
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
