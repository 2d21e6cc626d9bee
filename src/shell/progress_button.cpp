#include "shell/progress_button.h"

#include "shell/forms/colours.h"
#include "shell/screen.h"

#include <QIcon>
#include <QLayout>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>

namespace vorbix {

namespace {

const QColor kProgressYellow{255, 255, 192};
constexpr int kWidth = 100;
constexpr int kHeight = 26;

// Three rising bars over a base line, drawn rather than shipped as a file.
QIcon chartIcon()
{
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    const QColor bar(0, 128, 0);
    painter.fillRect(4, 18, 6, 10, bar);
    painter.fillRect(13, 11, 6, 17, bar);
    painter.fillRect(22, 4, 6, 24, bar);
    painter.fillRect(2, 28, 28, 2, QColor(64, 64, 64));
    painter.end();
    return QIcon(pixmap);
}

QRect geometryOf(const QWidget *window, const char *name)
{
    const auto *control = window->findChild<QWidget *>(QLatin1String(name));
    return control ? QRect(control->mapTo(window, QPoint(0, 0)), control->size()) : QRect();
}

// Centred vertically on `row`, with its right edge at `right`.
QRect besideRow(const QRect &row, int right, int width = kWidth)
{
    return QRect(right - width + 1, row.center().y() - kHeight / 2 + 1, width, kHeight);
}

} // namespace

QPushButton *makeProgressButton(QWidget *window, ScreenId id)
{
    auto *button = new QPushButton(window);
    button->setObjectName(QStringLiteral("cmdProgress"));
    button->setAutoDefault(false);
    button->setIcon(chartIcon());
    button->setIconSize(QSize(16, 16));
    if (id != ScreenId::Start)
        button->setText(QStringLiteral("Progress"));
    button->setAccessibleName(QStringLiteral("Progress"));
    button->setToolTip(QStringLiteral("Progress (Ctrl+P)"));
    colours::setBackground(button, kProgressYellow);
    // Outside the layout: nothing designed moves for it.
    button->raise();
    return button;
}

void placeProgressButton(QPushButton *button, ScreenId id)
{
    QWidget *window = button->window();
    if (QLayout *layout = window->layout())
        layout->activate();
    QRect place;
    switch (id) {
    case ScreenId::Start: {
        // The head of the row-number column, just above row 1, below the
        // look-up row.
        const QRect firstRow = geometryOf(window, "Text1");
        const int top = qMax(geometryOf(window, "Label3").bottom() + 1, firstRow.top() - 1 - kHeight + 2);
        place = QRect(firstRow.left(), top, firstRow.width(), firstRow.top() - 1 - top);
        break;
    }
    case ScreenId::Invatare:
        // Right of "Timer", on the row of the start button.
        place = besideRow(geometryOf(window, "Cmdcont"), geometryOf(window, "Text4").right());
        break;
    case ScreenId::Test: {
        // Between "Timer" and the scores, on the row of the start button.
        const int left = geometryOf(window, "Check2").right();
        const int right = geometryOf(window, "Label5").left();
        place = besideRow(geometryOf(window, "Cmdcont"), (left + right + kWidth) / 2);
        break;
    }
    case ScreenId::TestG: {
        // Under the five choices, above the frame "Summary".
        const QRect choices = geometryOf(window, "Frame1");
        const auto *attempts = window->findChild<QWidget *>(QStringLiteral("Text3"));
        const QWidget *summary = attempts ? attempts->parentWidget() : nullptr;
        const int summaryTop = summary ? summary->mapTo(window, QPoint(0, 0)).y() : window->height();
        place = besideRow(QRect(0, choices.bottom() + 1, 1, summaryTop - choices.bottom() - 1), choices.right());
        break;
    }
    }
    button->setGeometry(place);
}

} // namespace vorbix
