#include "shell/forms/frame_style.h"

#include <QGroupBox>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOption>

namespace vorbix {

namespace {

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
        if (element != PE_FrameGroupBox) {
            QProxyStyle::drawPrimitive(element, option, painter, widget);
            return;
        }
        // Where Fusion puts its panel: below the title, if there is one.
        constexpr int kTopMargin = 3;
        int top = kTopMargin;
        const auto *box = qobject_cast<const QGroupBox *>(widget);
        if (!box || box->isCheckable() || !box->title().isEmpty())
            top += qMax(pixelMetric(PM_ExclusiveIndicatorHeight, option, widget),
                        option->fontMetrics.height());
        const QRect frame = option->rect.adjusted(0, top, -1, -1);
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing, false);
        painter->setBrush(Qt::NoBrush);
        painter->setPen(option->palette.color(QPalette::Window).darker(150));
        painter->drawRect(frame);
        painter->restore();
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
        if (control == CC_ScrollBar && (option->state & State_HasFocus))
            drawFocusRing(painter, option->rect, option->palette);
    }

private:
    static void drawFocusRing(QPainter *painter, const QRect &rect, const QPalette &palette)
    {
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing, false);
        painter->setBrush(Qt::NoBrush);
        painter->setPen(QPen(palette.color(QPalette::WindowText), 2));
        painter->drawRect(QRectF(rect).adjusted(1, 1, -1, -1));
        painter->restore();
    }
};

} // namespace

QStyle *makeFrameStyle()
{
    return new FrameStyle;
}

} // namespace vorbix
