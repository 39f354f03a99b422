#include "StartOptions.h"

#include "MessageLanguage.h"
#include "Platform.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QGuiApplication>

#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace zelvano::app {

namespace {

void describeOptions(QCommandLineParser& parser) {
    parser.setApplicationDescription(
        convert::russianMessages()
            ? QStringLiteral("Конвертер физических величин: длина, вес, объём, площадь, "
                             "температура, скорость, информация, радиоактивность.\n"
                             "Для командной строки есть zelvano-convert.")
            : QStringLiteral("Converter of physical quantities: length, weight, volume, area, "
                             "temperature, speed, information size, radioactivity.\n"
                             "zelvano-convert does the same on the command line."));
    parser.addHelpOption();
    parser.addVersionOption();
}

bool asksForInformation(std::string_view arg) {
    return arg == "-h" || arg == "--help" || arg == "-v" || arg == "--version";
}

} // namespace

void identifyApplication() {
    QCoreApplication::setApplicationName(QStringLiteral("Zelvano"));
    QCoreApplication::setApplicationVersion(QStringLiteral(ZELVANO_VERSION_TEXT));
    QGuiApplication::setDesktopFileName(QStringLiteral(ZELVANO_APP_ID));
}

void answerInformationRequest(int argc, char** argv) {
    bool asked = false;
    for (int i = 1; i < argc && !asked; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--")
            break;
        asked = asksForInformation(arg);
    }
    if (!asked)
        return;

    identifyApplication();
    platform::attachParentConsole();
    const QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    describeOptions(parser);
    // Qt's own options such as -platform are unknown to this parser; they do
    // not matter for an answer that opens no window.
    parser.parse(QCoreApplication::arguments());
    // Written here rather than by the parser, which on Windows shows a message
    // box whenever it sees no console, even with the output redirected.
    const QString answer = parser.isSet(QStringLiteral("version"))
                               ? QCoreApplication::applicationName() + u' ' +
                                     QCoreApplication::applicationVersion() + u'\n'
                               : parser.helpText();
    const QByteArray bytes = answer.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stdout);
    std::exit(std::fflush(stdout) == 0 ? EXIT_SUCCESS : EXIT_FAILURE);
}

void processCommandLine(const QCoreApplication& app) {
    QCommandLineParser parser;
    describeOptions(parser);
    parser.process(app);
}

} // namespace zelvano::app
