#include "core/import/usa_segment_scan.h"

#include <algorithm>
#include <bitset>

#include "core/model/schedule.h"
#include "core/platform/progress_dialog.h"

namespace tallow {

const std::string_view kUsaAirports =
    "ABR-ABI-CAK-ALB-ABQ-ESF-ABE-APN-AMA-ANC-ATW-AVL-ASE-ATL-AIY-AGS-AUS-BFL-BWI-BGR-BRW-BTR-MBS-"
    "BPT-BED-BJI-BEH-BET-ABE-BIL-BIX-BGM-BHM-BIS-BMI-BLF-BOI-BOS-WBU-BWG-BZN-BRD-TRI-BRO-BUF-IFP-"
    "BUR-BTV-BTM-CAK-CID-CMI-CHS-CRW-CLT-CHA-CYS-CHI-MDW-ORD-CVG-CKB-CLE-CVN-CLL-COS-COU-CAE-CSG-"
    "GTR-CMH-CCR-CNK-CDV-CRP-DFW-DAY-DAB-DEN-DSM-DTT-DTW-DUJ-DBQ-DLH-RDU-DRO-RDU-DUT-ABE-EAU-ELD-"
    "IPL-ELP-ELM-ERI-ESC-EUG-EVV-FAI-FAR-FYV-FLG-FNT-FLO-FOD-FLL-RSW-FSM-VPS-FWA-DFW-FKL-FAT-GNV-"
    "GCK-GYY-GCC-GGW-GCN-GFK-GJT-GRR-GPZ-GTF-GRB-GSO-GLH-GSP-GPT-GUC-SUN-HNS-PHF-HNM-PAK-CMX-HRL-"
    "MDT-HRO-HDN-BDL-HIB-GSO-ITO-HHH-HBB-HOM-HNL-MKK-HOT-HOU-HOU-IAH-HSV-HON-IDA-IND-INL-IMT-IWD-"
    "ISP-JAN-MKL-JAC-JAX-OAJ-JVL-TRI-JLN-JNU-AZO-MCI-LIH-EEN-KTN-EYW-ILE-TRI-IRK-LMT-TYS-ADQ-KOA-"
    "LSE-LAF-LFT-LCH-LNY-LNS-LAN-LAR-LRD-LAS-PIB-LAW-LEX-LNK-LIT-LGB-GGG-LAX-SDF-LBB-MCN-MSN-MHT-"
    "MHK-MKT-MQT-MCW-OGG-MFE-MFR-MLB-MEM-MEI-MIA-MBS-MAF-MKE-MSP-MOT-MOB-MLI-MLU-MRY-MGM-MWH-MSL-"
    "MKG-MYR-ACK-APF-BNA-HVN-MSY-NYC-JFK-LGA-EWR-SWF-PHF-OME-ORF-OAK-MAF-OKC-OMA-ONT-SNA-MCO-OSH-"
    "OWB-OXR-PAH-PSP-PFN-PLN-PNS-PIA-PHL-PHX-PIR-PIP-PIT-PLB-PSE-BPT-PWM-PDX-PVD-UIN-RDU-RDG-RNO-"
    "RHI-RIC-ROA-RST-ROC-RFD-ROW-SMF-MBS-STC-SGU-STL-SLC-SJT-SAT-SAN-SFO-SJC-SJU-SBP-SNA-SBA-SAF-"
    "SMX-SRQ-CIU-SAV-SEA-SHV-SUX-FSD-SIT-SBN-GSP-GEG-SPI-SGF-SCE-SBS-CWA-SWF-SUN-SYR-TLH-TPA-HUF-"
    "TXK-TVF-TOL-FOE-TVC-TUS-TUL-TUP-TCL-TWF-TYR-CMI-UCA-EGE-VDZ-VLD-VPS-ACT-ALW-WAS-IAD-DCA-ALO-"
    "ATY-CWA-PBI-HPN-ICT-SPS-AVP-PHF-IPT-ISN-ORH-YKM-YAK-YUM-YNG-";

namespace {

constexpr int kProgressRange = 1440;
constexpr size_t kCodeLength = 3;
constexpr size_t kLetters = 26;
constexpr std::string_view kUsaMark = "   USA SEGMENT ";

using CodeSet = std::bitset<kLetters * kLetters * kLetters>;

bool IsUpper(char c) {
    return c >= 'A' && c <= 'Z';
}

size_t CodeIndex(const char* code) {
    size_t index = 0;
    for (size_t k = 0; k < kCodeLength; ++k) {
        index = index * kLetters + static_cast<size_t>(code[k] - 'A');
    }
    return index;
}

// Every listed code; all of them are three capital letters.
const CodeSet& UsaCodes() {
    static const CodeSet codes = [] {
        CodeSet set;
        for (size_t at = 0; at + kCodeLength < kUsaAirports.size(); at += kCodeLength + 1) {
            set.set(CodeIndex(kUsaAirports.data() + at));
        }
        return set;
    }();
    return codes;
}

}  // namespace

// Looking at each "-" and the three letters before it finds the same seats as
// searching the text for each listed entry in turn, in one pass.
bool DepartsFromUsa(std::string_view text) {
    const CodeSet& codes = UsaCodes();
    for (size_t dash = text.find('-', kCodeLength); dash != std::string_view::npos;
         dash = text.find('-', dash + 1)) {
        const char* code = text.data() + dash - kCodeLength;
        if (IsUpper(code[0]) && IsUpper(code[1]) && IsUpper(code[2]) &&
            codes.test(CodeIndex(code))) {
            return true;
        }
    }
    return false;
}

void ScanUsaSegments(TSchedule& schedule, Desktop& desktop) {
    const int32_t seats = std::clamp<int32_t>(schedule.lastPairing + 1, 0, kMaxPairings);
    for (TPair& seat : schedule.pairings) {
        seat.usaSegments = 0;
    }
    ProgressDialog progress(desktop, "Scanning for USA Segments", "Completed %d of %d", 0,
                            kProgressRange);
    // The gauge counts list characters, one list entry at a time, spread over the seats.
    constexpr auto kEntryWidth = static_cast<int64_t>(kCodeLength + 1);
    constexpr int64_t kEntries = kProgressRange / kEntryWidth;
    int64_t shown = -1;
    for (int32_t s = 0; s < seats; ++s) {
        const int64_t entry = s * kEntries / seats;
        if (entry != shown) {
            progress.Update(static_cast<double>(entry * kEntryWidth));
            shown = entry;
        }
        TPair& seat = schedule.pairings[static_cast<size_t>(s)];
        if (DepartsFromUsa(seat.displayText)) {
            seat.displayText += kUsaMark;
            seat.usaSegments = 1;
        }
    }
    progress.Close();
}

}  // namespace tallow
