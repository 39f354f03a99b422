// zelvano-convert as a user runs it: results, messages and exit codes.

#include "CaseNames.h"
#include "RunProcess.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <ostream>

namespace zelvano::cli::test {
namespace {

const std::string kProgram = ZELVANO_CLI_PATH;

struct Invocation {
    std::string name;
    std::vector<std::string> args;
    std::map<std::string, std::string> env;
    int exitCode;
    std::string out;     // exact
    std::string errPart; // contained in stderr; empty: stderr must be empty
};

std::ostream& operator<<(std::ostream& os, const Invocation& i) {
    return os << i.name;
}

const std::string kUsage = "More: zelvano-convert --help\n";
const std::map<std::string, std::string> kRussian{{"LC_ALL", "ru_RU.UTF-8"}};

const Invocation kInvocations[] = {
    {"stem and unit numbers", {"length", "1", "2", "1"}, {}, 0, "39.3700787401575\n", ""},
    {"Russian name and captions", {"Длина", "Метр", "Дюйм", "1"}, {}, 0, "39.3700787401575\n", ""},
    {"stem in any case", {"RadioActivity", "1", "3", "1"}, {}, 0, "37000\n", ""},
    {"Russian name in any case", {"ВЕС", "Килограмм", "Фунт", "2"}, {}, 0, "4.409245244\n", ""},
    {"negative quantity is no option", {"temperature", "1", "2", "-40"}, {}, 0, "-40\n", ""},
    {"options end at --", {"--", "temperature", "1", "5", "-273.16"}, {}, 0, "0\n", ""},
    {"locale option", {"--locale", "ru_RU", "length", "1", "18", "1,5"}, {}, 0, "150\n", ""},
    {"locale option with =",
     {"--locale=de_DE", "weight", "2", "1", "1.000,5"},
     {},
     0,
     "1000500\n",
     ""},
    {"C locale", {"--locale", "C", "length", "1", "18", "1.5"}, {}, 0, "150\n", ""},
    {"locale from the environment",
     {"length", "18", "1", "1,5"},
     {{"LC_ALL", "ru_RU.UTF-8"}},
     0,
     "0,015\n",
     ""},
    {"option beats the environment",
     {"--locale", "en_US", "length", "1", "18", "1.5"},
     {{"LC_ALL", "ru_RU.UTF-8"}},
     0,
     "150\n",
     ""},
    {"equal units copy", {"area", "2", "2", " abc "}, {}, 0, " abc \n", ""},
    {"empty quantity", {"length", "1", "2", ""}, {}, 2, "", "Введите количество!\n"},
    {"not a number",
     {"length", "1", "2", "abc"},
     {},
     1,
     "",
     "Произошла ошибка № 13\nType mismatch\n"},
    {"finite result past the largest double's digits",
     {"--locale", "ru_RU", "length", "1", "2", "-4,566140562550278E306"},
     {},
     0,
     "-1,79769313486232E+308\n",
     ""},
    {"result overflow",
     {"area", "1", "10", "1.7E308"},
     {},
     1,
     "",
     "Произошла ошибка № 6\nOverflow\n"},
    {"unknown category",
     {"lenght", "1", "2", "1"},
     {},
     64,
     "",
     "unknown category \"lenght\"; valid are: length (Длина), weight (Вес)"},
    {"unknown category in Russian",
     {"lenght", "1", "2", "1"},
     kRussian,
     64,
     "",
     "неизвестная категория \"lenght\"; допустимы: length (Длина), weight (Вес)"},
    {"unknown unit number", {"length", "1", "19", "1"}, {}, 64, "", "18 \"Сантиметр\" and"},
    {"unknown caption",
     {"speed", "Узел [морской]", "1", "1"},
     {},
     64,
     "",
     "unknown unit \"Узел [морской]\""},
    {"name fitting several units",
     {"length", "аршин", "1", "1"},
     {},
     64,
     "",
     "\"аршин\" fits several units of length: 7 \"Аршин [русский]\", 12 \"Аршин [английский]\";"},
    {"captions and aliases as people write them",
     {"length", "mile", "м", "5"},
     {},
     0,
     "8044.99999999999\n",
     ""},
    {"Russian caption in capitals", {"length", "МИЛЯ [МОРСКАЯ]", "m", "1"}, {}, 0, "1852\n", ""},
    {"number error names the separator",
     {"--locale", "ru_RU", "length", "m", "cm", "1.5"},
     {},
     1,
     "",
     "Type mismatch\nzelvano-convert: a number here has \",\" as its decimal separator"},
    {"number error in Russian",
     {"length", "m", "cm", "1.5"},
     kRussian,
     1,
     "",
     "Произошла ошибка № 13\nType mismatch\nzelvano-convert: число здесь пишется с \",\""},
    {"version as the about panel names it",
     {"--version"},
     {},
     0,
     "zelvano-convert " ZELVANO_VERSION_TEXT "\n",
     ""},
    {"names are checked before the quantity", {"length", "0", "2", ""}, {}, 64, "", kUsage},
    {"too few operands", {"length", "1", "2"}, {}, 64, "", "got 3"},
    {"too few operands in Russian",
     {"length", "1", "2"},
     kRussian,
     64,
     "",
     "получено 3\nПодробнее"},
    {"no arguments", {}, {}, 64, "", kUsage},
    {"unknown option", {"--verbose", "length", "1", "2", "1"}, {}, 64, "", "--verbose"},
    {"unknown locale", {"--locale", "xx_YY", "length", "1", "2", "1"}, {}, 64, "", "\"xx_YY\""},
    {"locale without a name", {"--locale"}, {}, 64, "", "--locale"},
    {"locale name followed by words",
     {"--locale", "ru_RU garbage", "length", "1", "18", "1,5"},
     {},
     64,
     "",
     "unknown locale \"ru_RU garbage\""},
    {"territory the language does not have",
     {"--locale", "ru_XX", "length", "1", "18", "1,5"},
     {},
     64,
     "",
     "\"ru_XX\""},
    {"unknown locale with --list", {"--locale", "xx_YY", "--list"}, {}, 64, "", "\"xx_YY\""},
    {"unknown locale with --help", {"--help", "--locale=xx_YY"}, {}, 64, "", "\"xx_YY\""},
    {"bytes of a locale name escaped",
     {"--locale", "ru\xff\x1b[2J", "--list"},
     {},
     64,
     "",
     "unknown locale \"ru\\xFF\\x1B[2J\"\n"},
    {"locale with dash and codeset",
     {"--locale", "ru-RU.UTF-8", "length", "1", "18", "1,5"},
     {},
     0,
     "150\n",
     ""},
    {"POSIX locale", {"--locale", "POSIX", "length", "1", "18", "1.5"}, {}, 0, "150\n", ""},
    {"batch takes no operands", {"--batch", "length"}, {}, 64, "", "--batch"},
    {"batch and list together", {"--batch", "--list"}, {}, 64, "", "--list"},
    {"list categories",
     {"--list"},
     {},
     0,
     "length\tДлина\t18\nweight\tВес\t17\nvolume\tОбъём\t12\narea\tПлощадь\t10\n"
     "temperature\tТемпература\t5\nspeed\tСкорость\t8\ninformation\tИнформация\t6\n"
     "radioactivity\tРадиоактивность\t3\n",
     ""},
    {"list units with rows, aliases and factors",
     {"--list", "radioactivity"},
     {},
     0,
     "1\tКюри\t1\tCi, Ки, curie, curies\t1\t1\n"
     "2\tБеккерель\t2\tBq, Бк, becquerel, becquerels\t37037037040\t2.699999999784E-11\n"
     "3\tРезерфорд\t3\tRd, rutherford, rutherfords\t37000\t2.7027027027027E-05\n",
     ""},
    {"list unknown category", {"--list", "mass"}, {}, 64, "", "\"mass\""},
};

class CommandLineCase : public testing::TestWithParam<Invocation> {};

TEST_P(CommandLineCase, PrintsAndExits) {
    const Invocation& c = GetParam();
    const ProcessResult r = runProcess(kProgram, c.args, {}, c.env);
    EXPECT_EQ(r.exitCode, c.exitCode);
    EXPECT_EQ(r.out, c.out);
    if (c.errPart.empty())
        EXPECT_EQ(r.err, "");
    else
        EXPECT_NE(r.err.find(c.errPart), std::string::npos) << r.err;
}

INSTANTIATE_TEST_SUITE_P(Invocations, CommandLineCase, testing::ValuesIn(kInvocations),
                         [](const auto& info) {
                             return zelvano::test::wordsName(info.param.name);
                         });

TEST(CommandLineHelp, ListsEveryOptionOnStdoutInTheUsersLanguage) {
    for (const auto& [env, heading] : {std::pair{std::map<std::string, std::string>{}, "Usage:"},
                                       std::pair{kRussian, "Использование:"}}) {
        const ProcessResult r = runProcess(kProgram, {"--help"}, {}, env);
        EXPECT_EQ(r.exitCode, 0);
        EXPECT_EQ(r.err, "");
        EXPECT_TRUE(r.out.starts_with(heading)) << r.out;
        for (const char* option : {"--list", "--locale", "--batch", "--version", "--help"})
            EXPECT_NE(r.out.find(option), std::string::npos) << option;
    }
}

struct FullOutput {
    std::string name;
    std::vector<std::string> args;
    std::string input;
};

std::ostream& operator<<(std::ostream& os, const FullOutput& f) {
    return os << f.name;
}

const FullOutput kFullOutputs[] = {
    {"one conversion", {"length", "1", "2", "1"}, ""},
    {"list", {"--list"}, ""},
    {"help", {"--help"}, ""},
    {"batch", {"--batch"}, "length\t1\t2\t1\n"},
};

class OutputFails : public testing::TestWithParam<FullOutput> {};

// A result that cannot be written is an input/output error, and says why.
TEST_P(OutputFails, ExitsWithTheReasonOnStderr) {
    std::vector<std::string> args = {"-c", "exec \"$0\" \"$@\" >/dev/full", kProgram};
    args.insert(args.end(), GetParam().args.begin(), GetParam().args.end());
    const ProcessResult r = runProcess("/bin/sh", args, GetParam().input);
    EXPECT_EQ(r.exitCode, 74);
    EXPECT_EQ(r.err, "zelvano-convert: " + std::string(std::strerror(ENOSPC)) + "\n");
}

INSTANTIATE_TEST_SUITE_P(DevFull, OutputFails, testing::ValuesIn(kFullOutputs),
                         [](const auto& info) {
                             return zelvano::test::wordsName(info.param.name);
                         });

} // namespace
} // namespace zelvano::cli::test
