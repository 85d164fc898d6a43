#include "replay/view_commands.h"

#include <charconv>
#include <ostream>

namespace vel::replay {
namespace {

bool ParseInt(const std::string& text, int32_t& v) {
    const char* end = text.data() + text.size();
    const auto r = std::from_chars(text.data(), end, v);
    return r.ec == std::errc() && r.ptr == end;
}

int Bad(Session& s, const char* why) {
    *s.err << why << "\n";
    return kMalformed;
}

}  // namespace

int TimeOfDay(Session& s, Args a) {
    int32_t hour = 0, minute = 0;
    if (!ParseInt(a[0], hour) || hour < 0 || hour > 23) return Bad(s, "time takes an hour 0..23");
    if (a.size() > 1 && (!ParseInt(a[1], minute) || minute < 0 || minute > 59))
        return Bad(s, "the minute is 0..59");
    SimClock& c = s.game->simClock;
    const double departure = 60.0 * s.game->cruiseOptions.departureHour;
    const double wanted = 60.0 * hour + minute;
    // On the first day the clock counts from the departure; an earlier hour
    // belongs to the next morning.
    if (c.day == 1 && wanted < departure) c.day = 2;
    if (c.minutesPerUnit > 0.0) {
        const double firstDay = (c.day == 1 ? departure : 0.0);
        c.elapsedToday = (wanted - firstDay) / c.minutesPerUnit;
        if (c.day == 1) c.elapsed = c.elapsedToday;
        c.cruiseMinutes = c.minutesPerUnit * c.elapsed + departure;
    }
    c.dayMinutes = wanted;
    c.dayHours = wanted / 60.0;
    c.hour = hour;
    c.minute = minute;
    return kOk;
}

int WeatherKind(Session& s, Args a) {
    Weather& w = s.game->weather;
    const std::string& kind = a[0];
    if (kind == "clear") {
        w.fog = 0;
        w.storm = 0;
        w.cloudCover = 1;
    } else if (kind == "fog") {
        w.fog = 1;
        w.fogSeen = 1;
        w.storm = 0;
    } else if (kind == "thunder") {
        w.storm = 1;
    } else if (kind == "storm") {
        w.storm = 2;
    } else if (kind == "overcast") {
        w.cloudCover = 3;
    } else {
        return Bad(s, "weather takes clear, fog, thunder, storm or overcast");
    }
    return kOk;
}

}  // namespace vel::replay
