#include "StartOptions.h"

#include "MessageLanguage.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QGuiApplication>

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
    const QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    describeOptions(parser);
    // Qt's own options such as -platform are unknown to this parser; they do
    // not matter for an answer that opens no window.
    parser.parse(QCoreApplication::arguments());
    if (parser.isSet(QStringLiteral("version")))
        parser.showVersion();
    parser.showHelp(0);
}

void processCommandLine(const QCoreApplication& app) {
    QCommandLineParser parser;
    describeOptions(parser);
    parser.process(app);
}

} // namespace zelvano::app
