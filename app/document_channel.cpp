#include "document_channel.h"

#include <QElapsedTimer>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>

#include <unistd.h>

namespace app {
namespace {

constexpr int RetryMilliseconds = 100;

} // namespace

DocumentChannel::DocumentChannel(QObject *parent)
    : QObject(parent)
    , m_server(new QLocalServer(this))
{
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server, &QLocalServer::newConnection, this, &DocumentChannel::takeConnection);
}

DocumentChannel::~DocumentChannel() = default;

std::string DocumentChannel::socketPath(const std::string &directory)
{
    // The user id keeps two users of a shared temporary directory apart, as the lock's does.
    return directory + "/Cellvane.documents."
           + std::to_string(static_cast<unsigned long>(::getuid()));
}

bool DocumentChannel::listen(const std::string &socket, DocumentHandler handler)
{
    m_handler = std::move(handler);
    const QString name = QString::fromStdString(socket);
    // Only the lock's holder listens, so a socket there is one a copy that ended left behind.
    QLocalServer::removeServer(name);
    return m_server->listen(name);
}

void DocumentChannel::takeConnection()
{
    while (QLocalSocket *connection = m_server->nextPendingConnection()) {
        connect(connection, &QLocalSocket::disconnected, this, [this, connection] {
            const QList<QByteArray> lines = connection->readAll().split('\0');
            connection->deleteLater();
            for (const QByteArray &line : lines) {
                if (!line.isEmpty() && m_handler)
                    m_handler(line.toStdString());
            }
        });
    }
}

bool DocumentChannel::send(const std::string &socket, const std::string &path, int timeoutMs)
{
    QElapsedTimer timer;
    timer.start();
    QLocalSocket connection;
    for (;;) {
        connection.connectToServer(QString::fromStdString(socket));
        if (connection.waitForConnected(RetryMilliseconds))
            break;
        if (timer.elapsed() >= timeoutMs)
            return false;
        QThread::msleep(RetryMilliseconds);
    }
    connection.write(QByteArray(path.data(), qsizetype(path.size()) + 1)); // with its NUL
    const bool written = connection.waitForBytesWritten(timeoutMs);
    connection.disconnectFromServer();
    if (connection.state() != QLocalSocket::UnconnectedState)
        connection.waitForDisconnected(timeoutMs);
    return written;
}

} // namespace app
