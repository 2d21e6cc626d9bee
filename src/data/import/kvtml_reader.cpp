#include "data/import/kvtml_reader.h"

#include "data/import/foreign_list.h"
#include "data/import/language_names.h"
#include "data/record_error.h"

#include <QFile>
#include <QHash>
#include <QXmlStreamReader>

#include <set>

namespace vorbix::import {

namespace {

struct Identifier
{
    QString id;
    QString name;
    QString locale;
    std::optional<QString> language;  // field code
};

struct Entry
{
    int line = 0;
    int column = 0;
    QHash<QString, QString> texts;  // identifier id -> text
};

struct Document
{
    QVector<Identifier> identifiers;
    QVector<Entry> entries;
    std::set<QString> ignored;  // element names, sorted for the note
};

class Parser
{
public:
    Parser(const QByteArray &content, const QString &name) : m_xml(content), m_name(name) {}

    Document parse()
    {
        if (m_xml.readNextStartElement()) {
            if (m_xml.name() != QLatin1String("kvtml"))
                m_xml.raiseError(QStringLiteral("the document is <%1>, not <kvtml>").arg(m_xml.name()));
            else if (!m_xml.attributes().value(QLatin1String("version")).startsWith(QLatin1Char('2')))
                m_xml.raiseError(QStringLiteral("only KVTML 2 is read (version=\"%1\"); a KDE vocabulary program "
                                                "saves an older file as KVTML 2")
                                     .arg(m_xml.attributes().value(QLatin1String("version"))));
            else
                readDocument();
        }
        if (m_xml.hasError()) {
            throw RecordError(QStringLiteral("%1:%2:%3: %4; nothing written")
                                  .arg(m_name)
                                  .arg(m_xml.lineNumber())
                                  .arg(m_xml.columnNumber())
                                  .arg(m_xml.errorString()));
        }
        return std::move(m_document);
    }

private:
    void readDocument()
    {
        while (m_xml.readNextStartElement()) {
            if (m_xml.name() == QLatin1String("identifiers"))
                readIdentifiers();
            else if (m_xml.name() == QLatin1String("entries"))
                readEntries();
            else if (m_xml.name() == QLatin1String("information"))
                m_xml.skipCurrentElement();  // title, author, licence: not word data
            else
                ignore();
        }
    }

    void ignore()
    {
        m_document.ignored.insert(m_xml.name().toString());
        m_xml.skipCurrentElement();
    }

    void readIdentifiers()
    {
        while (m_xml.readNextStartElement()) {
            if (m_xml.name() != QLatin1String("identifier")) {
                ignore();
                continue;
            }
            Identifier identifier;
            identifier.id = m_xml.attributes().value(QLatin1String("id")).toString();
            while (m_xml.readNextStartElement()) {
                if (m_xml.name() == QLatin1String("name"))
                    identifier.name = m_xml.readElementText(QXmlStreamReader::IncludeChildElements).simplified();
                else if (m_xml.name() == QLatin1String("locale"))
                    identifier.locale = m_xml.readElementText(QXmlStreamReader::IncludeChildElements).simplified();
                else
                    m_xml.skipCurrentElement();  // articles, pronouns, tenses of the language
            }
            identifier.language = languageOfName(identifier.locale);
            if (!identifier.language)
                identifier.language = languageOfName(identifier.name);
            m_document.identifiers.append(identifier);
        }
    }

    void readEntries()
    {
        while (m_xml.readNextStartElement()) {
            if (m_xml.name() != QLatin1String("entry")) {
                ignore();
                continue;
            }
            Entry entry;
            entry.line = static_cast<int>(m_xml.lineNumber());
            entry.column = static_cast<int>(m_xml.columnNumber());
            while (m_xml.readNextStartElement()) {
                if (m_xml.name() != QLatin1String("translation")) {
                    ignore();
                    continue;
                }
                const QString id = m_xml.attributes().value(QLatin1String("id")).toString();
                while (m_xml.readNextStartElement()) {
                    if (m_xml.name() == QLatin1String("text"))
                        entry.texts.insert(id, m_xml.readElementText(QXmlStreamReader::IncludeChildElements));
                    else
                        ignore();
                }
            }
            m_document.entries.append(std::move(entry));
        }
    }

    QXmlStreamReader m_xml;
    QString m_name;
    Document m_document;
};

QString describe(const QVector<Identifier> &identifiers)
{
    QStringList found;
    for (const Identifier &identifier : identifiers) {
        found.append(QStringLiteral("%1 \"%2\" (locale \"%3\")%4")
                         .arg(identifier.id, identifier.name, identifier.locale,
                              identifier.language ? QStringLiteral(": ") + englishLanguageName(qPrintable(*identifier.language))
                                                  : QString()));
    }
    return found.isEmpty() ? QStringLiteral("no identifiers") : QStringLiteral("identifiers ") + found.join(QLatin1String(", "));
}

const Identifier *identifierOf(const QVector<Identifier> &identifiers, const char *field)
{
    for (const Identifier &identifier : identifiers) {
        if (identifier.language == QLatin1String(field))
            return &identifier;
    }
    return nullptr;
}

// The pair and the identifiers of its word and translation.
struct Choice
{
    int pair;
    QString source;
    QString target;
};

std::optional<Choice> choose(const QVector<Identifier> &identifiers, std::optional<int> pair)
{
    if (pair) {
        const LanguagePair &p = kLanguagePairs[*pair];
        const Identifier *source = identifierOf(identifiers, p.sourceField);
        const Identifier *target = identifierOf(identifiers, p.targetField);
        if (source && target)
            return Choice{*pair, source->id, target->id};
        if (identifiers.size() == 2 && !identifiers.at(0).language && !identifiers.at(1).language)
            return Choice{*pair, identifiers.at(0).id, identifiers.at(1).id};
        return std::nullopt;
    }
    if (identifiers.size() != 2 || !identifiers.at(0).language || !identifiers.at(1).language)
        return std::nullopt;
    for (int i = 0; i < kPairCount; ++i) {
        if (*identifiers.at(0).language == QLatin1String(kLanguagePairs[i].sourceField)
            && *identifiers.at(1).language == QLatin1String(kLanguagePairs[i].targetField))
            return Choice{i, identifiers.at(0).id, identifiers.at(1).id};
    }
    return std::nullopt;
}

QString pairNames()
{
    QStringList names;
    for (const LanguagePair &pair : kLanguagePairs)
        names.append(QLatin1String(pair.caption));
    return names.join(QLatin1Char(' '));
}

} // namespace

KvtmlList parseKvtml(const QByteArray &content, const QString &name, std::optional<int> pair)
{
    const Document document = Parser(content, name).parse();
    const auto choice = choose(document.identifiers, pair);
    if (!choice) {
        const QString wanted = pair ? QStringLiteral("none for %1 and %2 of %3")
                                          .arg(englishLanguageName(kLanguagePairs[*pair].sourceField),
                                               englishLanguageName(kLanguagePairs[*pair].targetField),
                                               QLatin1String(kLanguagePairs[*pair].caption))
                                    : QStringLiteral("not two that name a pair Vorbix trains (%1)").arg(pairNames());
        throw RecordError(QStringLiteral("%1: %2: %3. Languages are recognised by name (English, Spanish, French, "
                                         "German, or Español, Français, Deutsch) or locale code (en, es, fr, de); "
                                         "give PAIR after the file to choose two of them, or to take a file's only "
                                         "two identifiers in their order. Nothing written.")
                              .arg(name, describe(document.identifiers), wanted));
    }

    KvtmlList result;
    result.pair = choice->pair;
    QVector<ForeignEntry> entries;
    entries.reserve(document.entries.size());
    std::set<QString> otherIdentifiers;
    for (const Entry &entry : document.entries) {
        entries.append({entry.texts.value(choice->source), entry.texts.value(choice->target), entry.line, entry.column});
        for (auto it = entry.texts.cbegin(); it != entry.texts.cend(); ++it) {
            if (it.key() != choice->source && it.key() != choice->target && !it.value().trimmed().isEmpty())
                otherIdentifiers.insert(it.key());
        }
    }
    result.list = collectEntries(entries);
    if (!otherIdentifiers.empty()) {
        result.list.notes.append(QStringLiteral("translations of other identifiers (id %1) left aside")
                                     .arg(QStringList(otherIdentifiers.begin(), otherIdentifiers.end()).join(QLatin1String(", "))));
    }
    if (!document.ignored.empty()) {
        result.list.notes.append(QStringLiteral("not kept (a table holds words and translations only): %1")
                                     .arg(QStringList(document.ignored.begin(), document.ignored.end()).join(QLatin1String(", "))));
    }
    return result;
}

KvtmlList readKvtml(const QString &path, std::optional<int> pair)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw RecordError(QStringLiteral("Cannot read %1: %2").arg(path, file.errorString()));
    return parseKvtml(file.readAll(), path, pair);
}

} // namespace vorbix::import
