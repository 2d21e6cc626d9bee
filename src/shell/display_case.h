#pragma once

#include <QList>
#include <QString>

class QLineEdit;

namespace vorbix {

// The case options as they apply to words that have just arrived on a
// learning or test screen: capitals with "ABC"; small letters with "abc",
// except while the settings record names a German pair, whose nouns keep
// their capitals.
void applyArrivingCase(const QList<QLineEdit *> &boxes, bool upperSelected, bool lowerSelected,
                       const QString &storedPairCode);

} // namespace vorbix
