#include "progress/window/chart_accessible.h"

#include "progress/window/progress_chart.h"

#include <QAccessibleWidget>
#include <QHash>
#include <QPointer>
#include <QWindow>

namespace vorbix {

namespace {

constexpr int kDays = ProgressReport::kDays;

// One day of the chart: its figures as its name, its column as its place.
class DayAccessible final : public QAccessibleInterface
{
public:
    DayAccessible(ProgressChart *chart, int day)
        : m_chart(chart)
        , m_day(day)
    {
    }

    int day() const { return m_day; }

    bool isValid() const override { return !m_chart.isNull(); }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override { return m_chart ? m_chart->window()->windowHandle() : nullptr; }
    QAccessibleInterface *parent() const override { return QAccessible::queryAccessibleInterface(m_chart.data()); }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QAccessibleInterface *focusChild() const override { return nullptr; }
    QAccessible::Role role() const override { return QAccessible::ListItem; }

    QString text(QAccessible::Text t) const override
    {
        return m_chart && t == QAccessible::Name ? m_chart->dayFigures(m_day) : QString();
    }
    void setText(QAccessible::Text, const QString &) override {}

    QRect rect() const override
    {
        if (!m_chart)
            return {};
        const QRect column = m_chart->dayRect(m_day);
        return QRect(m_chart->mapToGlobal(column.topLeft()), column.size());
    }

    QAccessible::State state() const override
    {
        QAccessible::State s;
        if (!m_chart) {
            s.invalid = true;
            return s;
        }
        const bool highlighted = m_chart->highlightedDay() == m_day;
        s.invisible = !m_chart->isVisible();
        s.focusable = true;
        s.selectable = true;
        s.selected = highlighted;
        s.focused = highlighted && m_chart->hasFocus();
        return s;
    }

private:
    QPointer<ProgressChart> m_chart;
    int m_day;
};

// The chart: a chart, with the days as its only children (the view's
// viewport and scroll bars are of no use to a listener).
class ChartAccessible final : public QAccessibleWidget
{
public:
    explicit ChartAccessible(ProgressChart *chart)
        : QAccessibleWidget(chart, QAccessible::Chart)
    {
    }

    ~ChartAccessible() override
    {
        for (const QAccessible::Id id : std::as_const(m_days))
            QAccessible::deleteAccessibleInterface(id);
    }

    ProgressChart *chart() const { return static_cast<ProgressChart *>(object()); }

    int childCount() const override { return kDays; }

    QAccessibleInterface *child(int index) const override
    {
        if (index < 0 || index >= kDays)
            return nullptr;
        if (const QAccessible::Id id = m_days.value(index))
            return QAccessible::accessibleInterface(id);
        auto *day = new DayAccessible(chart(), index);
        m_days.insert(index, QAccessible::registerAccessibleInterface(day));
        return day;
    }

    int indexOfChild(const QAccessibleInterface *child) const override
    {
        if (!child || child->object() || child->role() != QAccessible::ListItem || child->parent() != this)
            return -1;
        return static_cast<const DayAccessible *>(child)->day();
    }

    QAccessibleInterface *childAt(int x, int y) const override
    {
        for (int day = 0; day < kDays; ++day) {
            QAccessibleInterface *c = child(day);
            if (c->rect().contains(x, y))
                return c;
        }
        return nullptr;
    }

    QAccessibleInterface *focusChild() const override
    {
        return chart()->hasFocus() ? child(chart()->highlightedDay()) : nullptr;
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return chart()->dayFigures(chart()->highlightedDay());
        return QAccessibleWidget::text(t);
    }

private:
    mutable QHash<int, QAccessible::Id> m_days;
};

QAccessibleInterface *makeChartAccessible(const QString &className, QObject *object)
{
    if (object && object->isWidgetType()
        && className == QLatin1String(ProgressChart::staticMetaObject.className()))
        return new ChartAccessible(static_cast<ProgressChart *>(object));
    return nullptr;
}

} // namespace

void installChartAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(makeChartAccessible);
        return true;
    }();
    Q_UNUSED(installed);
}

void announceHighlightedDay(ProgressChart &chart, int day)
{
    if (!chart.hasFocus())
        return;
    QAccessibleEvent focus(&chart, QAccessible::Focus);
    focus.setChild(day);
    QAccessible::updateAccessibility(&focus);
    // The focused day says it all. No value change is sent: the chart has no
    // value interface (its value is a text), and the AT-SPI bridge drops
    // such an event with a warning on every key.
}

} // namespace vorbix
