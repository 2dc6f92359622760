#pragma once
// Closing a peer's socket the same way in every session: the owner stops
// hearing from it, what is still to be written goes out when the socket is
// connected (it is aborted otherwise), and it is deleted on the event loop.
class QObject;
class QTcpSocket;

namespace quarn::lan {

void closeQuietly(QTcpSocket *socket, QObject *owner);

} // namespace quarn::lan
