#pragma once

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
};

// Shows each message as a modal message box over the active window.
class DialogMessageSink final : public MessageSink
{
public:
    void show(const Message &message) override;
};

} // namespace vorbix
