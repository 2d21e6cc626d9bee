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
};

} // namespace

QStyle *makeFrameStyle()
{
    return new FrameStyle;
}

} // namespace vorbix
