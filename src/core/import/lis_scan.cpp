#include "core/import/lis_scan.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <vector>

#include "core/app/settings.h"
#include "core/import/lis_index.h"
#include "core/import/summary_list.h"
#include "core/model/schedule.h"
#include "core/model/text_format.h"
#include "core/platform/desktop.h"
#include "core/platform/file_system.h"
#include "core/platform/progress_dialog.h"

namespace tallow {

namespace {

constexpr const char* kCaption = "Tallowbright";
constexpr const char* kFileErrorCaption = "File Error";

constexpr std::string_view kFrench = "FRENCH";
constexpr std::string_view kFrenchPairing = "FRENCH PAIRING";
constexpr std::string_view kFrenchMark = " FRENCH PAIRING";
constexpr std::string_view kMealsUs = "MEALS US:";
constexpr std::string_view kMealsLineStart = "\n   ";
constexpr std::string_view kFence = "***";
// The block runs on past "MEALS CAD:" over its amount.
constexpr size_t kBlockTail = 17;
constexpr size_t kFlightDigits = 4;
// From a leg line's flight number to the end of its block time.
constexpr size_t kTagOffset = 35;
// The meal line an earlier scan appended: its line start and the text after it.
constexpr size_t kMealsLineLength = 38;
// Listing column distance from a leg's flight number to its aircraft marker.
constexpr size_t kCabinMarkerDistance = 63;
constexpr size_t kPilotMarkerDistance = 71;

constexpr size_t kHeaderProbeStart = 2500;
constexpr size_t kHeaderProbeStep = 100;

struct AircraftType {
    std::string_view marker;
    std::string_view tag;
};

constexpr std::array<AircraftType, 4> kAircraftTypes = {{
    {"CRA [", "  CRA"},
    {"CRJ [", "  CRJ"},
    {"DH1 [", "  DH1"},
    {"E75 [", "  E75"},
}};

struct ShareMark {
    int64_t abovePercent;  // -1 for the row of no CRA leg
    std::string_view mark;
    std::string_view summary;  // follows the designator
};

constexpr std::array<ShareMark, 6> kShareMarks = {{
    {99, " *** CRA100% CRA>74% CRA>49% CRA>24% CRA>0% *** ", " is CRA 100%."},
    {74, " *** CRA>74% CRA>49% CRA>24% CRA>0% *** ", " is CRA > 74%."},
    {49, " *** CRA>49% CRA>24% CRA>0% *** ", " is CRA > 49%."},
    {24, " *** CRA>24% CRA>0% *** ", " is CRA > 24%."},
    {0, " *** CRA>0% *** ", " is CRA > 0%."},
    {-1, " *** CRA=0% *** ", " is CRA 0%."},
}};

// Tags each leg whose listing line carries the type's marker and returns how
// many markers the block holds. The flight numbers are matched from the end
// of the pairing text backwards, as the listing is read from its end.
int64_t TagLegs(TPair& seat, const std::string& designator, std::string_view block,
                const AircraftType& type, size_t markerDistance, LisScanOutcome& outcome) {
    std::string& text = seat.displayText;
    int64_t count = 0;
    size_t searchFrom = std::string::npos;
    bool searchLeft = true;
    for (size_t at = block.rfind(type.marker); at != std::string_view::npos;
         at = at >= type.marker.size() ? block.rfind(type.marker, at - type.marker.size())
                                       : std::string_view::npos) {
        ++count;
        if (at <= markerDistance) {
            continue;
        }
        const std::string_view flight = block.substr(at - markerDistance, kFlightDigits);
        const size_t hit = searchLeft ? text.rfind(flight, searchFrom) : std::string::npos;
        if (hit == std::string::npos) {
            // The dot ends the line in the summary list, which splits at dots.
            outcome.errors += designator + " Flight Number not Located.";
            continue;
        }
        text.insert(std::min(hit + kTagOffset, text.size()), type.tag);
        searchLeft = hit > 0;
        searchFrom = hit - (hit > 0 ? 1 : 0);
    }
    return count;
}

void MarkFrench(TPair& seat, const std::string& designator, std::string_view block,
                LisScanOutcome& outcome) {
    std::string& text = seat.displayText;
    if (block.find(kFrench) != std::string_view::npos) {
        if (text.find(kFrenchPairing) == std::string::npos) {
            text += kFrenchMark;
        }
        outcome.summary += designator + " is French Pairing.";
        ++outcome.frenchCount;
        return;
    }
    const size_t mark = text.rfind(kFrenchPairing);
    if (mark != std::string::npos && mark > kFrenchMark.size()) {
        text.erase(mark - 1, kFrenchMark.size());
    }
}

void RemoveShareMark(std::string& text) {
    const size_t last = text.rfind(kFence);
    if (last == std::string::npos || last < kFence.size()) {
        return;
    }
    const size_t first = text.rfind(kFence, last - kFence.size());
    if (first != std::string::npos) {
        text.erase(first, last + kFence.size() - first);
    }
}

void ReplaceMealsLine(std::string& text, std::string_view block) {
    const size_t old = text.rfind(kMealsUs);
    if (old != std::string::npos) {
        const size_t from = old >= kMealsLineStart.size() ? old - kMealsLineStart.size() : 0;
        text.erase(from, old + kMealsLineLength - kMealsLineStart.size() - from);
    }
    const size_t meals = block.rfind(kMealsUs);
    if (meals != std::string_view::npos) {
        text += kMealsLineStart;
        text += block.substr(meals, block.size() - 1 - meals);
    }
}

void MarkSeat(TPair& seat, const std::string& designator, std::string_view block, bool cabin,
              LisScanOutcome& outcome) {
    if (cabin) {
        MarkFrench(seat, designator, block, outcome);
    }
    // A block always holds its designator and "MEALS CAD:", so it is never
    // too short to scan.
    const size_t distance = cabin ? kCabinMarkerDistance : kPilotMarkerDistance;
    std::array<int64_t, kAircraftTypes.size()> counts{};
    for (size_t k = 0; k < kAircraftTypes.size(); ++k) {
        counts[k] = TagLegs(seat, designator, block, kAircraftTypes[k], distance, outcome);
    }
    RemoveShareMark(seat.displayText);
    const int64_t cra = counts[0];
    const int64_t all = counts[0] + counts[1] + counts[2] + counts[3];
    for (const ShareMark& share : kShareMarks) {
        if (share.abovePercent < 0 || cra * 100 > share.abovePercent * all) {
            seat.displayText += share.mark;
            outcome.summary += designator;
            outcome.summary += share.summary;
            break;
        }
    }
    ReplaceMealsLine(seat.displayText, block);
}

std::string BaseLetters(const TSchedule& schedule, int32_t seats) {
    std::string letters;
    for (int32_t s = 0; s < seats; ++s) {
        const char letter = LisDesignator(schedule.pairings[static_cast<size_t>(s)])[0];
        if (letters.find(letter) == std::string::npos) {
            letters += letter;
        }
    }
    return letters;
}

// The characters from `at` up to the first zero byte.
size_t TextLength(std::string_view bytes, size_t at) {
    if (at >= bytes.size()) {
        return 0;
    }
    return std::min(bytes.find('\0', at), bytes.size()) - at;
}

std::string FolderOf(const std::string& path) {
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(path, error);
    return (error ? std::filesystem::path(path) : absolute).parent_path().string();
}

std::string UpperCase(std::string_view text) {
    std::string upper(text);
    for (char& c : upper) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return upper;
}

// The chooser hands back whole paths; the name is checked without the folder.
std::string FileNameOf(const std::string& path) {
    const size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

enum class ReadOutcome { Read, ChooseAgain };

ReadOutcome ReadChosenFiles(const TSchedule& schedule, const std::vector<std::string>& paths,
                            Desktop& desktop, FileSystem& files, std::string& lis) {
    const std::string month = UpperCase(schedule.MonthNameText());
    for (const std::string& path : paths) {
        const std::string name = UpperCase(FileNameOf(path));
        if (name.find(month) == std::string::npos &&
            !AskYesNo(desktop,
                      Format("%s does not contain %s in the File Name. Are you sure this is the "
                             "correct LIS File",
                             name.c_str(), month.c_str()),
                      kCaption)) {
            return ReadOutcome::ChooseAgain;
        }
        std::string bytes;
        if (!files.ReadFile(path, bytes)) {
            ShowInfo(desktop, Format("Unable to Open File %s", path.c_str()), kFileErrorCaption,
                     MessageIcon::Stop);
            continue;
        }
        if (bytes.size() > kLisBufferBytes) {
            ShowInfo(desktop, "LIS File is Larger than buffer. Some data was not Loaded",
                     kFileErrorCaption, MessageIcon::Exclamation);
            bytes.resize(kLisBufferBytes);
        }
        lis += LisFileText(bytes);
    }
    return ReadOutcome::Read;
}

void ShowLists(const TSchedule& schedule, const LisScanOutcome& outcome, Desktop& desktop) {
    if (!outcome.errors.empty()) {
        ShowSummaryList(desktop, "Flag CRA and French Pairings Errors", outcome.errors);
    }
    const int32_t seats = std::clamp<int32_t>(schedule.lastPairing + 1, 0, kMaxPairings);
    ShowSummaryList(
        desktop, "Flag French Pairings from LIS Summary",
        Format("Total Pairings %d.%d Pairings Flagged as French.", seats, outcome.frenchCount) +
            outcome.summary);
}

}  // namespace

std::string LisDesignator(const TPair& seat) {
    const char letter = seat.seriesCode.empty() ? ' ' : seat.seriesCode[0];
    return Format("%c%04d", letter, seat.number);
}

std::string_view LisFileText(std::string_view bytes) {
    size_t start = std::string_view::npos;
    for (size_t at = kHeaderProbeStart;; at -= kHeaderProbeStep) {
        if (TextLength(bytes, at) < kLisMinimumText) {
            break;
        }
        start = at;
        if (at == 0) {
            break;
        }
    }
    if (start == std::string_view::npos) {
        return {};
    }
    return bytes.substr(start, TextLength(bytes, start));
}

LisScanOutcome ScanLisText(TSchedule& schedule, std::string_view lis, ProgressDialog* progress) {
    LisScanOutcome outcome;
    const int32_t seats = std::clamp<int32_t>(schedule.lastPairing + 1, 0, kMaxPairings);
    const bool cabin = schedule.crewGroup == CrewGroup::FlightAttendants;
    const LisIndex index(lis, BaseLetters(schedule, seats));
    for (int32_t s = 0; s < seats; ++s) {
        TPair& seat = schedule.pairings[static_cast<size_t>(s)];
        const std::string designator = LisDesignator(seat);
        if (progress != nullptr) {
            progress->Update(s, "Processing Pairing " + designator);
        }
        schedule.logFile.Write("Scanning Pairing " + designator + " for CRA legs\n");
        const size_t start = index.LastOccurrence(designator);
        if (start == std::string_view::npos) {
            outcome.errors += designator + " Not Found in LIS File.";
            continue;
        }
        const size_t mealsCad = index.MealsCadFrom(start);
        if (mealsCad == std::string_view::npos) {
            outcome.errors += designator + "Incomplete in LIS File. Can't Locate MEALS CAD:";
            continue;
        }
        const size_t end = std::min(mealsCad + kBlockTail, lis.size());
        MarkSeat(seat, designator, lis.substr(start, end - start), cabin, outcome);
    }
    if (progress != nullptr) {
        progress->Update(seats, "Processing Pairings");
    }
    return outcome;
}

bool ScanLisFiles(TSchedule& schedule, Desktop& desktop, FileSystem& files, Settings& settings) {
    const FileChooser chooser{"Flag ACType/FR Pairs from LIS. CTRL for Multiple Files",
                              "LIS Pairing Files(*.LIS)|*.lis|All Files (*.*)|*.*", "", ""};
    std::string lis;
    for (;;) {
        FileChooser shown = chooser;
        shown.initialFolder = settings.Text(keys::LastFrenchPath);
        const std::vector<std::string> paths = desktop.ChooseOpenFiles(shown);
        if (paths.empty()) {
            schedule.modified = 1;
            return true;
        }
        settings.SetText(keys::LastFrenchPath, FolderOf(paths.front()));
        lis.clear();
        if (ReadChosenFiles(schedule, paths, desktop, files, lis) == ReadOutcome::Read) {
            break;
        }
    }
    if (lis.size() < kLisMinimumText) {
        ShowInfo(desktop,
                 "Unable to Read Data from one or more LIS File(s). Try opening file(s) in "
                 "WordPad and Save as Type Text Document.",
                 kCaption, MessageIcon::Stop);
        return false;
    }
    ProgressDialog progress(desktop, "Scanning LIS Pairings", "Scanning Pairing %d of %d", 0,
                            std::max(schedule.lastPairing, 0));
    const LisScanOutcome outcome = ScanLisText(schedule, lis, &progress);
    progress.Close();
    ShowLists(schedule, outcome, desktop);
    schedule.modified = 1;
    return true;
}

}  // namespace tallow
