#pragma once

#include "progress/progress_report.h"

#include <QDialog>
#include <QList>
#include <QLocale>

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QTableView;

namespace vorbix {

class Announcer;
class ProgressChart;
class ProgressLog;
class TextTableModel;
class TickerFactory;
class WordStore;

// Where "Practise due words" sends the learner.
enum class PracticeScreen { WriteWords, GridTest };

// "Progress": for one pair, the answers per day and the average score per
// day of the last 30 days, the totals, the words due today and the words most
// often answered below 6; and "Practise due words", which asks for a
// practice of the due words on "Write words" or "Grid test". It reads the
// progress file each time a pair is shown and writes nothing.
class ProgressWindow final : public QDialog
{
    Q_OBJECT

public:
    // `tickers` times what the window tells a screen reader (Announcer).
    ProgressWindow(ProgressLog &log, WordStore &words, QLocale locale, TickerFactory &tickers,
                   QWidget *parent = nullptr);
    ~ProgressWindow() override;

    // Selects the pair and shows its figures as they are now.
    void showPair(int pair);

    const ProgressReport &report() const { return m_report; }

Q_SIGNALS:
    // The due words of `pair` that the word table of the chosen screen still
    // holds, by Index in ascending order; never empty. Sent while the window
    // is open; it closes right after.
    void practiseRequested(int pair, vorbix::PracticeScreen where, const QList<int> &indexes);

private:
    void buildControls(TickerFactory &tickers);
    void refresh();
    void onPairChosen();
    // The pair's figures in a sentence, as a screen reader is told them
    // when another pair is chosen: they change away from the focus.
    QString spokenFigures() const;
    void fillTables();
    void onPractiseClicked();
    // A problem in the red line under the pair choice, told to a screen reader.
    void showProblem(const QString &problem);

    ProgressLog &m_log;
    WordStore &m_words;
    QLocale m_locale;
    ProgressReport m_report;

    QComboBox *m_pair = nullptr;
    QLabel *m_status = nullptr;
    QTabWidget *m_daysTabs = nullptr;
    ProgressChart *m_chart = nullptr;
    QTableView *m_daysTable = nullptr;
    QTableView *m_totalsTable = nullptr;
    QGroupBox *m_dueFrame = nullptr;
    QTableView *m_dueTable = nullptr;
    QLabel *m_dueDetail = nullptr;
    QGroupBox *m_troubleFrame = nullptr;
    QTableView *m_troubleTable = nullptr;
    QLabel *m_troubleDetail = nullptr;
    QRadioButton *m_inWriteWords = nullptr;
    QRadioButton *m_inGridTest = nullptr;
    QPushButton *m_practise = nullptr;
    QPushButton *m_close = nullptr;
    Announcer *m_announcer = nullptr;
    TextTableModel *m_days = nullptr;
    TextTableModel *m_totals = nullptr;
    TextTableModel *m_due = nullptr;
    TextTableModel *m_trouble = nullptr;
};

} // namespace vorbix
