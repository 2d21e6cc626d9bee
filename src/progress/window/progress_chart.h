#pragma once

#include "progress/progress_report.h"

#include <QChartView>
#include <QList>
#include <QLocale>

class QBarSet;
class QCategoryAxis;
class QLineSeries;
class QValueAxis;

namespace vorbix {

// The chart of the last 30 days: answers per day as bars (left scale) and the
// average score of each day with answers as a line (right scale, 0 to 10),
// broken at the days without answers. Built once; each report only changes
// its values. With the focus, Left and Right (Home, End) move a highlighted
// day whose figures are written over the chart; a screen reader hears the
// chart's figures in words as its description and each day as it is
// highlighted (progress/window/chart_accessible.h).
class ProgressChart final : public QChartView
{
    Q_OBJECT

public:
    explicit ProgressChart(QWidget *parent = nullptr);

    void showReport(const ProgressReport &report, const QLocale &locale);

    // The highlighted day, 0 (the oldest) to kDays - 1 (today); today until
    // the keys move it.
    int highlightedDay() const { return m_highlighted; }
    void highlightDay(int day);
    // A day's figures in words, e.g. "4 Dec: 8 answers, average 4.71".
    QString dayFigures(int day) const;
    // Where a day's column of the plot area stands in the widget.
    QRect dayRect(int day) const;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void paintTextsAndSwatch();
    void drawAverageLine(const QList<QList<QPointF>> &runs);
    // The plot area, and a day's column of it, in the viewport.
    QRect plotInViewport() const;
    QRect dayColumn(int day) const;

    QBarSet *m_answers = nullptr;
    QList<QLineSeries *> m_average; // one line per run of days with answers; the first one is in the legend
    QCategoryAxis *m_days = nullptr;
    QValueAxis *m_answerScale = nullptr;
    QValueAxis *m_scoreScale = nullptr;
    std::array<ProgressReport::Day, ProgressReport::kDays> m_figures{};
    QLocale m_locale;
    int m_highlighted = ProgressReport::kDays - 1;
};

// The points of the average-score line: one run per stretch of consecutive
// days with answers, (day, average score) with the day 0..kDays - 1.
QList<QList<QPointF>> averageScoreRuns(const ProgressReport &report);

// "1 answer", "2 answers": a count with its noun.
QString counted(int count, const QString &singular, const QString &plural);

// The chart's figures in words, e.g. "Last 30 days: 42 answers on 9 days,
// average score 7.35. Today: 5 answers, average score 8.10."
QString chartSummary(const ProgressReport &report, const QLocale &locale);

} // namespace vorbix
