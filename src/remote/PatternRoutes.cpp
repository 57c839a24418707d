// The routes of the patterns, beside the others in RemoteApi.cpp.
#include "RemoteApi.h"

#include "PatternBody.h"

#include <QJsonArray>

namespace {

QFuture<HttpResponse> ready(HttpResponse response)
{
    return QtFuture::makeReadyFuture(std::move(response));
}

// A route's answer, or the reason the body was refused.
template <typename Value, typename Answer>
QFuture<HttpResponse> withBody(const body::Read<Value> &input, Answer answer, HttpResponse (*problem)(int, const QString &))
{
    if (const auto *bad = std::get_if<body::Problem>(&input))
        return ready(problem(400, bad->reason));
    return ready(answer(std::get<Value>(input)));
}

} // namespace

HttpResponse RemoteApi::refused(const pattern::Refusal &refusal)
{
    using Kind = pattern::Refusal::Kind;
    const int status = refusal.kind == Kind::BadInput   ? 400
                       : refusal.kind == Kind::NotFound ? 404
                       : refusal.kind == Kind::Disk     ? 500
                                                        : 409;
    return error(status, refusal.reason);
}

std::vector<RemoteApi::Entry> RemoteApi::patternEntries()
{
    const auto named = [](const QString &name, int version) {
        return json({{QStringLiteral("name"), name}, {QStringLiteral("version"), version}});
    };
    return {
        {"GET", "/api/v1/patterns",
         [](RemoteApi &api, const QByteArray &body, const QString &) {
             return withBody(body::nothing(body), [&api](std::monostate) { return api.patternList(); }, error);
         }},
        {"GET", "/api/v1/patterns/{name}",
         [](RemoteApi &api, const QByteArray &body, const QString &name) {
             return withBody(body::nothing(body), [&api, &name](std::monostate) { return api.patternNamed(name); }, error);
         }},
        {"PUT", "/api/v1/patterns/{name}",
         [named](RemoteApi &api, const QByteArray &body, const QString &name) {
             return withBody(body::patternEdit(body), [&](body::PatternEdit edit) {
                 if (const pattern::Outcome outcome = api.commands_.savePattern(name, edit.steps, edit.version))
                     return refused(*outcome);
                 return named(name, edit.version);
             }, error);
         }},
        {"DELETE", "/api/v1/patterns/{name}",
         [](RemoteApi &api, const QByteArray &body, const QString &name) {
             return withBody(body::version(body), [&](int version) {
                 if (const pattern::Outcome outcome = api.commands_.deletePattern(name, version))
                     return refused(*outcome);
                 return json({{QStringLiteral("deleted"), name}});
             }, error);
         }},
        {"POST", "/api/v1/patterns/{name}/play",
         [](RemoteApi &api, const QByteArray &body, const QString &name) {
             return withBody(body::stepsToPlay(body), [&](const std::optional<std::vector<pattern::Step>> &steps) {
                 if (steps) {
                     if (const QString problem = pattern::stepsProblem(*steps); !problem.isEmpty())
                         return error(400, problem);
                 } else if (!api.commands_.findPattern(name)) {
                     return error(404, tr("There is no pattern \"%1\".").arg(name));
                 }
                 if (const PlayerCommands::Failure failed = steps ? api.commands_.previewPattern(name, *steps) : api.commands_.playPattern(name))
                     return error(409, *failed);
                 return api.stateResponse();
             }, error);
         }},
        {"POST", "/api/v1/patterns/{name}/rename",
         [named](RemoteApi &api, const QByteArray &body, const QString &name) {
             return withBody(body::newName(body, true), [&](const body::NewName &to) {
                 if (const pattern::Outcome outcome = api.commands_.renamePattern(name, to.to, to.version))
                     return refused(*outcome);
                 return named(to.to, api.commands_.findPattern(to.to).value_or(pattern::Pattern()).version);
             }, error);
         }},
        {"POST", "/api/v1/patterns/{name}/copy",
         [named](RemoteApi &api, const QByteArray &body, const QString &name) {
             return withBody(body::newName(body, false), [&](const body::NewName &to) {
                 if (const pattern::Outcome outcome = api.commands_.copyPattern(name, to.to))
                     return refused(*outcome);
                 return named(to.to, api.commands_.findPattern(to.to).value_or(pattern::Pattern()).version);
             }, error);
         }},
    };
}

// The list stays light: the steps come with one pattern at a time.
HttpResponse RemoteApi::patternList()
{
    QJsonArray listed;
    for (const pattern::Pattern &pattern : commands_.patterns())
        listed.append(QJsonObject{{QStringLiteral("name"), pattern.name},
                                  {QStringLiteral("builtIn"), pattern.builtIn()},
                                  {QStringLiteral("steps"), static_cast<qint64>(pattern.steps.size())},
                                  {QStringLiteral("version"), pattern.version}});
    return json({{QStringLiteral("patterns"), listed}});
}

HttpResponse RemoteApi::patternNamed(const QString &name)
{
    const std::optional<pattern::Pattern> found = commands_.findPattern(name);
    if (!found)
        return error(404, tr("There is no pattern \"%1\".").arg(name));
    return json({{QStringLiteral("name"), found->name},
                 {QStringLiteral("builtIn"), found->builtIn()},
                 {QStringLiteral("version"), found->version},
                 {QStringLiteral("steps"), body::stepsJson(found->steps)}});
}
