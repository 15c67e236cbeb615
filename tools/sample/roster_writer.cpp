#include "sample/roster_writer.h"

#include "sample/fixed_line.h"
#include "sample/names.h"

namespace tallow::sample {

std::string RosterText(const SampleMonth& month) {
    std::string text;
    for (const SampleEmployee& employee : month.employees) {
        FixedLine line(kRosterWidth);
        line.PutNumber(0, 9, employee.number);
        line.Put(9, employee.surname.substr(0, kSurnameWidth));
        line.Put(29, employee.initial);
        line.Put(31, employee.base);
        line.Put(34, employee.equipment);
        line.Put(37, employee.status);
        line.Put(77, employee.qualifications);
        text += line.Text() + "\n";
    }
    return text;
}

}  // namespace tallow::sample
