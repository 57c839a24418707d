#pragma once

namespace schedule {

// Where the sun is watched from, in degrees; north and east are positive.
struct Place {
    double latitude = 0;
    double longitude = 0;
};

} // namespace schedule
