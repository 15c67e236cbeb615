#include "sample/crew_builder.h"

#include <algorithm>
#include <numeric>
#include <string>
#include <unordered_set>
#include <utility>

#include "sample/fleet.h"
#include "sample/names.h"

namespace tallow::sample {

namespace {

constexpr int kLowestNumber = 100000;  // keeps clear of the extract's end mark 99999
constexpr int kHighestNumber = 999998;
constexpr int kMinOthers = 10;
constexpr int kOthersWithAbsences = 30;  // percent
constexpr int kLongLeaveEvery = 40;      // one group member in 40 is away all month
constexpr int kLongLeaveIndex = 7;
constexpr int kPlacementTries = 6;
constexpr size_t kMaxCodes = kQualificationWidth / 2;

struct GroupKey {
    std::string base;
    std::string equipment;
    std::string status;
};

std::string RandomStation(Rng& rng) {
    auto bases = Bases();
    return bases[static_cast<size_t>(rng.Below(static_cast<int>(bases.size())))].station;
}

std::string RandomEquipment(Rng& rng) {
    auto fleet = Fleet();
    return fleet[static_cast<size_t>(rng.Below(static_cast<int>(fleet.size())))].code;
}

int PercentFrench(const std::string& base) {
    if (base == "YUL") {
        return 80;
    }
    return base == "YHZ" ? 40 : 20;
}

// "RB" goes first: after "LA" it would spell an "AR" across the two codes,
// and the roster import finds a code anywhere in the field.
std::string Qualifications(Rng& rng, const GroupKey& key) {
    std::vector<const char*> codes;
    if (rng.Percent(4)) {
        codes.push_back("RB");
    }
    if (key.status == "FA" || key.status == "PU") {
        if (rng.Percent(6)) {
            codes.push_back("IT");
        }
        if (rng.Percent(PercentFrench(key.base))) {
            codes.push_back("FR");
        }
    } else {
        bool captain = key.status == "CA";
        if (captain && rng.Percent(6)) {
            codes.push_back("LA");
        }
        if (captain && rng.Percent(8)) {
            codes.push_back("LC");
        }
        if (rng.Percent(4)) {
            codes.push_back("LB");
        }
        if (rng.Percent(4)) {
            codes.push_back("AR");
        }
        if (rng.Percent(4)) {
            codes.push_back("MR");
        }
        if (!captain && rng.Percent(5)) {
            codes.push_back("ZT");
        }
        if (rng.Percent(5)) {
            codes.push_back("PT");
        }
        if (rng.Percent(3)) {
            codes.push_back("PC");
        }
    }
    std::string text;
    for (size_t i = 0; i < codes.size() && i < kMaxCodes; ++i) {
        text += codes[i];
    }
    text.resize(kQualificationWidth, ' ');
    return text;
}

GroupKey GroupMember(Rng& rng, const SampleOptions& options) {
    if (options.status != "FA") {
        return {options.base, options.equipment, options.status};
    }
    return {options.base, RandomEquipment(rng), rng.Percent(30) ? "PU" : "FA"};
}

// Crew of the same kind (pilots or cabin) whom the group's selection leaves out.
GroupKey Outsider(Rng& rng, const SampleOptions& options) {
    for (;;) {
        std::string base = RandomStation(rng);
        std::string equipment = RandomEquipment(rng);
        const bool cabin = options.status == "FA";
        std::string status =
            cabin ? (rng.Percent(30) ? "PU" : "FA") : (rng.Percent(50) ? "CA" : "FO");
        const bool outside = cabin ? base != options.base
                                   : base != options.base || equipment != options.equipment ||
                                         status != options.status;
        if (outside) {
            return {std::move(base), std::move(equipment), std::move(status)};
        }
    }
}

std::vector<const ToolboxCode*> CodesFor(bool pilot, AbsenceUse use) {
    std::vector<const ToolboxCode*> codes;
    for (const ToolboxCode& code : ToolboxCodes()) {
        if (code.pilot == pilot && code.use == use) {
            codes.push_back(&code);
        }
    }
    return codes;
}

class AbsencePlanner {
  public:
    AbsencePlanner(Rng& rng, bool pilot, int dayCount)
        : rng_(rng), pilot_(pilot), used_(static_cast<size_t>(dayCount), false) {}

    void Place(AbsenceUse use, int length) {
        std::vector<const ToolboxCode*> codes = CodesFor(pilot_, use);
        int dayCount = static_cast<int>(used_.size());
        if (codes.empty() || length > dayCount) {
            return;
        }
        const ToolboxCode* code = rng_.Pick(codes);
        for (int attempt = 0; attempt < kPlacementTries; ++attempt) {
            int first = rng_.Below(dayCount - length + 1);
            if (Free(first, first + length - 1)) {
                Add(code, first, first + length - 1);
                return;
            }
        }
    }

    void WholePeriod() {
        std::vector<const ToolboxCode*> codes = CodesFor(pilot_, AbsenceUse::LongLeave);
        std::vector<const ToolboxCode*> sick = CodesFor(pilot_, AbsenceUse::Sick);
        codes.insert(codes.end(), sick.begin(), sick.end());
        Add(rng_.Pick(codes), 0, static_cast<int>(used_.size()) - 1);
    }

    std::vector<SampleAbsence> Take() {
        std::sort(
            absences_.begin(), absences_.end(),
            [](const SampleAbsence& a, const SampleAbsence& b) { return a.firstDay < b.firstDay; });
        return std::move(absences_);
    }

  private:
    bool Free(int first, int last) const {
        for (int day = first; day <= last; ++day) {
            if (used_[static_cast<size_t>(day)]) {
                return false;
            }
        }
        return true;
    }

    void Add(const ToolboxCode* code, int first, int last) {
        for (int day = first; day <= last; ++day) {
            used_[static_cast<size_t>(day)] = true;
        }
        absences_.push_back({code, first, last, code->startTime, code->endTime});
    }

    Rng& rng_;
    bool pilot_;
    std::vector<bool> used_;
    std::vector<SampleAbsence> absences_;
};

std::vector<SampleAbsence> Absences(Rng& rng, const SampleMonth& month, bool longLeave) {
    AbsencePlanner planner(rng, month.PilotGroup(), month.dayCount);
    if (longLeave) {
        planner.WholePeriod();
        return planner.Take();
    }
    if (rng.Percent(35)) {
        planner.Place(AbsenceUse::Vacation, rng.Between(3, 9));
    }
    if (rng.Percent(25)) {
        planner.Place(AbsenceUse::Training, rng.Between(1, 3));
    }
    if (rng.Percent(20)) {
        planner.Place(AbsenceUse::Reserve, rng.Between(2, 5));
    }
    if (rng.Percent(20)) {
        planner.Place(AbsenceUse::DayOff, rng.Between(1, 2));
    }
    if (rng.Percent(8)) {
        planner.Place(AbsenceUse::Office, 1);
    }
    if (rng.Percent(8)) {
        planner.Place(AbsenceUse::Sick, rng.Between(2, 4));
    }
    return planner.Take();
}

}  // namespace

void BuildCrew(SampleMonth& month, Rng& rng) {
    const SampleOptions& options = month.options;
    int others = std::max(kMinOthers, options.employees / 2);
    int total = options.employees + others;

    std::unordered_set<int32_t> numbers;
    std::vector<SampleEmployee> crew;
    crew.reserve(static_cast<size_t>(total));
    for (int i = 0; i < total; ++i) {
        bool selected = i < options.employees;
        GroupKey key = selected ? GroupMember(rng, options) : Outsider(rng, options);
        SampleEmployee employee;
        do {
            employee.number = rng.Between(kLowestNumber, kHighestNumber);
        } while (!numbers.insert(employee.number).second);
        employee.surname = MakeSurname(rng);
        employee.initial = MakeInitial(rng);
        employee.qualifications = Qualifications(rng, key);
        employee.base = key.base;
        employee.equipment = key.equipment;
        employee.status = key.status;
        employee.selected = selected;
        crew.push_back(std::move(employee));
    }

    std::vector<std::vector<SampleAbsence>> absences(crew.size());
    for (size_t i = 0; i < crew.size(); ++i) {
        int index = static_cast<int>(i);
        if (crew[i].selected) {
            bool longLeave = index % kLongLeaveEvery == kLongLeaveIndex;
            absences[i] = Absences(rng, month, longLeave);
        } else if (rng.Percent(kOthersWithAbsences)) {
            absences[i] = Absences(rng, month, false);
        }
    }

    std::vector<size_t> order(crew.size());
    std::iota(order.begin(), order.end(), size_t{0});
    std::sort(order.begin(), order.end(),
              [&](size_t a, size_t b) { return crew[a].number < crew[b].number; });
    month.employees.clear();
    month.absences.clear();
    for (size_t i : order) {
        month.employees.push_back(std::move(crew[i]));
        month.absences.push_back(std::move(absences[i]));
    }
}

}  // namespace tallow::sample
