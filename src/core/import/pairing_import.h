#pragma once
// The month's pairing import: reads a PRG file (see prg_records.h) into the
// schedule's seat table, reconciles the employees' assignments with it,
// validates it, marks the seats flying out of US airports, applies the
// period's clock change and builds the segment summary.
//
// The caller shows what the result names: the main window caption, the
// pairing listing (PairingReportLines, titled kPairingReportTitle, which
// opens the pairing editor on a double-click), and the repainted board.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tallow {

class Desktop;
class FileSystem;
class Settings;
class TSchedule;

inline constexpr std::string_view kPairingReportTitle = "Pairing Warnings and Report";
// The status-bar gauge while a file loads: this caption, range 0 to
// LoadingGaugeMaximum(file size).
inline constexpr std::string_view kLoadingGaugeCaption = "Loading Pairs";
int64_t LoadingGaugeMaximum(size_t fileSize);

struct PairingImportResult {
    // What the load returns: false when the file could not be opened or is
    // not a PRG file, when reading failed, and when the table filled up.
    bool loaded = false;
    // The main window caption once the load reached its end; empty otherwise.
    std::string caption;
    // The pairing listing to open; empty when no seat was stored.
    std::vector<std::string> pairingReport;
};

// Loads PRG text already read. `code` is empty or a base letter followed by
// an optional equipment digit; `skipEquipment` accepts every equipment digit.
PairingImportResult ImportPairingText(TSchedule& schedule, std::string_view content,
                                      std::string_view code, bool skipEquipment, Desktop& desktop);

// Remembers the file's folder as the last pairing folder, reads the file and
// loads it as ImportPairingText does.
PairingImportResult LoadPairingFile(TSchedule& schedule, const std::string& path,
                                    std::string_view code, bool skipEquipment, Desktop& desktop,
                                    FileSystem& files, Settings& settings);

// The pairing file chooser, opening in the last pairing folder; nullopt on Cancel.
std::optional<std::string> ChoosePairingFile(Desktop& desktop, const Settings& settings);

}  // namespace tallow
