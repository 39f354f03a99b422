#include "CommandLine.h"

#include "Wording.h"

namespace zelvano::cli {

namespace {

constexpr std::size_t kConvertOperands = 4;

bool isOptionLike(std::string_view arg) {
    return arg.starts_with("--") && arg.size() > 2;
}

} // namespace

CommandLine parseCommandLine(std::span<const std::string_view> args) {
    CommandLine line;
    bool batch = false, list = false, help = false, version = false, optionsEnded = false;

    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (optionsEnded) {
            line.operands.push_back(arg);
        } else if (arg == "--") {
            optionsEnded = true;
        } else if (arg == "--help" || arg == "-h") {
            help = true;
        } else if (arg == "--version") {
            version = true;
        } else if (arg == "--batch") {
            batch = true;
        } else if (arg == "--list") {
            list = true;
            if (i + 1 < args.size() && !isOptionLike(args[i + 1]) && args[i + 1] != "--")
                line.listCategory = args[++i];
        } else if (arg == "--locale") {
            if (i + 1 >= args.size()) {
                line.error = say("--locale needs a locale name", "после --locale нужно имя локали");
                return line;
            }
            line.locale = args[++i];
        } else if (arg.starts_with("--locale=")) {
            line.locale = arg.substr(std::string_view("--locale=").size());
        } else if (isOptionLike(arg)) {
            line.error =
                std::string(say("unknown option ", "неизвестный параметр ")) + std::string(arg);
            return line;
        } else {
            line.operands.push_back(arg);
        }
    }

    if (help) {
        line.mode = Mode::Help;
    } else if (version) {
        line.mode = Mode::Version;
    } else if (batch && list) {
        line.error = say("--batch and --list do not go together", "--batch и --list не сочетаются");
    } else if (batch || list) {
        line.mode = batch ? Mode::Batch : Mode::List;
        if (!line.operands.empty())
            line.error = std::string(batch ? "--batch" : "--list") +
                         std::string(say(" takes no arguments: extra \"",
                                         " не принимает аргументов: лишний \"")) +
                         std::string(line.operands[0]) + '"';
    } else if (line.operands.size() != kConvertOperands) {
        line.error = std::string(say("4 arguments needed: CATEGORY FROM TO QUANTITY, got ",
                                     "нужны 4 аргумента: КАТЕГОРИЯ ИЗ В КОЛИЧЕСТВО, получено ")) +
                     std::to_string(line.operands.size());
    }
    return line;
}

std::string_view helpText() {
    return say(R"(Usage:
  zelvano-convert [--locale NAME] CATEGORY FROM TO QUANTITY
  zelvano-convert [--locale NAME] --batch
  zelvano-convert --list [CATEGORY]

Converts a quantity from one unit to another with the same tables and the
same digits as the Zelvano window.

  CATEGORY     length, weight, volume, area, temperature, speed, information,
               radioactivity (any letter case) or the Russian name: Длина, Вес, ...
  FROM, TO     a unit's number, its caption in any letter case ("метр"), or an
               alias: a symbol as written ("mi", "KB") or an English name in
               any letter case ("mile"); see --list CATEGORY. An alias means
               the program's own unit and factor: mi is "Миля [сухопутная]",
               1609 m. A name that fits several units ("аршин") is refused.
  QUANTITY     a number in the locale's format: 1,5E-3 in ru_RU, 1.5E-3 in
               en_US; equal units copy the text as it stands

  --list [CATEGORY]  the categories (name, Russian name, number of units), or
                     the units of a category: number, caption, row in the
                     window's list, aliases, factor (units in one base unit)
                     and what one unit is in the base unit, with a point
  --locale NAME      number format: ru_RU, en_US, C...; without it the
                     environment's (LC_ALL, LC_NUMERIC, LANG), as in the window
  --batch            reads lines CATEGORY<TAB>FROM<TAB>TO<TAB>QUANTITY and
                     answers each with one line: ok<TAB>TEXT,
                     error<TAB>N<TAB>DESCRIPTION, empty (empty quantity) or
                     usage<TAB>MESSAGE
  --version          the program's version
  --help, -h         this help

Messages are in Russian when LC_ALL, LC_MESSAGES or LANG names a Russian
locale, in English otherwise.

Exit codes: 0 done, 1 conversion error, 2 empty quantity, 64 bad call,
74 input/output error.
)",
               R"(Использование:
  zelvano-convert [--locale ИМЯ] КАТЕГОРИЯ ИЗ В КОЛИЧЕСТВО
  zelvano-convert [--locale ИМЯ] --batch
  zelvano-convert --list [КАТЕГОРИЯ]

Переводит количество из одной единицы в другую по тем же таблицам и с теми же
цифрами, что и окно Zelvano.

  КАТЕГОРИЯ    length, weight, volume, area, temperature, speed, information,
               radioactivity (в любом регистре) или русское имя: Длина, Вес, ...
  ИЗ, В        номер единицы, её название в любом регистре ("метр") или другое
               имя: обозначение как написано ("mi", "KB") или английское
               название в любом регистре ("mile"); см. --list КАТЕГОРИЯ.
               Другое имя означает единицу программы с её коэффициентом: mi —
               это "Миля [сухопутная]", 1609 м. Имя, подходящее к нескольким
               единицам ("аршин"), не принимается.
  КОЛИЧЕСТВО   число в формате локали: 1,5E-3 в ru_RU, 1.5E-3 в en_US;
               для одинаковых единиц текст копируется как есть

  --list [КАТЕГОРИЯ]  категории (имя, русское имя, число единиц) или единицы
                      категории: номер, название, строка в списке окна, другие
                      имена, коэффициент (единиц в одной базовой) и сколько
                      базовых единиц в одной, с точкой
  --locale ИМЯ        формат чисел: ru_RU, en_US, C...; без него — локаль
                      окружения (LC_ALL, LC_NUMERIC, LANG), как в окне
  --batch             читает строки КАТЕГОРИЯ<TAB>ИЗ<TAB>В<TAB>КОЛИЧЕСТВО и на каждую
                      пишет одну строку: ok<TAB>ТЕКСТ, error<TAB>N<TAB>ОПИСАНИЕ,
                      empty (пустое количество) или usage<TAB>СООБЩЕНИЕ
  --version           версия программы
  --help, -h          эта справка

Сообщения по-русски, когда LC_ALL, LC_MESSAGES или LANG называют русскую
локаль, иначе по-английски.

Коды выхода: 0 успех, 1 ошибка перевода, 2 пустое количество,
64 неверный вызов, 74 ошибка ввода-вывода.
)");
}

} // namespace zelvano::cli
