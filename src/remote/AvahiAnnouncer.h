#pragma once

#include <QtGlobal>

#include <memory>

// Announces the remote on the network through the Avahi daemon as an
// _http._tcp service (_https._tcp over TLS) for as long as it lives, so that
// phones and Home Assistant can find it. It waits for a daemon that is not
// running yet and announces again after the daemon restarts; without one,
// nothing fails. The daemon is spoken to on a thread of Avahi's own.
class AvahiAnnouncer {
public:
    AvahiAnnouncer(quint16 port, bool secure);
    ~AvahiAnnouncer();
    AvahiAnnouncer(const AvahiAnnouncer &) = delete;
    AvahiAnnouncer &operator=(const AvahiAnnouncer &) = delete;

    struct Announcement;

private:
    std::unique_ptr<Announcement> announcement_;
};
