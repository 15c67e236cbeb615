#include "core/files/record_io.h"

namespace tallow {

void WriteAbsence(ObjectWriter& out, const TAbsence& code) {
    out.WriteText(code.code);
    out.WriteText(code.trackingCode);
    out.WriteText(code.caption);
    out.WriteWord(code.startTime);
    out.WriteWord(code.endTime);
    out.WriteWord(code.credit);
    out.WriteWord(code.hardTime);
    for (uint8_t flag : {code.containsDuty, code.isCarsDuty, code.countsCredit, code.inToolbox}) {
        out.WriteWord(flag != 0 ? 1 : 0);
    }
}

void ReadAbsence(ObjectReader& in, TAbsence& code) {
    in.ReadText(code.code);
    in.ReadText(code.trackingCode);
    in.ReadText(code.caption);
    code.startTime = in.ReadWord();
    code.endTime = in.ReadWord();
    code.credit = in.ReadWord();
    code.hardTime = in.ReadWord();
    for (uint8_t* flag :
         {&code.containsDuty, &code.isCarsDuty, &code.countsCredit, &code.inToolbox}) {
        *flag = in.ReadWord() != 0 ? 1 : 0;
    }
}

}  // namespace tallow
