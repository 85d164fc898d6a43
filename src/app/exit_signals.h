#pragma once
// SIGTERM, SIGINT and SIGHUP become an ordinary request to close the windows,
// so the settings are saved the way a click on the close button saves them.
#include <QObject>

namespace vel {

// Installs the handlers. Call first thing in main: a signal that arrives
// before the event loop runs waits in a pipe instead of killing the process.
// A second signal of the same kind kills at once, in case closing hangs.
void CatchExitSignals();

// Emits exitRequested on the event loop for each signal caught.
class ExitSignalNotifier : public QObject {
    Q_OBJECT
public:
    explicit ExitSignalNotifier(QObject* parent = nullptr);

signals:
    void exitRequested(int signal);
};

}  // namespace vel
