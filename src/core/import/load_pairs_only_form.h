#pragma once
// The form of the Load Pairings dialog ("This Month's Pairings..."): loads
// the pairing file with the selection the schedule implies, or with a base
// letter and equipment digit typed in by hand.

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "core/import/pairing_import.h"

namespace tallow {

class Desktop;
class FileSystem;
class Settings;
class TSchedule;

class LoadPairsOnlyForm {
  public:
    static constexpr std::string_view kTitle = "Load Oxbellows Pairings";
    static constexpr std::string_view kBaseCodeLabel = "Base Code";
    static constexpr std::string_view kEqpCodeLabel = "Eqp Code";
    static constexpr std::string_view kManualLabel =
        "Use these Manual Settings instead of previously designated";
    static constexpr std::string_view kBaseCodeHint =
        "Enter a Base Code for the Pairings you want to load. This is the First Letter of the "
        "Pairing Number. ";
    static constexpr std::string_view kEqpCodeHint =
        "Enter the Eqp Code. Second Digit of Pairings. Leave empty for FA";
    static constexpr std::string_view kOkHint =
        "Click OK to Load the Pairings. Only use settings above if nessasary";

    // What the board does around the load.
    struct BoardActions {
        std::function<void()> closeBoard;
        std::function<void()> buildBlocks;
    };

    LoadPairsOnlyForm(TSchedule& schedule, Desktop& desktop, FileSystem& files, Settings& settings,
                      BoardActions board);

    // What the controls hold.
    std::string baseCode;
    std::string eqpCode;
    bool useManualSettings = false;

    // Empties both codes.
    void Load();
    // Typing into the edits: "Base Code" takes one letter A-Z (a small letter
    // is made capital), "Eqp Code" one digit; anything else is refused and
    // leaves the edit as it was. Both may be emptied.
    bool SetBaseCode(std::string_view text);
    bool SetEqpCode(std::string_view text);

    // OK: true when the dialog closes (also when the file chooser was
    // cancelled). The caller runs the LIS scan after the dialog closes,
    // whether or not it was cancelled.
    bool Ok();

    // The last load's result, for the caption and the pairing listing; none
    // when no file was loaded.
    const std::optional<PairingImportResult>& LastImport() const { return lastImport_; }

  private:
    TSchedule& schedule_;
    Desktop& desktop_;
    FileSystem& files_;
    Settings& settings_;
    BoardActions board_;
    std::optional<PairingImportResult> lastImport_;
};

}  // namespace tallow
