#include "sample/bids_writer.h"

#include <algorithm>

#include "core/model/text_format.h"
#include "sample/names.h"
#include "sample/rng.h"

namespace tallow::sample {

namespace {

constexpr uint64_t kBidsStream = 5;
constexpr int kTimelineDays = 62;
constexpr int kPercentBidding = 80;
constexpr int kPercentReserve = 15;
constexpr int kPercentNextMonth = 30;
constexpr int kNextMonthDays = 20;  // the next month's days a bid may ask for
constexpr int kBadDay = 45;
constexpr int kFreeDaysToBid = 12;
// With this many bids the file carries one of each flaw.
constexpr size_t kBidsForFlaws = 6;

constexpr std::array<const char*, kBidFields> kHeadings = {
    "EMPNO",   "NAME1",    "NAME2",   "EMAIL",   "PHONE1",   "PHONE2",    "FORM",
    "VERSION", "LBW",      "VAC",     "STAT",    "GDO",      "PDO1",      "PDO2",
    "PDONEXT", "USEDPDO",  "SIM",     "MAXDAYS", "CREWREST", "PAIRRES",   "MAXRES",
    "ITEM1",   "ITEM2",    "ITEM3",   "ITEM4",   "ITEM5",    "ITEM6",     "ITEM7",
    "ITEM8",   "PREFPAIR", "COMMENT", "LASTCMT", "HISTPDO",  "SUBMITTED", "TIME"};

constexpr std::array<const char*, 8> kItems = {"NO EARLY REPORTS",
                                               "PREFER THREE DAY TRIPS\vNO SPLIT DUTIES",
                                               "WEEKENDS OFF IF POSSIBLE",
                                               "AVOID LONG SITS",
                                               "PREFER LAYOVERS IN THE EAST\vNO REDEYES\vTHANKS",
                                               "SAME PAIRING ALL MONTH",
                                               "COMMUTER: LATE STARTS ON FIRST DAY",
                                               "NO DEADHEADS AT END OF TRIP"};

constexpr std::array<const char*, 4> kComments = {"FAMILY EVENT MID MONTH",
                                                  "UPGRADE TRAINING EXPECTED", "COURSE ON TUESDAYS",
                                                  "PLEASE KEEP DAYS TOGETHER"};

std::string Lower(std::string text) {
    for (char& c : text) {
        c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    }
    return text;
}

// Days a list may ask for: not away on an absence, and each the first day
// of the period (or of the next month's days) with its day of the month, so
// the day number names it alone.
class FreeDays {
  public:
    FreeDays(const SampleMonth& month, const std::vector<SampleAbsence>& absences) : month_(month) {
        std::array<bool, kTimelineDays> busy{};
        for (const SampleAbsence& absence : absences) {
            for (int day = std::max(0, absence.firstDay);
                 day <= absence.lastDay && day < kTimelineDays; ++day) {
                busy[static_cast<size_t>(day)] = true;
            }
        }
        Collect(0, month.dayCount, busy, thisMonth_);
        Collect(month.dayCount, std::min(kTimelineDays, month.dayCount + kNextMonthDays), busy,
                nextMonth_);
    }

    std::vector<int> Take(Rng& rng, int count, bool nextMonth) {
        std::vector<int>& from = nextMonth ? nextMonth_ : thisMonth_;
        std::vector<int> taken;
        for (int i = 0; i < count && !from.empty(); ++i) {
            size_t at = static_cast<size_t>(rng.Below(static_cast<int>(from.size())));
            taken.push_back(from[at]);
            from.erase(from.begin() + static_cast<std::ptrdiff_t>(at));
        }
        return taken;
    }

    std::string Text(std::vector<int> days) const {
        std::sort(days.begin(), days.end());
        std::string text;
        for (int day : days) {
            text += text.empty() ? "" : ",";
            text += day >= month_.dayCount ? "+" : "";
            text += std::to_string(month_.DayDate(day).Day());
        }
        return text;
    }

  private:
    void Collect(int first, int end, const std::array<bool, kTimelineDays>& busy,
                 std::vector<int>& days) const {
        std::array<bool, 32> seen{};
        for (int day = first; day < end; ++day) {
            size_t ofMonth = static_cast<size_t>(month_.DayDate(day).Day());
            if (!seen[ofMonth] && !busy[static_cast<size_t>(day)]) {
                days.push_back(day);
            }
            seen[ofMonth] = true;
        }
    }

    const SampleMonth& month_;
    std::vector<int> thisMonth_;
    std::vector<int> nextMonth_;
};

// Enough days free for every list of a bid.
bool CanBid(const SampleMonth& month, const std::vector<SampleAbsence>& absences) {
    int away = 0;
    for (const SampleAbsence& absence : absences) {
        away += std::max(
            0, std::min(absence.lastDay, month.dayCount - 1) - std::max(0, absence.firstDay) + 1);
    }
    return month.dayCount - away >= kFreeDaysToBid;
}

std::string Maybe(Rng& rng, int percent, const std::string& text) {
    return rng.Percent(percent) ? text : std::string();
}

void FillBid(const SampleMonth& month, Rng& rng, SampleBid& bid, bool nextMonth) {
    const SampleEmployee& employee = month.employees[bid.employee];
    std::array<std::string, kBidFields>& f = bid.fields;
    f[0] = Format("%06d", employee.number);
    f[1] = employee.surname;
    f[2] = std::string(1, employee.initial);
    f[3] = Lower(employee.surname) + "." + static_cast<char>(employee.initial - 'A' + 'a') +
           "@crewmail.example";
    f[4] = Format("416-555-%04d", rng.Between(0, 9999));
    f[5] = Maybe(rng, 50, Format("647-555-%04d", rng.Between(0, 9999)));
    f[8] = rng.Percent(30) ? "YES" : "NO";
    f[9] = Maybe(rng, 10, "SEE VACATION SCHEDULE");
    f[10] = Maybe(rng, 20, "1");

    FreeDays free(month, month.absences[bid.employee]);
    std::vector<int> gdo = free.Take(rng, rng.Between(1, 3), false);
    if (nextMonth) {
        std::vector<int> later = free.Take(rng, rng.Between(1, 2), true);
        gdo.insert(gdo.end(), later.begin(), later.end());
    }
    std::vector<int> pdo1 = free.Take(rng, rng.Between(2, 5), false);
    std::vector<int> pdo2 = free.Take(rng, rng.Between(1, 4), false);
    f[11] = free.Text(gdo);
    f[12] = free.Text(pdo1);
    f[13] = free.Text(pdo2);
    bid.gdoDays = gdo;
    bid.pdoDays = pdo1;
    bid.pdoDays.insert(bid.pdoDays.end(), pdo2.begin(), pdo2.end());

    f[14] = Maybe(rng, 25, Format("%d,%d", rng.Between(1, 9), rng.Between(10, 20)));
    f[15] = Format("%d", rng.Between(0, 4));
    f[16] = Maybe(rng, 15, "SIM DUE");
    f[17] = Format("%d", rng.Between(14, 18));
    f[18] = rng.Percent(60) ? "YES" : "NO";
    f[19] = bid.reserve ? "RESERVE" : (rng.Percent(50) ? "PAIRINGS" : "Pairings only");
    f[20] = Format("%d", rng.Between(12, 16));
    for (size_t k = 21; k <= 28; ++k) {
        f[k] =
            Maybe(rng, 40, kItems[static_cast<size_t>(rng.Below(static_cast<int>(kItems.size())))]);
    }
    std::string preferred;
    for (int k = rng.Between(0, 3); k > 0; --k) {
        const SamplePairing& pairing = rng.Pick(month.pairings);
        preferred +=
            Format("%s%c%04d", preferred.empty() ? "" : " ", pairing.baseLetter, pairing.number);
    }
    f[29] = preferred;
    f[30] = Maybe(rng, 50, kComments[static_cast<size_t>(rng.Below(4))]);
    f[31] = Maybe(rng, 30, kComments[static_cast<size_t>(rng.Below(4))]);
    f[32] = Format("%d", rng.Between(0, 12));
    Date sent = month.DayDate(-rng.Between(8, 20));
    f[33] = Format("%04d-%02d-%02d", sent.Year(), sent.Month(), sent.Day());
    f[34] = Format("%02d:%02d:%02d", rng.Between(0, 23), rng.Between(0, 59), rng.Between(0, 59));

    switch (bid.flaw) {
        case BidFlaw::None:
            break;
        case BidFlaw::Incomplete:
            bid.gdoDays.clear();
            bid.pdoDays.clear();
            break;
        case BidFlaw::BadDay:
            f[11] = Format("%s,%d", f[11].c_str(), kBadDay);
            bid.gdoDays.clear();
            break;
        case BidFlaw::TooManyDays: {
            // The tenth day fails the list whatever the days are.
            std::vector<int> ten(pdo1);
            for (int day = 0; static_cast<int>(ten.size()) <= kMaxBidListDays; ++day) {
                ten.push_back(day);
            }
            f[12] = free.Text(ten);
            bid.pdoDays = pdo2;
            break;
        }
    }
}

}  // namespace

std::vector<SampleBid> BuildBids(const SampleMonth& month) {
    std::vector<SampleBid> bids;
    if (!month.PilotGroup() || month.pairings.empty()) {
        return bids;
    }
    Rng rng = Rng::Stream(month.options.seed, kBidsStream);
    for (size_t i = 0; i < month.employees.size() && i < month.absences.size(); ++i) {
        if (month.employees[i].selected && CanBid(month, month.absences[i]) &&
            rng.Percent(kPercentBidding)) {
            SampleBid bid;
            bid.employee = i;
            bids.push_back(bid);
        }
    }
    rng.Shuffle(bids);
    bool flawed = bids.size() >= kBidsForFlaws;
    for (size_t i = 0; i < bids.size(); ++i) {
        SampleBid& bid = bids[i];
        if (flawed && i < 3) {
            bid.flaw = i == 0   ? BidFlaw::Incomplete
                       : i == 1 ? BidFlaw::BadDay
                                : BidFlaw::TooManyDays;
        }
        bool reserve = (flawed && i == 3) || rng.Percent(kPercentReserve);
        bid.reserve = reserve && bid.flaw != BidFlaw::Incomplete;
        FillBid(month, rng, bid, (flawed && i == 4) || rng.Percent(kPercentNextMonth));
    }
    return bids;
}

std::string BidsText(const std::vector<SampleBid>& bids) {
    std::string text;
    for (size_t k = 0; k < kBidFields; ++k) {
        text += k == 0 ? "\"" : ",\"";
        text += kHeadings[k];
        text += '"';
    }
    text += "\n";
    for (const SampleBid& bid : bids) {
        size_t count = bid.flaw == BidFlaw::Incomplete ? kIncompleteBidFields : kBidFields;
        for (size_t k = 0; k < count; ++k) {
            text += k == 0 ? "\"" : ",\"";
            text += bid.fields[k];
            text += '"';
        }
        text += ",\"end_x_bid\"\n";
    }
    return text;
}

}  // namespace tallow::sample
