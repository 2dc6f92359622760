#include "web/StatsReport.h"

namespace web {

StartReport planStartReport(std::string_view editionCode, bool startReported) {
    StartReport report;
    if (editionCode == kSilentEdition)
        return report;
    report.send = true;
    report.unique = !startReported;
    report.stat2 = report.unique ? 1 : 0;
    return report;
}

bool startReportedAfter(const StartReport &report, bool startReported, bool accepted) {
    return report.send && report.unique ? accepted : startReported;
}

std::array<int, 12> matchReportValues(const MatchReport &match) {
    constexpr int kNetworkBlock = 3;
    std::array<int, 12> r{};
    switch (match.kind) {
    case ReportedMatch::Local:
    case ReportedMatch::Account:
        r[0] = match.hands;
        r[1] = match.cycleComplete ? 1 : 0;
        r[2] = match.score > 0 ? match.score : 0;
        r[3] = match.score < 0 ? -match.score : 0;
        break;
    case ReportedMatch::Network:
        if (match.networkHost)
            r[4] = kNetworkBlock;
        break;
    case ReportedMatch::Tournament:
        if (match.tournamentLeader)
            r[5] = 1;
        break;
    }
    return r;
}

int dynamicIq(std::int64_t won, std::int64_t lost) {
    const std::int64_t sum = won + lost;
    if (sum == 0)
        return 0;
    // lost * 100 / sum, halves to the even neighbour, in whole numbers.
    const std::int64_t numerator = lost * 100;
    std::int64_t quotient = numerator / sum;
    std::int64_t remainder = numerator % sum;
    if (remainder < 0) {
        remainder += sum > 0 ? sum : -sum;
        quotient -= sum > 0 ? 1 : -1;
    }
    const std::int64_t twice = 2 * remainder;
    const std::int64_t whole = sum > 0 ? sum : -sum;
    if (twice > whole || (twice == whole && quotient % 2 != 0))
        ++quotient;
    return static_cast<int>(quotient);
}

ShortCount shortCount(std::int64_t count) {
    if (count < 1000)
        return {std::to_string(count), 0};
    if (count < 1'000'000)
        return {std::to_string(count / 1000), 'K'};
    if (count < 1'000'000'000)
        return {std::to_string(count / 1'000'000), 'M'};
    return {std::to_string(count / 1'000'000'000), 'G'};
}

DigitPlaces digitPlaces(std::size_t length) {
    switch (length) {
    case 1:
        return {{50}, 0, 0};
    case 2:
        return {{38, 58}, 0, 0};
    case 3:
        return {{29, 49, 69}, 0, 0};
    case 4:
        return {{27, 42, 57, 72}, 15, 40};
    case 5:
        return {{28, 40, 52, 64, 76}, 12, 40};
    case 6:
        return {{15, 24, 33, 42, 51, 60}, 9, 40};
    default:
        return {};
    }
}

} // namespace web
