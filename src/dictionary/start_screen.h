#pragma once

#include "shell/forms/start_form.h"
#include "shell/screen.h"

class QKeyEvent;

namespace vorbix {

class Cursor;

// The main window "Dictionary": the typed word is looked up on every change,
// with the nearest-prefix fallback, and the scroll bar browses the table.
class StartScreen final : public Screen
{
    Q_OBJECT

public:
    StartScreen(Services &services, Navigator &navigator);
    ~StartScreen() override;

    CommonControls &controls() override { return m_ui; }
    StartForm &ui() { return m_ui; }

    qint16 nrmax() const { return m_nrmax; }
    bool sincronizat() const { return m_sincronizat; }

protected:
    void onPairOptionClicked(int pair) override;
    QList<QLineEdit *> wordBoxes() override;
    double plainWordSize() const override { return 10.0; }
    // The main window applies "abc"/"ABC" when it next writes the first row.
    bool convertsCaseOnClick() const override { return false; }
    QString wordShown() override;
    QString translationShown() override;

private:
    // Look-up: the change handler of Text0 (start_lookup.cpp).
    void onText0Changed();
    // Searches again with shorter beginnings of the typed text when the
    // whole of it matched nothing (start_lookup.cpp).
    void negasit(Cursor &words, int typedLength);
    // "Clean".
    void onCmdclrClicked();
    // Browsing: the change handler of VScroll1 (start_browse.cpp).
    void onVScroll1Changed();
    // Up, Down, Page Up and Page Down in the look-up box, or on the scroll
    // bar itself, browse from the entry shown (start_browse.cpp).
    bool browseByKey(QObject *watched, QKeyEvent *event);
    bool eventFilter(QObject *watched, QEvent *event) override;

    // Row 1 from the current record, then rows 2 to 7 from the records that
    // follow it, up to the word count.
    void showRows(Cursor &words);
    void showRow(int row, Cursor &words, bool upperCase);
    // Whether any row of the grid shows a word or a translation.
    bool rowsShowEntries() const;

    StartForm m_ui;
    qint16 m_nrmax = 0;
    bool m_sincronizat = false;
};

} // namespace vorbix
