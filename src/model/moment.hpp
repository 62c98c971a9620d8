// One reading of the local clock, as the system's local date and time give it.
#pragma once

namespace mr {

struct LocalMoment {
    int year = 0;
    int month = 0;  // 1 to 12
    int day = 0;    // 1 to 31
    int hour = 0;   // 0 to 23
    int minute = 0;
    int second = 0;
};

}  // namespace mr
