#include "AvahiHostName.h"

#ifdef LAMPOTRON_WITH_AVAHI
#include <avahi-client/client.h>
#include <avahi-common/simple-watch.h>

#include <memory>

// The client learns the name while it connects, so no loop needs to run.
std::optional<QString> avahiHostName()
{
    const std::unique_ptr<AvahiSimplePoll, void (*)(AvahiSimplePoll *)> poll(avahi_simple_poll_new(),
                                                                            avahi_simple_poll_free);
    if (!poll)
        return std::nullopt;
    int error = 0;
    const std::unique_ptr<AvahiClient, void (*)(AvahiClient *)> client(
        avahi_client_new(avahi_simple_poll_get(poll.get()), AvahiClientFlags(0), nullptr, nullptr, &error),
        avahi_client_free);
    if (!client || avahi_client_get_state(client.get()) != AVAHI_CLIENT_S_RUNNING)
        return std::nullopt;
    const char *name = avahi_client_get_host_name_fqdn(client.get());
    if (!name || !*name)
        return std::nullopt;
    return QString::fromUtf8(name);
}
#else
std::optional<QString> avahiHostName()
{
    return std::nullopt;
}
#endif
