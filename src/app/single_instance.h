#pragma once
// One running copy per user. The first copy listens on a local socket in the user's private
// runtime folder; a later copy connects, hands over one request (open a file, or just raise
// the window) and waits until the request has been acted on. A socket left behind by a copy
// that crashed is removed and taken over.
//
// Requests are read whole and queued; each is acted on after the socket's handler has
// returned to the event loop, one at a time, so a message box shown for one request never
// runs while a connection is being read, and never nests inside another request's box. While
// any dialog of the program is open (see setHoldWhile) requests wait: acted on inside the
// user's own dialog, a request would change the section the dialog is working on.
//
// A request is acted on only while its copy still waits for it: a copy that gave up (it
// waits 5 s for its request to be taken) has said the file was not opened, and it is not.
// When the window goes (shutDown), the copies still waiting are told so, and each starts a
// window of its own: no request is ever lost with a window that closes.

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QString>

#include <deque>
#include <functional>

class QSocketNotifier;

namespace karo::app {

inline constexpr const char* kInstanceName = "karo_2006";

class SingleInstance : public QObject {
    Q_OBJECT
  public:
    // `name` is the socket's name inside the user's runtime folder (or a full path).
    explicit SingleInstance(const QString& name = QString::fromLatin1(kInstanceName),
                            QObject* parent = nullptr);
    ~SingleInstance() override;

    enum class Start {
        First,      // this process is the first copy (and listens when it can); also when the
                    // copy that had the request went without acting on it
        HandedOver, // another copy acted on the request: raised, and `fileToOpen` opened there
                    // (or refused there, in its own words)
        NotTaken,   // another copy runs but did not take the request (its queue is full, or
                    // it did not answer in time), and never will
    };
    Start start(const QString& fileToOpen = QString());

    // While `busy` returns true, queued requests wait, and each new one raises the window so
    // the user sees why. Call resume() when it may have become false.
    void setHoldWhile(std::function<bool()> busy) { busy_ = std::move(busy); }
    void resume() { scheduleNext(); }

    // The window is going: stops listening, tells every copy that waits that its request was
    // not acted on (so that it starts as the first copy itself), and acts on nothing more.
    void shutDown();

    // The socket's full path.
    QString serverPath() const { return path_; }

    // The folder for the socket: XDG_RUNTIME_DIR when it is a folder of this user's alone,
    // else a private folder of the user's own in the temporary folder.
    static QString RuntimeFolder();

    // How many requests wait at most; a further one is answered "full".
    static constexpr std::size_t kMaxQueued = 100;

  signals:
    // Another copy was started and asks this one to come to the front.
    void raiseRequested();
    // Another copy was started with a section file for this one to open.
    void openRequested(const QString& path);

  private:
    class Connection;

    enum class Answer {
        NoCopy,   // nobody listens
        Done,     // the running copy has acted on the request
        NotTaken, // it did not take the request (full, or no answer in time)
        Closed,   // it went away without acting on the request
    };
    Answer askRunningCopy(const QString& fileToOpen);
    bool listenOn();
    void stopListening();
    void acceptPending();
    void readFrom(Connection* c);
    void takeLine(Connection* c, const QByteArray& line);
    bool held() const { return busy_ && busy_(); }
    void scheduleNext();
    void actOnNext();

    QString path_;
    int listenFd_ = -1;
    QSocketNotifier* notifier_ = nullptr;
    std::deque<QPointer<Connection>> queue_;
    bool scheduled_ = false;
    bool acting_ = false;
    bool closed_ = false;
    std::function<bool()> busy_;
};

} // namespace karo::app
