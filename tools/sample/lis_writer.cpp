#include "sample/lis_writer.h"

#include <algorithm>
#include <array>
#include <set>
#include <string_view>

#include "core/model/text_format.h"
#include "sample/airports.h"
#include "sample/fixed_line.h"
#include "sample/fleet.h"
#include "sample/rng.h"

namespace tallow::sample {

namespace {

constexpr uint64_t kLisStream = 4;
constexpr int kDay = 1440;
constexpr int kPageLines = 60;
constexpr size_t kLegWidth = 96;
constexpr int kPercentFrench = 25;
constexpr int kPercentUntyped = 5;
constexpr std::array<int, 5> kCraShares = {0, 30, 60, 85, 100};
constexpr size_t kFillerRoom = 16384;  // more than one listing and the end
constexpr std::string_view kCra = "CRA [";
// First digits of the numbers that other bases' listings use: no equipment
// of the month has them, so a filler trip never takes a month's designator.
constexpr std::array<char, 4> kFillerDigits = {'9', '6', '3', '0'};

std::string Designator(const SamplePairing& pairing) {
    return Format("%c%04d", pairing.baseLetter, pairing.number);
}

std::string ClockText(int minutes) {
    int clock = ((minutes % kDay) + kDay) % kDay;
    return Format("%02d:%02d", clock / 60, clock % 60);
}

std::string HoursText(int minutes) {
    return Format("%3d:%02d", minutes / 60, minutes % 60);
}

std::string_view OwnMarker(const std::string& equipment) {
    if (equipment == "CRJ") {
        return "CRJ [";
    }
    if (equipment == "E75") {
        return "E75 [";
    }
    return "DH1 [";
}

bool InUnitedStates(const std::string& code) {
    const Airport* airport = FindAirport(code);
    return airport != nullptr && std::string_view(airport->country) == "USA";
}

bool TouchesUnitedStates(const SamplePairing& pairing) {
    for (const SampleDuty& duty : pairing.duties) {
        for (const SampleLeg& leg : duty.legs) {
            if (InUnitedStates(leg.from) || InUnitedStates(leg.to)) {
                return true;
            }
        }
    }
    return false;
}

std::string Amount(Rng& rng, int low, int high) {
    return Format("%4d.%02d", rng.Between(low, high), rng.Step(0, 95, 5));
}

// The text pages: page breaks with their headers and the listings.
class Listing {
  public:
    Listing(const SampleMonth& month, Rng& rng)
        : month_(month),
          rng_(rng),
          markerColumn_(kLisFlightColumn +
                        (month.PilotGroup() ? kLisPilotMarkerDistance : kLisCabinMarkerDistance)) {}

    void Cover() {
        Page(month_.options.base);
        Line("CREW PAIRING LISTING FOR THE PERIOD " + DateText(0) + " TO " +
             DateText(month_.dayCount - 1));
        Line("");
        Line("EACH LEG SHOWS ITS AIRCRAFT TYPE IN BRACKETS WITH THE SEATS OF THE TYPE.");
        Line("LANGUAGE MARKS NAME THE LANGUAGE OF SERVICE OF THE TRIP.");
        Line("MEAL ALLOWANCES ARE GIVEN PER TRIP IN CANADIAN AND US FUNDS.");
    }

    void Pairing(const SamplePairing& pairing, const std::string& designator,
                 const std::string& base) {
        bool french = rng_.Percent(kPercentFrench);
        bool untyped = rng_.Percent(kPercentUntyped);
        int craShare =
            kCraShares[static_cast<size_t>(rng_.Below(static_cast<int>(kCraShares.size())))];
        int legs = 0;
        for (const SampleDuty& duty : pairing.duties) {
            legs += static_cast<int>(duty.legs.size()) + 1;
        }
        if (lines_ + legs + 8 > kPageLines || base != pageBase_) {
            Page(base);
        }
        Line(Format("PAIRING %s   %s %s   REPORT %s   TAFB %s   CREDIT %s   ", designator.c_str(),
                    base.c_str(), pairing.equipment.c_str(), ClockText(pairing.reportClock).c_str(),
                    HoursText(pairing.tafb).c_str(), HoursText(pairing.totalCredit).c_str()) +
             pairing.Complement());
        Line("OPERATES " + DateText(pairing.firstDay) + " - " + DateText(pairing.lastDay) +
             "   LANGUAGE: " + (french ? "FRENCH" : "ENGLISH"));
        Line(" DAY     FLT   FROM TO   DEP    ARR    BLOCK");
        for (const SampleDuty& duty : pairing.duties) {
            for (const SampleLeg& leg : duty.legs) {
                LegLine(pairing, leg, untyped ? std::string_view() : Marker(pairing, craShare));
            }
            Line(Format("         DUTY %s-%s   BLOCK %s   CREDIT %s   LAYOVER %s",
                        ClockText(pairing.reportClock + duty.start).c_str(),
                        ClockText(pairing.reportClock + duty.end).c_str(),
                        HoursText(duty.block).c_str(), HoursText(duty.credit).c_str(),
                        duty.station.c_str()));
        }
        if (TouchesUnitedStates(pairing)) {
            Line("MEALS US: " + Amount(rng_, 10, 90));
        }
        Line("MEALS CAD: " + Amount(rng_, 20, 160) + "   PER DIEM");
        Line("");
    }

    void End() { Line("*** END OF LISTING ***"); }

    // Blank lines up to exactly `bytes`, so a listing has the size asked
    // for and a short one still holds the text the reader wants.
    void PadTo(size_t bytes) {
        while (text_.size() < bytes) {
            Line(std::string(std::min(kLegWidth, bytes - text_.size() - 1), ' '));
        }
    }

    const std::string& Text() const { return text_; }

  private:
    std::string DateText(int day) const {
        Date date = month_.DayDate(day);
        std::string name = date.MonthName().substr(0, 3);
        for (char& c : name) {
            c = static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
        }
        return Format("%02d %s %04d", date.Day(), name.c_str(), date.Year());
    }

    std::string_view Marker(const SamplePairing& pairing, int craShare) {
        return rng_.Percent(craShare) ? kCra : OwnMarker(pairing.equipment);
    }

    void LegLine(const SamplePairing& pairing, const SampleLeg& leg, std::string_view marker) {
        FixedLine line(kLegWidth);
        line.Put(1, Format("%2d", (pairing.reportClock + leg.departure) / kDay + 1));
        bool own = leg.kind == LegKind::Flight || leg.kind == LegKind::Deadhead;
        if (leg.kind != LegKind::Flight) {
            line.Put(5, "DH");
        }
        line.Put(kLisFlightColumn, own ? Format("%4d", leg.flightNumber) : std::string("OAL"));
        line.Put(15, leg.from);
        line.Put(19, leg.to);
        line.Put(24, ClockText(pairing.reportClock + leg.departure));
        line.Put(31, ClockText(pairing.reportClock + leg.arrival));
        line.Put(38, HoursText(leg.arrival - leg.departure));
        if (own && !marker.empty()) {
            line.Put(markerColumn_, marker);
            line.Put(markerColumn_ + marker.size(), Format("%3d]", rng_.Between(37, 76)));
        }
        Line(line.Text());
    }

    void Page(const std::string& base) {
        if (!text_.empty()) {
            text_ += '\f';
        }
        ++page_;
        pageBase_ = base;
        lines_ = 0;
        Line(Format("VELLUMIX CREW SCHEDULING     PAIRING LISTING     BASE %s     PAGE %5d",
                    base.c_str(), page_));
        Line("");
    }

    void Line(const std::string& line) {
        text_ += line;
        text_ += '\n';
        ++lines_;
    }

    const SampleMonth& month_;
    Rng& rng_;
    size_t markerColumn_;
    std::string text_;
    std::string pageBase_;
    int page_ = 0;
    int lines_ = 0;
};

// A printer header: bytes that are no text, the last of them a zero byte.
std::string Header(Rng& rng) {
    std::string header(kLisHeaderBytes, '\0');
    for (size_t i = 0; i + 1 < header.size(); ++i) {
        if (i % 16 != 0) {
            header[i] = static_cast<char>(0x80 + rng.Below(0x80));
        }
    }
    return header;
}

}  // namespace

std::string LisText(const SampleMonth& month) {
    Rng rng = Rng::Stream(month.options.seed, kLisStream);
    std::string header = Header(rng);
    Listing listing(month, rng);
    std::set<std::string> own;
    listing.Cover();
    for (const SamplePairing& pairing : month.pairings) {
        listing.Pairing(pairing, Designator(pairing), pairing.base);
        own.insert(Designator(pairing));
    }
    size_t wanted = month.options.lisBytes > kLisMinBytes ? month.options.lisBytes : kLisMinBytes;
    auto full = [&] { return header.size() + listing.Text().size() + kFillerRoom >= wanted; };
    // Other bases' trips, made from the month's under their letters.
    while (!month.pairings.empty() && !full()) {
        for (const Base& base : Bases()) {
            for (char digit : kFillerDigits) {
                for (size_t i = 0; i < month.pairings.size() && !full(); ++i) {
                    std::string designator = Designator(month.pairings[i]);
                    designator[0] = base.letter;
                    designator[1] = digit;
                    if (!own.contains(designator)) {
                        listing.Pairing(month.pairings[i], designator, base.station);
                    }
                }
            }
        }
    }
    listing.End();
    listing.PadTo(wanted - header.size());
    return header + listing.Text();
}

}  // namespace tallow::sample
