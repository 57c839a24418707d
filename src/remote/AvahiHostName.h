#pragma once

#include <QString>

#include <optional>

// The name the Avahi daemon answers for on the network, such as "box.local";
// nothing when the daemon is not running or this build has no Avahi.
std::optional<QString> avahiHostName();
