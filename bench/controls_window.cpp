#include "controls_window.h"

#include <QCheckBox>
#include <QFont>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QVBoxLayout>

namespace vorbix::bench {

namespace {

QFont arial(qreal points, bool bold = false)
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

} // namespace

void buildControlsWindow(QWidget *window)
{
    window->setWindowTitle(QStringLiteral("Controls window"));
    window->setFixedSize(594, 394);
    window->setFont(arial(9));
    QFont bold;
    bold.setBold(true);

    auto *titleFrame = new QGroupBox(window);
    auto *title = new QLabel(QStringLiteral("A title banner across the window"), titleFrame);
    title->setFont(arial(12, true));
    (new QHBoxLayout(titleFrame))->addWidget(title);

    auto *pairs = new QGroupBox(QStringLiteral("Pairs"), window);
    auto *pairGrid = new QGridLayout(pairs);
    for (int i = 0; i < 6; ++i)
        pairGrid->addWidget(new QRadioButton(QStringLiteral("pair %1").arg(i + 1), pairs), i % 2, i / 2);
    auto *options = new QGroupBox(window);
    auto *optionRow = new QHBoxLayout(options);
    optionRow->addWidget(new QRadioButton(QStringLiteral("abc"), options));
    optionRow->addWidget(new QRadioButton(QStringLiteral("ABC"), options));
    auto *check = new QCheckBox(QStringLiteral("a/A"), options);
    check->setFont(bold);
    optionRow->addWidget(check);
    auto *optionsRow = new QHBoxLayout;
    optionsRow->addWidget(pairs, 1);
    optionsRow->addWidget(options);

    auto *lookUp = new QHBoxLayout;
    lookUp->addWidget(new QLabel(QStringLiteral("Type :"), window));
    auto *typed = new QLineEdit(window);
    typed->setFont(arial(9.75));
    lookUp->addWidget(typed, 1);
    lookUp->addWidget(new QPushButton(QStringLiteral("Clear"), window));

    auto *grid = new QGridLayout;
    for (const int column : {1, 2}) {
        auto *caption = new QLabel(QStringLiteral("COLUMN"), window);
        caption->setFont(bold);
        grid->addWidget(caption, 0, column);
    }
    const QFont boxFont = arial(9.75);
    for (int row = 0; row < 7; ++row) {
        for (int column = 0; column < 3; ++column) {
            auto *box = new QLineEdit(column == 0 ? QString::number(row + 1) : QString(), window);
            box->setReadOnly(true);
            box->setFont(boxFont);
            grid->addWidget(box, row + 1, column);
        }
    }
    grid->addWidget(new QScrollBar(Qt::Vertical, window), 1, 3, 7, 1);
    for (int hidden = 0; hidden < 2; ++hidden)
        (new QLineEdit(window))->hide();

    auto *buttons = new QHBoxLayout;
    for (int i = 0; i < 5; ++i) {
        auto *button = new QPushButton(QStringLiteral("Button %1").arg(i + 1), window);
        if (i == 4)
            button->setFont(bold);
        buttons->addWidget(button);
    }

    auto *root = new QVBoxLayout(window);
    root->addWidget(titleFrame);
    root->addLayout(optionsRow);
    root->addLayout(lookUp);
    root->addLayout(grid);
    root->addLayout(buttons);
    typed->setFocus();
}

} // namespace vorbix::bench
