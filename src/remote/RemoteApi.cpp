#include "RemoteApi.h"

#include "EffectCatalogue.h"
#include "LanguageRouter.h"
#include "PageTexts.h"
#include "SettingsKeys.h"

#include "RemoteConfig.h"
#include "RemoteKey.h"
#include "SelectionStore.h"
#include "StateJson.h"
#include "Translations.h"

#include "Pattern.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QNetworkInterface>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QUrl>
#include <QtConcurrent>

namespace {

using Failure = PlayerCommands::Failure;

QFuture<HttpResponse> ready(HttpResponse response)
{
    return QtFuture::makeReadyFuture(std::move(response));
}

// No other site may show the page in a frame, have its files run as
// something else or learn its address from a link; the API's answers are
// never kept by a cache.
HttpResponse withSafetyHeaders(HttpResponse response, bool api)
{
    response.headers.emplaceBack("Content-Security-Policy", "default-src 'self'");
    response.headers.emplaceBack("X-Content-Type-Options", "nosniff");
    response.headers.emplaceBack("X-Frame-Options", "DENY");
    response.headers.emplaceBack("Referrer-Policy", "no-referrer");
    response.headers.emplaceBack("Cache-Control", api ? "no-store" : "no-cache");
    return response;
}

QByteArray contentTypeOf(const QString &name)
{
    static const QList<QPair<QString, QByteArray>> types = {
        {QStringLiteral(".html"), "text/html; charset=utf-8"}, {QStringLiteral(".js"), "text/javascript; charset=utf-8"},
        {QStringLiteral(".css"), "text/css; charset=utf-8"},   {QStringLiteral(".svg"), "image/svg+xml"},
        {QStringLiteral(".png"), "image/png"},                 {QStringLiteral(".json"), "application/json"},
    };
    for (const auto &[ending, type] : types)
        if (name.endsWith(ending))
            return type;
    return "application/octet-stream";
}

const auto noCheck = [](const auto &) -> Failure { return std::nullopt; };

} // namespace

HttpResponse RemoteApi::json(const QJsonObject &object, int status)
{
    return {status, "application/json", QJsonDocument(object).toJson(QJsonDocument::Compact), {}};
}

HttpResponse RemoteApi::error(int status, const QString &reason)
{
    return json({{QStringLiteral("error"), reason}}, status);
}

RemoteApi::RemoteApi(PlayerCommands &commands, const SettingsStore &settings, QByteArray key, FailureLimiter &limiter,
                     OutputFinder findOutputs, QString machineName)
    : commands_(commands), settings_(settings), key_(std::move(key)), limiter_(limiter),
      findOutputs_(std::move(findOutputs)), machineName_(std::move(machineName))
{
}

const std::vector<RemoteApi::Entry> &RemoteApi::table()
{
    // Commands that take no input: {} or nothing.
    const auto plain = [](Failure (PlayerCommands::*run)()) {
        return [run](RemoteApi &api, const QByteArray &body, const QString &) {
            return ready(api.command(body::nothing(body), noCheck, [&api, run](std::monostate) { return (api.commands_.*run)(); }));
        };
    };
    static const std::vector<Entry> entries = [&plain] {
        std::vector<Entry> all = {
            {"GET", "/api/v1/state",
             [](RemoteApi &api, const QByteArray &body, const QString &) {
                 return ready(api.command(body::nothing(body), noCheck, [](std::monostate) -> Failure { return std::nullopt; }));
             }},
            {"POST", "/api/v1/start", plain(&PlayerCommands::start)},
            {"POST", "/api/v1/stop", plain(&PlayerCommands::stop)},
            {"POST", "/api/v1/pause", plain(&PlayerCommands::pause)},
            {"POST", "/api/v1/resume", plain(&PlayerCommands::resume)},
            {"POST", "/api/v1/alloff", plain(&PlayerCommands::allOff)},
            {"PUT", "/api/v1/speed",
             [](RemoteApi &api, const QByteArray &body, const QString &) {
                 return ready(api.command(body::speed(body), PlayerCommands::speedProblem,
                                          [&api](int speed) { return api.commands_.setSpeed(speed); }));
             }},
            {"GET", "/api/v1/effects",
             [](RemoteApi &api, const QByteArray &body, const QString &) {
                 auto nothing = body::nothing(body);
                 return ready(std::holds_alternative<body::Problem>(nothing)
                                  ? error(400, std::get<body::Problem>(nothing).reason)
                                  : api.effects());
             }},
            {"POST", "/api/v1/build",
             [](RemoteApi &api, const QByteArray &body, const QString &) {
                 return ready(api.command(
                     body::selection(body), [](const body::Build &build) { return PlayerCommands::selectionProblem(build.selection); },
                     [&api](const body::Build &build) {
                         return api.commands_.build(build.selection, build.atOnce ? Player::Switch::AtOnce : Player::Switch::AtEndOfPass);
                     }));
             }},
            {"POST", "/api/v1/play",
             [](RemoteApi &api, const QByteArray &body, const QString &) {
                 return ready(api.command(body::effect(body), PlayerCommands::effectProblem,
                                          [&api](int effect) { return api.commands_.play(effect); }));
             }},
            {"GET", "/api/v1/outputs",
             [](RemoteApi &api, const QByteArray &body, const QString &) {
                 auto nothing = body::nothing(body);
                 return std::holds_alternative<body::Problem>(nothing) ? ready(error(400, std::get<body::Problem>(nothing).reason))
                                                                       : api.outputs();
             }},
            {"PUT", "/api/v1/output",
             [](RemoteApi &api, const QByteArray &body, const QString &) {
                 return ready(api.command(body::output(body), PlayerCommands::outputProblem,
                                          [&api](const QString &output) { return api.commands_.chooseOutput(output); }));
             }},
            {"POST", "/api/v1/output/open", plain(&PlayerCommands::openOutput)},
            // Reached only when a request to open the channel is not a WebSocket.
            {"GET", "/api/v1/live",
             [](RemoteApi &, const QByteArray &, const QString &) {
                 return ready(error(400, tr("Open %1 as a WebSocket; its first message is {\"key\": \"KEY\"}.")
                                 .arg(LivePath)));
             }},
        };
        std::ranges::move(patternEntries(), std::back_inserter(all));
        std::ranges::move(fseqEntries(), std::back_inserter(all));
        std::ranges::move(scheduleEntries(), std::back_inserter(all));
        // The page's texts in the language the settings name, else the browser's.
        all.push_back({"GET", "/api/v1/texts", nullptr, [](RemoteApi &api, const HttpRequest &request, const QString &) {
                           return ready(json(pageTexts::forBrowser(api.settings_.read(settings::Language),
                                                                   request.header("accept-language"))));
                       }});
        return all;
    }();
    return entries;
}

QList<RemoteApi::Route> RemoteApi::routes()
{
    QList<Route> listed;
    for (const Entry &entry : table())
        listed.append({entry.method, QLatin1String(entry.path)});
    return listed;
}

QFuture<HttpResponse> RemoteApi::answer(const HttpRequest &request)
{
    // What this request makes is in its browser's language, as the page is.
    const LanguageRouter::Speaking speaking(language::forRequest(settings_, request.header("accept-language")));
    if (!namesThisRemote(request))
        return ready(withSafetyHeaders(
            error(421, tr("This remote answers to its own address only, not to \"%1\"; open the address "
                          "lampotron --remote-url shows.")
               .arg(QString::fromLatin1(request.header("host").left(100)))),
            true));
    if (!request.path.startsWith(QLatin1String("/api/")))
        return ready(withSafetyHeaders(page(request), false));
    return answerApi(request).then([](HttpResponse response) { return withSafetyHeaders(std::move(response), true); });
}

// The checks go from the cheapest to the one that counts a failure, so that
// nothing but a wrong key brings an address nearer to being turned away.
QFuture<HttpResponse> RemoteApi::answerApi(const HttpRequest &request)
{
    if (limiter_.isBlocked(request.peer))
        return ready(error(429, tr("Too many wrong keys from this address; try again in a minute.")));
    const bool upload = request.method == "POST" && request.path == QLatin1String(UploadRequestLine).sliced(5);
    const qsizetype limit = upload ? MaxUploadBytes : MaxBodyBytes;
    if (request.header("content-length").trimmed().toLongLong() > limit || request.body.size() > limit)
        return ready(error(413, tr("The body is over %1 bytes.").arg(limit)));
    if (!fromOwnPage(request))
        return ready(error(403, tr("This request came from another site (%1); the remote answers its own page only.")
                        .arg(QString::fromUtf8(request.header("origin").left(100)))));
    const bool live = request.path == LivePath;
    if (!live) {
        const QByteArray authorization = request.header("authorization");
        if (authorization.isEmpty())
            return ready(error(401, tr("No key: send \"Authorization: Bearer KEY\" with the key that "
                                       "lampotron --remote-url shows.")));
        const bool bearer = authorization.size() > 7 && authorization.first(7).compare("bearer ", Qt::CaseInsensitive) == 0;
        if (!bearer || !keysMatch(authorization.mid(7).trimmed(), key_)) {
            limiter_.recordFailure(request.peer);
            return ready(error(401, tr("Wrong key; the right one is in the address lampotron --remote-url shows.")));
        }
    }
    std::vector<std::pair<const Entry *, QString>> fitting;
    for (const Entry &entry : table())
        if (QString name; pathFits(request.path, entry.path, name))
            fitting.emplace_back(&entry, name);
    if (fitting.empty())
        return ready(error(404, tr("There is no %1 in the API.").arg(request.path.left(200))));
    // Of the routes that take the method, the one that spells out most of
    // the path wins: "/api/v1/patterns/{name}.fseq" over ".../{name}".
    auto method = fitting.end();
    for (auto fit = fitting.begin(); fit != fitting.end(); ++fit)
        if (request.method == fit->first->method
            && (method == fitting.end() || qstrlen(fit->first->path) > qstrlen(method->first->path)))
            method = fit;
    if (method == fitting.end()) {
        QByteArrayList methods;
        for (const auto &[entry, name] : fitting)
            if (!methods.contains(entry->method))
                methods.append(entry->method);
        HttpResponse refused = error(405, tr("%1 takes %2, not %3.")
                                  .arg(request.path.left(200), QString::fromLatin1(methods.join(", ")),
                                       QString::fromLatin1(request.method.left(20))));
        refused.headers.emplaceBack("Allow", methods.join(", "));
        return ready(refused);
    }
    const auto &[entry, name] = *method;
    if (QLatin1String(entry->path).contains(QLatin1String("{name}")))
        if (const QString problem = pattern::nameProblem(name); !problem.isEmpty())
            return ready(error(400, problem));
    if (entry->wholeRequest)
        return entry->wholeRequest(*this, request, name);
    if (request.body.size() > MaxBodyBytes)
        return ready(error(413, tr("The body is over %1 bytes.").arg(MaxBodyBytes)));
    return entry->handler(*this, request.body, name);
}

// A route's part "{name}" takes one part of the path, as long as whatever
// follows it in the route ends that part too ("{name}.txt").
bool RemoteApi::pathFits(const QString &path, const char *route, QString &name)
{
    const QStringList given = path.split(QLatin1Char('/'));
    const QStringList wanted = QString::fromLatin1(route).split(QLatin1Char('/'));
    if (given.size() != wanted.size())
        return false;
    QString found;
    for (qsizetype i = 0; i < given.size(); ++i) {
        const QString &part = wanted[i];
        if (!part.startsWith(QLatin1String("{name}"))) {
            if (given[i] != part)
                return false;
            continue;
        }
        const QString after = part.mid(6);
        if (given[i].size() <= after.size() || !given[i].endsWith(after))
            return false;
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        found = utf8(QByteArray::fromPercentEncoding(given[i].chopped(after.size()).toUtf8()));
        if (utf8.hasError())
            return false;
    }
    name = found;
    return true;
}

bool RemoteApi::admitsLive(const HttpRequest &request) const
{
    return request.path == LivePath && !limiter_.isBlocked(request.peer) && namesThisRemote(request) && fromOwnPage(request);
}

bool RemoteApi::namesThisRemote(const HttpRequest &request) const
{
    // Only a remote on every network answers to every address of the machine.
    const QList<QHostAddress> addresses =
        listensOnEveryNetwork(request.listenAddress) ? QNetworkInterface::allAddresses() : QList<QHostAddress>();
    return ::namesThisRemote(request.header("host"), request.listenAddress, request.listenPort, request.secure,
                             machineName_, addresses);
}

// A browser names the site a request comes from; the remote's own page
// comes from the address the request went to.
bool RemoteApi::fromOwnPage(const HttpRequest &request) const
{
    const QByteArray origin = request.header("origin");
    if (origin.isEmpty())
        return true;
    const QUrl from(QString::fromLatin1(origin));
    const QUrl to(QStringLiteral("//") + QString::fromLatin1(request.header("host")));
    const QString scheme = request.secure ? QStringLiteral("https") : QStringLiteral("http");
    const int defaultPort = request.secure ? 443 : 80;
    return from.isValid() && from.scheme() == scheme && !from.host().isEmpty() && from.host() == to.host()
           && from.port(defaultPort) == to.port(defaultPort);
}

HttpResponse RemoteApi::page(const HttpRequest &request) const
{
    static const QRegularExpression plainName(QStringLiteral("^[A-Za-z0-9_-][A-Za-z0-9._-]*$"));
    // Browsers ask for the icon there whatever the page names.
    const QString name = request.path == QLatin1String("/")                 ? QStringLiteral("index.html")
                         : request.path == QLatin1String("/favicon.ico") ? QStringLiteral("lampotron.png")
                                                                          : request.path.mid(1);
    QFile file(QStringLiteral(":/remote/") + name);
    if (!plainName.match(name).hasMatch() || !file.open(QIODevice::ReadOnly))
        return error(404, tr("There is no page at %1.").arg(request.path));
    if (request.method != "GET") {
        HttpResponse refused = error(405, tr("The page is read with GET."));
        refused.headers.emplaceBack("Allow", "GET");
        return refused;
    }
    return {200, contentTypeOf(name), file.readAll(), {}};
}

template <typename Value, typename Check, typename Command>
HttpResponse RemoteApi::command(const body::Read<Value> &input, Check check, Command run)
{
    if (const auto *problem = std::get_if<body::Problem>(&input))
        return error(400, problem->reason);
    const Value &value = std::get<Value>(input);
    if (const Failure problem = check(value))
        return error(400, *problem);
    if (const Failure refused = run(value))
        return error(409, *refused);
    return stateResponse();
}

HttpResponse RemoteApi::stateResponse()
{
    return json(stateJson::state(commands_.state(), commands_.lamps()));
}

HttpResponse RemoteApi::effects()
{
    const Selection stored = SelectionStore(settings_).read();
    QJsonArray effects;
    for (int i = 0; i < effects::Count; ++i) {
        const auto at = static_cast<std::size_t>(i);
        effects.append(QJsonObject{{QStringLiteral("index"), i},
                                   {QStringLiteral("name"), stateJson::effectName(i)},
                                   {QStringLiteral("label"), pattern::label(*pattern::effect(i))},
                                   {QStringLiteral("ticked"), stored.ticked[at]},
                                   {QStringLiteral("repeats"), stored.repeats[at]}});
    }
    QJsonArray patterns;
    for (const PatternPick &pick : stored.patterns)
        patterns.append(QJsonObject{{QStringLiteral("name"), pick.name}, {QStringLiteral("repeats"), pick.repeats}});
    return json({{QStringLiteral("effects"), effects},
                 {QStringLiteral("numEffects"), stored.numEffects},
                 {QStringLiteral("patterns"), patterns}});
}

QFuture<HttpResponse> RemoteApi::outputs()
{
    const QString current = commands_.state().output;
    const auto language = LanguageRouter::Speaking::current();
    return QtConcurrent::run([find = findOutputs_, language] {
               std::optional<LanguageRouter::Speaking> speaking;
               if (language)
                   speaking.emplace(*language);
               return find();
           }).then([current](const std::vector<FoundPort> &ports) {
        QJsonArray outputs;
        for (const FoundPort &port : ports) {
            const QString setting = QString::fromStdString(port.setting);
            outputs.append(QJsonObject{{QStringLiteral("setting"), setting},
                                       {QStringLiteral("description"), QString::fromStdString(port.description)},
                                       {QStringLiteral("problem"), QString::fromStdString(port.problem)},
                                       {QStringLiteral("current"), setting == current}});
        }
        return json({{QStringLiteral("outputs"), outputs}});
    });
}
