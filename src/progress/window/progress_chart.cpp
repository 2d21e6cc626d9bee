#include "progress/window/progress_chart.h"

#include "platform/text_services.h"
#include "progress/window/chart_accessible.h"

#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QKeyEvent>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QMouseEvent>
#include <QPainter>
#include <QValueAxis>

#include <cmath>

namespace vorbix {

namespace {

const QColor kBarFill{192, 255, 192};  // the light green of a right choice
const QColor kBarBorder{0, 160, 0};
const QColor kLine{64, 64, 224};       // the blue of "Verify", darker for a thin line
const QColor kBackground{224, 224, 224};
const QColor kGridLine{200, 200, 200}; // a shade under the background: there, not in the way
// Each scale runs this much past its top tick, so that a bar or a dot at the
// top (a day of perfect scores) is drawn whole, not cut by the plot's edge.
constexpr double kHeadroom = 1.05;
constexpr int kScoreTop = 10;

QFont smallFont(qreal points)
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(points);
    return font;
}

// A scale top that is a round number of answers above the largest day, so
// that the highest bar stays under the top line.
int scaleTop(int largest)
{
    if (largest < 5)
        return 5;
    const int step = largest < 50 ? 5 : largest < 100 ? 10 : int(std::pow(10, std::floor(std::log10(largest))));
    return (largest / step + 1) * step;
}

} // namespace

ProgressChart::ProgressChart(QWidget *parent)
    : QChartView(parent)
{
    installChartAccessibility();

    // The view's own chart: a chart given by setChart() would leave the
    // view's first one to nobody.
    QChart *chart = this->chart();
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->setBackgroundBrush(kBackground);
    chart->setBackgroundRoundness(0);
    chart->setMargins(QMargins(4, 4, 4, 4));
    chart->legend()->setAlignment(Qt::AlignTop);
    chart->legend()->setFont(smallFont(8.5));
    // Bars as a box, the line as a piece of line with its dot.
    chart->legend()->setMarkerShape(QLegend::MarkerShapeFromSeries);

    m_answers = new QBarSet(QStringLiteral("Answers"));
    m_answers->setColor(kBarFill);
    m_answers->setBorderColor(kBarBorder);
    auto *bars = new QBarSeries;
    bars->append(m_answers);
    bars->setBarWidth(0.7);
    chart->addSeries(bars);

    // The days as positions 0..29 with a date under every seventh, ending
    // today: thirty dates would not fit side by side.
    m_days = new QCategoryAxis;
    m_days->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    m_days->setRange(-0.5, ProgressReport::kDays - 0.5);
    m_days->setLabelsFont(smallFont(8));
    m_days->setGridLineVisible(false);
    m_answerScale = new QValueAxis;
    m_answerScale->setLabelFormat(QStringLiteral("%d"));
    m_answerScale->setLabelsFont(smallFont(8));
    m_answerScale->setTitleText(QStringLiteral("Answers"));
    m_answerScale->setTitleFont(smallFont(8));
    m_answerScale->setGridLinePen(QPen(kGridLine, 1));
    m_answerScale->setTickType(QValueAxis::TicksDynamic);
    m_answerScale->setTickAnchor(0);
    m_scoreScale = new QValueAxis;
    // Ticks 0, 2, ..., 10 in line with the answers' five steps.
    m_scoreScale->setRange(0, kScoreTop * kHeadroom);
    m_scoreScale->setTickType(QValueAxis::TicksDynamic);
    m_scoreScale->setTickAnchor(0);
    m_scoreScale->setTickInterval(kScoreTop / 5);
    m_scoreScale->setLabelFormat(QStringLiteral("%d"));
    m_scoreScale->setLabelsFont(smallFont(8));
    m_scoreScale->setTitleText(QStringLiteral("Average score"));
    m_scoreScale->setTitleFont(smallFont(8));
    m_scoreScale->setGridLineVisible(false); // the answers' lines are the grid

    paintTextsAndSwatch();

    chart->addAxis(m_days, Qt::AlignBottom);
    chart->addAxis(m_answerScale, Qt::AlignLeft);
    chart->addAxis(m_scoreScale, Qt::AlignRight);
    bars->attachAxis(m_days);
    bars->attachAxis(m_answerScale);
    drawAverageLine({});

    setRenderHint(QPainter::Antialiasing);
    // The chart is one stop of the Tab order; the view's viewport is not
    // another. (A policy given to the viewport goes on to the view, its
    // focus proxy, too: the view's own comes after it.)
    viewport()->setFocusPolicy(Qt::NoFocus);
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(QStringLiteral("Chart of the last 30 days"));
}

void ProgressChart::showReport(const ProgressReport &report, const QLocale &locale)
{
    m_figures = report.days;
    m_locale = locale;
    for (const QString &label : m_days->categoriesLabels())
        m_days->remove(label);
    QList<qreal> counts;
    int largest = 0;
    for (int i = 0; i < ProgressReport::kDays; ++i) {
        const ProgressReport::Day &day = report.days[size_t(i)];
        if ((ProgressReport::kDays - 1 - i) % 7 == 0)
            m_days->append(locale.toString(day.date, QStringLiteral("d MMM")), i);
        counts.append(day.answers);
        largest = qMax(largest, day.answers);
    }
    m_answers->remove(0, m_answers->count());
    m_answers->append(counts);
    const int top = scaleTop(largest);
    m_answerScale->setRange(0, top * kHeadroom);
    m_answerScale->setTickInterval(top / 5);
    drawAverageLine(averageScoreRuns(report));
    setAccessibleDescription(chartSummary(report, locale));
    viewport()->update();
}

void ProgressChart::paintTextsAndSwatch()
{
    // The chart's own theme writes its texts in grey; on the window's grey
    // they would read fainter than every other text of the window.
    const QColor text = palette().color(QPalette::WindowText);
    for (QAbstractAxis *axis : {static_cast<QAbstractAxis *>(m_days), static_cast<QAbstractAxis *>(m_answerScale),
                                static_cast<QAbstractAxis *>(m_scoreScale)}) {
        axis->setLabelsColor(text);
        axis->setTitleBrush(text);
    }
    chart()->legend()->setLabelColor(text);
    // The bars' swatch in the legend is a bar, their fill in their border.
    // (The legend gives every swatch its texts' colour as border, so this
    // comes after.)
    for (QLegendMarker *marker : chart()->legend()->markers()) {
        if (marker->type() == QLegendMarker::LegendMarkerTypeBar) {
            marker->setShape(QLegend::MarkerShapeRectangle);
            marker->setBrush(kBarFill);
            marker->setPen(QPen(kBarBorder, 1));
        }
    }
}

void ProgressChart::changeEvent(QEvent *event)
{
    QChartView::changeEvent(event);
    if (event->type() == QEvent::PaletteChange && m_scoreScale) // (made in the constructor)
        paintTextsAndSwatch();
}

void ProgressChart::drawAverageLine(const QList<QList<QPointF>> &runs)
{
    // A line joins only neighbouring days with answers: across a day without
    // any it would show a trend where there is none. Each run is a series of
    // its own; only the first is named in the legend. Series are kept and
    // emptied, never removed, so a report with fewer runs costs nothing.
    while (m_average.size() < qMax<qsizetype>(1, runs.size())) {
        auto *line = new QLineSeries;
        QPen pen(kLine);
        pen.setWidthF(2.0);
        line->setPen(pen);
        line->setPointsVisible(true);
        chart()->addSeries(line);
        line->attachAxis(m_days);
        line->attachAxis(m_scoreScale);
        if (m_average.isEmpty()) {
            line->setName(QStringLiteral("Average score"));
        } else {
            for (QLegendMarker *marker : chart()->legend()->markers(line))
                marker->setVisible(false);
        }
        m_average.append(line);
    }
    for (qsizetype i = 0; i < m_average.size(); ++i)
        m_average[i]->replace(i < runs.size() ? runs[i] : QList<QPointF>());
}

void ProgressChart::highlightDay(int day)
{
    day = qBound(0, day, ProgressReport::kDays - 1);
    if (day == m_highlighted)
        return;
    m_highlighted = day;
    viewport()->update();
    announceHighlightedDay(*this, day);
}

QString ProgressChart::dayFigures(int day) const
{
    const ProgressReport::Day &figures = m_figures[size_t(qBound(0, day, ProgressReport::kDays - 1))];
    const QString date = m_locale.toString(figures.date, QStringLiteral("d MMM"));
    if (figures.answers == 0)
        return QStringLiteral("%1: no answers").arg(date);
    return QStringLiteral("%1: %2, average %3")
        .arg(date, counted(figures.answers, QStringLiteral("answer"), QStringLiteral("answers")),
             text::twoDecimals(figures.averageScore, m_locale));
}

QRect ProgressChart::dayRect(int day) const
{
    return dayColumn(day).translated(viewport()->pos());
}

QRect ProgressChart::plotInViewport() const
{
    return mapFromScene(chart()->mapToScene(chart()->plotArea())).boundingRect();
}

QRect ProgressChart::dayColumn(int day) const
{
    // The day axis runs from -0.5 to kDays - 0.5: each day has an equal
    // column of the plot area, centred on its bar.
    const QRect plot = plotInViewport();
    const auto edge = [&](int d) { return plot.left() + qRound(d * plot.width() / double(ProgressReport::kDays)); };
    return QRect(edge(day), plot.top(), edge(day + 1) - edge(day), plot.height());
}

void ProgressChart::keyPressEvent(QKeyEvent *event)
{
    if ((event->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) {
        QChartView::keyPressEvent(event);
        return;
    }
    switch (event->key()) {
    case Qt::Key_Left:
        highlightDay(m_highlighted - 1);
        break;
    case Qt::Key_Right:
        highlightDay(m_highlighted + 1);
        break;
    case Qt::Key_Home:
        highlightDay(0);
        break;
    case Qt::Key_End:
        highlightDay(ProgressReport::kDays - 1);
        break;
    default:
        QChartView::keyPressEvent(event);
        return;
    }
    event->accept();
}

void ProgressChart::mousePressEvent(QMouseEvent *event)
{
    QChartView::mousePressEvent(event);
    const QPoint at = event->position().toPoint(); // a scroll area's mouse events come in the viewport's terms
    for (int day = 0; day < ProgressReport::kDays; ++day) {
        if (dayColumn(day).contains(at)) {
            highlightDay(day);
            break;
        }
    }
}

void ProgressChart::focusInEvent(QFocusEvent *event)
{
    QChartView::focusInEvent(event);
    viewport()->update();
}

void ProgressChart::focusOutEvent(QFocusEvent *event)
{
    QChartView::focusOutEvent(event);
    viewport()->update();
}

void ProgressChart::paintEvent(QPaintEvent *event)
{
    QChartView::paintEvent(event);
    if (!hasFocus())
        return;
    // With the focus: a frame in the palette's highlight around the chart,
    // the highlighted day's column tinted, and its figures over it.
    QPainter painter(viewport());
    const QColor highlight = palette().color(QPalette::Highlight);
    painter.setPen(QPen(highlight, 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(viewport()->rect()).adjusted(1, 1, -1, -1));

    const QRect column = dayColumn(m_highlighted);
    QColor tint = highlight;
    tint.setAlpha(48);
    painter.setPen(QPen(highlight, 1));
    painter.setBrush(tint);
    painter.drawRect(column.adjusted(0, 0, -1, -1));

    const QString figures = dayFigures(m_highlighted);
    const QFont font = smallFont(8.5);
    const QFontMetrics metrics(font);
    QRect label(0, 0, metrics.horizontalAdvance(figures) + 10, metrics.height() + 4);
    label.moveCenter(QPoint(column.center().x(), 0));
    const QRect plot = plotInViewport();
    label.moveBottom(plot.top() - 3); // between the legend and the plot, clear of bars and line
    if (label.right() > plot.right())
        label.moveRight(plot.right());
    if (label.left() < plot.left())
        label.moveLeft(plot.left());
    painter.setPen(QPen(highlight, 1));
    painter.setBrush(QColor(255, 255, 255, 235));
    painter.drawRect(label.adjusted(0, 0, -1, -1));
    painter.setFont(font);
    painter.setPen(palette().color(QPalette::Text));
    painter.drawText(label, Qt::AlignCenter, figures);
}

QList<QList<QPointF>> averageScoreRuns(const ProgressReport &report)
{
    QList<QList<QPointF>> runs;
    bool inRun = false;
    for (int i = 0; i < ProgressReport::kDays; ++i) {
        const ProgressReport::Day &day = report.days[size_t(i)];
        if (day.answers == 0) {
            inRun = false;
            continue;
        }
        if (!inRun)
            runs.append(QList<QPointF>());
        runs.last().append(QPointF(i, day.averageScore));
        inRun = true;
    }
    return runs;
}

QString counted(int count, const QString &singular, const QString &plural)
{
    return QStringLiteral("%1 %2").arg(count).arg(count == 1 ? singular : plural);
}

QString chartSummary(const ProgressReport &report, const QLocale &locale)
{
    int answers = 0, days = 0;
    double scores = 0.0;
    for (const ProgressReport::Day &day : report.days) {
        answers += day.answers;
        days += day.answers > 0 ? 1 : 0;
        scores += day.averageScore * day.answers;
    }
    if (answers == 0)
        return QStringLiteral("Last 30 days: no answers.");
    const QString answer = QStringLiteral("answer"), answersWord = QStringLiteral("answers");
    const ProgressReport::Day &today = report.days.back();
    QString summary = QStringLiteral("Last 30 days: %1 on %2, average score %3.")
                          .arg(counted(answers, answer, answersWord),
                               counted(days, QStringLiteral("day"), QStringLiteral("days")),
                               text::twoDecimals(scores / answers, locale));
    summary += today.answers == 0 ? QStringLiteral(" Today: no answers.")
                                  : QStringLiteral(" Today: %1, average score %2.")
                                        .arg(counted(today.answers, answer, answersWord),
                                             text::twoDecimals(today.averageScore, locale));
    return summary;
}

} // namespace vorbix
