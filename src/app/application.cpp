#include "app/application.h"

#include <QLibraryInfo>
#include <QScreen>
#include <QTranslator>

#include "app/processexit.h"
#include "app/tdtmprincipal.h"
#include "app/tfrmlogin_2.h"
#include "app/tfrmmenuprincipal.h"
#include "common/error.h"
#include "common/formats.h"
#include "common/messages.h"
#include "common/settings.h"

namespace orbadil::app {

namespace {
void loadQtTranslations(QApplication& app) {
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    for (const char* name : {"qtbase_pt_BR", "qt_pt_BR"}) {
        auto* translator = new QTranslator(&app);
        if (translator->load(QString::fromLatin1(name), folder))
            app.installTranslator(translator);
        else
            delete translator;
    }
}
}  // namespace

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(QStringLiteral("orbadil"));
}

bool Application::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const Error& e) {
        MessageService::current().error(e.message());
    } catch (const std::exception& e) {
        MessageService::current().error(QString::fromUtf8(e.what()));
    }
    return false;
}

int run(int argc, char** argv) {
    Application app(argc, argv);
    loadQtTranslations(app);
    applyRegionalSettings();
    Settings settings;
    try {
        settings = locateSettings();
    } catch (const SettingsError& e) {
        MessageService::current().error(e.message());
        return 1;
    }
    return startSession(std::move(settings));
}

int startSession(Settings settings) {
    resetProcessEnd();
    TdtmPrincipal holder(std::move(settings));
    holder.DataModuleCreate();
    TfrmMenuPrincipal mainWindow;
    {
        TfrmLogin_2 login;
        login.exec();
    }
    if (processEnding()) return processExitCode();
    // Without a window manager "maximised" alone would keep the default size.
    mainWindow.setGeometry(mainWindow.screen()->availableGeometry());
    mainWindow.showMaximized();
    return QApplication::exec();
}

}  // namespace orbadil::app
