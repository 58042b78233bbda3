#include "tests/support/TestHttpServer.h"

#include <QHostAddress>
#include <QTcpSocket>

#include <stdexcept>

namespace stellaform::test {

TestHttpServer::TestHttpServer(std::optional<QByteArray> answer)
    : m_answer(std::move(answer))
{
    if (!m_server.listen(QHostAddress::LocalHost))
        throw std::runtime_error("the test server cannot listen");
    connect(&m_server, &QTcpServer::newConnection, this, &TestHttpServer::accept);
}

QString TestHttpServer::address() const
{
    return QStringLiteral("127.0.0.1:%1").arg(port());
}

void TestHttpServer::accept()
{
    while (QTcpSocket* socket = m_server.nextPendingConnection()) {
        ++m_connections;
        socket->setParent(this);
        socket->setProperty("received", QByteArray());
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { read(socket); });
    }
}

void TestHttpServer::read(QTcpSocket* socket)
{
    QByteArray received = socket->property("received").toByteArray() + socket->readAll();
    socket->setProperty("received", received);
    const qsizetype end = received.indexOf("\r\n\r\n");
    if (end < 0 || socket->property("answered").toBool())
        return;
    socket->setProperty("answered", true);
    m_requests.append(received.left(end + 4));
    if (m_onRequest)
        m_onRequest();
    if (m_answer) {
        socket->write(*m_answer);
        socket->disconnectFromHost();
    }
}

quint16 refusingPort()
{
    QTcpServer server;
    if (!server.listen(QHostAddress::LocalHost))
        throw std::runtime_error("no free port");
    return server.serverPort();
}

QByteArray requestLine(const QByteArray& request)
{
    return request.left(request.indexOf("\r\n"));
}

std::optional<QByteArray> headerField(const QByteArray& request, const QByteArray& name)
{
    const QList<QByteArray> lines = request.split('\n');
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QByteArray line = lines[i].trimmed();
        const qsizetype colon = line.indexOf(':');
        if (colon > 0 && line.left(colon).trimmed().compare(name, Qt::CaseInsensitive) == 0)
            return line.mid(colon + 1).trimmed();
    }
    return std::nullopt;
}

QByteArray httpAnswer(const QByteArray& status, const QByteArray& body, const QByteArray& headers)
{
    return "HTTP/1.1 " + status + "\r\nContent-Length: " + QByteArray::number(body.size()) + "\r\n" + headers + "\r\n" +
           body;
}

} // namespace stellaform::test
