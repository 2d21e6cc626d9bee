#include "platform/speech.h"

#include "platform/audio_output.h"

#include <QElapsedTimer>
#include <QLocale>
#include <QTextToSpeech>
#include <QThread>

#include <cstring>
#include <optional>

namespace vorbix {

QString languageName(SpokenLanguage language)
{
    switch (language) {
    case SpokenLanguage::English: return QStringLiteral("English");
    case SpokenLanguage::Spanish: return QStringLiteral("Spanish");
    case SpokenLanguage::French: return QStringLiteral("French");
    case SpokenLanguage::German: return QStringLiteral("German");
    }
    return {};
}

SpokenLanguage languageOfField(const char *field)
{
    if (std::strcmp(field, "spa") == 0)
        return SpokenLanguage::Spanish;
    if (std::strcmp(field, "fra") == 0)
        return SpokenLanguage::French;
    if (std::strcmp(field, "ger") == 0)
        return SpokenLanguage::German;
    return SpokenLanguage::English;
}

namespace {

QLocale::Language qtLanguage(SpokenLanguage language)
{
    switch (language) {
    case SpokenLanguage::English: return QLocale::English;
    case SpokenLanguage::Spanish: return QLocale::Spanish;
    case SpokenLanguage::French: return QLocale::French;
    case SpokenLanguage::German: return QLocale::German;
    }
    return QLocale::English;
}

// Owns the text-to-speech engine on a thread of its own. Connecting to the
// speech daemon can take seconds (it is spawned on first use) or hang for
// good (a daemon left in a bad state); neither may freeze the windows.
class EngineHost final : public QObject
{
    Q_OBJECT

public:
    void start()
    {
        const QStringList engines = QTextToSpeech::availableEngines();
        const QString name = engines.contains(QStringLiteral("speechd")) ? QStringLiteral("speechd") : QString();
        m_engine = new QTextToSpeech(name, this);
        if (m_engine->state() == QTextToSpeech::Error)
            Q_EMIT failed();
        else
            Q_EMIT ready(m_engine->availableLocales());
    }

    void say(const QString &text, const QLocale &locale, double rate)
    {
        m_engine->stop();
        m_engine->setLocale(locale);
        m_engine->setRate(rate);
        m_engine->say(text);
    }

    void stop()
    {
        if (m_engine)
            m_engine->stop();
    }

Q_SIGNALS:
    void ready(const QList<QLocale> &locales);
    void failed();

private:
    QTextToSpeech *m_engine = nullptr;
};

class DesktopSpeech final : public Speech
{
public:
    ~DesktopSpeech() override
    {
        if (!m_thread)
            return;
        m_thread->quit();
        // A thread stuck in the daemon's connection cannot be stopped; it is
        // left to end with the process rather than be destroyed running.
        if (m_thread->wait(500)) {
            delete m_host;
            delete m_thread;
        }
    }

    bool hasAudioOutput() override
    {
        // Asked at every key press: a sound server started since, or a
        // device plugged in, is found.
        return vorbix::hasAudioOutput(AudioPlaces::ofThisSession());
    }

    bool available(SpokenLanguage language) override
    {
        startEngine();
        switch (m_state) {
        case State::Failed: return false;
        case State::Ready: return localeFor(language).has_value();
        case State::Starting:
            // Until the engine answers the key is taken on trust (the word is
            // said once it is ready); an engine that has not answered after a
            // while counts as missing.
            return m_startedAt.elapsed() < kPatienceMs;
        }
        return false;
    }

    void speak(const QString &text, SpokenLanguage language, double rate) override
    {
        startEngine();
        if (m_state == State::Starting) {
            m_pending = Request{text, language, rate};
            return;
        }
        if (const std::optional<QLocale> locale = localeFor(language)) {
            QMetaObject::invokeMethod(m_host, [host = m_host, text, locale = *locale, rate] {
                host->say(text, locale, rate);
            }, Qt::QueuedConnection);
        }
    }

    void stop() override
    {
        m_pending.reset();
        if (m_host)
            QMetaObject::invokeMethod(m_host, &EngineHost::stop, Qt::QueuedConnection);
    }

private:
    enum class State { Starting, Ready, Failed };
    struct Request
    {
        QString text;
        SpokenLanguage language;
        double rate;
    };
    static constexpr qint64 kPatienceMs = 8000;

    void startEngine()
    {
        if (m_thread)
            return;
        m_startedAt.start();
        m_thread = new QThread;
        m_thread->setObjectName(QStringLiteral("speech"));
        m_host = new EngineHost;
        m_host->moveToThread(m_thread);
        m_receiver = std::make_unique<QObject>();
        QObject::connect(m_host, &EngineHost::ready, m_receiver.get(), [this](const QList<QLocale> &locales) {
            m_locales = locales;
            m_state = State::Ready;
            if (m_pending) {
                const Request request = *m_pending;
                m_pending.reset();
                speak(request.text, request.language, request.rate);
            }
        });
        QObject::connect(m_host, &EngineHost::failed, m_receiver.get(), [this] {
            m_state = State::Failed;
            m_pending.reset();
        });
        m_thread->start();
        QMetaObject::invokeMethod(m_host, &EngineHost::start, Qt::QueuedConnection);
    }

    std::optional<QLocale> localeFor(SpokenLanguage language) const
    {
        const QLocale::Language wanted = qtLanguage(language);
        for (const QLocale &locale : m_locales) {
            if (locale.language() == wanted)
                return locale;
        }
        return std::nullopt;
    }

    QThread *m_thread = nullptr;
    EngineHost *m_host = nullptr;
    std::unique_ptr<QObject> m_receiver; // main-thread context of the engine's answers
    State m_state = State::Starting;
    QList<QLocale> m_locales;
    std::optional<Request> m_pending;
    QElapsedTimer m_startedAt;
};

} // namespace

std::unique_ptr<Speech> makeDesktopSpeech()
{
    return std::make_unique<DesktopSpeech>();
}

} // namespace vorbix

#include "speech.moc"
