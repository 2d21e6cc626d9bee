#pragma once

#include <QString>

#include <stdexcept>

namespace vorbix {

// The one exception type for every failure of the word store: a file that
// cannot be opened, a table that is missing or empty, a record that cannot be
// read or saved, a cursor that stands on no record. Handlers that trap errors
// catch it silently; everywhere else it ends the handler at the event boundary.
class RecordError : public std::runtime_error
{
public:
    explicit RecordError(const QString &message)
        : std::runtime_error(message.toStdString()), m_message(message)
    {
    }

    const QString &message() const noexcept { return m_message; }

private:
    QString m_message;
};

} // namespace vorbix
