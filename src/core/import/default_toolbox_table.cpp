#include "core/import/default_toolbox_table.h"

#include <array>

#include "core/app/event_log.h"
#include "core/model/time_text.h"

namespace tallow {
namespace {

// The union-business days and the airline's company event day are left
// out: their codes name outside organisations.
// clang-format off
constexpr std::array<std::string_view, 113> kRows = {
    "5HS   C                    5:00           D       HEALTH AND SAFETY 5  5H                                                08:00 18:00",
    "4HS   P                    4:30           D       HEALTH AND SAFETY    4H                                                08:00 16:00",
    "JX    C                    5:00           D       Tallowbright Day     JX                                                08:00 18:00",
    "JX    P                    4:30           D       Tallowbright Day     JX                                                09:00 17:00",
    "BRG   C                    5:00           D       Bargaining Commitee  BR                                                08:00 18:00",
    "BST   C                    2:50           N       Bid Award Stat Day.  BT                                                12:00 16:00",
    "COB   C                    4:00           D       Company Business     CB                                                08:00 16:00",
    "COB   P                    4:30           D       Company Business     CB                                                08:00 16:00",
    "CPT   P                    4:00           DD      Cockpit Pro. Trn     CP                                                08:00 12:00",
    "CBT   P                    4:00           DD      Computer Based Train CT                                                08:00 17:00",
    "CIR   P                    4:00           DD      Circuits Company Use CR                                                09:00 17:00",
    "CRI   P                    5:18           DD      CRM Instructor       CI                                                08:00 18:00",
    "CRM   C                E   4:00           DD      CREW RESOURCE MGMT   CM                                                10:00 18:00",
    "CRM   P                    4:00           DD      Crew Resource Mgmt   CM                                                10:00 18:00",
    "DFD   P                    2:00           N       Duty Free Day        DD                                                12:00 16:00",
    "DOR   C                                   N       Day Off Required     --                                                12:00 16:00",
    "FAT   C                    4:45           D       FIRST AID            FT                                                09:00 16:00",
    "FLS   P                    5:00           DD      Flight Safety        FS                                                09:00 17:00",
    "FOC   C                    4:00           D       FOCUS GROUP          FC                                                08:00 17:00",
    "FRN   C                    4:00           D       FRENCH TRAINING      FN                                                08:30 15:30",
    "FSA   C                    5:00           D       F/A Special Assignmt FA                                                08:00 18:00",
    "GO    C                                   N       Guaranteed Day Off   GO                                                12:00 16:00",
    "GO    P                                   N       Guaranteed Day Off   GO                                                12:00 16:00",
    "GS    P                    4:00           DD      Ground School        GS                                                08:00 17:00",
    "GSI   P                    5:18           DD      GRS Instructor       GI                                                08:00 18:00",
    "HTL   C                    5:00           D       Hotel Commitee       HO                                                08:00 18:00",
    "IDO   P                    5:00           D       CRM Inst on Day Off  I8                                                09:00 17:00",
    "INS   C                    5:00           D       F/A TRNG INSTRUCTOR  IS                                                08:00 16:00",
    "IPT   P                    4:00           DD      Inst Procedures Trn  IP                                                08:00 12:00",
    "ITR   P                    4:00           DD      Initial Training     IT                                                09:00 17:00",
    "LDS   C                    4:00           N       Leadership Training  LS                                                10:00 17:00",
    "LOA   C                    2:50           N       Leave of Absence     LA                                                12:00 16:00",
    "LOA   P                    2:50           N       Leave of Absence     LA                                                12:00 16:00",
    "MAT   C                    2:50           N       Maternity Leave      MT                                                12:00 16:00",
    "MAT   P                    2:50           N       Maternity Leave      MT                                                12:00 16:00",
    "MED   C                    2:50           N       Medical Leave        MD                                                12:00 16:00",
    "MED   P                    2:50           N       Medical Leave        MD                                                12:00 16:00",
    "MOV   C                    4:00           N       Moving Days          MV                                                12:00 16:00",
    "MOV   P                    2:50           N       Moving Days          MV                                                12:00 16:00",
    "MOD   C                    2:30           N       Modified Work        MW                                                12:00 13:00",
    "OF    C                    4:00           DD      OFFICE DAY           OC                                                08:00 16:00",
    "OF    P                    4:30           DD      Office Day           OC                                                08:00 17:00",
    "REC   C                E   4:00           D       F/A RECURENT TRNG    RT                                                09:00 17:00",
    "RA    C                    4:00           D       Reserve A            RA                                                04:00 18:00",
    "RA    P                                   DD      Reserve A            RA                                                03:00 17:00",
    "RB    C                    4:00           D       Reserve B            RB                                                12:00 02:00",
    "RB    P                                   DD      Reserve B            RB                                                12:00 02:00",
    "RE    C                    4:00           D       Reserve Early        RE                                                03:00 17:00",
    "RCK   P                                   DD      Check Pilot Reserve  RK                                                07:00 19:00",
    "SDO   P                                   N       DAY OFF IN STAT WK   SO                                                12:00 16:00",
    "SEC   C                    4:00           DD      Security Training    SC                                                08:00 17:00",
    "SEC   P                    4:00           DD      Security Train I/W   SC                                                08:00 17:00",
    "SEW   P                E   4:00           DD      Secur Train OutWin   SW                                                08:00 17:00",
    "SIM   P                    4:00           DD      Simulator Day        SM                                                09:00 15:00",
    "STA   P                    4:00           N       STAT                 SA                                                12:00 16:00",
    "STA   C                    4:00           N       STAT                 SA                                                12:00 16:00",
    "STT   P                    4:00           N       STAT                 ST                                                12:00 16:00",
    "STT   C                    4:00           N       Stat Day - Operation ST                                                12:00 16:00",
    "TBK   C                    2:50           N       TIME BANK            TK                                                12:00 16:00",
    "TEA   C                    5:00           D       Teamster Day         TE                                                08:00 18:00",
    "TRN   C                    4:00           D       Training             TN                                                09:00 17:00",
    "TRN   P                    4:00           DD      TRAINING             TN                                                09:00 17:00",
    "TVL   C                    4:00           DD      Travel Day           TL                                                12:00 16:00",
    "TVL   P                    4:30           DD      Travel Day           TL                                                09:00 17:00",
    "TVU   C                                   N       Travel Day Unpaid    TU                                                12:00 12:01",
    "TVU   P                                   N       Travel Day Unpaid    TU                                                12:00 12:01",
    "TVS   P                    4:00           DD      Travel and Sim Day   TS                                                08:00 16:00",
    "UNF   C                    5:00           D       Uniform Commitee     UN                                                08:00 18:00",
    "UTF   C                                   N       Unable to Fly        UF                                                08:00 16:00",
    "UTF   P                                   N       Unable to Fly        UF                                                08:00 16:00",
    "VAC   C                    2:50           N       Vacation             VC                                                12:00 16:00",
    "VAC   P                    2:50           N       Vacation             VC                                                12:00 16:00",
    "VAU   P                    2:50           N       Vacation Unpaid      VU                                                12:00 16:00",
    "VAU   C                    2:50           N       Vacation Unpaid      VU                                                12:00 16:00",
    "SIW   P                E   4:00           DD      Simulator Day OutWin 74                                                09:00 15:00",
    "CRW   P                E   4:00           DD      Crew Rsc Mgmt OutWin CW                                                10:00 18:00",
    "GRW   P                E   4:00           DD      Ground School OutWin GW                                                08:00 17:00",
    "LCK   P                    5:18           N       Line Check Day       LC                                                07:00 19:00",
    "SMI   P                    5:18           DD      Simulator Inst Day   SI                                                09:00 15:00",
    "VTP   P                    5:18           N       Check Pilot Vac Day  VT                                                12:00 16:00",
    "WCB   C                                   N       WORKERS COMPENSATION 64                                                12:00 12:01",
    "WCB   P                                   N       WORKERS COMPENSATION 64                                                12:00 12:01",
    "LTD   C                                   N       Long Term Disability LD                                                12:00 12:01",
    "LTD   P                                   N       Long Term Disability LD                                                12:00 12:01",
    "PSD   C                                   N       Preplanned STD       PD                                                12:00 12:01",
    "PSD   P                                   N       Preplanned STD       PD                                                12:00 12:01",
    "IPW   P                E   4:00           DD      Inst ProcTrng OutWin IW                                                08:00 17:00",
    "CPW   P                E   4:00           DD      Ckpit ProcTrn OutWin 68                                                08:00 17:00",
    "CBW   P                E   4:00           DD      Comp BsdTrn OutWin   BW                                                08:00 17:00",
    "SEW   P                E   4:00           DD      SEC OutWin           SW                                                08:00 17:00",
    "TVW   P                E   4:00           DD      Travl Sim Day OutWin TW                                                08:00 17:00",
    "SCK   P                    4:00           N       SICK                 54                                                00:00 00:00",
    "LCK   P                                   N                            62                                                00:01 00:02",
    "LCP   P                                   N       Line Check Pending   59                                                01:00 02:00",
    "SMI   P                    4:00           N       Sim Instruction      SU                                                09:00 17:00",
    "LPC   P                                   DD      CONDUCTING LINE CK   LC                                                00:00 00:00",
    "GDV   P                                   N       G-Day w/Vacation     GV                                                12:00 12:01",
    "DDT   P                    4:30           N       Double Training Duty 49                                                00:00 00:00",
    "IPI   P                    4:00           N       IPT Instructor       56                                                08:00 17:00",
    "RSF   C                    4:00           DD      Reserve Call First   67                                                00:01 23:59",
    "RSF   P                                   DD      Reserve Call First   67                                                12:00 12:01",
    "OWP   C                                   N       OFF WITH PAY         H9                                                12:00 12:01",
    "OWP   P                                   N       OFF WITH PAY         52                                                12:00 12:01",
    "ONP   C                                   N       OFF NO PAY           OP                                                12:00 12:01",
    "ONP   P                                   N       OFF NO PAY           OP                                                12:00 12:01",
    "FPG   C                                   D       FLT PAY GUARANTEE    FG                                                12:00 12:01",
    "FPG   P                                   N       FLT PAY GUARANTEE    FG                                                12:00 12:01",
    "BEV   C                                   N       Bereavement          BV                                                00:00 00:00",
    "BEV   P                                   N       Bereavement          BV                                                00:00 00:00",
    "SKU   C                                   N       Sick Unpaid          61                                                00:00 00:00",
    "SKU   P                                   N       Sick Unpaid          61                                                00:00 00:00",
    "RTA   C                                   D       Res Trade Add        69                                                00:00 00:00",
    "RTA   P                                   D       RES TTRADE ADD       69                                                00:00 00:00",
};
// clang-format on

constexpr std::string_view kCabinReserveCodes[] = {"RA ", "RB ", "RE "};

bool IsCabinReserveCode(std::string_view code) {
    for (std::string_view reserve : kCabinReserveCodes) {
        if (code == reserve) {
            return true;
        }
    }
    return false;
}

}  // namespace

std::span<const std::string_view> DefaultToolboxRows() {
    return kRows;
}

int32_t DefaultRowCredit(std::string_view row) {
    return GetInt(row, default_row::kCreditHours, 2) * 60 +
           GetInt(row, default_row::kCreditMinutes, 2);
}

ToolboxMatch LookupDefaultRows(std::span<const std::string_view> rows, CrewGroup group,
                               std::string_view trackingCode, EventLog& log) {
    using namespace default_row;
    const bool pilots = group != CrewGroup::FlightAttendants;
    const char crew = pilots ? 'P' : 'C';
    for (std::string_view row : rows) {
        if (row.size() < kTrackingCode + kTrackingCodeWidth) {
            if (pilots && log.IsOpen()) {
                log.Write("Oxbellows Codes Data Error\n");
            }
            continue;
        }
        if (row[kCrew] != crew || row.substr(kTrackingCode, kTrackingCodeWidth) != trackingCode) {
            continue;
        }
        ToolboxMatch match;
        match.found = true;
        match.code = std::string(row.substr(kCode, kCodeWidth));
        match.credit = DefaultRowCredit(row);
        match.containsDuty = row[kDuty] == 'D';
        if (pilots) {
            match.carsDuty = row[kCarsDuty] == 'D';
            TAbsence probe;
            probe.trackingCode = std::string(trackingCode);
            match.reserve = probe.IsReserve(group);
        } else {
            match.reserve = IsCabinReserveCode(match.code);
        }
        return match;
    }
    return {};
}

}  // namespace tallow
