#pragma once
// One running copy per user. The first copy listens on a local socket in the user's private
// runtime folder; a later copy connects, asks the first to raise its window and ends. A socket
// left behind by a copy that crashed is removed and taken over.
//
// Requests are read whole and queued; each is acted on after the socket's handler has
// returned to the event loop, one at a time, so a message box shown for one request never
// runs while a connection is being read, and never nests inside another request's box.

#include <QByteArray>
#include <QObject>
#include <QString>

#include <deque>

class QLocalSocket;
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

    // True when this process is the first copy and now listens. False when another copy
    // answered; it has then been asked to raise its window, and to open `fileToOpen` when
    // one is given.
    bool start(const QString& fileToOpen = QString());

    // The socket's full path.
    QString serverPath() const { return path_; }

    // The folder for the socket: XDG_RUNTIME_DIR when it is a folder of this user's alone,
    // else a private folder of the user's own in the temporary folder.
    static QString RuntimeFolder();

  signals:
    // Another copy was started and asks this one to come to the front.
    void raiseRequested();
    // Another copy was started with a section file for this one to open.
    void openRequested(const QString& path);

  private:
    struct Request {
        bool open = false;
        QString path;
    };

    bool askRunningCopy(const QString& fileToOpen);
    bool listenOn();
    void acceptPending();
    void readFrom(QLocalSocket* socket);
    void queueLine(const QByteArray& line);
    void scheduleNext();
    void actOnNext();

    QString path_;
    int listenFd_ = -1;
    QSocketNotifier* notifier_ = nullptr;
    std::deque<Request> queue_;
    bool scheduled_ = false;
    bool acting_ = false;
};

} // namespace karo::app
