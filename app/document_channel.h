#pragma once

#include <QObject>

#include <functional>
#include <string>

class QLocalServer;

namespace app {

// How a second copy of the editor hands the document it was started with to the copy already
// running: a local socket per user beside the single-instance lock, each path ended by a NUL
// (the one byte no path holds).
class DocumentChannel : public QObject
{
    Q_OBJECT

public:
    using DocumentHandler = std::function<void(const std::string &path)>;

    explicit DocumentChannel(QObject *parent = nullptr);
    ~DocumentChannel() override;

    // The socket of the user's running copy in directory (the lock's).
    static std::string socketPath(const std::string &directory);

    // Starts taking documents at socket (a socket left by a copy that ended is replaced); each
    // path received goes to handler once its sender has finished. False when it cannot listen.
    bool listen(const std::string &socket, DocumentHandler handler);

    // Hands path to the copy listening at socket, waiting up to timeoutMs for it to listen (it
    // may still be starting). False when no copy took it.
    static bool send(const std::string &socket, const std::string &path, int timeoutMs);

private:
    void takeConnection();

    QLocalServer *m_server;
    DocumentHandler m_handler;
};

} // namespace app
