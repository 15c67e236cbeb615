#include "core/app/event_log_session.h"

#include <filesystem>
#include <optional>

#include "core/model/text_format.h"
#include "core/model/time_text.h"

namespace tallow {

namespace {

// Two abnormal ends within one minute give the same dated name; the later
// copy takes the first free " (n)" variant so the earlier one survives.
constexpr int kMaxDatedVariants = 100;

std::string InFolder(const std::string& folder, const std::string& name) {
    return (std::filesystem::path(folder) / name).string();
}

std::optional<std::string> FreeDatedName(const std::string& folder, FileSystem& files,
                                         const DateTime& now) {
    const Date& date = now.date;
    std::string stem = Format("JXDebug %d %s %d at %02d%02d", date.Day(),
                              MonthCode(date.Month()).c_str(), date.Year(), now.hour, now.minute);
    for (int variant = 1; variant <= kMaxDatedVariants; ++variant) {
        std::string name =
            variant == 1 ? stem + ".txt" : Format("%s (%d).txt", stem.c_str(), variant);
        std::string path = InFolder(folder, name);
        if (!files.Exists(path)) {
            return path;
        }
    }
    return std::nullopt;
}

}  // namespace

bool OpenEventLog(EventLog& log, const std::string& folder, FileSystem& files, const Clock& clock,
                  Desktop& desktop) {
    log.Close();
    if (!files.MakeDirectories(folder)) {
        return false;
    }
    std::string path = InFolder(folder, kEventLogFileName);
    std::string previous;
    if (!files.ReadFile(path, previous)) {
        previous.clear();
    }
    if (previous.size() > 1 && previous.find("Termination") == std::string::npos) {
        std::optional<std::string> dated = FreeDatedName(folder, files, clock.Now());
        // Starting afresh over a log that could not be moved would destroy
        // the only trace of the failed run.
        if (!dated || !files.Rename(path, *dated)) {
            return false;
        }
        ShowInfo(
            desktop,
            Format("Tallowbright did not shut down normally. A file named %s contains a log of "
                   "the last program run. Tallowbright will now continue",
                   dated->c_str()),
            "Tallowbright", MessageIcon::Stop);
    }
    return log.Open(path);
}

void CloseEventLog(EventLog& log) {
    if (!log.IsOpen()) {
        return;
    }
    log.Write("Tallowbright Termination Normal\n");
    log.Close();
}

}  // namespace tallow
