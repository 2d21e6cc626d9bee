#pragma once

#include <QString>

#include <functional>
#include <memory>
#include <optional>

class QSqlQuery;

namespace vorbix {

class RecordError;
class SqliteConnection;

// The one record of table `ini`: the code of the pair last counted and its
// word count. It is read afresh on every use, because another screen (or
// another running copy of the program) may have written it, and every edit is
// one transaction: a failure leaves the record as it was.
class SettingsRecord
{
public:
    struct Values
    {
        QString current;            // `curent`: a table code, or empty
        std::optional<qint64> count; // `nrcur`; nullopt when NULL or not a number
    };

    explicit SettingsRecord(QString filePath);
    ~SettingsRecord();

    SettingsRecord(const SettingsRecord &) = delete;
    SettingsRecord &operator=(const SettingsRecord &) = delete;

    // Throw RecordError when the file cannot be opened or has no record.
    Values read();
    void write(const QString &current, int count);

    // A write that fails throws RecordError, unless a handler is set: then
    // the handler is told and the write is given up. The record only caches
    // a count that can always be taken again, so the program can go on.
    using SaveFailureHandler = std::function<void(const RecordError &)>;
    void setSaveFailureHandler(SaveFailureHandler handler) { m_saveFailure = std::move(handler); }

    const QString &filePath() const { return m_filePath; }

private:
    void writeOrThrow(const QString &current, int count);
    SqliteConnection &connection();
    QSqlQuery &readQuery();

    QString m_filePath;
    SaveFailureHandler m_saveFailure;
    std::unique_ptr<SqliteConnection> m_connection;
    // The file the connection has open (device and inode): another file put
    // in its place is opened anew.
    std::pair<quint64, quint64> m_opened{};
    // Prepared once: the word-count rule reads the record on every keystroke
    // and every timer step, and parsing the statement was most of a read.
    std::unique_ptr<QSqlQuery> m_readQuery;
};

} // namespace vorbix
