#include "shell/forms/keyboard_access.h"

#include <QComboBox>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>

namespace vorbix::forms {

namespace {
// The key of a button that has one, as the user reads it.
constexpr char kKeysProperty[] = "vorbixKeys";
} // namespace

void addShortcut(QPushButton *button, const QKeySequence &keys)
{
    auto *shortcut = new QShortcut(keys, button->window());
    // A disabled or hidden button does not react to its key either.
    QObject::connect(shortcut, &QShortcut::activated, button, [button] {
        if (button->isEnabled() && button->isVisible())
            button->click();
    });
    button->setProperty(kKeysProperty, keys.toString(QKeySequence::NativeText));
    setCaption(button, button->text());
}

void setCaption(QPushButton *button, const QString &caption)
{
    button->setText(caption);
    const QString keys = button->property(kKeysProperty).toString();
    if (!keys.isEmpty())
        button->setToolTip(QStringLiteral("%1 (%2)").arg(caption.trimmed(), keys));
}

void setReadingOrder(const QList<QWidget *> &widgets)
{
    for (qsizetype i = 1; i < widgets.size(); ++i)
        QWidget::setTabOrder(widgets[i - 1], widgets[i]);
}

void nameForAccessibility(QWidget *window)
{
    for (QLabel *label : window->findChildren<QLabel *>()) {
        QWidget *buddy = label->buddy();
        if (buddy && buddy->accessibleName().isEmpty())
            buddy->setAccessibleName(label->text().simplified().remove(QLatin1Char(':')).trimmed());
    }
    // A button, option or check box is left unnamed: a screen reader then
    // reads its caption, also a caption a handler changes ("START",
    // "Continue", "STOP").
}

} // namespace vorbix::forms
