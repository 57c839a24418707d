#include "AvahiAnnouncer.h"

#ifdef LAMPOTRON_WITH_AVAHI
#include "LogLine.h"

#include <QHostInfo>

#include <avahi-client/client.h>
#include <avahi-client/publish.h>
#include <avahi-common/alternative.h>
#include <avahi-common/error.h>
#include <avahi-common/malloc.h>
#include <avahi-common/thread-watch.h>

#include <string>

// Touched only on Avahi's thread once that runs, or under its lock.
struct AvahiAnnouncer::Announcement {
    quint16 port;
    const char *type;
    std::string name;
    AvahiThreadedPoll *poll = nullptr;
    AvahiClient *client = nullptr;
    AvahiEntryGroup *group = nullptr;
};

namespace {

using Announcement = AvahiAnnouncer::Announcement;

void logAvahi(const QString &what, int error)
{
    logLine(QStringLiteral("The remote is not announced on the network (%1: %2); open it by its address.")
                .arg(what, QString::fromUtf8(avahi_strerror(error))));
}

// Another service on the network has the name: take the next, "… #2".
void takeAnotherName(Announcement &announcement)
{
    char *next = avahi_alternative_service_name(announcement.name.c_str());
    announcement.name = next;
    avahi_free(next);
}

void announce(Announcement &announcement, AvahiClient *client);

void groupChanged(AvahiEntryGroup *group, AvahiEntryGroupState state, void *data)
{
    auto &announcement = *static_cast<Announcement *>(data);
    if (state == AVAHI_ENTRY_GROUP_COLLISION) {
        takeAnotherName(announcement);
        avahi_entry_group_reset(group);
        announce(announcement, avahi_entry_group_get_client(group));
    } else if (state == AVAHI_ENTRY_GROUP_ESTABLISHED) {
        logLine(QStringLiteral("The remote is announced on the network as \"%1\"")
                    .arg(QString::fromStdString(announcement.name)));
    } else if (state == AVAHI_ENTRY_GROUP_FAILURE) {
        logAvahi(QStringLiteral("the daemon refused it"), avahi_client_errno(avahi_entry_group_get_client(group)));
    }
}

void announce(Announcement &announcement, AvahiClient *client)
{
    if (!announcement.group)
        announcement.group = avahi_entry_group_new(client, groupChanged, &announcement);
    if (!announcement.group) {
        logAvahi(QStringLiteral("no entry group"), avahi_client_errno(client));
        return;
    }
    if (!avahi_entry_group_is_empty(announcement.group))
        return;
    int result = AVAHI_ERR_COLLISION;
    while (result == AVAHI_ERR_COLLISION) {
        result = avahi_entry_group_add_service(announcement.group, AVAHI_IF_UNSPEC, AVAHI_PROTO_UNSPEC,
                                               AvahiPublishFlags(0), announcement.name.c_str(), announcement.type,
                                               nullptr, nullptr, announcement.port, "path=/", nullptr);
        if (result == AVAHI_ERR_COLLISION)
            takeAnotherName(announcement);
    }
    if (result >= 0)
        result = avahi_entry_group_commit(announcement.group);
    if (result < 0)
        logAvahi(QStringLiteral("the service could not be added"), result);
}

void clientChanged(AvahiClient *client, AvahiClientState state, void *data);

// Waits for a daemon that is not there yet instead of failing.
AvahiClient *connectToDaemon(Announcement &announcement)
{
    int error = 0;
    AvahiClient *client = avahi_client_new(avahi_threaded_poll_get(announcement.poll), AVAHI_CLIENT_NO_FAIL,
                                           clientChanged, &announcement, &error);
    if (!client)
        logAvahi(QStringLiteral("neither the system bus nor the Avahi daemon answers"), error);
    return client;
}

void clientChanged(AvahiClient *client, AvahiClientState state, void *data)
{
    auto &announcement = *static_cast<Announcement *>(data);
    switch (state) {
    case AVAHI_CLIENT_S_RUNNING:
        announce(announcement, client);
        break;
    case AVAHI_CLIENT_S_COLLISION:
    case AVAHI_CLIENT_S_REGISTERING:
        // The daemon is renaming the machine; the service follows once it runs again.
        if (announcement.group)
            avahi_entry_group_reset(announcement.group);
        break;
    case AVAHI_CLIENT_FAILURE:
        // A restarted daemon knows nothing of the old connection or its service.
        if (avahi_client_errno(client) == AVAHI_ERR_DISCONNECTED) {
            avahi_client_free(client);
            announcement.group = nullptr;
            announcement.client = connectToDaemon(announcement);
        } else {
            logAvahi(QStringLiteral("the daemon failed"), avahi_client_errno(client));
        }
        break;
    case AVAHI_CLIENT_CONNECTING:
        break;
    }
}

} // namespace

AvahiAnnouncer::AvahiAnnouncer(quint16 port, bool secure)
    : announcement_(new Announcement{port, secure ? "_https._tcp" : "_http._tcp",
                                     // A service name is 63 bytes at most; host names are ASCII.
                                     QStringLiteral("Lampotron on %1").arg(QHostInfo::localHostName()).left(63).toStdString()})
{
    announcement_->poll = avahi_threaded_poll_new();
    if (!announcement_->poll)
        return;
    announcement_->client = connectToDaemon(*announcement_);
    if (announcement_->client)
        avahi_threaded_poll_start(announcement_->poll);
}

// The service goes with the client; the daemon says goodbye on the network.
AvahiAnnouncer::~AvahiAnnouncer()
{
    if (!announcement_->poll)
        return;
    avahi_threaded_poll_stop(announcement_->poll);
    if (announcement_->client)
        avahi_client_free(announcement_->client);
    avahi_threaded_poll_free(announcement_->poll);
}
#else
struct AvahiAnnouncer::Announcement {
};

AvahiAnnouncer::AvahiAnnouncer(quint16, bool)
{
}

AvahiAnnouncer::~AvahiAnnouncer() = default;
#endif
