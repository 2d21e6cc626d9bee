#pragma once

#include "progress/progress_report.h"

#include <QChartView>

class QBarSet;
class QCategoryAxis;
class QLineSeries;
class QLocale;
class QValueAxis;

namespace vorbix {

// The chart of the last 30 days: answers per day as bars (left scale) and the
// average score of each day with answers as a line (right scale, 1 to 10).
// Built once; each report only changes its values. For a screen reader its
// accessible description says the same in words.
class ProgressChart final : public QChartView
{
    Q_OBJECT

public:
    explicit ProgressChart(QWidget *parent = nullptr);

    void showReport(const ProgressReport &report, const QLocale &locale);

private:
    QBarSet *m_answers = nullptr;
    QLineSeries *m_average = nullptr;
    QCategoryAxis *m_days = nullptr;
    QValueAxis *m_answerScale = nullptr;
};

// "1 answer", "2 answers": a count with its noun.
QString counted(int count, const QString &singular, const QString &plural);

// The chart's figures in words, e.g. "Last 30 days: 42 answers on 9 days,
// average score 7.35. Today: 5 answers, average score 8.10."
QString chartSummary(const ProgressReport &report, const QLocale &locale);

} // namespace vorbix
