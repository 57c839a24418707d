// The routes of the schedule, beside the others in RemoteApi.cpp.
#include "RemoteApi.h"

#include "ScheduleBody.h"
#include "ScheduleJson.h"
#include "ScheduleSettings.h"

#include <QUrlQuery>

namespace {

QFuture<HttpResponse> ready(HttpResponse response)
{
    return QtFuture::makeReadyFuture(std::move(response));
}

} // namespace

HttpResponse RemoteApi::scheduleResponse(int days)
{
    return json(scheduleJson::schedule(schedule::readStoredSchedule(settings_), schedule::readSchedule(settings_),
                                       QDateTime::currentDateTimeUtc(), days));
}

std::vector<RemoteApi::Entry> RemoteApi::scheduleEntries()
{
    return {
        {"GET", "/api/v1/schedule", nullptr,
         [](RemoteApi &api, const HttpRequest &request, const QString &) {
             const auto nothing = body::nothing(request.body);
             if (const auto *problem = std::get_if<body::Problem>(&nothing))
                 return ready(error(400, problem->reason));
             const QUrlQuery query(QString::fromLatin1(request.query));
             int days = scheduleJson::DefaultDays;
             if (query.hasQueryItem(QStringLiteral("days"))) {
                 bool ok = false;
                 days = query.queryItemValue(QStringLiteral("days")).toInt(&ok);
                 if (!ok || days < 0 || days > scheduleJson::MostDays)
                     return ready(error(400, tr("?days= takes 0 to %1 days.").arg(scheduleJson::MostDays)));
             }
             return ready(api.scheduleResponse(days));
         }},
        {"PUT", "/api/v1/schedule",
         [](RemoteApi &api, const QByteArray &body, const QString &) {
             const auto change = body::scheduleChange(body);
             if (const auto *problem = std::get_if<body::Problem>(&change))
                 return ready(error(400, problem->reason));
             const body::ScheduleChange &asked = std::get<body::ScheduleChange>(change);
             if (const PlayerCommands::Failure problem = PlayerCommands::scheduleProblem(asked.edit))
                 return ready(error(400, *problem));
             if (const PlayerCommands::Failure refused = api.commands_.setSchedule(asked.edit, asked.version))
                 return ready(error(409, *refused));
             return ready(api.scheduleResponse(scheduleJson::DefaultDays));
         }},
    };
}
