#include "sample/airports.h"

#include <array>
#include <cmath>
#include <cstdint>

namespace tallow::sample {

namespace {

// clang-format off
constexpr Airport kAirports[] = {
    {"YYZ", 4368,  -7963, 300, 30, true,  "TORONTO",         "ON", "CANADA"},
    {"YVR", 4919, -12318, 480, 45, true,  "VANCOUVER",       "BC", "CANADA"},
    {"YUL", 4547,  -7374, 300, 35, true,  "MONTREAL",        "QC", "CANADA"},
    {"YYC", 5113, -11401, 420, 30, true,  "CALGARY",         "AB", "CANADA"},
    {"YHZ", 4488,  -6351, 240, 40, true,  "HALIFAX",         "NS", "CANADA"},
    {"YOW", 4532,  -7567, 300, 25, true,  "OTTAWA",          "ON", "CANADA"},
    {"YQB", 4679,  -7139, 300, 25, true,  "QUEBEC",          "QC", "CANADA"},
    {"YYJ", 4865, -12343, 480, 25, true,  "VICTORIA",        "BC", "CANADA"},
    {"YXE", 5217, -10670, 360, 25, false, "SASKATOON",       "SK", "CANADA"},
    {"YQR", 5043, -10467, 360, 25, false, "REGINA",          "SK", "CANADA"},
    {"YWG", 4991,  -9724, 360, 30, true,  "WINNIPEG",        "MB", "CANADA"},
    {"YEG", 5331, -11358, 420, 35, true,  "EDMONTON",        "AB", "CANADA"},
    {"YXU", 4304,  -8115, 300, 20, true,  "LONDON",          "ON", "CANADA"},
    {"YQG", 4228,  -8296, 300, 20, true,  "WINDSOR",         "ON", "CANADA"},
    {"YSB", 4663,  -8080, 300, 20, true,  "SUDBURY",         "ON", "CANADA"},
    {"YTS", 4857,  -8138, 300, 20, true,  "TIMMINS",         "ON", "CANADA"},
    {"YAM", 4648,  -8451, 300, 20, true,  "SAULT STE MARIE", "ON", "CANADA"},
    {"YQT", 4837,  -8932, 300, 20, true,  "THUNDER BAY",     "ON", "CANADA"},
    {"YKF", 4346,  -8038, 300, 20, true,  "KITCHENER",       "ON", "CANADA"},
    {"YQM", 4611,  -6468, 240, 20, true,  "MONCTON",         "NB", "CANADA"},
    {"YFC", 4587,  -6653, 240, 20, true,  "FREDERICTON",     "NB", "CANADA"},
    {"YSJ", 4532,  -6589, 240, 20, true,  "SAINT JOHN",      "NB", "CANADA"},
    {"YYG", 4629,  -6312, 240, 20, true,  "CHARLOTTETOWN",   "PE", "CANADA"},
    {"YQY", 4616,  -6005, 240, 20, true,  "SYDNEY",          "NS", "CANADA"},
    {"YYT", 4762,  -5275, 210, 25, true,  "ST JOHNS",        "NL", "CANADA"},
    {"YDF", 4921,  -5739, 210, 20, true,  "DEER LAKE",       "NL", "CANADA"},
    {"YYR", 5332,  -6043, 240, 20, true,  "GOOSE BAY",       "NL", "CANADA"},
    {"YBG", 4833,  -7099, 300, 20, true,  "BAGOTVILLE",      "QC", "CANADA"},
    {"YYY", 4861,  -6821, 300, 20, true,  "MONT JOLI",       "QC", "CANADA"},
    {"YZV", 5022,  -6627, 300, 20, true,  "SEPT ILES",       "QC", "CANADA"},
    {"YVO", 4805,  -7778, 300, 20, true,  "VAL D OR",        "QC", "CANADA"},
    {"YUY", 4821,  -7884, 300, 20, true,  "ROUYN NORANDA",   "QC", "CANADA"},
    {"YGP", 4878,  -6448, 300, 20, true,  "GASPE",           "QC", "CANADA"},
    {"YXC", 4961, -11578, 420, 20, true,  "CRANBROOK",       "BC", "CANADA"},
    {"YLW", 4996, -11938, 480, 25, true,  "KELOWNA",         "BC", "CANADA"},
    {"YKA", 5070, -12044, 480, 20, true,  "KAMLOOPS",        "BC", "CANADA"},
    {"YXS", 5389, -12268, 480, 20, true,  "PRINCE GEORGE",   "BC", "CANADA"},
    {"YXT", 5447, -12858, 480, 20, true,  "TERRACE",         "BC", "CANADA"},
    {"YCD", 4905, -12387, 480, 20, true,  "NANAIMO",         "BC", "CANADA"},
    {"YQQ", 4971, -12489, 480, 20, true,  "COMOX",           "BC", "CANADA"},
    {"YYF", 4946, -11960, 480, 20, true,  "PENTICTON",       "BC", "CANADA"},
    {"YXJ", 5624, -12074, 420, 20, false, "FORT ST JOHN",    "BC", "CANADA"},
    {"YMM", 5665, -11122, 420, 20, true,  "FORT MCMURRAY",   "AB", "CANADA"},
    {"YQL", 4963, -11280, 420, 20, true,  "LETHBRIDGE",      "AB", "CANADA"},
    {"YQU", 5518, -11888, 420, 20, true,  "GRANDE PRAIRIE",  "AB", "CANADA"},
    {"YXH", 5002, -11072, 420, 20, true,  "MEDICINE HAT",    "AB", "CANADA"},
    {"YZF", 6246, -11444, 420, 25, true,  "YELLOWKNIFE",     "NT", "CANADA"},
    {"BOS", 4236,  -7101, 300, 40, true,  "BOSTON",          "MA", "USA"},
    {"LGA", 4078,  -7387, 300, 45, true,  "NEW YORK",        "NY", "USA"},
    {"EWR", 4069,  -7417, 300, 45, true,  "NEWARK",          "NJ", "USA"},
    {"PHL", 3987,  -7524, 300, 40, true,  "PHILADELPHIA",    "PA", "USA"},
    {"BWI", 3918,  -7667, 300, 35, true,  "BALTIMORE",       "MD", "USA"},
    {"IAD", 3895,  -7746, 300, 40, true,  "WASHINGTON",      "VA", "USA"},
    {"CLE", 4141,  -8185, 300, 30, true,  "CLEVELAND",       "OH", "USA"},
    {"PIT", 4049,  -8023, 300, 30, true,  "PITTSBURGH",      "PA", "USA"},
    {"DTW", 4221,  -8335, 300, 35, true,  "DETROIT",         "MI", "USA"},
    {"CMH", 4000,  -8289, 300, 30, true,  "COLUMBUS",        "OH", "USA"},
    {"ORD", 4198,  -8790, 360, 45, true,  "CHICAGO",         "IL", "USA"},
    {"MSP", 4488,  -9322, 360, 35, true,  "MINNEAPOLIS",     "MN", "USA"},
    {"SEA", 4745, -12231, 480, 40, true,  "SEATTLE",         "WA", "USA"},
    {"PDX", 4559, -12260, 480, 35, true,  "PORTLAND",        "OR", "USA"},
    {"SFO", 3762, -12238, 480, 45, true,  "SAN FRANCISCO",   "CA", "USA"},
    {"DEN", 3986, -10467, 420, 40, true,  "DENVER",          "CO", "USA"},
    {"PHX", 3343, -11201, 420, 35, false, "PHOENIX",         "AZ", "USA"},
    {"BDL", 4194,  -7268, 300, 30, true,  "HARTFORD",        "CT", "USA"},
    {"RDU", 3588,  -7879, 300, 30, true,  "RALEIGH",         "NC", "USA"},
    {"ALB", 4275,  -7380, 300, 25, true,  "ALBANY",          "NY", "USA"},
    {"SLC", 4079, -11198, 420, 35, true,  "SALT LAKE CITY",  "UT", "USA"},
    {"LAS", 3608, -11515, 480, 40, true,  "LAS VEGAS",       "NV", "USA"},
    {"IAH", 2998,  -9534, 360, 45, true,  "HOUSTON",         "TX", "USA"},
    {"ATL", 3364,  -8443, 300, 45, true,  "ATLANTA",         "GA", "USA"},
    {"BUF", 4294,  -7873, 300, 25, true,  "BUFFALO",         "NY", "USA"},
};

// Cosine of whole degrees of latitude 20 to 70, in thousandths.
constexpr std::array<int, 51> kCosine = {
    940, 934, 927, 921, 914, 906, 899, 891, 883, 875, 866, 857, 848, 839, 829, 819, 809,
    799, 788, 777, 766, 755, 743, 731, 719, 707, 695, 682, 669, 656, 643, 629, 616, 602,
    588, 574, 559, 545, 530, 515, 500, 485, 469, 454, 438, 423, 407, 391, 375, 358, 342};
// clang-format on

constexpr int64_t kMetresPerHundredth = 1112;  // one hundredth of a degree of latitude

int CosineAt(int latitude) {
    int degrees = latitude / 100;
    if (degrees < 20) {
        degrees = 20;
    }
    if (degrees > 70) {
        degrees = 70;
    }
    return kCosine[static_cast<size_t>(degrees - 20)];
}

}  // namespace

std::span<const Airport> Airports() {
    return kAirports;
}

const Airport* FindAirport(std::string_view code) {
    for (const Airport& airport : kAirports) {
        if (code == airport.code) {
            return &airport;
        }
    }
    return nullptr;
}

int DistanceKm(const Airport& from, const Airport& to) {
    int64_t north = static_cast<int64_t>(to.latitude - from.latitude) * kMetresPerHundredth;
    int64_t east = static_cast<int64_t>(to.longitude - from.longitude) * kMetresPerHundredth *
                   CosineAt((from.latitude + to.latitude) / 2) / 1000;
    // IEEE square roots are correctly rounded, so this is exact everywhere.
    double metres = std::sqrt(static_cast<double>(north * north + east * east));
    return static_cast<int>(metres / 1000.0);
}

}  // namespace tallow::sample
