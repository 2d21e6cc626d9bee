#include "progress/window/progress_window.h"

#include "data/language_pairs.h"
#include "data/record_error.h"
#include "data/screen_bindings.h"
#include "data/word_store.h"
#include "data/word_table.h"
#include "platform/clock.h"
#include "platform/text_services.h"
#include "progress/leitner.h"
#include "progress/practice.h"
#include "progress/progress_log.h"
#include "progress/window/progress_chart.h"
#include "progress/window/text_table_model.h"
#include "shell/announcer.h"
#include "shell/forms/colours.h"
#include "shell/forms/form_builders.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

namespace vorbix {

namespace {

const QColor kWindow{224, 224, 224};
const QColor kCloseRed{255, 192, 192};
const QColor kProblem{255, 192, 192};
// An unfocused list's selected row: there, but not the blue of the focus.
const QColor kInactiveHighlight{208, 216, 228};
constexpr int kRowHeight = 20;
constexpr int kListRows = 8; // the eight totals; the lists beside them as tall
// Narrower, the lists' figures and right answers would be cut to nothing.
constexpr int kMinimumWidth = 860;

const QString kPractiseWhat = QStringLiteral(
    "Opens the chosen screen with its words drawn from the words due today, until you leave that screen");
const QString kNothingDue = QStringLiteral("No words are due today");

// A table whose current row shows as selected as soon as the focus comes
// in: Qt makes the first row current on a Tab into a list but selects
// nothing, and a faint frame round a cell is all there is to see.
class RowList final : public QTableView
{
public:
    using QTableView::QTableView;

protected:
    void focusInEvent(QFocusEvent *event) override
    {
        QTableView::focusInEvent(event);
        if (!model() || model()->rowCount() == 0)
            return;
        const QModelIndex current = currentIndex().isValid() ? currentIndex() : model()->index(0, 0);
        if (!selectionModel()->isRowSelected(current.row(), {}))
            selectionModel()->setCurrentIndex(current, QItemSelectionModel::ClearAndSelect
                                                           | QItemSelectionModel::Rows);
    }
};

// Keeps a key with Alt, Ctrl or Meta away from the pair choice: a combo box
// takes any key with a text as a typed letter and jumps to the pair it
// begins, so Alt+S (START on the screens) would switch the pair unseen.
// Shortcuts and the window's Alt keys are handled before the key reaches
// the box, so they still work; Alt+Down, which has no text, still opens
// the list.
class NoModifiedLetters final : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::KeyPress) {
            const auto *key = static_cast<const QKeyEvent *>(event);
            if ((key->modifiers() & (Qt::AltModifier | Qt::ControlModifier | Qt::MetaModifier))
                && !key->text().isEmpty())
                return true;
        }
        return QObject::eventFilter(watched, event);
    }
};

// `stretch`: the column that takes the width the others leave (-1: none,
// every column as wide as its texts).
QTableView *makeTable(QWidget *parent, const char *name, TextTableModel *model, const QString &accessibleName,
                      int stretch)
{
    auto *view = new RowList(parent);
    view->setObjectName(QLatin1String(name));
    view->setModel(model);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setTabKeyNavigation(false); // Tab leaves the table; the arrows move inside it
    view->setWordWrap(false);
    view->setTextElideMode(Qt::ElideRight);
    view->setAlternatingRowColors(true);
    view->verticalHeader()->hide();
    view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view->verticalHeader()->setDefaultSectionSize(kRowHeight);
    view->horizontalHeader()->setHighlightSections(false);
    view->horizontalHeader()->setStretchLastSection(false);
    view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff); // long texts end in "..."
    for (int column = 0; column < model->columnCount(); ++column)
        view->horizontalHeader()->setSectionResizeMode(column, column == stretch ? QHeaderView::Stretch
                                                                                 : QHeaderView::ResizeToContents);
    view->setAccessibleName(accessibleName);
    // Only the list with the focus shows its row in the highlight's blue.
    QPalette palette = view->palette();
    palette.setColor(QPalette::Inactive, QPalette::Highlight, kInactiveHighlight);
    palette.setColor(QPalette::Inactive, QPalette::HighlightedText, Qt::black);
    view->setPalette(palette);
    return view;
}

// A list as tall as its header and `rows` whole rows: no row is cut in half.
void showWholeRows(QTableView *view, int rows)
{
    view->ensurePolished();
    view->setFixedHeight(view->horizontalHeader()->sizeHint().height() + rows * kRowHeight + 2 * view->frameWidth());
    view->setSizePolicy(view->sizePolicy().horizontalPolicy(), QSizePolicy::Fixed);
}

// A list of a few rows (the totals) that fills the height its neighbours
// give the row of lists, at least `rows` whole rows, its rows sharing the
// height: no half row and no empty band under the last.
void fillWithRows(QTableView *view, int rows)
{
    view->ensurePolished();
    view->setMinimumHeight(view->horizontalHeader()->sizeHint().height() + rows * kRowHeight
                           + 2 * view->frameWidth());
    view->setSizePolicy(view->sizePolicy().horizontalPolicy(), QSizePolicy::Ignored);
    view->verticalHeader()->setSectionResizeMode(QHeaderView::Stretch);
}

// Under a list of words: the current row's word (the first row's until the
// list has a current row) and its whole right answer, which the column may
// have to cut short.
QLabel *makeRowDetail(QWidget *parent, const char *name, QTableView *view)
{
    auto *detail = new QLabel(parent);
    detail->setObjectName(QLatin1String(name));
    detail->setWordWrap(true);
    detail->setTextFormat(Qt::PlainText);
    detail->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // One line, more only when an answer needs them.
    detail->setMinimumHeight(detail->fontMetrics().lineSpacing());
    const auto show = [detail, view](const QModelIndex &current) {
        const QAbstractItemModel *model = view->model();
        const int row = current.isValid() ? current.row() : 0;
        detail->setText(row < model->rowCount() ? QStringLiteral("%1: %2").arg(model->index(row, 0).data().toString(),
                                                                               model->index(row, 1).data().toString())
                                                : QString());
    };
    QObject::connect(view->selectionModel(), &QItemSelectionModel::currentRowChanged, detail,
                     [show](const QModelIndex &current) { show(current); });
    QObject::connect(view->model(), &QAbstractItemModel::modelReset, detail, [show] { show({}); });
    return detail;
}

QGroupBox *frameAround(QWidget *parent, const QString &title, QWidget *content, QWidget *below = nullptr)
{
    auto *frame = new QGroupBox(title, parent);
    auto *column = new QVBoxLayout(frame);
    column->setContentsMargins(6, 4, 6, 6);
    column->setSpacing(4);
    column->addWidget(content);
    if (below)
        column->addWidget(below);
    // A list of fixed height stays at the top of a frame made taller by its
    // neighbours.
    if (content->sizePolicy().verticalPolicy() == QSizePolicy::Fixed)
        column->addStretch(1);
    return frame;
}

// The green of "Practise due words" while it can be pressed; greyed out,
// with text that stays readable, while nothing is due. The program's style
// draws a button flat in its palette's button colour, so the disabled face
// is the palette's too.
void paintPractiseButton(QPushButton *button)
{
    QPalette palette = button->palette();
    palette.setColor(QPalette::Disabled, QPalette::Button, QColor(200, 200, 200));
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(80, 80, 80));
    button->setPalette(palette);
}

QString boxCaption(int box)
{
    const int days = leitner::intervalDays(box);
    return days == 1 ? QStringLiteral("Box %1 (every day)").arg(box)
                     : QStringLiteral("Box %1 (every %2 days)").arg(box).arg(days);
}

} // namespace

ProgressWindow::ProgressWindow(ProgressLog &log, WordStore &words, QLocale locale, TickerFactory &tickers,
                               QWidget *parent)
    : QDialog(parent)
    , m_log(log)
    , m_words(words)
    , m_locale(std::move(locale))
{
    buildControls(tickers);
}

ProgressWindow::~ProgressWindow() = default;

void ProgressWindow::buildControls(TickerFactory &tickers)
{
    setObjectName(QStringLiteral("Progress"));
    setWindowTitle(QStringLiteral("Progress"));
    setFont(forms::arial(9));
    colours::setUpWindowPalette(this, kWindow);
    setMinimumWidth(kMinimumWidth);
    resize(900, 660);

    m_days = new TextTableModel(
        {QStringLiteral("Day (newest first)"), QStringLiteral("Answers"), QStringLiteral("Average score")}, this);
    m_days->setNumericColumns({1, 2});
    m_totals = new TextTableModel({QStringLiteral("Figure"), QStringLiteral("Value")}, this);
    m_totals->setNumericColumns({1});
    m_due = new TextTableModel({QStringLiteral("Word"), QStringLiteral("Right answer"), QStringLiteral("Box")}, this);
    m_due->setNumericColumns({2});
    m_trouble = new TextTableModel(
        {QStringLiteral("Word"), QStringLiteral("Right answer"), QStringLiteral("Times below 6")}, this);
    m_trouble->setNumericColumns({2});

    // Created in reading order, which a screen reader's review follows.
    auto *pairLabel = new QLabel(QStringLiteral("&Language pair:"), this);
    m_pair = new QComboBox(this);
    m_pair->setObjectName(QStringLiteral("pairChoice"));
    for (const LanguagePair &pair : kLanguagePairs)
        m_pair->addItem(QLatin1String(pair.caption));
    // A screen reader on Linux hears the label through the buddy relation
    // (Qt names a combo box there by its current text, so that a changed
    // choice is announced); elsewhere by this name.
    pairLabel->setBuddy(m_pair);
    m_pair->setAccessibleName(QStringLiteral("Language pair"));
    m_pair->installEventFilter(new NoModifiedLetters(m_pair));

    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("status"));
    m_status->setWordWrap(true);
    m_status->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    colours::setBackground(m_status, kProblem);
    m_status->setMargin(4);
    m_status->hide();

    m_daysTabs = new QTabWidget(this);
    m_daysTabs->setObjectName(QStringLiteral("daysTabs"));
    m_chart = new ProgressChart(this);
    m_chart->setObjectName(QStringLiteral("chart"));
    m_chart->setMinimumHeight(220);
    // The day table only as wide as its three columns, in the middle of its
    // tab: stretched, its figures would stand far from their dates.
    auto *daysPage = new QWidget(this);
    m_daysTable = makeTable(daysPage, "daysTable", m_days, QStringLiteral("Answers and average score per day"), -1);
    m_daysTable->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    m_daysTable->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    m_daysTable->horizontalHeader()->setMinimumSectionSize(90);
    m_daysTable->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn); // its width is part of the table's from the start
    auto *daysRow = new QHBoxLayout(daysPage);
    daysRow->setContentsMargins(0, 0, 0, 0);
    daysRow->addStretch(1);
    daysRow->addWidget(m_daysTable);
    daysRow->addStretch(1);
    m_daysTabs->addTab(m_chart, QStringLiteral("Chart"));
    m_daysTabs->addTab(daysPage, QStringLiteral("Table"));
    QGroupBox *daysFrame = frameAround(this, QStringLiteral("Last 30 days"), m_daysTabs);

    m_totalsTable = makeTable(this, "totalsTable", m_totals, QStringLiteral("Totals"), 0);
    fillWithRows(m_totalsTable, kListRows);
    QGroupBox *totalsFrame = frameAround(this, QStringLiteral("Totals"), m_totalsTable);
    // The right answers take what the words and numbers leave.
    m_dueTable = makeTable(this, "dueTable", m_due, QStringLiteral("Words due today"), 1);
    showWholeRows(m_dueTable, kListRows);
    m_dueDetail = makeRowDetail(this, "dueDetail", m_dueTable);
    m_dueFrame = frameAround(this, QStringLiteral("Due today"), m_dueTable, m_dueDetail);
    m_troubleTable = makeTable(this, "troubleTable", m_trouble, QStringLiteral("Words most often answered below 6"), 1);
    showWholeRows(m_troubleTable, kListRows);
    m_troubleDetail = makeRowDetail(this, "troubleDetail", m_troubleTable);
    m_troubleFrame = frameAround(this, QString(), m_troubleTable, m_troubleDetail);

    // "Practise in" is the title of its two choices, as "Mode" and "Level"
    // are on the screens, so a screen reader says it with them.
    auto *practiseIn = new QGroupBox(QStringLiteral("Practise in"), this);
    practiseIn->setObjectName(QStringLiteral("practiseIn"));
    m_inWriteWords = forms::makeRadio(practiseIn, "practiseInWriteWords", "&Write words");
    m_inGridTest = forms::makeRadio(practiseIn, "practiseInGridTest", "&Grid test");
    m_inWriteWords->setChecked(true);
    auto *choices = new QHBoxLayout(practiseIn);
    choices->setContentsMargins(8, 2, 8, 4);
    choices->addWidget(m_inWriteWords);
    choices->addWidget(m_inGridTest);
    m_practise = forms::makeButton(this, "practise", "Practise &due words", colours::kGreen);
    paintPractiseButton(m_practise);
    m_practise->setFont(forms::timesNewRoman(12, true));
    m_practise->setMinimumHeight(32);
    m_close = forms::makeButton(this, "close", "&Close", kCloseRed);
    m_close->setMinimumSize(100, 26);
    m_close->setToolTip(QStringLiteral("Close (Alt+C or Esc)"));

    auto *top = new QHBoxLayout;
    top->addWidget(pairLabel);
    top->addWidget(m_pair);
    top->addStretch(1);

    auto *lists = new QHBoxLayout;
    lists->addWidget(totalsFrame, 4);
    lists->addWidget(m_dueFrame, 6);
    lists->addWidget(m_troubleFrame, 6);

    auto *bottom = new QHBoxLayout;
    bottom->addWidget(practiseIn);
    bottom->addSpacing(12);
    bottom->addWidget(m_practise, 0, Qt::AlignBottom);
    bottom->addStretch(1);
    bottom->addWidget(m_close, 0, Qt::AlignBottom);

    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(10, 8, 10, 8);
    column->setSpacing(6);
    column->addLayout(top);
    column->addWidget(m_status);
    column->addWidget(daysFrame, 1);
    column->addLayout(lists);
    column->addLayout(bottom);

    m_announcer = new Announcer(this, tickers);

    connect(m_pair, &QComboBox::currentIndexChanged, this, &ProgressWindow::onPairChosen);
    connect(m_practise, &QPushButton::clicked, this, &ProgressWindow::onPractiseClicked);
    connect(m_close, &QPushButton::clicked, this, &QDialog::reject);
}

void ProgressWindow::showPair(int pair)
{
    {
        const QSignalBlocker quiet(m_pair);
        m_pair->setCurrentIndex(qBound(0, pair, kPairCount - 1));
    }
    refresh();
    m_pair->setFocus();
    // The window opens on the pair choice, away from the red line that says
    // a problem with the file, so a screen reader is told it. (The window may
    // not be shown yet: the line is asked whether it is hidden, not visible.)
    if (!m_status->isHidden())
        m_announcer->say(m_status->text());
}

void ProgressWindow::onPairChosen()
{
    refresh();
    m_announcer->say(m_status->isHidden() ? spokenFigures() : m_status->text());
}

QString ProgressWindow::spokenFigures() const
{
    return QStringLiteral("%1. %2 %3.").arg(m_pair->currentText(), chartSummary(m_report, m_locale),
                                             m_dueFrame->title());
}

void ProgressWindow::refresh()
{
    const int pair = m_pair->currentIndex();
    QString problem;
    try {
        m_report = m_log.report(pair);
    } catch (const RecordError &error) {
        m_report = ProgressReport::empty(pair, m_log.clock().now().date());
        problem = QStringLiteral("Your progress cannot be read. %1").arg(error.message());
    }
    if (problem.isEmpty() && !m_log.problem().isEmpty())
        problem = QStringLiteral("The answers of this session are not being kept. %1").arg(m_log.problem());
    m_status->setText(problem);
    m_status->setVisible(!problem.isEmpty());

    m_chart->showReport(m_report, m_locale);
    fillTables();
    // Disabled, the button says why.
    const bool due = !m_report.due.isEmpty();
    m_practise->setEnabled(due);
    m_practise->setToolTip(due ? kPractiseWhat : kNothingDue);
    m_practise->setAccessibleDescription(due ? kPractiseWhat : kNothingDue);
}

void ProgressWindow::fillTables()
{
    const ProgressReport &r = m_report;
    const auto average = [this](int count, double value) {
        return count == 0 ? QStringLiteral("-") : text::twoDecimals(value, m_locale);
    };

    QVector<QStringList> days;
    for (auto day = r.days.rbegin(); day != r.days.rend(); ++day)
        days.append({m_locale.toString(day->date, QLocale::ShortFormat), QString::number(day->answers),
                     average(day->answers, day->averageScore)});
    m_days->setRows(days);

    QVector<QStringList> totals{
        {QStringLiteral("Words seen"), QString::number(r.wordsSeen)},
        {QStringLiteral("Answers"), QString::number(r.answers)},
        {QStringLiteral("Average score"), average(r.answers, r.averageScore)},
    };
    for (int box = leitner::kFirstBox; box <= leitner::kLastBox; ++box)
        totals.append({boxCaption(box), QString::number(r.wordsPerBox[size_t(box - 1)])});
    m_totals->setRows(totals);

    QVector<QStringList> due;
    due.reserve(r.due.size());
    for (const ProgressReport::Word &word : r.due)
        due.append({word.word, word.rightAnswer, QString::number(word.box)});
    m_due->setRows(due);
    m_dueFrame->setTitle(r.due.isEmpty() ? QStringLiteral("Due today: none")
                                         : QStringLiteral("Due today: %1").arg(counted(int(r.due.size()),
                                                                                       QStringLiteral("word"),
                                                                                       QStringLiteral("words"))));
    m_dueTable->setAccessibleName(m_dueFrame->title());

    QVector<QStringList> trouble;
    for (const ProgressReport::Word &word : r.trouble)
        trouble.append({word.word, word.rightAnswer, QString::number(word.timesBelowSix)});
    m_trouble->setRows(trouble);
    const QString none = r.trouble.isEmpty() ? QStringLiteral(": none") : QString();
    m_troubleFrame->setTitle(QStringLiteral("Most often answered below 6") + none);
    m_troubleTable->setAccessibleName(QStringLiteral("Words most often answered below 6") + none);
}

void ProgressWindow::onPractiseClicked()
{
    const int pair = m_pair->currentIndex();
    const PracticeScreen where = m_inGridTest->isChecked() ? PracticeScreen::GridTest : PracticeScreen::WriteWords;
    const ScreenBinding &binding = where == PracticeScreen::GridTest ? bindings::kTestG : bindings::kTest;
    QList<int> indexes;
    try {
        const auto table = m_words.table(m_words.filePath(binding.wordFiles[size_t(pair)]), kLanguagePairs[pair]);
        indexes = practiceIndexes(m_report.due, *table);
    } catch (const RecordError &error) {
        showProblem(QStringLiteral("The words cannot be practised. %1").arg(error.message()));
        return;
    }
    if (indexes.isEmpty()) {
        showProblem(QStringLiteral("None of the words due is in the word table any more (it was imported "
                                   "anew since they were answered), so there is nothing to practise."));
        return;
    }
    // The screen to practise on is shown, its START with the focus, while
    // this window is still open: closed first, it would hand the focus to
    // the screen it was opened from on the way.
    Q_EMIT practiseRequested(pair, where, indexes);
    accept();
}

void ProgressWindow::showProblem(const QString &problem)
{
    m_status->setText(problem);
    m_status->show();
    // The focus stays on the button that was pressed.
    m_announcer->say(problem);
}

} // namespace vorbix
