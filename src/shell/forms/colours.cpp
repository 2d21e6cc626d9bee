#include "shell/forms/colours.h"

#include <QLineEdit>
#include <QPushButton>
#include <QVariant>
#include <QWidget>

namespace vorbix::colours {

namespace {

constexpr char kBackgroundProperty[] = "vorbixBackground";

QString rgb(const QColor &c)
{
    return QStringLiteral("rgb(%1, %2, %3)").arg(c.red()).arg(c.green()).arg(c.blue());
}

QString buttonSheet(const QColor &c)
{
    return QStringLiteral("QPushButton { background-color: %1; border: 1px solid rgb(96, 96, 96);"
                          " border-radius: 3px; padding: 2px 8px; }"
                          " QPushButton:focus { border-color: rgb(0, 0, 0); }"
                          " QPushButton:pressed { background-color: %2; }")
        .arg(rgb(c), rgb(c.darker(115)));
}

QString lineEditSheet(const QColor &c)
{
    return QStringLiteral("QLineEdit { background-color: %1; border: 1px solid rgb(128, 128, 128);"
                          " padding: 0px 2px; }"
                          " QLineEdit:focus { border-color: rgb(48, 96, 176); }")
        .arg(rgb(c));
}

} // namespace

void setBackground(QWidget *w, const QColor &c)
{
    w->setProperty(kBackgroundProperty, c);
    if (qobject_cast<QPushButton *>(w)) {
        w->setStyleSheet(buttonSheet(c));
    } else if (qobject_cast<QLineEdit *>(w)) {
        w->setStyleSheet(lineEditSheet(c));
    } else {
        QPalette palette = w->palette();
        palette.setColor(w->backgroundRole(), c);
        w->setPalette(palette);
        w->setAutoFillBackground(true);
    }
}

QColor background(const QWidget *w)
{
    const QVariant stored = w->property(kBackgroundProperty);
    if (stored.isValid())
        return stored.value<QColor>();
    return w->palette().color(w->backgroundRole());
}

} // namespace vorbix::colours
