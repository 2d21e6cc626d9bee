#include "shell/forms/colours.h"

#include <QLineEdit>
#include <QPushButton>
#include <QVariant>
#include <QWidget>

namespace vorbix::colours {

namespace {

constexpr char kBackgroundProperty[] = "vorbixBackground";

} // namespace

void setBackground(QWidget *w, const QColor &c)
{
    w->setProperty(kBackgroundProperty, c);
    // A button is drawn in its Button colour, a box in its Base colour (the
    // program's style draws both flat); anything else fills its background.
    const bool button = qobject_cast<QPushButton *>(w);
    const bool box = qobject_cast<QLineEdit *>(w);
    const QPalette::ColorRole role = button ? QPalette::Button : box ? QPalette::Base : w->backgroundRole();
    if (w->palette().color(role) == c)
        return; // already so (the boxes' white comes from their window)
    QPalette palette = w->palette();
    palette.setColor(role, c);
    w->setPalette(palette);
    if (!button && !box)
        w->setAutoFillBackground(true);
}

void setUpWindowPalette(QWidget *window, const QColor &c)
{
    // The boxes of a window are white with black text whatever the desktop's
    // theme; they take it from the window instead of each from a palette of
    // its own.
    QPalette palette = window->palette();
    palette.setColor(QPalette::Window, c);
    palette.setColor(QPalette::Base, kWhite);
    // Texts are black where enabled; a disabled control keeps the style's
    // greyed text.
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        for (QPalette::ColorRole role : {QPalette::Text, QPalette::WindowText, QPalette::ButtonText})
            palette.setColor(group, role, Qt::black);
    }
    window->setPalette(palette);
    window->setAutoFillBackground(true);
    window->setProperty(kBackgroundProperty, c);
}

QColor background(const QWidget *w)
{
    const QVariant stored = w->property(kBackgroundProperty);
    if (stored.isValid())
        return stored.value<QColor>();
    return w->palette().color(w->backgroundRole());
}

} // namespace vorbix::colours
