// The routes of sequences in and out, beside the others in RemoteApi.cpp.
#include "RemoteApi.h"

#include "Fseq.h"

#include <QUrlQuery>

namespace {

QFuture<HttpResponse> ready(HttpResponse response)
{
    return QtFuture::makeReadyFuture(std::move(response));
}

// A whole number from the query, or the fallback when it is not there.
std::optional<int> number(const QUrlQuery &query, const QString &key, int fallback, int lowest, int highest)
{
    if (!query.hasQueryItem(key))
        return fallback;
    bool ok = false;
    const int value = query.queryItemValue(key).toInt(&ok);
    return ok && value >= lowest && value <= highest ? std::optional(value) : std::nullopt;
}

} // namespace

std::vector<RemoteApi::Entry> RemoteApi::fseqEntries()
{
    return {
        {"POST", "/api/v1/patterns/import", nullptr,
         [](RemoteApi &api, const HttpRequest &request, const QString &) {
             const QUrlQuery query(QString::fromLatin1(request.query));
             const QString name = query.queryItemValue(QStringLiteral("name"), QUrl::FullyDecoded);
             if (const QString problem = pattern::nameProblem(name); !problem.isEmpty())
                 return ready(error(400, QStringLiteral("?name=: %1").arg(problem)));
             const auto channel = number(query, QStringLiteral("channel"), 1, 1, std::numeric_limits<int>::max());
             const auto threshold = number(query, QStringLiteral("threshold"), 128, 1, 255);
             if (!channel || !threshold)
                 return ready(error(400, tr("?channel= takes a channel from 1 on, ?threshold= a level from 1 to 255.")));
             const fseq::ImportResult imported = fseq::importBytes(request.body, {*channel, *threshold});
             if (!imported.problem.isEmpty())
                 return ready(error(400, tr("The sequence was not imported: %1").arg(imported.problem)));
             int version = 0;
             if (const pattern::Outcome outcome = api.commands_.savePattern(name, imported.steps, version))
                 return ready(refused(*outcome));
             return ready(json({{QStringLiteral("name"), name},
                                {QStringLiteral("version"), version},
                                {QStringLiteral("steps"), static_cast<qint64>(imported.steps.size())},
                                {QStringLiteral("frames"), imported.frames},
                                {QStringLiteral("frameMs"), imported.frameMs}}));
         }},
        {"GET", "/api/v1/patterns/{name}.fseq", nullptr,
         [](RemoteApi &api, const HttpRequest &request, const QString &name) {
             const QUrlQuery query(QString::fromLatin1(request.query));
             const auto frame = number(query, QStringLiteral("frame"), 25, 25, 50);
             if (!frame || (*frame != 25 && *frame != 50))
                 return ready(error(400, tr("?frame= takes 25 or 50 (ms).")));
             const std::optional<pattern::Pattern> found = api.commands_.findPattern(name);
             if (!found)
                 return ready(error(404, tr("There is no pattern \"%1\".").arg(name)));
             const fseq::ExportResult made = fseq::exportSteps(found->steps, *frame, api.commands_.state().speedMs);
             if (!made.problem.isEmpty())
                 return ready(error(409, made.problem));
             HttpResponse file{200, "application/octet-stream", made.file, {}};
             file.headers.emplaceBack("Content-Disposition",
                                      "attachment; filename=\"pattern.fseq\"; filename*=UTF-8''" +
                                          QUrl::toPercentEncoding(name) + ".fseq");
             return ready(file);
         }},
    };
}
