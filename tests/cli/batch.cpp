// The --batch protocol: one answer line per input line, whatever the input.

#include "BatchProtocol.h"
#include "NameLookup.h"
#include "RunProcess.h"

#include <gtest/gtest.h>

#include <random>

namespace zelvano::test {
namespace {

const std::string kProgram = ZELVANO_CLI_PATH;

ProcessResult runBatch(const std::string& input, std::vector<std::string> options = {}) {
    options.push_back("--batch");
    return runProcess(kProgram, options, input, {{"LC_ALL", "C.UTF-8"}});
}

TEST(Batch, AnswersEachKindOfLine) {
    const std::string input = "length\t1\t2\t1\n"
                              "Вес\tКилограмм\tФунт\t2\n"
                              "length\t1\t2\t\n"
                              "length\t1\t2\tabc\n"
                              "area\t1\t10\t1.7E308\n"
                              "temperature\t3\t3\t not a number \n"
                              "length\t1\t2\n"
                              "length\t1\t2\t1\t1\n"
                              "\n"
                              "mass\t1\t2\t1\n"
                              "length\t1\t0\t1\n"
                              "speed\t1\tМетр в секунду\t3.6\r\n"
                              "information\t1\t2\t8";
    const ProcessResult r = runBatch(input);
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.err, "");
    const std::string expected =
        "ok\t39.3700787401575\n"
        "ok\t4.409245244\n"
        "empty\n"
        "error\t13\tType mismatch\n"
        "error\t6\tOverflow\n"
        "ok\t not a number \n"
        "usage\t4 fields separated by tabs expected: CATEGORY, FROM, TO, QUANTITY; got 3\n"
        "usage\t4 fields separated by tabs expected: CATEGORY, FROM, TO, QUANTITY; got 5\n"
        "usage\t4 fields separated by tabs expected: CATEGORY, FROM, TO, QUANTITY; got 1\n"
        "usage\t" +
        cli::unknownCategoryMessage("mass") + "\n" + "usage\t" +
        cli::unknownUnitMessage(categoryTable(Category::Length), "0") + "\n" +
        "ok\t0.999719523133787\n"
        "ok\t1\n";
    EXPECT_EQ(r.out, expected);
}

TEST(Batch, ReadsAndWritesTheChosenLocale) {
    const ProcessResult r =
        runBatch("length\t1\t18\t1,5\nlength\t1\t18\t1.5\n", {"--locale", "ru_RU"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, "ok\t150\nerror\t13\tType mismatch\n");
}

// A program that talks to the converter through pipes gets each answer
// before it sends the next line.
TEST(Batch, AnswersEachLineBeforeTheInputEnds) {
    Coprocess converter(kProgram, {"--batch", "--locale", "C"});
    converter.write("length\t1\t17\t1\n");
    EXPECT_EQ(converter.readLine(10000), "ok\t1000");
    converter.write("length\t1\t17\t\n");
    EXPECT_EQ(converter.readLine(10000), "empty");
    converter.write("length\t1\t17");
    EXPECT_EQ(converter.readLine(200), "");
    converter.write("\t2\n");
    EXPECT_EQ(converter.readLine(10000), "ok\t2000");
    EXPECT_EQ(converter.finish(), 0);
}

TEST(Batch, EmptyInputGivesNoOutput) {
    const ProcessResult r = runBatch("");
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, "");
}

TEST(Batch, KeepsControlCharactersOutOfMessages) {
    const ProcessResult r = runBatch(std::string("le\rng\0th\t1\t2\t1\n", 15));
    EXPECT_EQ(r.out, "usage\t" + cli::unknownCategoryMessage("le?ng?th") + "\n");
}

TEST(Batch, SkipsAnOverlongLineAndGoesOn) {
    const std::string input = "length\t1\t1\t" + std::string(3 * 1024 * 1024, '7') +
                              "\nlength\t1\t17\t1\n" + std::string(2 * 1024 * 1024, 'x');
    const ProcessResult r = runBatch(input);
    EXPECT_EQ(r.exitCode, 0);
    std::string overlong;
    cli::answerOverlongLine(overlong);
    EXPECT_EQ(r.out, overlong + "ok\t1000\n" + overlong);
}

// Many lines of random kinds: the answers match line for line, also where
// lines straddle the reader's blocks.
TEST(Batch, AnswersLargeInputLineForLine) {
    const std::vector<std::string> quantities = {"1",     "-2.5",      "1E300", "abc",   "",
                                                 "0.001", "123456789", " 7 ",   "1E-400"};
    std::mt19937 random(7);
    std::string input, expected;
    const NumberSettings settings{".", ","};
    for (int i = 0; i < 60000; ++i) {
        const CategoryTable& table = categoryTables()[random() % categoryTables().size()];
        const auto count = static_cast<unsigned>(table.units.size());
        std::string line = (random() % 2 ? std::string(table.name) : std::string(table.stem)) +
                           '\t' + std::to_string(random() % count + 1) + '\t' +
                           std::to_string(random() % count + 1) + '\t' +
                           quantities[random() % quantities.size()];
        if (random() % 50 == 0)
            line += "\tjunk";
        cli::answerBatchLine(line, settings, expected);
        input += line + (random() % 10 == 0 ? "\r\n" : "\n");
    }
    const ProcessResult r = runBatch(input);
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out.size(), expected.size());
    EXPECT_TRUE(r.out == expected);
}

} // namespace
} // namespace zelvano::test
