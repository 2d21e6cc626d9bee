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
    // `lastingKey`, when given, names a state that lasts until the user
    // changes it outside the program (a word table with no words): the
    // handler boundary tells it once, not at every action that meets it.
    explicit RecordError(const QString &message, QString lastingKey = {})
        : std::runtime_error(message.toStdString()), m_message(message), m_lastingKey(std::move(lastingKey))
    {
    }

    const QString &message() const noexcept { return m_message; }
    const QString &lastingKey() const noexcept { return m_lastingKey; }

private:
    QString m_message;
    QString m_lastingKey;
};

} // namespace vorbix
