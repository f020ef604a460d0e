#include "sites/time_zone_table.h"

#include <cstdlib>

namespace nubo {

namespace {

constexpr const char* kLabels[TimeZoneTable::kRows] = {
    "Local Time (default)",
    "GMT-12:00",
    "GMT-11:30 Rarotonga",
    "GMT-11:00 Midway, Samoa",
    "GMT-10:00 Hawaiian Time, Tahiti",
    "GMT-09:30 Marquesas",
    "GMT-09:00 Alaskan Time",
    "GMT-08:30 Pitcairn",
    "GMT-08:00 Pacific Time (US + Canada), Ensenada",
    "GMT-07:00 Mountain Time (US + Canada), Mazatlan",
    "GMT-06:00 Central Time (US + Canada), Mexico City",
    "GMT-05:00 Eastern Time (US + Canada), Bogota",
    "GMT-04:00 Atlantic Time, La Paz, Puerto Rico",
    "GMT-03:30 Newfoundland Time",
    "GMT-03:00 Buenos Aires, Greenland",
    "GMT-02:00 Mid-Atlantic Time",
    "GMT-01:00 Azores",
    "GMT (UTC) Casablanca, Greenwich, Lisbon, London",
    "GMT+01:00 Berlin, Copenhagen, Madrid, Paris, Rome",
    "GMT+02:00 Athens, Cairo, Helsinki, Istanbul, Kiev",
    "GMT+03:00 Moscow, Nairobi, Riyadh, Tbilisi",
    "GMT+03:30 Tehran",
    "GMT+04:00 Dubai",
    "GMT+04:30 Kabul",
    "GMT+05:00 Karachi, Maldives",
    "GMT+05:30 Bombay, Calcutta, New Delhi",
    "GMT+05:45 Katmandu",
    "GMT+06:00 Novosibirsk",
    "GMT+06:30 Cocos, Rangoon",
    "GMT+07:00 Jakarta, Saigon",
    "GMT+08:00 Brunei, Manila, Perth, Shanghai, Singapore",
    "GMT+09:00 Seoul, Tokyo, Yakutsk",
    "GMT+09:30 Adelaide, Darwin",
    "GMT+10:00 Brisbane, Guam, Melbourne, Saipan, Sydney",
    "GMT+10:30",
    "GMT+11:00 Guadalcanal",
    "GMT+11:30 Norfolk",
    "GMT+12:00 Auckland, Fiji, Kamchatka, Marshalls",
    "GMT+13:00 Enderbury",
};

}  // namespace

const char* TimeZoneTable::label(int row) {
    return row >= 0 && row < kRows ? kLabels[row] : "";
}

uint32_t TimeZoneTable::codeOfLabel(const std::string& label) {
    size_t at = label.find("UTC");
    if (at == std::string::npos) {
        at = label.find("GMT");
    }
    if (at == std::string::npos) {
        return 0;
    }
    at += 3;
    if (at >= label.size() || (label[at] != '+' && label[at] != '-')) {
        return 64;
    }
    const int sign = label[at] == '-' ? -1 : 1;
    const char* text = label.c_str() + at + 1;
    char* end = nullptr;
    long hours = std::strtol(text, &end, 10);
    long minutes = *end == ':' ? std::strtol(end + 1, nullptr, 10) : 0;
    return static_cast<uint32_t>(64 + sign * (4 * hours + minutes / 15));
}

uint32_t TimeZoneTable::codeOfRow(int row) {
    return row > 0 && row < kRows ? codeOfLabel(kLabels[row]) : 0;
}

int TimeZoneTable::rowOfCode(uint32_t code) {
    for (int row = 1; row < kRows; ++row) {
        if (codeOfRow(row) == code) {
            return row;
        }
    }
    return 0;
}

}  // namespace nubo
