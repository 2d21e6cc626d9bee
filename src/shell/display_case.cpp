#include "shell/display_case.h"

#include "platform/text_services.h"

#include <QLineEdit>

namespace vorbix {

void applyArrivingCase(const QList<QLineEdit *> &boxes, bool upperSelected, bool lowerSelected,
                       const QString &storedPairCode)
{
    if (upperSelected) {
        for (QLineEdit *box : boxes)
            box->setText(text::upperCase(box->text()));
    }
    const bool german = storedPairCode == QLatin1String("enger") || storedPairCode == QLatin1String("geren");
    if (lowerSelected && !german) {
        for (QLineEdit *box : boxes)
            box->setText(text::lowerCase(box->text()));
    }
}

} // namespace vorbix
