#include "sample/trip_builder.h"

#include <algorithm>

#include "core/model/text_format.h"
#include "sample/names.h"

namespace tallow::sample {

namespace {

constexpr int kDay = 1440;
constexpr int kLeadAtBase = 60;
constexpr int kLeadAway = 45;
constexpr int kAfterArrival = 15;
constexpr int kMaxDutyTime = 720;
constexpr int kLatestRelease = kDay - 15;
constexpr int kMinLayover = 600;
constexpr int kMinDayCredit = 240;
constexpr int kTripRigDivisor = 4;  // one hour of credit for every four away
constexpr int kMinRest = 660;
constexpr int kLongTripMinRest = 720;
constexpr int kNearbyKm = 150;
constexpr int kShortestLegKm = 50;
constexpr int kLongestOvernightBlock = 150;
constexpr int kSplitDutyBreak = 210;  // a sit this long is rest, not duty
constexpr int kSplitDutyKept = 30;

int RoundUp5(int minutes) {
    return (minutes + 4) / 5 * 5;
}

class TripPlanner {
  public:
    TripPlanner(Rng& rng, const Network& network, SamplePairing& trip)
        : rng_(rng), network_(network), trip_(trip) {}

    void Regular(int dutyDays) {
        trip_.reportClock = rng_.Percent(60) ? rng_.Step(300, 540, 5) : rng_.Step(545, 1050, 5);
        const Airport* station = network_.base;
        int start = 0;
        int spareDays = kMaxTripDays - dutyDays;
        for (int day = 0; day < dutyDays; ++day) {
            bool last = day == dutyDays - 1;
            SampleDuty duty = Duty(start, station, last, day == 0);
            if (!last) {
                int gap = 1;
                if (spareDays > 0 && rng_.Percent(7)) {
                    gap = 2;
                    --spareDays;
                }
                int nextDay = DayOf(duty.start) + gap;
                int next = nextDay * kDay + rng_.Step(330, 780, 5) - trip_.reportClock;
                next = RoundUp5(std::max(next, duty.end + kMinLayover));
                duty.layover = next - duty.end;
                duty.hotel = MakeHotelName(rng_) + Format(" TEL 555-%04d", rng_.Between(100, 9999));
                start = next;
            }
            trip_.duties.push_back(std::move(duty));
        }
    }

    // One overnight duty out and back, with a long sit at the far end.
    void Overnight() {
        trip_.continuousDuty = true;
        trip_.reportClock = rng_.Step(1260, 1410, 5);
        std::vector<const Airport*> near;
        for (const Airport* station : network_.stations) {
            if (Block(*network_.base, *station) <= kLongestOvernightBlock) {
                near.push_back(station);
            }
        }
        const Airport* far = near.empty() ? network_.stations.front() : rng_.Pick(near);
        SampleDuty duty;
        duty.start = 0;
        SampleLeg out = Leg(LegKind::Flight, *network_.base, *far, kLeadAtBase);
        int sit = rng_.Step(60, 270, 5);
        SampleLeg back = Leg(LegKind::Flight, *far, *network_.base, out.arrival + sit);
        duty.end = back.arrival + kAfterArrival;
        duty.legs = {out, back};
        duty.dutyTime = duty.end - duty.start;
        if (sit >= kSplitDutyBreak) {
            duty.dutyTime -= sit - kSplitDutyKept;
        }
        duty.station = network_.base->code;
        trip_.duties.push_back(std::move(duty));
    }

    void Finish() {
        SampleDuty& last = trip_.duties.back();
        // A release at exactly midnight gives the pairing one more day while it
        // is read than after, and its daily credits would not add up.
        if ((trip_.reportClock + last.end) % kDay == 0) {
            last.end += 5;
            last.dutyTime += 5;
        }
        trip_.tafb = last.end;
        int sum = 0;
        for (SampleDuty& duty : trip_.duties) {
            duty.block = 0;
            duty.deadhead = 0;
            for (const SampleLeg& leg : duty.legs) {
                int minutes = leg.arrival - leg.departure;
                (leg.kind == LegKind::Flight ? duty.block : duty.deadhead) += minutes;
            }
            duty.credit =
                std::max({duty.block + duty.deadhead / 2, duty.dutyTime / 2, kMinDayCredit});
            sum += duty.credit;
        }
        trip_.totalCredit = std::max(sum, trip_.tafb / kTripRigDivisor);
        trip_.minRest = trip_.tafb >= 3 * kDay ? kLongTripMinRest : kMinRest;
    }

  private:
    int DayOf(int offset) const { return (trip_.reportClock + offset) / kDay; }

    int Block(const Airport& from, const Airport& to) const {
        return BlockMinutes(*network_.equipment, DistanceKm(from, to));
    }

    // The end of a duty that flies from `from` to `to`, leaving at
    // `departure`; on the last day the sit and the flight home count too.
    int DutyEndVia(const Airport& from, const Airport& to, int departure, bool last,
                   int sit) const {
        int arrival = departure + Block(from, to);
        return (last ? arrival + sit + Block(to, *network_.base) : arrival) + kAfterArrival;
    }

    // A station other than the base within one leg of `from` whose flight
    // keeps the duty within `limit`; else, with `fits` cleared, the one that
    // ends the duty earliest.
    const Airport* Away(const Airport& from, int departure, bool last, int limit, int sit,
                        bool& fits) {
        std::vector<const Airport*> choices;
        const Airport* earliest = nullptr;
        for (const Airport* station : network_.stations) {
            if (station == &from || DistanceKm(from, *station) > network_.equipment->rangeKm) {
                continue;
            }
            int end = DutyEndVia(from, *station, departure, last, sit);
            if (end <= limit) {
                choices.push_back(station);
            }
            if (earliest == nullptr || end < DutyEndVia(from, *earliest, departure, last, sit)) {
                earliest = station;
            }
        }
        fits = !choices.empty();
        if (fits) {
            return rng_.Pick(choices);
        }
        return earliest == nullptr ? network_.stations.front() : earliest;
    }

    // A station close enough for a surface transfer; the base only when the
    // trip is on its way home. Null when there is none.
    const Airport* Nearby(const Airport& from, bool home) {
        std::vector<const Airport*> choices;
        if (home) {
            if (DistanceKm(from, *network_.base) <= kNearbyKm && &from != network_.base) {
                choices.push_back(network_.base);
            }
        } else {
            for (const Airport* station : network_.stations) {
                if (station != &from && DistanceKm(from, *station) <= kNearbyKm) {
                    choices.push_back(station);
                }
            }
        }
        return choices.empty() ? nullptr : rng_.Pick(choices);
    }

    SampleLeg Leg(LegKind kind, const Airport& from, const Airport& to, int departure) {
        static const std::vector<std::string> kCarriers = {"QJ", "XK", "VT"};
        static const std::vector<std::string> kRemarks = {"CNF", "PSP", "OAL"};
        static const std::vector<std::string> kTransfers = {"LIM", "BUS", "TAX"};
        SampleLeg leg;
        leg.kind = kind;
        leg.from = from.code;
        leg.to = to.code;
        leg.departure = departure;
        int distance = DistanceKm(from, to);
        int minutes = BlockMinutes(*network_.equipment, distance);
        switch (kind) {
            case LegKind::Flight:
            case LegKind::Deadhead:
                leg.flightNumber = rng_.Between(100, 8999);
                break;
            case LegKind::OtherCarrier:
                leg.designator = rng_.Pick(kCarriers) + Format("%04d", rng_.Between(100, 2999));
                leg.remark = rng_.Pick(kRemarks);
                break;
            case LegKind::Surface:
                leg.designator = rng_.Pick(kTransfers);
                minutes = RoundUp5(30 + distance);
                break;
        }
        leg.arrival = departure + minutes;
        return leg;
    }

    LegKind KindOf(bool firstOfTrip, bool home) {
        if (firstOfTrip && rng_.Percent(6)) {
            return LegKind::Deadhead;
        }
        if (home && rng_.Percent(6)) {
            return rng_.Percent(50) ? LegKind::OtherCarrier : LegKind::Deadhead;
        }
        return rng_.Percent(5) ? LegKind::Surface : LegKind::Flight;
    }

    // Legs from `station` until the duty's target, a duty-time limit or, on
    // the last day, the base is reached. Never ends at the base before the
    // last day.
    SampleDuty Duty(int start, const Airport*& station, bool last, bool firstOfTrip) {
        SampleDuty duty;
        duty.start = start;
        int limit = std::min(start + kMaxDutyTime, (DayOf(start) + 1) * kDay -
                                                       (kDay - kLatestRelease) - trip_.reportClock);
        int target = rng_.Between(1, network_.equipment->maxLegs);
        if (last && station == network_.base) {
            target = std::max(target, 2);
        }
        int departure = start + (station == network_.base ? kLeadAtBase : kLeadAway);
        for (;;) {
            bool home = last && static_cast<int>(duty.legs.size()) == target - 1;
            int sit = rng_.Step(30, 75, 5);
            bool fits = true;
            const Airport* to =
                home ? network_.base : Away(*station, departure, last, limit, sit, fits);
            if (!fits && last && station != network_.base) {
                home = true;
                to = network_.base;
            }
            LegKind kind = KindOf(firstOfTrip && duty.legs.empty(), home);
            if (kind == LegKind::Surface) {
                const Airport* nearby = Nearby(*station, home);
                if (nearby == nullptr) {
                    kind = LegKind::Flight;
                } else {
                    to = nearby;
                }
            }
            SampleLeg leg = Leg(kind, *station, *to, departure);
            int needed = leg.arrival + kAfterArrival;
            if (last && to != network_.base) {
                needed = leg.arrival + sit + Block(*to, *network_.base) + kAfterArrival;
            }
            if (needed > limit && !duty.legs.empty()) {
                if (!last) {
                    break;
                }
                to = network_.base;
                leg = Leg(LegKind::Flight, *station, *to, departure);
            }
            duty.legs.push_back(leg);
            station = to;
            departure = leg.arrival + sit;
            if (last ? station == network_.base : static_cast<int>(duty.legs.size()) >= target) {
                break;
            }
        }
        duty.end = duty.legs.back().arrival + kAfterArrival;
        duty.dutyTime = duty.end - duty.start;
        duty.station = station->code;
        return duty;
    }

    Rng& rng_;
    const Network& network_;
    SamplePairing& trip_;
};

}  // namespace

Network MakeNetwork(const Airport& base, const Equipment& equipment) {
    Network network;
    network.base = &base;
    network.equipment = &equipment;
    for (const Airport& airport : Airports()) {
        int distance = DistanceKm(base, airport);
        if (&airport != &base && distance >= kShortestLegKm && distance <= equipment.rangeKm) {
            network.stations.push_back(&airport);
        }
    }
    return network;
}

SamplePairing MakeTrip(Rng& rng, const Network& network, TripKind kind, int dutyDays) {
    SamplePairing trip;
    trip.base = network.base->code;
    trip.equipment = network.equipment->code;
    trip.captains = rng.Percent(4) ? 2 : 1;
    trip.officers = 1;
    trip.pursers = network.equipment->pursers;
    trip.attendants = network.equipment->attendants + (rng.Percent(8) ? 1 : 0);
    if (rng.Percent(2)) {
        trip.pursers = 0;  // a ferry flight: no cabin crew
        trip.attendants = 0;
    }
    TripPlanner planner(rng, network, trip);
    if (kind == TripKind::ContinuousDuty) {
        planner.Overnight();
    } else {
        planner.Regular(std::clamp(dutyDays, 1, kMaxTripDays));
    }
    planner.Finish();
    return trip;
}

int TripLengthDays(const SamplePairing& pairing) {
    return (pairing.reportClock + pairing.tafb - 1) / kDay + 1;
}

}  // namespace tallow::sample
