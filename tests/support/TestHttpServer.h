#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QTcpServer>

#include <functional>
#include <optional>

class QTcpSocket;

namespace stellaform::test {

// An HTTP server on 127.0.0.1 for one test. It keeps every request as it
// arrived and answers each with the same bytes, then closes the connection;
// without an answer it keeps the connection open and says nothing.
class TestHttpServer final : public QObject {
    Q_OBJECT

public:
    explicit TestHttpServer(std::optional<QByteArray> answer);

    [[nodiscard]] quint16 port() const { return m_server.serverPort(); }
    // "127.0.0.1:<port>", the UpdateHost setting that leads here.
    [[nodiscard]] QString address() const;
    [[nodiscard]] int connections() const { return m_connections; }
    [[nodiscard]] const QList<QByteArray>& requests() const { return m_requests; }

    // Runs once a request has come in, before the answer goes out.
    void onRequest(std::function<void()> action) { m_onRequest = std::move(action); }

private:
    void accept();
    void read(QTcpSocket* socket);

    QTcpServer m_server;
    std::optional<QByteArray> m_answer;
    std::function<void()> m_onRequest;
    int m_connections = 0;
    QList<QByteArray> m_requests;
};

// A port on 127.0.0.1 where nothing listens.
[[nodiscard]] quint16 refusingPort();

// The request line, or the value of one header field of a raw request.
[[nodiscard]] QByteArray requestLine(const QByteArray& request);
[[nodiscard]] std::optional<QByteArray> headerField(const QByteArray& request, const QByteArray& name);

// An answer with a status line, the given header lines and a body whose
// length the Content-Length field announces.
[[nodiscard]] QByteArray httpAnswer(const QByteArray& status, const QByteArray& body, const QByteArray& headers = {});

} // namespace stellaform::test
