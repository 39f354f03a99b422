#include "UnitAliases.h"

#include <algorithm>
#include <iterator>

namespace zelvano::cli {

namespace {

// Symbols are case-sensitive because case tells units apart ("b" bit, "B"
// byte); names are not. Each list is separated by '|', since names may hold
// blanks. A unit without a usual English name or symbol, or whose name would
// fit several units of its category (the arshins, versts, carats), has none:
// it is named by its caption or number.
struct AliasRow {
    convert::Category category;
    int unit;
    std::string_view symbols;
    std::string_view names;
};

using C = convert::Category;

constexpr AliasRow kAliases[] = {
    {C::Length, 1, "m|м", "meter|metre|meters|metres"},
    {C::Length, 2, "in", "inch|inches"},
    {C::Length, 3, "ft", "foot|feet"},
    {C::Length, 4, "yd", "yard|yards"},
    {C::Length, 5, "mi", "mile|miles"},
    {C::Length, 6, "nmi", "nautical mile|nautical miles"},
    {C::Length, 10, "", "vershok"},
    {C::Length, 13, "", "pouce|French inch"},
    {C::Length, 16, "", "span"},
    {C::Length, 17, "mm|мм", "millimeter|millimetre|millimeters|millimetres"},
    {C::Length, 18, "cm|см", "centimeter|centimetre|centimeters|centimetres"},

    {C::Weight, 1, "g|г", "gram|gramme|grams"},
    {C::Weight, 2, "kg|кг", "kilogram|kilogramme|kilograms"},
    {C::Weight, 3, "t|т", "tonne|tonnes|metric ton"},
    {C::Weight, 4, "ct", "metric carat"},
    {C::Weight, 5, "", "pood|pud"},
    {C::Weight, 6, "", "berkovets"},
    {C::Weight, 7, "q|ц", "quintal"},
    {C::Weight, 8, "lb", "pound|pounds"},
    {C::Weight, 11, "ozt", "troy ounce|troy ounces"},
    {C::Weight, 16, "gr", "grain|grains"},

    {C::Volume, 1, "m3|m³|м3|м³", "cubic meter|cubic metre"},
    {C::Volume, 2, "in3|in³", "cubic inch"},
    {C::Volume, 3, "ft3|ft³", "cubic foot|cubic feet"},
    {C::Volume, 4, "yd3|yd³", "cubic yard"},
    {C::Volume, 5, "l|L|л", "liter|litre|liters|litres"},
    {C::Volume, 7, "", "imperial bushel|UK bushel"},
    {C::Volume, 8, "", "US bushel"},
    {C::Volume, 9, "", "imperial fluid ounce|UK fluid ounce"},
    {C::Volume, 10, "", "US fluid ounce"},

    {C::Area, 1, "m2|m²|м2|м²", "square meter|square metre"},
    {C::Area, 2, "cm2|cm²|см2|см²", "square centimeter|square centimetre"},
    {C::Area, 3, "mm2|mm²|мм2|мм²", "square millimeter|square millimetre"},
    {C::Area, 4, "km2|km²|км2|км²", "square kilometer|square kilometre"},
    {C::Area, 5, "in2|in²", "square inch|square inches"},
    {C::Area, 6, "ft2|ft²", "square foot|square feet"},
    {C::Area, 7, "yd2|yd²", "square yard|square yards"},
    {C::Area, 8, "a", "are|ares|сотка"},
    {C::Area, 9, "ha|га", "hectare|hectares"},
    {C::Area, 10, "b", "barn|barns"},

    {C::Temperature, 1, "C|c|°C|℃", "celsius|centigrade"},
    {C::Temperature, 2, "F|f|°F|℉", "fahrenheit"},
    {C::Temperature, 3, "Re|re|°Re|°Ré", "reaumur|réaumur"},
    {C::Temperature, 4, "R|Ra|ra|°Ra", "rankine"},
    {C::Temperature, 5, "K|k", "kelvin|kelvins"},

    {C::Speed, 1, "km/h|kph|км/ч", "kilometer per hour|kilometre per hour|kilometers per hour"},
    {C::Speed, 2, "m/s|м/с", "meter per second|metre per second|meters per second"},
    {C::Speed, 3, "mph", "mile per hour|miles per hour"},
    {C::Speed, 4, "kn|kt", "knot|knots|узел"},
    {C::Speed, 5, "ft/s|fps", "foot per second|feet per second"},
    {C::Speed, 6, "yd/s", "yard per second|yards per second"},
    {C::Speed, 8, "m/min|м/мин", "meter per minute|metre per minute|meters per minute"},

    // The program's larger units are 1024 times the one below, as KiB, MiB,
    // GiB and TiB are; its factors for the three largest are ten-digit roundings.
    {C::Information, 1, "b", "bit|bits"},
    {C::Information, 2, "B|Б", "byte|bytes"},
    {C::Information, 3, "KB|KiB|КБ", "kilobyte|kilobytes|kibibyte"},
    {C::Information, 4, "MB|MiB|МБ", "megabyte|megabytes|mebibyte"},
    {C::Information, 5, "GB|GiB|ГБ", "gigabyte|gigabytes|gibibyte"},
    {C::Information, 6, "TB|TiB|ТБ", "terabyte|terabytes|tebibyte"},

    {C::RadioActivity, 1, "Ci|Ки", "curie|curies"},
    {C::RadioActivity, 2, "Bq|Бк", "becquerel|becquerels"},
    {C::RadioActivity, 3, "Rd", "rutherford|rutherfords"},
};

std::vector<std::string_view> split(std::string_view list) {
    std::vector<std::string_view> words;
    while (!list.empty()) {
        const std::size_t bar = list.find('|');
        words.push_back(list.substr(0, bar));
        list.remove_prefix(bar == list.npos ? list.size() : bar + 1);
    }
    return words;
}

} // namespace

const UnitAliases& unitAliases(convert::Category category, int unit) {
    // Split once: batch lookups ask for every unit of a category on each line.
    static const std::vector<UnitAliases> split_ = [] {
        std::vector<UnitAliases> all;
        for (const AliasRow& row : kAliases)
            all.push_back({split(row.symbols), split(row.names)});
        return all;
    }();
    static const UnitAliases none;
    const auto row = std::ranges::find_if(
        kAliases, [&](const AliasRow& r) { return r.category == category && r.unit == unit; });
    return row == std::end(kAliases) ? none
                                     : split_[static_cast<std::size_t>(row - std::begin(kAliases))];
}

} // namespace zelvano::cli
