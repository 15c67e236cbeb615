#include "sample/prg_writer.h"

#include <array>

#include "core/model/text_format.h"
#include "sample/fixed_line.h"

namespace tallow::sample {

namespace {

constexpr int kDay = 1440;

int FloorDiv(int value, int divisor) {
    int quotient = value / divisor;
    return value % divisor < 0 ? quotient - 1 : quotient;
}

// Local dates and clock times of one operation of a pairing.
class Operation {
  public:
    Operation(const SampleMonth& month, const SamplePairing& pairing, int day)
        : month_(month), day_(day), report_(month.ReportMoment(pairing, day)) {}

    std::string Date(int offset) const { return DateText(LocalDay(offset)); }
    int Clock(int offset) const { return Local(offset) - LocalDay(offset) * kDay; }
    // Day of the pairing, 0 on the day of the report.
    int PairingDay(int offset) const { return LocalDay(offset) - day_; }
    std::string StartDate() const { return DateText(day_); }
    std::string DayText(int day) const { return DateText(day); }

  private:
    int Local(int offset) const { return month_.ToLocal(report_ + offset); }
    int LocalDay(int offset) const { return FloorDiv(Local(offset), kDay); }
    std::string DateText(int day) const {
        tallow::Date date = month_.DayDate(day);
        return Format("%04d%02d%02d", date.Year(), date.Month(), date.Day());
    }

    const SampleMonth& month_;
    int day_;
    int report_;
};

void PutDesignator(FixedLine& line, const SamplePairing& pairing) {
    line.Put(1, pairing.baseLetter);
    line.PutNumber(2, 4, pairing.number);
}

std::string Header(const SampleMonth& month, const SamplePairing& pairing, const Operation& op) {
    FixedLine line(kPrgHeaderWidth);
    line.Put(0, '1');
    PutDesignator(line, pairing);
    line.Put(15, op.DayText(pairing.firstDay));
    line.Put(23, op.DayText(pairing.lastDay));
    for (size_t k = 0; k < pairing.weekdays.size(); ++k) {
        line.Put(31 + k, pairing.weekdays[k] ? 'Y' : 'N');
    }
    for (size_t k = 0; k < pairing.exceptions.size(); ++k) {
        int day = pairing.exceptions[k];
        Date date = month.DayDate(day);
        line.PutNumber(38 + 4 * k, 2, day < 0 ? 0 : date.Month());
        line.PutNumber(40 + 4 * k, 2, day < 0 ? 0 : date.Day());
    }
    line.Put(70, op.StartDate());
    line.PutNumber(78, 4, pairing.reportClock);
    line.PutNumber(107, 5, pairing.tafb);
    line.Put(112, pairing.continuousDuty ? 'Y' : 'N');
    line.Put(113, pairing.Complement().substr(0, kComplementWidth));
    line.PutNumber(145, 4, pairing.minRest);
    std::array<int, kHardTimeDays> hard{};
    for (const SampleDuty& duty : pairing.duties) {
        int day = op.PairingDay(duty.start);
        if (day >= 0 && day < kHardTimeDays) {
            hard[static_cast<size_t>(day)] += duty.block;
        }
    }
    for (size_t k = 0; k < hard.size(); ++k) {
        line.PutNumber(150 + 4 * k, 4, hard[k]);
    }
    line.PutNumber(299, 4, pairing.totalCredit);
    return line.Text() + "\n";
}

std::string Leg(const SamplePairing& pairing, const SampleLeg& leg, const Operation& op) {
    int minutes = leg.arrival - leg.departure;
    switch (leg.kind) {
        case LegKind::Flight:
        case LegKind::Deadhead: {
            FixedLine line(kPrgLegWidth);
            line.Put(0, '2');
            PutDesignator(line, pairing);
            line.Put(7, op.StartDate());
            line.PutNumber(15, 4, leg.flightNumber);
            line.Put(20, pairing.equipment);
            line.Put(28, leg.from);
            line.Put(31, op.Date(leg.departure));
            line.PutNumber(39, 4, op.Clock(leg.departure));
            line.Put(43, leg.to);
            line.Put(46, op.Date(leg.arrival));
            line.PutNumber(54, 4, op.Clock(leg.arrival));
            line.Put(61, leg.kind == LegKind::Deadhead ? 'D' : ' ');
            line.PutNumber(64, 4, minutes);
            return line.Text() + "\n";
        }
        case LegKind::OtherCarrier: {
            FixedLine line(kPrgDeadheadWidth);
            line.Put(0, '4');
            PutDesignator(line, pairing);
            line.Put(7, op.StartDate());
            line.Put(18, leg.designator);
            line.Put(26, op.Date(leg.departure));
            line.Put(34, leg.from);
            line.PutNumber(45, 4, op.Clock(leg.departure));
            line.Put(49, leg.to);
            line.Put(52, op.Date(leg.arrival));
            line.PutNumber(60, 4, op.Clock(leg.arrival));
            line.Put(83, leg.remark);
            return line.Text() + "\n";
        }
        case LegKind::Surface: {
            FixedLine line(kPrgSurfaceWidth);
            line.Put(0, '5');
            PutDesignator(line, pairing);
            line.Put(7, op.StartDate());
            line.Put(18, leg.designator);
            line.Put(29, leg.from);
            line.Put(32, op.Date(leg.departure));
            line.PutNumber(40, 4, op.Clock(leg.departure));
            line.Put(44, leg.to);
            line.Put(47, op.Date(leg.arrival));
            line.PutNumber(55, 4, op.Clock(leg.arrival));
            return line.Text() + "\n";
        }
    }
    return {};
}

FixedLine DutyLine(const SamplePairing& pairing, const SampleDuty& duty, const Operation& op) {
    FixedLine line(kPrgDutyWidth);
    line.Put(0, '3');
    PutDesignator(line, pairing);
    line.Put(7, op.StartDate());
    line.Put(22, op.Date(duty.start));
    line.PutNumber(51, 5, duty.layover);
    line.Put(56, duty.station);
    return line;
}

// The hotel of a layover, without duty times: the import passes over it and
// validation reads the rest it gives.
std::string Layover(const SamplePairing& pairing, const SampleDuty& duty, const Operation& op) {
    FixedLine line = DutyLine(pairing, duty, op);
    line.PutNumber(47, 4, 0);
    line.Put(59, ("HOTEL " + duty.hotel).substr(0, kDutyTextWidth));
    return line.Text() + "\n";
}

std::string Duty(const SamplePairing& pairing, const SampleDuty& duty, const Operation& op) {
    FixedLine line = DutyLine(pairing, duty, op);
    line.PutNumber(30, 4, op.Clock(duty.start));
    line.Put(34, op.Date(duty.end));
    line.PutNumber(42, 4, op.Clock(duty.end));
    line.PutNumber(47, 4, duty.dutyTime);
    if (!duty.hotel.empty()) {
        line.Put(59, duty.hotel.substr(0, kDutyTextWidth));
    }
    line.PutNumber(114, 4, duty.block);
    line.PutNumber(122, 4, duty.block + duty.deadhead);
    line.PutNumber(126, 4, duty.credit);
    line.PutNumber(130, 4, duty.deadhead);
    return line.Text() + "\n";
}

}  // namespace

std::string PrgText(const SampleMonth& month) {
    std::string text;
    for (const SamplePairing& pairing : month.pairings) {
        for (int day : pairing.operations) {
            Operation op(month, pairing, day);
            text += Header(month, pairing, op);
            for (const SampleDuty& duty : pairing.duties) {
                for (const SampleLeg& leg : duty.legs) {
                    text += Leg(pairing, leg, op);
                }
                if (!duty.hotel.empty()) {
                    text += Layover(pairing, duty, op);
                }
                text += Duty(pairing, duty, op);
            }
        }
    }
    return text;
}

}  // namespace tallow::sample
