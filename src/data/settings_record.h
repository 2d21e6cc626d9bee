#pragma once

#include <QString>

#include <memory>
#include <optional>

class QSqlQuery;

namespace vorbix {

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

    const QString &filePath() const { return m_filePath; }

private:
    SqliteConnection &connection();
    QSqlQuery &readQuery();

    QString m_filePath;
    std::unique_ptr<SqliteConnection> m_connection;
    // Prepared once: the word-count rule reads the record on every keystroke
    // and every timer step, and parsing the statement was most of a read.
    std::unique_ptr<QSqlQuery> m_readQuery;
};

} // namespace vorbix
