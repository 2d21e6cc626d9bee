#include "data/import/flashcard_reader.h"

#include "data/import/foreign_list.h"
#include "data/import/input_file.h"
#include "data/import/language_names.h"
#include "data/record_error.h"

#include <QRegularExpression>
#include <QSet>
#include <QStringDecoder>

#include <algorithm>
#include <cstring>
#include <functional>
#include <limits>

namespace vorbix::import {

namespace {

QChar separatorOf(const QString &value)
{
    static const std::pair<const char *, char> kNames[] = {
        {"tab", '\t'}, {"comma", ','}, {"semicolon", ';'}, {"space", ' '}, {"pipe", '|'}, {"colon", ':'}};
    for (const auto &[name, character] : kNames) {
        if (value.compare(QLatin1String(name), Qt::CaseInsensitive) == 0)
            return QLatin1Char(character);
    }
    return value.size() == 1 ? value.at(0) : QChar();
}

// The file's lines, read as they are reached (a file of millions of short
// lines is never held as millions of strings). A line that is not text is
// refused, once, and read as empty, so that the numbers of the others stay
// right. A carriage return inside a line means CR-only line ends (an old Mac
// file), which would run every note of the file into one: such lines are
// refused too, as the word-list reader does.
class Lines
{
public:
    Lines(const QByteArray &content, EntryCollector &refusals)
        : m_text(content.startsWith("\xEF\xBB\xBF") ? QByteArrayView(content).sliced(3) : QByteArrayView(content))
        , m_refusals(refusals)
    {
    }

    bool atEnd(qsizetype offset) const { return offset >= m_text.size(); }

    // Line `number`, which starts at `offset`; `next` is where the one after
    // it starts.
    QString line(qsizetype offset, int number, qsizetype &next)
    {
        qsizetype end = m_text.indexOf('\n', offset);
        if (end < 0)
            end = m_text.size();
        next = end + 1;
        QByteArrayView bytes = m_text.sliced(offset, end - offset);
        if (bytes.endsWith('\r'))
            bytes.chop(1);
        const bool firstTime = number > m_checked;
        m_checked = std::max(m_checked, number);
        QString problem;
        QString line;
        if (bytes.contains('\r')) {
            problem = QStringLiteral("a carriage return (CR) inside the line: line ends of this kind are not "
                                     "recognised; save the file with LF or CR LF line ends");
        } else if (bytes.contains('\0')) {
            problem = QStringLiteral("a NUL byte (the file may not be text)");
        } else {
            QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
            line = decoder.decode(bytes);
            if (decoder.hasError())
                problem = QStringLiteral("invalid UTF-8");
        }
        if (problem.isEmpty())
            return line;
        if (firstTime)
            m_refusals.refuse({number, problem});
        return {};
    }

private:
    QByteArrayView m_text;
    EntryCollector &m_refusals;
    int m_checked = 0;  // lines up to this one have been checked (and refused) already
};

// The fields of a record read so far, and where its reading stands.
class RecordSplitter
{
public:
    // `insideQuote`: the record's first line read starts inside a quoted field.
    explicit RecordSplitter(QChar separator, bool insideQuote = false) : m_separator(separator), m_quoted(insideQuote) {}

    // Reads one line of the record; a line after the first continues a
    // quoted field that the line before left open.
    void read(const QString &line, bool continued)
    {
        if (continued)
            m_field.append(QLatin1Char('\n'));
        for (qsizetype c = 0; c < line.size(); ++c) {
            const QChar ch = line.at(c);
            if (m_quoted) {
                if (ch == QLatin1Char('"') && c + 1 < line.size() && line.at(c + 1) == QLatin1Char('"')) {
                    m_field.append(ch);
                    ++c;
                } else if (ch == QLatin1Char('"')) {
                    m_quoted = false;
                } else {
                    m_field.append(ch);
                }
            } else if (ch == QLatin1Char('"') && m_field.isEmpty()) {
                m_quoted = true;
            } else if (ch == m_separator) {
                m_fields.append(m_field);
                m_field.clear();
            } else {
                m_field.append(ch);
            }
        }
    }

    bool quoted() const { return m_quoted; }

    QStringList finish()
    {
        m_fields.append(m_field);
        return m_fields;
    }

private:
    QChar m_separator;
    bool m_quoted = false;
    QString m_field;
    QStringList m_fields;
};

// Hands each record from the line at `at` on to `take`: a quoted field may
// run over several lines. A quote that no later line closes is refused with
// the line that opened it, and reading goes on with the next line, so that
// one stray quote cannot swallow the rest of the file.
//
// Whether a line that starts inside a quoted field closes it depends on that
// line alone. So once the lines after some point have been read to the end
// without one that closes a field, no quote opened later can close either,
// and none is looked for again: the file is read in linear time, however
// many quotes are left open.
void splitRecords(Lines &lines, qsizetype at, int number, QChar separator, EntryCollector &refusals,
                  const std::function<void(int, QStringList)> &take)
{
    qsizetype noClosingFrom = std::numeric_limits<qsizetype>::max();
    // For a quote left open by the line before `from` (which is line
    // `lineNumber`): the number of the line that closes it, and where the
    // line after that one starts.
    const auto closingLine = [&](qsizetype from, int lineNumber) -> std::optional<std::pair<int, qsizetype>> {
        for (qsizetype offset = from; offset < noClosingFrom && !lines.atEnd(offset); ++lineNumber) {
            qsizetype next = 0;
            RecordSplitter probe(separator, true);
            probe.read(lines.line(offset, lineNumber, next), true);
            if (!probe.quoted())
                return std::pair(lineNumber, next);
            offset = next;
        }
        noClosingFrom = std::min(noClosingFrom, from);
        return std::nullopt;
    };

    while (!lines.atEnd(at)) {
        qsizetype next = 0;
        const QString line = lines.line(at, number, next);
        if (line.trimmed().isEmpty() || line.startsWith(QLatin1Char('#'))) {
            at = next;
            ++number;
            continue;
        }
        RecordSplitter splitter(separator);
        splitter.read(line, false);
        if (!splitter.quoted()) {
            take(number, splitter.finish());
            at = next;
            ++number;
            continue;
        }
        const auto last = closingLine(next, number + 1);
        if (!last) {
            refusals.refuse({number, QStringLiteral("a quote is not closed")});
            at = next;
            ++number;
            continue;
        }
        for (int continued = number + 1; continued <= last->first; ++continued) {
            qsizetype after = 0;
            splitter.read(lines.line(next, continued, after), true);
            next = after;
        }
        take(number, splitter.finish());
        at = last->second;
        number = last->first + 1;
    }
}

// Removes what a regular expression would, from left to right: each place
// `find` reports from a position (start and end of the removed text, or
// nothing when no later match exists) is replaced by `replacement`.
template<typename Find>
QString replaceEach(const QString &text, Find find, QStringView replacement = {})
{
    QString result;
    qsizetype kept = 0;
    qsizetype from = 0;
    while (const auto match = find(text, from)) {
        result += QStringView(text).sliced(kept, match->first - kept);
        result += replacement;
        kept = from = match->second;
    }
    result += QStringView(text).sliced(kept);
    return result;
}

using Match = std::optional<std::pair<qsizetype, qsizetype>>;

bool isWordCharacter(QChar c)
{
    return c.isLetterOrNumber() || c == QLatin1Char('_');
}

// The length of the name at `at` when it is one of `names` as a whole word
// (any case), else 0.
qsizetype nameAt(const QString &text, qsizetype at, std::initializer_list<const char *> names)
{
    for (const char *name : names) {
        const qsizetype length = qsizetype(std::strlen(name));
        if (QStringView(text).sliced(at).startsWith(QLatin1String(name), Qt::CaseInsensitive)
            && (at + length == text.size() || !isWordCharacter(text.at(at + length))))
            return length;
    }
    return 0;
}

// "[sound:...]" references of a media file.
Match soundReference(const QString &text, qsizetype from)
{
    const qsizetype start = text.indexOf(QLatin1String("[sound:"), from);
    if (start < 0)
        return std::nullopt;
    const qsizetype end = text.indexOf(QLatin1Char(']'), start + 7);
    if (end < 0)
        return std::nullopt;  // no "]" after it: no later reference ends either
    return std::pair(start, end + 1);
}

// A <style> or <script> element with its content. One left open is kept (its
// tag goes with the other tags); once no closing tag is found for a name,
// none is looked for again.
class HiddenElement
{
public:
    Match operator()(const QString &text, qsizetype from)
    {
        for (qsizetype open = text.indexOf(QLatin1Char('<'), from); open >= 0;
             open = text.indexOf(QLatin1Char('<'), open + 1)) {
            for (int kind = 0; kind < 2; ++kind) {
                const char *name = kind == 0 ? "style" : "script";
                const qsizetype length = nameAt(text, open + 1, {name});
                if (length == 0 || m_unclosed[kind])
                    continue;
                const qsizetype tagEnd = text.indexOf(QLatin1Char('>'), open + 1 + length);
                if (tagEnd < 0)
                    return std::nullopt;
                if (const auto end = closingTag(text, tagEnd + 1, name))
                    return std::pair(open, *end);
                m_unclosed[kind] = true;
            }
        }
        return std::nullopt;
    }

private:
    // The end of the first "</name>" (blanks allowed before ">") from `from`.
    static std::optional<qsizetype> closingTag(const QString &text, qsizetype from, const char *name)
    {
        const QString tag = QLatin1String("</") + QLatin1String(name);
        for (qsizetype at = text.indexOf(tag, from, Qt::CaseInsensitive); at >= 0;
             at = text.indexOf(tag, at + 1, Qt::CaseInsensitive)) {
            qsizetype after = at + tag.size();
            while (after < text.size() && text.at(after).isSpace())
                ++after;
            if (after < text.size() && text.at(after) == QLatin1Char('>'))
                return after + 1;
        }
        return std::nullopt;
    }

    bool m_unclosed[2] = {false, false};
};

// A tag that ends a line or a block: <br>, <div>, <p>, <li>, opening or
// closing.
Match boundaryTag(const QString &text, qsizetype from)
{
    for (qsizetype open = text.indexOf(QLatin1Char('<'), from); open >= 0;
         open = text.indexOf(QLatin1Char('<'), open + 1)) {
        qsizetype at = open + 1;
        while (at < text.size() && text.at(at).isSpace())
            ++at;
        if (at < text.size() && text.at(at) == QLatin1Char('/'))
            ++at;
        while (at < text.size() && text.at(at).isSpace())
            ++at;
        const qsizetype length = nameAt(text, at, {"br", "div", "p", "li"});
        if (length == 0)
            continue;
        const qsizetype end = text.indexOf(QLatin1Char('>'), at + length);
        if (end < 0)
            return std::nullopt;
        return std::pair(open, end + 1);
    }
    return std::nullopt;
}

Match anyTag(const QString &text, qsizetype from)
{
    const qsizetype open = text.indexOf(QLatin1Char('<'), from);
    const qsizetype end = open < 0 ? -1 : text.indexOf(QLatin1Char('>'), open + 1);
    if (end < 0)
        return std::nullopt;
    return std::pair(open, end + 1);
}

// Each run of boundary marks (\x01) with the blanks around it becomes ", ".
QString boundariesAsCommas(const QString &text)
{
    QString result;
    result.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) != QLatin1Char('\x01')) {
            result.append(text.at(i));
            continue;
        }
        while (!result.isEmpty() && result.back().isSpace())
            result.chop(1);
        while (i + 1 < text.size() && (text.at(i + 1).isSpace() || text.at(i + 1) == QLatin1Char('\x01')))
            ++i;
        result.append(QLatin1String(", "));
    }
    return result;
}

} // namespace

QString htmlToText(const QString &html)
{
    static const QRegularExpression kEntity(QStringLiteral("&(#[0-9]{1,7}|#[xX][0-9a-fA-F]{1,6}|[a-zA-Z]{2,8});"));

    // Every step is one pass from left to right (a regular expression that
    // looks ahead for a closing tag or bracket would read to the end of the
    // text once per opening one, which a crafted field makes quadratic).
    QString text = replaceEach(html, soundReference);
    text = replaceEach(text, HiddenElement());
    // Boundaries are marked first and turned into ", " after the entities,
    // so that a decoded character cannot be mistaken for one.
    text.remove(QLatin1Char('\x01'));
    text = replaceEach(text, boundaryTag, u"\x01");
    text = replaceEach(text, anyTag);
    static const std::pair<const char *, char16_t> kNamed[] = {
        {"amp", u'&'}, {"lt", u'<'}, {"gt", u'>'}, {"quot", u'"'}, {"apos", u'\''}, {"nbsp", u' '}};
    QString decoded;
    qsizetype last = 0;
    for (auto it = kEntity.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        decoded.append(QStringView(text).mid(last, match.capturedStart() - last));
        last = match.capturedEnd();
        const QString name = match.captured(1);
        char32_t code = 0;
        if (name.startsWith(QLatin1String("#x"), Qt::CaseInsensitive))
            code = name.mid(2).toUInt(nullptr, 16);
        else if (name.startsWith(QLatin1Char('#')))
            code = name.mid(1).toUInt();
        for (const auto &[entity, character] : kNamed) {
            if (name == QLatin1String(entity))
                code = character;
        }
        if (code > 0 && code <= 0x10FFFF && (code < 0xD800 || code > 0xDFFF) && code != 1)
            decoded.append(QString::fromUcs4(&code, 1));
        else
            decoded.append(match.captured(0));  // unknown: kept as written
    }
    decoded.append(QStringView(text).mid(last));
    decoded = boundariesAsCommas(decoded).simplified();
    // Commas left at either end by boundaries with nothing beside them.
    const auto isEdge = [](QChar c) { return c == QLatin1Char(',') || c.isSpace(); };
    qsizetype begin = 0;
    qsizetype end = decoded.size();
    if (begin < end && decoded.at(begin) == QLatin1Char(',')) {
        while (begin < end && isEdge(decoded.at(begin)))
            ++begin;
    }
    if (begin < end && decoded.at(end - 1) == QLatin1Char(',')) {
        while (end > begin && isEdge(decoded.at(end - 1)))
            --end;
    }
    return decoded.sliced(begin, end - begin);
}

WordList parseFlashcards(const QByteArray &content, const LanguagePair &pair, std::optional<FieldChoice> fields)
{
    EntryCollector collector;
    Lines lines(content, collector);

    QChar separator = QLatin1Char('\t');
    bool html = false;
    QStringList columns;
    QSet<int> nonText;  // fields from 1: guid, note type, deck, tags
    QStringList notes;
    constexpr qsizetype kNotesShown = 12;  // a crafted file may have thousands of headers
    static const QRegularExpression kHeader(QStringLiteral("^#([a-z ]+):(.*)$"));
    qsizetype at = 0;
    int number = 1;
    for (; !lines.atEnd(at); ++number) {
        qsizetype next = 0;
        const QRegularExpressionMatch header = kHeader.match(lines.line(at, number, next));
        if (!header.hasMatch())
            break;
        at = next;
        const QString key = header.captured(1);
        const QString value = header.captured(2).trimmed();
        if (key == QLatin1String("separator")) {
            separator = separatorOf(value);
            if (separator.isNull())
                throw RecordError(QStringLiteral("line %1: unknown separator \"%2\"").arg(number).arg(value.left(40)));
        } else if (key == QLatin1String("html")) {
            html = value.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0;
        } else if (key == QLatin1String("columns")) {
            columns = value.split(separator);
        } else if (key.endsWith(QLatin1String(" column"))) {
            nonText.insert(value.toInt());
            if (notes.size() < kNotesShown)
                notes.append(QStringLiteral("%1 (field %2)").arg(key.chopped(7), value.left(12)));
        } else if (notes.size() < kNotesShown) {
            notes.append(QStringLiteral("header #%1").arg(key));
        }
    }

    if (!fields) {
        std::optional<int> word;
        std::optional<int> translation;
        for (qsizetype c = 0; c < columns.size(); ++c) {
            const auto language = languageOfName(columns.at(c));
            if (!word && language == QLatin1String(pair.sourceField))
                word = static_cast<int>(c + 1);
            else if (!translation && language == QLatin1String(pair.targetField))
                translation = static_cast<int>(c + 1);
        }
        if (word && translation) {
            fields = FieldChoice{*word, *translation};
        } else {
            QVector<int> text;
            for (int f = 1; text.size() < 2; ++f) {
                if (!nonText.contains(f))
                    text.append(f);
            }
            fields = FieldChoice{text.at(0), text.at(1)};
        }
    }

    bool moreFields = false;
    splitRecords(lines, at, number, separator, collector, [&](int line, const QStringList &record) {
        const int needed = std::max(fields->first, fields->second);
        if (record.size() < needed) {
            collector.refuse({line, QStringLiteral("%1 fields; the word and translation are fields %2 and %3")
                                        .arg(record.size())
                                        .arg(fields->first)
                                        .arg(fields->second)});
            return;
        }
        moreFields = moreFields || record.size() > 2;
        QString word = record.at(fields->first - 1);
        QString translation = record.at(fields->second - 1);
        if (html) {
            word = htmlToText(word);
            translation = htmlToText(translation);
        }
        collector.add({word, translation, line, 0});
    });
    WordList list = collector.finish();
    if (moreFields)
        notes.append(QStringLiteral("fields other than %1 and %2").arg(fields->first).arg(fields->second));
    if (!notes.isEmpty())
        list.notes.append(QStringLiteral("not kept: %1").arg(notes.join(QLatin1String(", "))));
    return list;
}

WordList readFlashcards(const QString &path, const LanguagePair &pair, std::optional<FieldChoice> fields)
{
    const QByteArray content = readInputFile(path);
    try {
        return parseFlashcards(content, pair, fields);
    } catch (const RecordError &error) {
        throw RecordError(QStringLiteral("%1: %2").arg(path, error.message()));
    }
}

} // namespace vorbix::import
