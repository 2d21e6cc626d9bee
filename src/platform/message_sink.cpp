#include "platform/message_sink.h"

#include <QApplication>
#include <QMessageBox>

namespace vorbix {

void DialogMessageSink::show(const Message &message)
{
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(message.title.isEmpty() ? kApplicationTitle : message.title);
    box.setText(message.text);
    switch (message.icon) {
    case MessageIcon::None: box.setIcon(QMessageBox::NoIcon); break;
    case MessageIcon::Information: box.setIcon(QMessageBox::Information); break;
    case MessageIcon::Exclamation: box.setIcon(QMessageBox::Warning); break;
    case MessageIcon::Critical: box.setIcon(QMessageBox::Critical); break;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
}

} // namespace vorbix
