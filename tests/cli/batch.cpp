// The --batch protocol: one answer line per input line, whatever the input.

#include "BatchFramer.h"
#include "BatchProtocol.h"
#include "BatchStream.h"
#include "CaseNames.h"
#include "NameLookup.h"
#include "RunProcess.h"

#include <gtest/gtest.h>

#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <ostream>
#include <random>

namespace zelvano::cli::test {
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
                              "length\t1\t9\t3.196298393785197E+307\n"
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
        "ok\t1.79769313486232E+308\n"
        "ok\t not a number \n"
        "usage\t4 fields separated by tabs expected: CATEGORY, FROM, TO, QUANTITY; got 3\n"
        "usage\t4 fields separated by tabs expected: CATEGORY, FROM, TO, QUANTITY; got 5\n"
        "usage\t4 fields separated by tabs expected: CATEGORY, FROM, TO, QUANTITY; got 1\n"
        "usage\t" +
        cli::unknownCategoryMessage("mass") + "\n" + "usage\t" +
        cli::unknownUnitMessage(convert::categoryTable(convert::Category::Length), "0") + "\n" +
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
    EXPECT_EQ(r.out, "usage\t" + cli::unknownCategoryMessage(std::string("le\rng\0th", 8)) + "\n");
    EXPECT_NE(r.out.find("\"le\\x0Dng\\x00th\""), std::string::npos) << r.out;
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
    const convert::NumberSettings settings{".", ","};
    for (int i = 0; i < 60000; ++i) {
        const convert::CategoryTable& table =
            convert::categoryTables()[random() % convert::categoryTables().size()];
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

// Lines at and around the length limit, a line of a valid quantity padded
// past it, and many ordinary lines; with the answers each must get.
struct FramingInput {
    std::string bytes, answers;
};

const FramingInput& framingInput() {
    static const FramingInput input = [] {
        const convert::NumberSettings settings{".", ","};
        const std::string valid = "length\t1\t17\t1";
        FramingInput f;
        std::string overlong;
        cli::answerOverlongLine(overlong);
        const auto padded = [&](std::size_t length) {
            return valid + std::string(length - valid.size(), ' ');
        };
        f.bytes += padded(1'058'590) + '\n';
        f.answers += overlong;
        f.bytes += padded(cli::kMaxBatchLine) + "\r\n";
        f.answers += "ok\t1000\n";
        f.bytes += padded(cli::kMaxBatchLine + 1) + '\n';
        f.answers += overlong;
        std::mt19937 random(11);
        for (int i = 0; i < 30000; ++i) {
            const std::string line = "length\t1\t17\t" + std::to_string(random() % 1000);
            f.bytes += line + '\n';
            cli::answerBatchLine(line, settings, f.answers);
        }
        f.bytes += padded(cli::kMaxBatchLine); // last line, no line end
        f.answers += "ok\t1000\n";
        return f;
    }();
    return input;
}

struct Arrival {
    std::string name;
    test::PipeFeed feed;
};

std::ostream& operator<<(std::ostream& os, const Arrival& a) {
    return os << a.name;
}

const Arrival kArrivals[] = {
    {"large pieces", {65536, 0, false, false}},
    {"4 KiB pieces", {4096, 0, false, false}},
    {"odd small pieces", {61, 0, false, false}},
    {"non-blocking stdin, slow writer", {4093, 100, true, false}},
    {"non-blocking stdout", {65536, 0, false, true}},
    {"both non-blocking", {1000, 20, true, true}},
};

class BatchArrival : public testing::TestWithParam<Arrival> {};

// The same bytes give the same answers from a file and from a pipe, whatever
// the pieces and whether the parent left the descriptors non-blocking.
TEST_P(BatchArrival, GivesTheSameAnswers) {
    const ProcessResult r = runThroughPipes(kProgram, {"--batch", "--locale", "C"},
                                            framingInput().bytes, GetParam().feed);
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out.size(), framingInput().answers.size());
    EXPECT_TRUE(r.out == framingInput().answers);
}

INSTANTIATE_TEST_SUITE_P(Pipes, BatchArrival, testing::ValuesIn(kArrivals), [](const auto& info) {
    return zelvano::test::wordsName(info.param.name);
});

TEST(Batch, GivesTheSameAnswersFromAFile) {
    const ProcessResult r = runBatch(framingInput().bytes, {"--locale", "C"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_TRUE(r.out == framingInput().answers);
}

// A read that fails after some lines: their answers are written, then the
// failure is reported with the read's errno.
TEST(BatchStream, WritesTheAnswersBeforeAReadError) {
    int input[2];
    ASSERT_EQ(::socketpair(AF_UNIX, SOCK_STREAM, 0, input), 0);
    const std::string lines = "length\t1\t17\t1\nlength\t1\t17\t2\nlength\t1\t17";
    ASSERT_EQ(::write(input[1], lines.data(), lines.size()), static_cast<ssize_t>(lines.size()));
    // Closing a socket with unread data resets the connection for the reader.
    ASSERT_EQ(::write(input[0], "x", 1), 1);
    ::close(input[1]);

    char name[] = "/tmp/zelvano-batch-XXXXXX";
    const int output = ::mkstemp(name);
    ASSERT_GE(output, 0);
    ::unlink(name);
    errno = 0;
    EXPECT_FALSE(cli::runBatch(input[0], output, convert::NumberSettings{".", ","}));
    EXPECT_EQ(errno, ECONNRESET);
    std::string written(64, '\0');
    written.resize(static_cast<std::size_t>(::pread(output, written.data(), written.size(), 0)));
    EXPECT_EQ(written, "ok\t1000\nok\t2000\n");
    ::close(output);
    ::close(input[0]);
}

} // namespace
} // namespace zelvano::cli::test
