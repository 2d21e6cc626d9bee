#pragma once

#include <QSet>
#include <QString>

class QWidget;

namespace vorbix {

enum class MessageIcon { None, Information, Exclamation, Critical };

// A modal message with an OK button. A message without a title of its own
// carries the application's title.
struct Message
{
    QString text;
    QString title;
    MessageIcon icon = MessageIcon::None;
};

inline const QString kApplicationTitle = QStringLiteral("Vorbix");

// Where the program's messages go: modal dialogs in the program, a recorder
// in the tests.
class MessageSink
{
public:
    virtual ~MessageSink() = default;
    virtual void show(const Message &message) = 0;

    // Shows the message unless one with the same key was shown before: a
    // state that lasts is told once, not at every click that meets it.
    void showOnce(const QString &key, const Message &message)
    {
        if (!m_shownKeys.contains(key)) {
            m_shownKeys.insert(key);
            show(message);
        }
    }

private:
    QSet<QString> m_shownKeys;
};

// Shows each message as a modal message box over the active window.
class DialogMessageSink final : public MessageSink
{
public:
    void show(const Message &message) override;
};

// Writes each message to standard error, for a run that nobody watches
// (--quit-after-show): a modal box would wait for an OK that never comes.
class StandardErrorMessageSink final : public MessageSink
{
public:
    void show(const Message &message) override;
    int count() const { return m_count; }

private:
    int m_count = 0;
};

} // namespace vorbix
