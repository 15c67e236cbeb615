#include "core/import/pairing_import.h"

#include <filesystem>
#include <new>

#include "core/app/settings.h"
#include "core/import/extract_line_reader.h"
#include "core/import/pairing_finish.h"
#include "core/import/prg_reader.h"
#include "core/import/prg_records.h"
#include "core/import/segment_summary.h"
#include "core/import/usa_segment_scan.h"
#include "core/model/pairing_report.h"
#include "core/model/schedule.h"
#include "core/model/text_format.h"
#include "core/platform/desktop.h"
#include "core/platform/file_system.h"
#include "core/platform/progress_dialog.h"

namespace tallow {

namespace {

constexpr const char* kCaption = "Tallowbright";

const FileChooser kPairingChooser{
    "Load This Month's Pairings",
    "Pairing Files (*.Oxbellows *.PRG)|*.Oxbellows;*.PRG|All Files (*.*)|*.*", "", ""};

// Where reading goes on after the line: past its line end.
int64_t ReadPosition(std::string_view content, std::string_view line) {
    auto position = static_cast<size_t>(line.data() - content.data()) + line.size();
    for (const char end : {'\r', '\n'}) {
        if (position < content.size() && content[position] == end) {
            ++position;
        }
    }
    return static_cast<int64_t>(position);
}

// Reads every line into the reader and the summary, with the progress set
// from the read position before each line is handled.
PrgLineResult ReadLines(PrgReader& reader, SegmentSummary& summary, std::string_view content,
                        ProgressDialog& progress) {
    ExtractLineReader lines(content, kPrgLineLength);
    std::string_view line;
    int64_t shown = -1;
    for (;;) {
        const LineStatus status = lines.Next(line);
        if (status == LineStatus::End) {
            return PrgLineResult::Read;
        }
        if (status == LineStatus::TooLong) {
            return PrgLineResult::Failed;
        }
        summary.Add(line);
        const int64_t value =
            ReadPosition(content, line) * 100 / static_cast<int64_t>(content.size());
        // The same value again would change nothing on screen.
        if (value != shown) {
            progress.Update(static_cast<double>(value));
            shown = value;
        }
        const PrgLineResult result = reader.Read(line);
        if (result == PrgLineResult::TableFull) {
            // The summary covers the whole file, the seats that did not fit included.
            while (lines.Next(line) == LineStatus::Line) {
                summary.Add(line);
            }
        }
        if (result != PrgLineResult::Read) {
            return result;
        }
    }
}

PrgLineResult ReadAll(PrgReader& reader, SegmentSummary& summary, std::string_view content,
                      ProgressDialog& progress, Desktop& desktop) {
    WaitCursor wait(desktop);
    try {
        return ReadLines(reader, summary, content, progress);
    } catch (const std::bad_alloc&) {
        return PrgLineResult::Failed;
    }
}

// A failed read leaves the table empty, and no employee holds a seat of it.
void DropSeats(TSchedule& schedule, int32_t stored) {
    for (int32_t s = 0; s < stored; ++s) {
        schedule.pairings[static_cast<size_t>(s)].Clear();
    }
    schedule.lastPairing = -1;
    schedule.lastImportedPairing = -1;
    ReconcileAssignments(schedule);
}

void ShowTableFull(Desktop& desktop) {
    ShowInfo(desktop, "Maximum Number of Pairings Reached. Not all Pairings Loaded", kCaption,
             MessageIcon::Stop);
}

std::string FolderOf(const std::string& path) {
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(path, error);
    return (error ? std::filesystem::path(path) : absolute).parent_path().string();
}

}  // namespace

int64_t LoadingGaugeMaximum(size_t fileSize) {
    return static_cast<int64_t>(fileSize / 1000) - 3;
}

PairingImportResult ImportPairingText(TSchedule& schedule, std::string_view content,
                                      std::string_view code, bool skipEquipment, Desktop& desktop) {
    PairingImportResult result;
    if (content.empty() || content[0] != kPrgHeader) {
        ShowInfo(desktop, "This does not appear to be a valid PRG file. The first char should be 1",
                 kCaption);
        return result;
    }
    schedule.logFile.Write("BeginLoadPRGPairs\n");
    schedule.ZeroData(false, true);
    const PrgSelection selection = ResolvePrgSelection(code, skipEquipment, schedule.scheduleTitle);

    ProgressDialog progress(desktop, "Loading PRG Pairings", "Completed %d of %d", 0, 100);
    schedule.segmentSummary.clear();
    PrgReader reader(schedule, selection);
    SegmentSummary summary;
    const PrgLineResult read = ReadAll(reader, summary, content, progress, desktop);
    if (read == PrgLineResult::Failed) {
        DropSeats(schedule, reader.Stored());
        ShowInfo(desktop,
                 "File Error - Unable to Load Pairings from this file. See Next Message Box for "
                 "Progress",
                 kCaption, MessageIcon::Stop);
        ShowInfo(desktop, reader.NumbersRead(), "Pair Loading Progress", MessageIcon::Stop);
        return result;
    }
    // A full table keeps the seats it took; they are finished like a whole file.
    bool tableFull = read == PrgLineResult::TableFull;
    if (tableFull) {
        ShowTableFull(desktop);
        progress.Close();
    } else if (!reader.Finish()) {
        tableFull = true;
        ShowTableFull(desktop);
    }

    const int32_t stored = reader.Stored();
    schedule.lastPairing = stored - 1;
    schedule.lastImportedPairing = stored - 1;
    if (stored == 0) {
        ShowInfo(desktop, "Unable to load pairings from this file", kCaption, MessageIcon::Stop);
    }
    for (int32_t s = 0; s < stored; ++s) {
        FinishImportedSeat(schedule.pairings[static_cast<size_t>(s)]);
    }
    // With nothing stored this frees the days that held seats of the old table.
    ReconcileAssignments(schedule);
    if (stored > 0) {
        result.pairingReport = PairingReportLines(schedule);
    }

    result.caption = Format("Tallowbright - %s", schedule.fileName.c_str());
    progress.Close();
    ScanUsaSegments(schedule, desktop);
    schedule.FindClockChange();
    AdjustForClockChange(schedule);
    schedule.modified = 1;
    schedule.segmentSummary = summary.Text();
    result.loaded = !tableFull;
    return result;
}

PairingImportResult LoadPairingFile(TSchedule& schedule, const std::string& path,
                                    std::string_view code, bool skipEquipment, Desktop& desktop,
                                    FileSystem& files, Settings& settings) {
    // Rewriting the settings file with the folder it already holds costs a disk flush.
    const std::string folder = FolderOf(path);
    if (settings.Text(keys::LastPRGPath) != folder) {
        settings.SetText(keys::LastPRGPath, folder);
    }
    std::string content;
    if (!files.ReadFile(path, content)) {
        ShowInfo(desktop, path, "Unable to Open File", MessageIcon::Stop);
        return {};
    }
    return ImportPairingText(schedule, content, code, skipEquipment, desktop);
}

std::optional<std::string> ChoosePairingFile(Desktop& desktop, const Settings& settings) {
    FileChooser chooser = kPairingChooser;
    // Any remembered folder is used: there are no floppy drive letters to skip.
    chooser.initialFolder = settings.Text(keys::LastPRGPath);
    return desktop.ChooseOpenFile(chooser);
}

}  // namespace tallow
