#pragma once

#include <QMutex>
#include <QString>
#include <QTranslator>

#include <map>
#include <memory>
#include <optional>

// The one translator installed in the program: it answers in the program's
// language, or, on a thread that speaks for one request, in the language of
// that request's browser. Swapping installed translators per request instead
// would make every window retranslate itself.
class LanguageRouter : public QTranslator {
public:
    // "" for the source texts.
    void setProgramLanguage(const QString &language);

    QString translate(const char *context, const char *sourceText, const char *disambiguation = nullptr,
                      int n = -1) const override;
    // Qt asks this before it lets a translator answer; the languages are
    // loaded when first asked for.
    bool isEmpty() const override { return false; }

    // While one lives, this thread speaks `language` ("" for the source texts).
    class Speaking {
    public:
        explicit Speaking(const QString &language);
        ~Speaking();
        Speaking(const Speaking &) = delete;
        Speaking &operator=(const Speaking &) = delete;
        // What this thread speaks for a request, to carry to a worker.
        static std::optional<QString> current();

    private:
        const QString *before_;
        QString language_;
    };

private:
    const QTranslator *translatorFor(const QString &language) const;

    mutable QMutex mutex_;
    QString programLanguage_;
    mutable std::map<QString, std::unique_ptr<QTranslator>> loaded_;
};
