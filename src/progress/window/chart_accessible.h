#pragma once

namespace vorbix {

class ProgressChart;

// What a screen reader is told of the Progress window's chart: a chart (not
// a blank client area) with its name, its figures in words as the
// description and the highlighted day's as its value, and its days as
// children, of which the highlighted one is focused while the chart has the
// focus. Installed once, when the first chart is made.
void installChartAccessibility();

// Tells a screen reader, while the chart has the focus, that `day` is now
// the highlighted one: its focused child.
void announceHighlightedDay(ProgressChart &chart, int day);

} // namespace vorbix
