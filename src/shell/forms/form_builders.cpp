#include "shell/forms/form_builders.h"

#include "shell/forms/colours.h"
#include "shell/forms/read_only_box.h"

#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

namespace vorbix::forms {

namespace {

QString latin1(const char *text)
{
    return QString::fromLatin1(text);
}

QFont font(const char *family, qreal points, bool bold, bool italic)
{
    QFont f(latin1(family));
    f.setPointSizeF(points);
    f.setBold(bold);
    f.setItalic(italic);
    return f;
}

} // namespace

QFont arial(qreal points, bool bold, bool italic)
{
    return font("Arial", points, bold, italic);
}

QFont timesNewRoman(qreal points, bool bold)
{
    return font("Times New Roman", points, bold, false);
}

QLabel *makeLabel(QWidget *parent, const char *name, const char *caption)
{
    auto *label = new QLabel(latin1(caption), parent);
    label->setObjectName(latin1(name));
    return label;
}

QLineEdit *makeLineEdit(QWidget *parent, const char *name, const char *text)
{
    auto *box = new QLineEdit(latin1(text), parent);
    box->setObjectName(latin1(name));
    return box;
}

QLineEdit *makeReadOnlyBox(QWidget *parent, const char *name, const char *text)
{
    auto *box = new ReadOnlyBox(latin1(text), parent);
    box->setObjectName(latin1(name));
    return box;
}

QLineEdit *makeHiddenCarrier(QWidget *parent, const char *name, const char *text)
{
    auto *box = new QLineEdit(latin1(text), parent);
    box->setObjectName(latin1(name));
    box->setFocusPolicy(Qt::NoFocus);
    box->hide();
    return box;
}

QRadioButton *makeRadio(QWidget *parent, const char *name, const char *caption)
{
    auto *option = new QRadioButton(latin1(caption), parent);
    option->setObjectName(latin1(name));
    return option;
}

QPushButton *makeButton(QWidget *parent, const char *name, const char *caption, const QColor &colour)
{
    auto *button = new QPushButton(latin1(caption), parent);
    button->setObjectName(latin1(name));
    button->setAutoDefault(false);
    colours::setBackground(button, colour);
    return button;
}

QTimer *makeSecondTimer(QObject *parent, const char *name)
{
    auto *timer = new QTimer(parent);
    timer->setObjectName(latin1(name));
    timer->setInterval(1000);
    timer->setTimerType(Qt::PreciseTimer);
    return timer;
}

void setUpWindow(QWidget *window, const char *title, int width, int height, const QColor &colour)
{
    window->setWindowTitle(latin1(title));
    window->setFixedSize(width, height);
    window->setFont(arial(9));
    colours::setUpWindowPalette(window, colour);
}

QVBoxLayout *windowColumn(QWidget *window)
{
    auto *column = new QVBoxLayout(window);
    column->setContentsMargins(10, 8, 10, 8);
    column->setSpacing(6);
    return column;
}

} // namespace vorbix::forms
