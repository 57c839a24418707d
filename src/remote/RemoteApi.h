#pragma once

#include "FailureLimiter.h"
#include "FoundPort.h"
#include "HttpExchange.h"
#include "PatternLibrary.h"
#include "PlayerCommands.h"
#include "RequestBody.h"
#include "SettingsStore.h"

#include <QCoreApplication>
#include <QFuture>
#include <QHostInfo>
#include <QJsonObject>

#include <functional>
#include <vector>

// What the remote answers, as plain requests and responses: the page, free
// to anyone, and the JSON API, only with the key. Bad input, a wrong key
// and a request from another site are turned away before anything is done.
class RemoteApi {
    Q_DECLARE_TR_FUNCTIONS(RemoteApi)

public:
    using OutputFinder = std::function<std::vector<FoundPort>()>;

    struct Route {
        QByteArray method;
        QString path;
    };
    // Every route of the API, as docs/openapi.yaml describes them; "{name}"
    // in a path stands for one part of it, percent-encoded: a pattern's name.
    static QList<Route> routes();
    static inline const QString LivePath = QStringLiteral("/api/v1/live");

    RemoteApi(PlayerCommands &commands, const SettingsStore &settings, QByteArray key, FailureLimiter &limiter,
              OutputFinder findOutputs, QString machineName = QHostInfo::localHostName());

    // Answers at once, except the list of outputs, which takes a moment to
    // find and is looked for away from the rows.
    QFuture<HttpResponse> answer(const HttpRequest &request);
    // Whether a request may open the live channel; its key comes in the
    // channel's first message.
    bool admitsLive(const HttpRequest &request) const;

private:
    using Handler = std::function<QFuture<HttpResponse>(RemoteApi &api, const QByteArray &body, const QString &name)>;
    // For the routes that need more than the body: the query, or a body over
    // the usual limit.
    using RequestHandler = std::function<QFuture<HttpResponse>(RemoteApi &api, const HttpRequest &request, const QString &name)>;
    struct Entry {
        const char *method;
        const char *path;
        Handler handler;
        RequestHandler wholeRequest = nullptr;
    };
    static const std::vector<Entry> &table();
    static std::vector<Entry> patternEntries();
    static std::vector<Entry> fseqEntries();
    static std::vector<Entry> scheduleEntries();
    // Whether a path is that of a route; the name it holds goes to `name`.
    static bool pathFits(const QString &path, const char *route, QString &name);

    static HttpResponse json(const QJsonObject &object, int status = 200);
    static HttpResponse error(int status, const QString &reason);
    static HttpResponse refused(const pattern::Refusal &refusal);

    QFuture<HttpResponse> answerApi(const HttpRequest &request);
    HttpResponse page(const HttpRequest &request) const;
    bool namesThisRemote(const HttpRequest &request) const;
    bool fromOwnPage(const HttpRequest &request) const;
    // Bad input is answered with 400, a refusal with 409, and success with
    // the state.
    template <typename Value, typename Check, typename Command>
    HttpResponse command(const body::Read<Value> &input, Check check, Command run);
    HttpResponse stateResponse();
    HttpResponse effects();
    QFuture<HttpResponse> outputs();
    HttpResponse patternList();
    HttpResponse patternNamed(const QString &name);
    // The schedule with the windows of this many days from today.
    HttpResponse scheduleResponse(int days);

    PlayerCommands &commands_;
    const SettingsStore &settings_;
    QByteArray key_;
    FailureLimiter &limiter_;
    OutputFinder findOutputs_;
    QString machineName_;
};
