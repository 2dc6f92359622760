#include "net/lan/SocketClose.h"

#include <QTcpSocket>

namespace quarn::lan {

void closeQuietly(QTcpSocket *socket, QObject *owner) {
    if (!socket)
        return;
    socket->disconnect(owner);
    if (socket->state() == QAbstractSocket::ConnectedState)
        socket->disconnectFromHost();
    else
        socket->abort();
    socket->deleteLater();
}

} // namespace quarn::lan
