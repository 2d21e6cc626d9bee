#include "shell/forms/start_form.h"

#include "shell/forms/colours.h"
#include "shell/forms/form_builders.h"
#include "shell/forms/keyboard_access.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

namespace vorbix {

namespace {

constexpr int kFirstRowHeight = 26; // the row of the found entry stands out a little
constexpr int kRowHeight = 22;

QLineEdit *makeGridBox(QWidget *window, int number, const char *text, const QFont &font)
{
    const QByteArray name = QByteArrayLiteral("Text") + QByteArray::number(number);
    QLineEdit *box = forms::makeReadOnlyBox(window, name.constData(), text);
    box->setFocusPolicy(Qt::ClickFocus);
    box->setFont(font);
    return box;
}

} // namespace

void StartForm::setupUi(QWidget *window)
{
    forms::setUpWindow(window, "Dictionary", 594, 394, QColor(0, 192, 192));

    // One font for the look-up box and the 21 grid boxes.
    const QFont words = forms::arial(9.75);

    // Created first, so that the look-up box heads the tab order.
    Text0 = forms::makeLineEdit(window, "Text0");
    Text0->setFont(words);
    cmdclr = forms::makeButton(window, "cmdclr", "Clean", QColor(0, 255, 255));
    Label3 = forms::makeLabel(window, "Label3", "Translate this word :");
    setupCommonControls(window, PairCaptions::Dictionary, "");

    titleFrame = new QGroupBox(window);
    titleFrame->setAccessibleName(QStringLiteral("Title"));
    Label2 = forms::makeLabel(titleFrame, "Label2", "Vorbix - learn foreign languages words");
    Label2->setAlignment(Qt::AlignCenter);
    Label2->setFont(forms::arial(12, true));
    colours::setBackground(Label2, QColor(128, 255, 255));
    auto *title = new QHBoxLayout(titleFrame);
    title->setContentsMargins(4, 4, 4, 4);
    title->addWidget(Label2);

    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(2);
    grid->addWidget(Label6, 0, 1);
    grid->addWidget(Label7, 0, 2);
    for (int row = 0; row < 7; ++row) {
        const QByteArray number = QByteArray::number(row + 1);
        rowNumber[row] = makeGridBox(window, row + 1, number.constData(), words);
        rowNumber[row]->setAlignment(Qt::AlignCenter);
        rowNumber[row]->setFixedWidth(34);
        sourceWord[row] = makeGridBox(window, row + 8, "", words);
        targetWord[row] = makeGridBox(window, row + 15, "", words);
        const std::array<QLineEdit *, 3> cells{rowNumber[row], sourceWord[row], targetWord[row]};
        for (int column = 0; column < 3; ++column) {
            cells[column]->setFixedHeight(row == 0 ? kFirstRowHeight : kRowHeight);
            grid->addWidget(cells[column], row + 1, column);
        }
    }
    VScroll1 = new QScrollBar(Qt::Vertical, window);
    VScroll1->setObjectName(QStringLiteral("VScroll1"));
    VScroll1->setRange(1, 1);
    VScroll1->setValue(1);
    VScroll1->setSingleStep(1);
    VScroll1->setPageStep(7);
    // Tab reaches it for the arrow keys; a click leaves the focus where it is.
    VScroll1->setFocusPolicy(Qt::TabFocus);
    grid->addWidget(VScroll1, 1, 3, 7, 1);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(2, 1);

    Text22 = forms::makeHiddenCarrier(window, "Text22");
    Text23 = forms::makeHiddenCarrier(window, "Text23", "Text23");

    auto *lookUp = new QHBoxLayout;
    lookUp->addWidget(Label3);
    lookUp->addWidget(Text0, 1);
    lookUp->addWidget(cmdclr);

    QVBoxLayout *root = forms::windowColumn(window);
    root->addWidget(titleFrame);
    root->addLayout(optionsRow());
    root->addStretch(1);
    root->addLayout(lookUp);
    root->addStretch(1);
    root->addLayout(grid);
    root->addStretch(2);
    root->addLayout(navigationRow());

    Label3->setBuddy(Text0);
    forms::addShortcut(cmdclr, QKeySequence(QStringLiteral("Alt+C")));
    for (int row = 0; row < 7; ++row) {
        rowNumber[row]->setAccessibleName(QStringLiteral("Row %1").arg(row + 1));
        sourceWord[row]->setAccessibleName(QStringLiteral("Word, row %1").arg(row + 1));
        targetWord[row]->setAccessibleName(QStringLiteral("Translation, row %1").arg(row + 1));
    }
    VScroll1->setAccessibleName(QStringLiteral("Browse the dictionary"));
    // The look-up box comes first: it has the focus when the window opens.
    forms::setReadingOrder(QList<QWidget *>{Text0, cmdclr} + optionsInReadingOrder()
                           + QList<QWidget *>{VScroll1} + navigationInReadingOrder());
    forms::nameForAccessibility(window);

    Text0->setFocus();
}

} // namespace vorbix
