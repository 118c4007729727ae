#pragma once
// One running copy per user. The first copy listens on a local socket in the user's runtime
// folder; a later copy connects, asks the first to raise its window and ends. A socket left
// behind by a copy that crashed is removed and taken over.

#include <QObject>
#include <QString>

class QLocalServer;

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

  signals:
    // Another copy was started and asks this one to come to the front.
    void raiseRequested();
    // Another copy was started with a section file for this one to open.
    void openRequested(const QString& path);

  private:
    bool askRunningCopy(const QString& fileToOpen);
    void onNewConnection();
    void handleLine(const QByteArray& line);

    QString path_;
    QLocalServer* server_ = nullptr;
};

} // namespace karo::app
