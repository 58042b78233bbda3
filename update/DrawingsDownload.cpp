#include "update/DrawingsDownload.h"

#include "app/AtomicFile.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QUrl>

#include <memory>
#include <string_view>

namespace stellaform {
namespace {

struct LaterDeleter {
    void operator()(QObject* object) const { object->deleteLater(); }
};

bool isSuccessful(const QNetworkReply& reply)
{
    return isSuccessfulDownload(reply.attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(),
                                reply.hasRawHeader("Location"));
}

} // namespace

DrawingsDownload::DrawingsDownload(QObject* parent)
    : QObject(parent)
    , m_manager(new QNetworkAccessManager(this))
{
}

DrawingsDownload::~DrawingsDownload() = default;

DownloadOutcome DrawingsDownload::get(const QUrl& url, AtomicFile& body)
{
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
    request.setRawHeader("Accept", kDownloadAccept);
    request.setRawHeader("User-Agent", kDownloadUserAgent);
    request.setTransferTimeout(static_cast<int>(m_timeout.count()));

    const std::unique_ptr<QNetworkReply, LaterDeleter> reply(m_manager->get(request));
    enum class Reading { Going, Abandoned, NotStored } reading = Reading::Going;
    // Aborting from inside the reply's own signals upsets its error reporting,
    // so the abort waits for the next turn of the event loop.
    const auto stop = [&](Reading why) {
        reading = why;
        QMetaObject::invokeMethod(reply.get(), &QNetworkReply::abort, Qt::QueuedConnection);
    };
    // An answer that cannot succeed is dropped as soon as its headers show it;
    // only an HTTP error status is left alone, as the reply ends it by itself.
    bool accepted = false;
    connect(reply.get(), &QNetworkReply::metaDataChanged, reply.get(), [&] {
        accepted = isSuccessful(*reply);
        if (!accepted && reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt() < 400)
            stop(Reading::Abandoned);
    });
    std::int64_t received = 0;
    const auto readBody = [&] {
        if (reading != Reading::Going)
            return;
        const QByteArray bytes = reply->readAll();
        received += bytes.size();
        if (received > m_bodyLimit)
            stop(Reading::Abandoned);
        else if (accepted && !body.write(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size()))))
            stop(Reading::NotStored);
    };
    connect(reply.get(), &QNetworkReply::readyRead, reply.get(), readBody);

    QEventLoop loop;
    connect(reply.get(), &QNetworkReply::finished, &loop, &QEventLoop::quit);
    if (!reply->isFinished())
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    if (reply->error() == QNetworkReply::NoError)
        readBody();

    if (reading == Reading::NotStored)
        return DownloadOutcome::NotStored;
    if (reading == Reading::Abandoned || reply->error() != QNetworkReply::NoError || !accepted)
        return DownloadOutcome::RequestFailed;
    return DownloadOutcome::Received;
}

} // namespace stellaform
