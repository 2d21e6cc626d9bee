#include "shell/forms/read_only_box.h"

#include <QScopedValueRollback>

namespace vorbix::forms {

ReadOnlyBox::ReadOnlyBox(const QString &text, QWidget *parent)
    : QLineEdit(text, parent)
{
    setReadOnly(true);
    setCursorPosition(0);
    // A new text of the same length leaves the cursor where it was, an
    // equal text emits no change: each of the two signals misses a case.
    connect(this, &QLineEdit::textChanged, this, &ReadOnlyBox::showBeginning);
    connect(this, &QLineEdit::cursorPositionChanged, this, [this] {
        if (!m_userMoves)
            showBeginning();
    });
}

void ReadOnlyBox::showBeginning()
{
    // Anything but the user's own move comes from a text written by the
    // program (or from the selection Tab makes on entering the box).
    if (cursorPosition() != 0 || hasSelectedText())
        setCursorPosition(0);
}

void ReadOnlyBox::keyPressEvent(QKeyEvent *event)
{
    const QScopedValueRollback user(m_userMoves, true);
    QLineEdit::keyPressEvent(event);
}

void ReadOnlyBox::mousePressEvent(QMouseEvent *event)
{
    const QScopedValueRollback user(m_userMoves, true);
    QLineEdit::mousePressEvent(event);
}

void ReadOnlyBox::mouseMoveEvent(QMouseEvent *event)
{
    const QScopedValueRollback user(m_userMoves, true);
    QLineEdit::mouseMoveEvent(event);
}

void ReadOnlyBox::mouseDoubleClickEvent(QMouseEvent *event)
{
    const QScopedValueRollback user(m_userMoves, true);
    QLineEdit::mouseDoubleClickEvent(event);
}

void ReadOnlyBox::contextMenuEvent(QContextMenuEvent *event)
{
    // "Select All" in the menu is the user's own move too.
    const QScopedValueRollback user(m_userMoves, true);
    QLineEdit::contextMenuEvent(event);
}

} // namespace vorbix::forms
