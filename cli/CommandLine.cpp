#include "CommandLine.h"

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
                line.error = "после --locale нужно имя локали";
                return line;
            }
            line.locale = args[++i];
        } else if (arg.starts_with("--locale=")) {
            line.locale = arg.substr(std::string_view("--locale=").size());
        } else if (isOptionLike(arg)) {
            line.error = "неизвестный параметр " + std::string(arg);
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
        line.error = "--batch и --list не сочетаются";
    } else if (batch || list) {
        line.mode = batch ? Mode::Batch : Mode::List;
        if (!line.operands.empty())
            line.error = std::string(batch ? "--batch" : "--list") +
                         " не принимает аргументов: лишний \"" + std::string(line.operands[0]) +
                         '"';
    } else if (line.operands.size() != kConvertOperands) {
        line.error = "нужны 4 аргумента: КАТЕГОРИЯ ИЗ В КОЛИЧЕСТВО, получено " +
                     std::to_string(line.operands.size());
    }
    return line;
}

std::string_view helpText() {
    return R"(Использование:
  zelvano-convert [--locale ИМЯ] КАТЕГОРИЯ ИЗ В КОЛИЧЕСТВО
  zelvano-convert [--locale ИМЯ] --batch
  zelvano-convert --list [КАТЕГОРИЯ]

Переводит количество из одной единицы в другую по тем же таблицам и с теми же
цифрами, что и окно Zelvano.

  КАТЕГОРИЯ    length, weight, volume, area, temperature, speed, information,
               radioactivity (в любом регистре) или русское имя: Длина, Вес, ...
  ИЗ, В        номер единицы или её точное название (см. --list КАТЕГОРИЯ)
  КОЛИЧЕСТВО   число в формате локали: 1,5E-3 в ru_RU, 1.5E-3 в en_US;
               для одинаковых единиц текст копируется как есть

  --list [КАТЕГОРИЯ]  категории (имя, русское имя, число единиц) или единицы
                      категории (номер, название, строка в списке окна)
  --locale ИМЯ        формат чисел: ru_RU, en_US, C...; без него — локаль
                      окружения (LC_ALL, LC_NUMERIC, LANG), как в окне
  --batch             читает строки КАТЕГОРИЯ<TAB>ИЗ<TAB>В<TAB>КОЛИЧЕСТВО и на каждую
                      пишет одну строку: ok<TAB>ТЕКСТ, error<TAB>N<TAB>ОПИСАНИЕ,
                      empty (пустое количество) или usage<TAB>СООБЩЕНИЕ
  --version           версия программы
  --help, -h          эта справка

Коды выхода: 0 успех, 1 ошибка перевода, 2 пустое количество,
64 неверный вызов, 74 ошибка ввода-вывода.
)";
}

} // namespace zelvano::cli
