// The Load Pairings dialog driven the way a user drives it.

#include <gtest/gtest.h>

#include <set>

#include "core/app/settings.h"
#include "core/import/load_pairs_only_form.h"
#include "prg_fixture.h"

namespace tallow::testing {
namespace {

constexpr const char* kPath = "/data/prg/JAN24.PRG";

class LoadPairsOnlyFormTest : public ::testing::Test {
  protected:
    LoadPairsOnlyFormTest() {
        std::vector<std::string> lines;
        for (const char* designator : {"V8101", "V2102", "C8103"}) {
            auto pairing = TwoDayPairing("20240105", designator);
            PrgHeader header;
            header.designator = designator;
            header.complement = "CA01 FO01 FA01";
            pairing[0] = header.Line();
            lines.insert(lines.end(), pairing.begin(), pairing.end());
        }
        files.files[kPath] = Join(lines);
    }

    LoadPairsOnlyForm MakeForm() {
        return LoadPairsOnlyForm(
            *schedule, desktop, files, settings,
            {[this] {
                 events.push_back("close board, seats " + std::to_string(schedule->SeatCount()));
             },
             [this] {
                 events.push_back("build blocks, seats " + std::to_string(schedule->SeatCount()));
             }});
    }

    std::set<int> Numbers() const {
        std::set<int> numbers;
        for (int32_t s = 0; s < schedule->SeatCount(); ++s) {
            numbers.insert(schedule->pairings[static_cast<size_t>(s)].number);
        }
        return numbers;
    }

    std::unique_ptr<TSchedule> schedule = MonthSchedule();
    ScriptedDesktop desktop;
    MemoryFiles files;
    Settings settings{"/config/tallow.ini", files, "/home/user"};
    std::vector<std::string> events;
};

TEST_F(LoadPairsOnlyFormTest, ManualSettingsNeedABaseCode) {
    LoadPairsOnlyForm form = MakeForm();
    form.Load();
    form.useManualSettings = true;
    form.SetEqpCode("8");
    EXPECT_FALSE(form.Ok());
    ASSERT_EQ(desktop.messages.size(), 1U);
    EXPECT_EQ(desktop.messages[0].text, "You have not entered a Base Code.");
    EXPECT_EQ(desktop.messages[0].caption, "Tallowbright");
    EXPECT_TRUE(desktop.choosers.empty());
    EXPECT_TRUE(events.empty());
}

TEST_F(LoadPairsOnlyFormTest, CancellingTheChooserClosesTheDialogAndChangesNothing) {
    LoadPairsOnlyForm form = MakeForm();
    form.Load();
    desktop.ChooseFile(std::nullopt);
    EXPECT_TRUE(form.Ok());
    ASSERT_EQ(desktop.choosers.size(), 1U);
    EXPECT_EQ(desktop.choosers[0].title, "Load This Month's Pairings");
    EXPECT_EQ(desktop.choosers[0].filter,
              "Pairing Files (*.Oxbellows *.PRG)|*.Oxbellows;*.PRG|All Files (*.*)|*.*");
    EXPECT_EQ(desktop.choosers[0].initialFolder, "/home/user/");
    EXPECT_TRUE(events.empty());
    EXPECT_FALSE(form.LastImport().has_value());
    EXPECT_FALSE(files.Exists("/config/tallow.ini"));
}

struct FormCase {
    CrewGroup group;
    bool manual;
    std::string base;
    std::string eqp;
    std::set<int> numbers;
};

TEST_F(LoadPairsOnlyFormTest, LoadsWithTheScheduleOrTheManualSelection) {
    const FormCase cases[] = {
        {CrewGroup::Captains, false, "", "", {8101}},
        {CrewGroup::FlightAttendants, false, "", "", {8101, 2102}},  // equipment skipped
        {CrewGroup::Captains, true, "V", "", {8101, 2102}},
        {CrewGroup::Captains, true, "V", "2", {2102}},
        {CrewGroup::Captains, true, "c", "8", {8103}},
        {CrewGroup::Captains, false, "C", "8", {8101}},  // typed but not ticked
    };
    for (const FormCase& c : cases) {
        SCOPED_TRACE(c.base + c.eqp + (c.manual ? " manual" : ""));
        schedule = MonthSchedule(c.group);
        schedule->pairings[0].number = 4242;
        schedule->lastPairing = 0;
        events.clear();
        LoadPairsOnlyForm form = MakeForm();
        form.Load();
        form.useManualSettings = c.manual;
        EXPECT_TRUE(form.SetBaseCode(c.base));
        EXPECT_TRUE(form.SetEqpCode(c.eqp));
        desktop.ChooseFile(kPath);
        EXPECT_TRUE(form.Ok());
        EXPECT_EQ(Numbers(), c.numbers);
        const std::string loaded = std::to_string(c.numbers.size());
        EXPECT_EQ(events, (std::vector<std::string>{"close board, seats 1",
                                                    "build blocks, seats " + loaded}));
        ASSERT_TRUE(form.LastImport().has_value());
        EXPECT_TRUE(form.LastImport()->loaded);
        EXPECT_EQ(settings.Text(keys::LastPRGPath), "/data/prg");
    }
    EXPECT_EQ(desktop.choosers.back().initialFolder, "/data/prg");
}

TEST_F(LoadPairsOnlyFormTest, TheEditsTakeOneLetterAndOneDigit) {
    LoadPairsOnlyForm form = MakeForm();
    struct EditCase {
        std::string text;
        bool base;
        bool eqp;
    };
    const EditCase cases[] = {
        {"V", true, false},   {"v", true, false},   {"8", false, true},  {"", true, true},
        {"VV", false, false}, {"88", false, false}, {"-", false, false}, {"\xe9", false, false},
    };
    for (const EditCase& c : cases) {
        SCOPED_TRACE(c.text);
        form.baseCode = "Q";
        form.eqpCode = "5";
        EXPECT_EQ(form.SetBaseCode(c.text), c.base);
        EXPECT_EQ(form.SetEqpCode(c.text), c.eqp);
        EXPECT_EQ(form.baseCode, c.base ? (c.text == "v" ? "V" : c.text) : "Q");
        EXPECT_EQ(form.eqpCode, c.eqp ? c.text : "5");
    }
    form.Load();
    EXPECT_TRUE(form.baseCode.empty());
    EXPECT_TRUE(form.eqpCode.empty());
}

}  // namespace
}  // namespace tallow::testing
