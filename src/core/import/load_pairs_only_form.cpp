#include "core/import/load_pairs_only_form.h"

#include <utility>

#include "core/model/schedule.h"
#include "core/platform/desktop.h"

namespace tallow {

LoadPairsOnlyForm::LoadPairsOnlyForm(TSchedule& schedule, Desktop& desktop, FileSystem& files,
                                     Settings& settings, BoardActions board)
    : schedule_(schedule),
      desktop_(desktop),
      files_(files),
      settings_(settings),
      board_(std::move(board)) {}

void LoadPairsOnlyForm::Load() {
    baseCode.clear();
    eqpCode.clear();
}

bool LoadPairsOnlyForm::SetBaseCode(std::string_view text) {
    if (text.size() > 1) {
        return false;
    }
    std::string code(text);
    if (!code.empty() && code[0] >= 'a' && code[0] <= 'z') {
        code[0] = static_cast<char>(code[0] - 'a' + 'A');
    }
    if (!code.empty() && (code[0] < 'A' || code[0] > 'Z')) {
        return false;
    }
    baseCode = code;
    return true;
}

bool LoadPairsOnlyForm::SetEqpCode(std::string_view text) {
    if (text.size() > 1 || (!text.empty() && (text[0] < '0' || text[0] > '9'))) {
        return false;
    }
    eqpCode = std::string(text);
    return true;
}

bool LoadPairsOnlyForm::Ok() {
    if (useManualSettings && baseCode.empty()) {
        ShowInfo(desktop_, "You have not entered a Base Code.", "Tallowbright");
        return false;
    }
    const std::optional<std::string> path = ChoosePairingFile(desktop_, settings_);
    if (!path) {
        return true;
    }
    if (board_.closeBoard) {
        board_.closeBoard();
    }
    const std::string code = useManualSettings ? baseCode + eqpCode : std::string();
    const bool skipEquipment =
        useManualSettings ? eqpCode.empty() : schedule_.crewGroup == CrewGroup::FlightAttendants;
    lastImport_ =
        LoadPairingFile(schedule_, *path, code, skipEquipment, desktop_, files_, settings_);
    if (board_.buildBlocks) {
        board_.buildBlocks();
    }
    return true;
}

}  // namespace tallow
