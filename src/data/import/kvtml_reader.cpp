#include "data/import/kvtml_reader.h"

#include "data/import/foreign_list.h"
#include "data/import/input_file.h"
#include "data/import/language_names.h"
#include "data/record_error.h"

#include <QHash>
#include <QSet>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include <algorithm>
#include <functional>
#include <set>

namespace vorbix::import {

namespace {

// Deeper than any KVTML file nests (kvtml, lessons, containers within
// containers, entry, translation, text); a file nested deeper is refused
// before it can cost memory or time.
constexpr int kMaxDepth = 64;

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
    QList<std::pair<QString, QString>> texts;  // identifier id -> text, in file order
    std::optional<RefusedLine> refused;        // a translation without an id, or two with one
};

struct Document
{
    QVector<Identifier> identifiers;
    bool identifiersRead = false;  // the <identifiers> element has ended
    std::set<QString> ignored;     // element names, sorted for the note
};

// Takes each entry as it is read, with the document so far.
using EntrySink = std::function<void(Entry &&, const Document &)>;

// Walks the document token by token, without recursion: every element is
// counted on the way in and out, so that nesting beyond kMaxDepth is refused
// wherever it occurs, and text is gathered from an element and its children
// in one loop.
class Parser
{
public:
    Parser(const QByteArray &content, const QString &name, EntrySink sink)
        : m_xml(content), m_name(name), m_sink(std::move(sink))
    {
    }

    Document parse()
    {
        if (nextChild()) {
            if (m_xml.name() != QLatin1String("kvtml"))
                m_xml.raiseError(QStringLiteral("the document is <%1>, not <kvtml>").arg(m_xml.name()));
            else if (!m_xml.attributes().value(QLatin1String("version")).startsWith(QLatin1Char('2')))
                m_xml.raiseError(QStringLiteral("only KVTML 2 is read (version=\"%1\"); a KDE vocabulary program "
                                                "saves an older file as KVTML 2")
                                     .arg(m_xml.attributes().value(QLatin1String("version"))));
            else
                readDocument();
        }
        // What follows </kvtml> must be nothing but blanks and comments; the
        // reader refuses anything else ("Extra content at end of document").
        while (!m_xml.atEnd())
            next();
        if (m_xml.hasError()) {
            QString reason = m_xml.errorString();
            if (reason.endsWith(QLatin1Char('.')))
                reason.chop(1);
            throw RecordError(QStringLiteral("%1:%2:%3: %4; nothing written")
                                  .arg(m_name)
                                  .arg(m_xml.lineNumber())
                                  .arg(m_xml.columnNumber())
                                  .arg(reason));
        }
        return std::move(m_document);
    }

private:
    QXmlStreamReader::TokenType next()
    {
        const QXmlStreamReader::TokenType token = m_xml.readNext();
        switch (token) {
        case QXmlStreamReader::StartElement:
            if (++m_depth > kMaxDepth)
                m_xml.raiseError(QStringLiteral("elements nested more than %1 deep (no KVTML file nests so deep)").arg(kMaxDepth));
            break;
        case QXmlStreamReader::EndElement:
            --m_depth;
            break;
        case QXmlStreamReader::DTD:
            // KVTML files name the KDE document type and declare nothing of
            // their own. Declared entities would be expanded into the words
            // (or, when external, silently left out): such a file is refused.
            if (!m_xml.entityDeclarations().isEmpty() || !m_xml.notationDeclarations().isEmpty()
                || m_xml.text().contains(QLatin1Char('[')))
                m_xml.raiseError(QStringLiteral("the file declares entities or a document type of its own "
                                                "(<!DOCTYPE ... [ ... ]>), which KVTML files never do"));
            break;
        case QXmlStreamReader::EntityReference:
            // Only a document type the reader does not read could declare
            // it (the KDE one declares none): the text would be lost.
            m_xml.raiseError(QStringLiteral("the entity &%1; is declared nowhere in the file").arg(m_xml.name()));
            break;
        default:
            break;
        }
        return token;
    }

    // Moves to the next child element of the current one: true at its start,
    // false at the end of the current element, the document or an error.
    bool nextChild()
    {
        while (!m_xml.atEnd()) {
            switch (next()) {
            case QXmlStreamReader::StartElement:
                return true;
            case QXmlStreamReader::EndElement:
                return false;
            default:
                break;
            }
        }
        return false;
    }

    // Passes over the element whose start the reader is on.
    void skip()
    {
        const int depth = m_depth;
        while (!m_xml.atEnd()) {
            if (next() == QXmlStreamReader::EndElement && m_depth < depth)
                return;
        }
    }

    // The text of the element whose start the reader is on, its children's
    // text included (a KDE program may keep markup inside <text>).
    QString text()
    {
        QString text;
        const int depth = m_depth;
        while (!m_xml.atEnd()) {
            const QXmlStreamReader::TokenType token = next();
            if (token == QXmlStreamReader::Characters)
                text += m_xml.text();
            else if (token == QXmlStreamReader::EndElement && m_depth < depth)
                break;
        }
        return text;
    }

    void readDocument()
    {
        while (nextChild()) {
            if (m_xml.name() == QLatin1String("identifiers"))
                readIdentifiers();
            else if (m_xml.name() == QLatin1String("entries"))
                readEntries();
            else if (m_xml.name() == QLatin1String("information"))
                skip();  // title, author, licence: not word data
            else
                ignore();
        }
    }

    void ignore()
    {
        m_document.ignored.insert(m_xml.name().toString());
        skip();
    }

    void readIdentifiers()
    {
        QHash<QString, qint64> lineOfId;
        while (nextChild()) {
            if (m_xml.name() != QLatin1String("identifier")) {
                ignore();
                continue;
            }
            // The entries' translations name their identifier by its id: an
            // identifier without one, or two with the same, would make one
            // language's text stand for another's.
            Identifier identifier;
            const QXmlStreamAttributes attributes = m_xml.attributes();
            if (!attributes.hasAttribute(QLatin1String("id"))) {
                m_xml.raiseError(QStringLiteral("an <identifier> without an id"));
                return;
            }
            identifier.id = attributes.value(QLatin1String("id")).toString();
            if (const auto first = lineOfId.constFind(identifier.id); first != lineOfId.cend()) {
                m_xml.raiseError(QStringLiteral("a second <identifier> with id \"%1\" (the first is on line %2)")
                                     .arg(identifier.id)
                                     .arg(*first));
                return;
            }
            lineOfId.insert(identifier.id, m_xml.lineNumber());
            while (nextChild()) {
                if (m_xml.name() == QLatin1String("name"))
                    identifier.name = text().simplified();
                else if (m_xml.name() == QLatin1String("locale"))
                    identifier.locale = text().simplified();
                else
                    skip();  // articles, pronouns, tenses of the language
            }
            identifier.language = languageOfName(identifier.locale);
            if (!identifier.language)
                identifier.language = languageOfName(identifier.name);
            m_document.identifiers.append(identifier);
        }
        m_document.identifiersRead = true;
    }

    void readEntries()
    {
        while (nextChild()) {
            if (m_xml.name() != QLatin1String("entry")) {
                ignore();
                continue;
            }
            Entry entry;
            entry.line = static_cast<int>(m_xml.lineNumber());
            entry.column = static_cast<int>(m_xml.columnNumber());
            QSet<QString> ids;
            while (nextChild()) {
                if (m_xml.name() != QLatin1String("translation")) {
                    ignore();
                    continue;
                }
                readTranslation(entry, ids);
            }
            // An entry with no text at all (a crafted file may hold millions
            // of <entry/>) is passed over here.
            if (entry.refused || !entry.texts.isEmpty())
                m_sink(std::move(entry), m_document);
        }
    }

    // Reads a <translation> of the entry; `ids` holds the ids of those before.
    void readTranslation(Entry &entry, QSet<QString> &ids)
    {
        const auto refuse = [&](const QString &reason) {
            if (!entry.refused)
                entry.refused = RefusedLine{static_cast<int>(m_xml.lineNumber()), reason,
                                            static_cast<int>(m_xml.columnNumber())};
        };
        const QXmlStreamAttributes attributes = m_xml.attributes();
        const QString id = attributes.value(QLatin1String("id")).toString();
        if (!attributes.hasAttribute(QLatin1String("id")))
            refuse(QStringLiteral("a <translation> without an id"));
        else if (ids.contains(id))
            refuse(QStringLiteral("a second <translation> with id \"%1\" in one entry").arg(id));
        ids.insert(id);
        bool hasText = false;
        while (nextChild()) {
            if (m_xml.name() != QLatin1String("text")) {
                ignore();
                continue;
            }
            if (hasText)
                refuse(QStringLiteral("a second <text> in one <translation>"));
            hasText = true;
            entry.texts.append({id, text()});
        }
    }

    QXmlStreamReader m_xml;
    QString m_name;
    EntrySink m_sink;
    Document m_document;
    int m_depth = 0;
};

// The encoding a document declares ("<?xml ... encoding="..."?>"), lower
// case; empty when it declares none.
QString declaredEncoding(const QByteArray &content)
{
    static const QRegularExpression kDeclaration(
        QStringLiteral("^<\\?xml[^>]*\\bencoding\\s*=\\s*[\"']([A-Za-z0-9._-]{1,40})[\"']"));
    const QRegularExpressionMatch match = kDeclaration.match(QString::fromLatin1(content.left(200)));
    return match.hasMatch() ? match.captured(1).toLower() : QString();
}

// A document in UTF-8 (XML's default) is checked as text first: the XML
// reader reports a bad byte at a wrong place and a NUL byte as an unexpected
// nothing. Files in UTF-16 (a byte order mark) or another declared encoding
// are left to the XML reader.
void requireText(const QByteArray &content, const QString &name)
{
    if (content.startsWith("\xFE\xFF") || content.startsWith("\xFF\xFE"))
        return;
    const QString encoding = declaredEncoding(content);
    if (!encoding.isEmpty() && encoding != QLatin1String("utf-8") && encoding != QLatin1String("utf8"))
        return;
    const auto bad = firstNonText(content);
    if (!bad)
        return;
    const TextPlace place = placeOf(content, *bad);
    throw RecordError(QStringLiteral("%1:%2:%3: %4; nothing written")
                          .arg(name)
                          .arg(place.line)
                          .arg(place.column)
                          .arg(content.at(*bad) == '\0' ? QStringLiteral("a NUL byte (the file may not be text)")
                                                        : QStringLiteral("invalid UTF-8 (a KVTML file is UTF-8 "
                                                                         "unless it declares another encoding)")));
}

QString describe(const QVector<Identifier> &identifiers)
{
    constexpr qsizetype kShown = 12;  // a crafted file may hold thousands
    QStringList found;
    for (const Identifier &identifier : identifiers.first(std::min(identifiers.size(), kShown))) {
        found.append(QStringLiteral("%1 \"%2\" (locale \"%3\")%4")
                         .arg(identifier.id, identifier.name, identifier.locale,
                              identifier.language ? QStringLiteral(": ") + englishLanguageName(qPrintable(*identifier.language))
                                                  : QString()));
    }
    if (identifiers.size() > kShown)
        found.append(QStringLiteral("and %1 more").arg(identifiers.size() - kShown));
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

// Names for a note, the first twelve of them: a crafted file may hold
// thousands.
QString namesOf(const std::set<QString> &names)
{
    constexpr qsizetype kShown = 12;
    QStringList shown;
    for (auto it = names.begin(); it != names.end() && shown.size() < kShown; ++it)
        shown.append(it->left(40));
    QString text = shown.join(QLatin1String(", "));
    if (qsizetype(names.size()) > kShown)
        text += QStringLiteral(" and %1 more").arg(qsizetype(names.size()) - kShown);
    return text;
}

QString textOf(const Entry &entry, const QString &id)
{
    for (const auto &[textId, text] : entry.texts) {
        if (textId == id)
            return text;
    }
    return {};
}

} // namespace

KvtmlList parseKvtml(const QByteArray &content, const QString &name, std::optional<int> pair)
{
    requireText(content, name);
    const auto refusal = [&](const QVector<Identifier> &identifiers) {
        const QString wanted = pair ? QStringLiteral("none for %1 and %2 of %3")
                                          .arg(englishLanguageName(kLanguagePairs[*pair].sourceField),
                                               englishLanguageName(kLanguagePairs[*pair].targetField),
                                               QLatin1String(kLanguagePairs[*pair].caption))
                                    : QStringLiteral("not two that name a pair Vorbix trains (%1)").arg(pairNames());
        return RecordError(QStringLiteral("%1: %2: %3. Languages are recognised by name (English, Spanish, French, "
                                          "German, or Español, Français, Deutsch) or locale code (en, es, fr, de); "
                                          "give PAIR after the file to choose two of them, or to take a file's only "
                                          "two identifiers in their order. Nothing written.")
                               .arg(name, describe(identifiers), wanted));
    };

    // Entries go to the collector as they are read once the identifiers
    // are known (they come first in every KVTML file), so that a file of
    // a million entries is never held whole; only entries before the
    // identifiers wait. When the identifiers name no pair, the rest of the
    // file is still read for its XML errors, and nothing is kept.
    std::optional<Choice> choice;
    bool noPair = false;
    QVector<Entry> waiting;
    EntryCollector collector;
    std::set<QString> otherIdentifiers;
    const auto use = [&](const Entry &entry) {
        if (entry.refused) {
            collector.refuse(*entry.refused);
            return;
        }
        try {
            collector.add({textOf(entry, choice->source), textOf(entry, choice->target), entry.line, entry.column});
        } catch (const RecordError &error) {  // more words than a table holds
            throw RecordError(QStringLiteral("%1: %2").arg(name, error.message()));
        }
        for (const auto &[id, text] : entry.texts) {
            if (id != choice->source && id != choice->target && !text.trimmed().isEmpty())
                otherIdentifiers.insert(id);
        }
    };
    const Document document = Parser(content, name, [&](Entry &&entry, const Document &sofar) {
                                  if (!choice && !noPair && sofar.identifiersRead) {
                                      choice = choose(sofar.identifiers, pair);
                                      noPair = !choice;
                                  }
                                  if (choice)
                                      use(entry);
                                  else if (!noPair)
                                      waiting.append(std::move(entry));
                              }).parse();
    if (!choice && !noPair)
        choice = choose(document.identifiers, pair);
    if (!choice)
        throw refusal(document.identifiers);
    for (const Entry &entry : std::as_const(waiting))
        use(entry);

    KvtmlList result;
    result.pair = choice->pair;
    result.list = collector.finish();
    if (!otherIdentifiers.empty()) {
        result.list.notes.append(QStringLiteral("translations of other identifiers (id %1) left aside")
                                     .arg(namesOf(otherIdentifiers)));
    }
    if (!document.ignored.empty()) {
        result.list.notes.append(QStringLiteral("not kept (a table holds words and translations only): %1")
                                     .arg(namesOf(document.ignored)));
    }
    return result;
}

KvtmlList readKvtml(const QString &path, std::optional<int> pair)
{
    return parseKvtml(readInputFile(path), path, pair);
}

} // namespace vorbix::import
