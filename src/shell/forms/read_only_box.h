#pragma once

#include <QLineEdit>

namespace vorbix::forms {

// A box that the program fills and the user only reads: a word, a
// translation, a choice, a score. Whatever the program writes into it, also
// a text equal to the one on show, it shows from its beginning. (Setting a
// line edit's text puts the cursor at the end, which scrolls a text longer
// than the box to its end; the first item of a translation is its main
// sense.) The user can still move through the text with the keys or the
// mouse, and select and copy it; a box the user has moved to the end of
// itself stays there until its text changes.
class ReadOnlyBox final : public QLineEdit
{
public:
    explicit ReadOnlyBox(const QString &text, QWidget *parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    void showBeginning();

    bool m_userMoves = false; // the cursor moves by the user's own key or click
};

} // namespace vorbix::forms
