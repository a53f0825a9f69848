#include "app/SystemEnd.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <QApplication>
#include <QSessionManager>
#include <QSocketNotifier>
#include <cerrno>
#include <cstdio>

#include "mainwin/frmMain.h"

namespace {

// A signal handler may do almost nothing: it writes one byte, and the event loop reads it and
// ends the program there.
int wakeFds[2] = {-1, -1};

void OnSignal(int number) {
    const int saved = errno;
    const char byte = static_cast<char>(number);
    [[maybe_unused]] const ssize_t n = ::write(wakeFds[1], &byte, 1);
    // A second signal of the same kind ends the program at once, should the save hang.
    struct sigaction plain {};
    plain.sa_handler = SIG_DFL;
    ::sigaction(number, &plain, nullptr);
    errno = saved;
}

}  // namespace

void EndAsQuitWhenTheSystemAsks(QApplication& app, frmMain& window) {
    if (::pipe2(wakeFds, O_CLOEXEC | O_NONBLOCK) != 0) {
        std::perror("selvanor: no signal handling");
    } else {
        auto* notifier = new QSocketNotifier(wakeFds[0], QSocketNotifier::Read, &app);
        QObject::connect(notifier, &QSocketNotifier::activated, &window, [&window] {
            char bytes[16];
            while (::read(wakeFds[0], bytes, sizeof bytes) > 0) {
            }
            window.EndFromSystem();
        });
        struct sigaction action {};
        action.sa_handler = OnSignal;
        action.sa_flags = SA_RESTART;
        sigemptyset(&action.sa_mask);
        for (int number : {SIGTERM, SIGINT}) ::sigaction(number, &action, nullptr);
    }
    // The session manager asks for the data first and may yet cancel the logout: save, go on.
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &window,
                     [&window](QSessionManager&) { window.SaveWithoutAsking(); });
    // Any other way out of the event loop saves as Quit does; after Quit itself it does nothing more.
    QObject::connect(&app, &QCoreApplication::aboutToQuit, &window, [&window] { window.EndFromSystem(); });
}
