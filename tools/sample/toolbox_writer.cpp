#include "sample/toolbox_writer.h"

#include "core/model/text_format.h"
#include "sample/airports.h"

namespace tallow::sample {

namespace {

std::string Line(const std::string& text) {
    return text + "\n";
}

std::string Flag(bool value) {
    return value ? "Y\n" : "N\n";
}

std::string HoursMinutes(int minutes) {
    return Format("%d:%02d\n", minutes / 60, minutes % 60);
}

std::string Entry(const ToolboxCode& code) {
    std::string text = Line(code.code);
    text += Line(code.pilot ? "Pilot" : "Cabin");
    text += Line(code.trackingCode);
    text += Line(code.caption);
    text += HoursMinutes(code.startTime);
    text += HoursMinutes(code.endTime);
    text += HoursMinutes(code.credit);
    text += HoursMinutes(code.hardTime);
    text += Flag(code.containsDuty);
    text += Flag(code.isCarsDuty);
    text += Flag(code.countsCredit);
    text += Flag(code.inToolbox);
    text += Line("EndCode");
    return text;
}

std::string AirportLines(const Airport& airport) {
    std::string text = Line(airport.code);
    text += Format("%02d:%02d\n", airport.utcOffset / 60, airport.utcOffset % 60);
    text += Format("%02d:%02d\n", airport.stationTime / 60, airport.stationTime % 60);
    text += Flag(airport.observesDst);
    text += Line(airport.city);
    text += Line(airport.region);
    text += Line(airport.country);
    text += Line("EndAirport");
    return text;
}

}  // namespace

std::string ToolboxText(const SampleMonth& month) {
    std::string text = Line("JXToolBox");
    text += Line("Version 2");
    text += Line(month.toolboxTitle);
    text += Line("Toolbox Codes");
    text += Format("%zu\n", ToolboxCodes().size());
    for (const ToolboxCode& code : ToolboxCodes()) {
        text += Entry(code);
    }
    text += Line("Airports");
    text += Format("%zu\n", Airports().size());
    for (const Airport& airport : Airports()) {
        text += AirportLines(airport);
    }
    return text;
}

}  // namespace tallow::sample
