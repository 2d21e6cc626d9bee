#include "progress/window/progress_chart.h"

#include "platform/text_services.h"

#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QLineSeries>
#include <QValueAxis>

#include <cmath>

namespace vorbix {

namespace {

const QColor kBarFill{192, 255, 192};  // the light green of a right choice
const QColor kBarBorder{0, 160, 0};
const QColor kLine{64, 64, 224};       // the blue of "Verify", darker for a thin line
const QColor kBackground{224, 224, 224};

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
    // The view's own chart: a chart given by setChart() would leave the
    // view's first one to nobody.
    QChart *chart = this->chart();
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->setBackgroundBrush(kBackground);
    chart->setBackgroundRoundness(0);
    chart->setMargins(QMargins(4, 4, 4, 4));
    chart->legend()->setAlignment(Qt::AlignTop);
    chart->legend()->setFont(smallFont(8.5));

    m_answers = new QBarSet(QStringLiteral("Answers"));
    m_answers->setColor(kBarFill);
    m_answers->setBorderColor(kBarBorder);
    auto *bars = new QBarSeries;
    bars->append(m_answers);
    bars->setBarWidth(0.7);
    chart->addSeries(bars);

    m_average = new QLineSeries;
    m_average->setName(QStringLiteral("Average score"));
    QPen pen(kLine);
    pen.setWidthF(2.0);
    m_average->setPen(pen);
    m_average->setPointsVisible(true);
    chart->addSeries(m_average);

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
    auto *scoreScale = new QValueAxis;
    scoreScale->setRange(0, 10);
    scoreScale->setTickCount(6);
    scoreScale->setLabelFormat(QStringLiteral("%d"));
    scoreScale->setLabelsFont(smallFont(8));
    scoreScale->setTitleText(QStringLiteral("Average score"));
    scoreScale->setTitleFont(smallFont(8));
    scoreScale->setGridLineVisible(false);

    chart->addAxis(m_days, Qt::AlignBottom);
    chart->addAxis(m_answerScale, Qt::AlignLeft);
    chart->addAxis(scoreScale, Qt::AlignRight);
    bars->attachAxis(m_days);
    bars->attachAxis(m_answerScale);
    m_average->attachAxis(m_days);
    m_average->attachAxis(scoreScale);

    setRenderHint(QPainter::Antialiasing);
    setFocusPolicy(Qt::TabFocus);
    setAccessibleName(QStringLiteral("Chart of the last 30 days"));
}

void ProgressChart::showReport(const ProgressReport &report, const QLocale &locale)
{
    for (const QString &label : m_days->categoriesLabels())
        m_days->remove(label);
    QList<qreal> counts;
    QList<QPointF> averages;
    int largest = 0;
    for (int i = 0; i < ProgressReport::kDays; ++i) {
        const ProgressReport::Day &day = report.days[size_t(i)];
        if ((ProgressReport::kDays - 1 - i) % 7 == 0)
            m_days->append(locale.toString(day.date, QStringLiteral("d MMM")), i);
        counts.append(day.answers);
        largest = qMax(largest, day.answers);
        if (day.answers > 0)
            averages.append(QPointF(i, day.averageScore));
    }
    m_answers->remove(0, m_answers->count());
    m_answers->append(counts);
    m_answerScale->setRange(0, scaleTop(largest));
    m_answerScale->setTickCount(6);
    m_average->replace(averages);
    setAccessibleDescription(chartSummary(report, locale));
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
