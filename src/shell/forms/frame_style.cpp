#include "shell/forms/frame_style.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPainter>
#include <QProxyStyle>
#include <QPushButton>
#include <QStyleFactory>
#include <QStyleOption>

namespace vorbix {

namespace {

constexpr int kBorder = 1;
constexpr int kButtonPaddingX = 8;
constexpr int kButtonPaddingY = 2;

// A line edit of its own, not the editor inside a combo or spin box, which
// those draw themselves.
bool isPlainLineEdit(const QWidget *widget)
{
    if (!qobject_cast<const QLineEdit *>(widget))
        return false;
    const QWidget *parent = widget->parentWidget();
    return !qobject_cast<const QComboBox *>(parent) && !qobject_cast<const QAbstractSpinBox *>(parent);
}

void drawBorder(QPainter *painter, const QRect &rect, const QColor &colour, int width)
{
    painter->setPen(colour);
    painter->setBrush(Qt::NoBrush);
    for (int i = 0; i < width; ++i)
        painter->drawRect(rect.adjusted(i, i, -1 - i, -1 - i));
}

// Boxes and buttons are flat in their exact colour, the palette's base or
// button colour (Fusion would paint a button's colour as a gradient, and a
// box with a bevel). Their focus is a border twice as thick.
void drawLineEdit(const QStyleOption *option, QPainter *painter)
{
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, false);
    painter->fillRect(option->rect, option->palette.brush(QPalette::Base));
    const bool focused = option->state & QStyle::State_HasFocus;
    drawBorder(painter, option->rect, focused ? QColor(48, 96, 176) : QColor(128, 128, 128), focused ? 2 : kBorder);
    painter->restore();
}

void drawButton(const QStyleOption *option, QPainter *painter)
{
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, true);
    const QColor colour = option->palette.color(QPalette::Button);
    const bool focused = option->state & QStyle::State_HasFocus;
    const qreal width = focused ? 2 : kBorder;
    const QRectF r = QRectF(option->rect).adjusted(width / 2, width / 2, -width / 2, -width / 2);
    painter->setPen(QPen(focused ? QColor(0, 0, 0) : QColor(96, 96, 96), width));
    painter->setBrush((option->state & QStyle::State_Sunken) ? colour.darker(115) : colour);
    painter->drawRoundedRect(r, 3, 3);
    painter->restore();
}

// A frame (group box) as a plain outline, where Fusion puts its panel:
// below the title, if there is one.
void drawFrame(const QStyle *style, const QStyleOption *option, QPainter *painter, const QWidget *widget)
{
    constexpr int kTopMargin = 3;
    int top = kTopMargin;
    const auto *box = qobject_cast<const QGroupBox *>(widget);
    if (!box || box->isCheckable() || !box->title().isEmpty())
        top += qMax(style->pixelMetric(QStyle::PM_ExclusiveIndicatorHeight, option, widget),
                    option->fontMetrics.height());
    const QRect frame = option->rect.adjusted(0, top, -1, -1);
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, false);
    drawBorder(painter, frame, option->palette.color(QPalette::Window).darker(150), kBorder);
    painter->restore();
}

void drawFocusRing(QPainter *painter, const QRect &rect, const QPalette &palette)
{
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, false);
    drawBorder(painter, rect, palette.color(QPalette::WindowText), 2);
    painter->restore();
}

class FrameStyle final : public QProxyStyle
{
public:
    FrameStyle()
        : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion")))
    {
    }

    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget) const override
    {
        switch (element) {
        case PE_FrameGroupBox: drawFrame(this, option, painter, widget); return;
        case PE_PanelLineEdit:
            if (isPlainLineEdit(widget)) {
                drawLineEdit(option, painter);
                return;
            }
            break;
        case PE_PanelButtonCommand:
            if (qobject_cast<const QPushButton *>(widget)) {
                drawButton(option, painter);
                return;
            }
            break;
        case PE_FrameFocusRect:
            if (qobject_cast<const QPushButton *>(widget))
                return; // the button's own border shows the focus
            if (const auto *button = qobject_cast<const QAbstractButton *>(widget)) {
                // An option or check box: Fusion's mark round the caption is
                // a tint barely darker than the window; the ring replaces it.
                // A caption-less one is ringed whole (drawControl).
                if (!button->text().isEmpty())
                    drawFocusRing(painter, option->rect, option->palette);
                return;
            }
            break;
        default: break;
        }
        QProxyStyle::drawPrimitive(element, option, painter, widget);
    }

    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget) const override
    {
        QProxyStyle::drawControl(element, option, painter, widget);
        // Fusion rings the caption of an option that has the focus; an
        // option without a caption (the grid test's choices) would show
        // none, so it is ringed whole.
        if ((element == CE_RadioButton || element == CE_CheckBox) && (option->state & State_HasFocus)) {
            const auto *button = qstyleoption_cast<const QStyleOptionButton *>(option);
            if (button && button->text.isEmpty() && button->icon.isNull())
                drawFocusRing(painter, option->rect, option->palette);
        }
    }

    void drawComplexControl(ComplexControl control, const QStyleOptionComplex *option, QPainter *painter,
                            const QWidget *widget) const override
    {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        // Fusion shows no focus on a scroll bar; the dictionary's is reached
        // by Tab and browsed with the arrow keys.
        // Fusion's focus on a combo box is a thin tinted border; it gets the
        // ring too.
        if ((control == CC_ScrollBar || control == CC_ComboBox) && (option->state & State_HasFocus))
            drawFocusRing(painter, option->rect, option->palette);
    }

    QSize sizeFromContents(ContentsType type, const QStyleOption *option, const QSize &contents,
                           const QWidget *widget) const override
    {
        // A caption with a little room round it, whatever its length.
        if (type == CT_PushButton && qobject_cast<const QPushButton *>(widget))
            return contents + QSize(2 * (kButtonPaddingX + kBorder), 2 * (kButtonPaddingY + kBorder));
        return QProxyStyle::sizeFromContents(type, option, contents, widget);
    }
};

} // namespace

QStyle *makeFrameStyle()
{
    return new FrameStyle;
}

} // namespace vorbix
