#include "shell/forms/common_controls.h"

#include "data/language_pairs.h"
#include "shell/forms/form_builders.h"
#include "shell/forms/keyboard_access.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace vorbix {

namespace {

// Pairs in the order the frame shows them: each language from English on the
// top row, its reverse below.
QGroupBox *makeDictionaryFrame(QWidget *window, bool exerciseCaptions,
                               std::array<QRadioButton *, 6> &options)
{
    auto *frame = new QGroupBox(QStringLiteral("Dictionary"), window);
    auto *grid = new QGridLayout(frame);
    grid->setContentsMargins(8, 4, 8, 4);
    grid->setVerticalSpacing(2);
    for (int i = 0; i < kPairCount; ++i) {
        const LanguagePair &pair = kLanguagePairs[i];
        const QByteArray name = optionName(pair).toLatin1();
        options[i] = forms::makeRadio(frame, name.constData(),
                                      exerciseCaptions ? pair.exerciseCaption : pair.caption);
        grid->addWidget(options[i], i % 2, i / 2);
    }
    options[0]->setChecked(true);
    return frame;
}

} // namespace

void CommonControls::setupCommonControls(QWidget *window, PairCaptions captions,
                                         const char *fontsTitle)
{
    cmdDict = forms::makeButton(window, "cmdDict", "Dictionary", QColor(192, 255, 255));
    cmdInvat = forms::makeButton(window, "cmdInvat", "Learn words", QColor(255, 192, 192));
    cmdTest = forms::makeButton(window, "cmdTest", "Write words", QColor(192, 255, 192));
    cmdTestG = forms::makeButton(window, "cmdTestG", "Grid test", QColor(255, 192, 255));
    iesi = forms::makeButton(window, "iesi", "Exit", QColor(255, 192, 192));
    QFont bold; // only the weight: family and size still come from the window
    bold.setBold(true);
    iesi->setFont(bold);

    dictionaryFrame = makeDictionaryFrame(window, captions == PairCaptions::Exercise, pairOptions);

    fontsFrame = new QGroupBox(QString::fromLatin1(fontsTitle), window);
    Option1 = forms::makeRadio(fontsFrame, "Option1", "abc");
    Option2 = forms::makeRadio(fontsFrame, "Option2", "ABC");
    Check1 = new QCheckBox(QStringLiteral("a/A"), fontsFrame);
    Check1->setObjectName(QStringLiteral("Check1"));
    Check1->setFont(bold);
    Option1->setChecked(true);
    // Read aloud, "a/A" and "abc"/"ABC" say nothing of what they do.
    Option1->setAccessibleName(QStringLiteral("abc, small letters"));
    Option2->setAccessibleName(QStringLiteral("ABC, capital letters"));
    Check1->setAccessibleName(QStringLiteral("a/A, bold words"));
    if (fontsFrame->title().isEmpty())
        fontsFrame->setAccessibleName(QStringLiteral("Fonts")); // as the other windows caption it
    auto *row = new QHBoxLayout(fontsFrame);
    row->setContentsMargins(8, 4, 8, 4);
    row->addWidget(Option1);
    row->addWidget(Option2);
    row->addWidget(Check1);

    Label6 = forms::makeLabel(window, "Label6", "ENGLISH");
    Label7 = forms::makeLabel(window, "Label7", "SPANISH");
    for (QLabel *caption : {Label6, Label7}) {
        caption->setAlignment(Qt::AlignCenter);
        caption->setFont(bold);
    }
}

QList<QWidget *> CommonControls::optionsInReadingOrder() const
{
    // The frame reads row by row: the pairs from English, then their reverses.
    return {pairOptions[0], pairOptions[2], pairOptions[4], pairOptions[1], pairOptions[3], pairOptions[5],
            Option1, Option2, Check1};
}

QList<QWidget *> CommonControls::navigationInReadingOrder() const
{
    return {cmdDict, cmdInvat, cmdTest, cmdTestG, iesi};
}

QBoxLayout *CommonControls::optionsRow() const
{
    auto *row = new QHBoxLayout;
    row->addWidget(dictionaryFrame, 1);
    row->addWidget(fontsFrame);
    return row;
}

QBoxLayout *CommonControls::navigationRow() const
{
    auto *row = new QHBoxLayout;
    row->setSpacing(6);
    // The buttons were created before the screen's own controls; Tab reaches
    // them last, as it reaches the row last on the screen.
    QWidget *window = cmdDict->window();
    const std::pair<QPushButton *, const char *> buttons[] = {
        {cmdDict, "Alt+D"}, {cmdInvat, "Alt+L"}, {cmdTest, "Alt+W"}, {cmdTestG, "Alt+G"}, {iesi, "Alt+X"}};
    for (const auto &[button, keys] : buttons) {
        button->setMinimumHeight(26);
        QWidget::setTabOrder(window->previousInFocusChain(), button);
        forms::addShortcut(button, QKeySequence(QLatin1String(keys)));
        row->addWidget(button);
    }
    return row;
}

} // namespace vorbix
