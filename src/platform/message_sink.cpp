#include "platform/message_sink.h"

#include <QApplication>
#include <QMessageBox>

#include <cstdio>

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

void StandardErrorMessageSink::show(const Message &message)
{
    ++m_count;
    const QString title = message.title.isEmpty() ? kApplicationTitle : message.title;
    std::fprintf(stderr, "%s: %s\n", title.toLocal8Bit().constData(), message.text.toLocal8Bit().constData());
    std::fflush(stderr);
}

} // namespace vorbix
