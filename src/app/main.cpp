// Starts the desktop program.
#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QStandardPaths>
#include <QStyleFactory>

#include "app/SystemEnd.h"
#include "mainwin/frmMain.h"
#include "support/Version.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Selvanor");
    QApplication::setApplicationVersion(SELVANOR_VERSION);
    QApplication::setStyle(QStyleFactory::create("Fusion"));

    QCommandLineParser parser;
    parser.setApplicationDescription("Selvanor: dates in nine notations, and the Moon.");
    parser.addHelpOption();
    parser.addVersionOption();
    QCommandLineOption stateDir("state-dir", "Folder of the saved-state file (also SELVANOR_STATE_DIR).", "folder");
    parser.addOption(stateDir);
    parser.process(app);

    MainWindowServices services;
    services.stateFolder = parser.value(stateDir);
    if (services.stateFolder.isEmpty()) services.stateFolder = qEnvironmentVariable("SELVANOR_STATE_DIR");
    if (services.stateFolder.isEmpty())
        services.stateFolder =
            QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)).filePath("Selvanor");

    frmMain window(services);
    EndAsQuitWhenTheSystemAsks(app, window);
    window.Form_Load();
    return QApplication::exec();
}
