#pragma once

#include "update/DownloadRequest.h"

#include <QObject>

#include <chrono>
#include <cstdint>

class QNetworkAccessManager;
class QUrl;

namespace stellaform {

class AtomicFile;

enum class DownloadOutcome {
    Received,      // a successful answer, its whole body written
    RequestFailed, // any other answer, a transport error, the time-out or the body limit
    NotStored,     // the body could not be written; the file's commit() reports it
};

// The HTTP client of the drawings download: one GET, redirections not
// followed, the body of a successful answer written into a file as it
// arrives. The caller waits; the windows keep painting but take no input.
class DrawingsDownload final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(DrawingsDownload)

public:
    explicit DrawingsDownload(QObject* parent = nullptr);
    ~DrawingsDownload() override;

    DownloadOutcome get(const QUrl& url, AtomicFile& body);

    // The longest wait for the connection and between two reads.
    void setTimeout(std::chrono::milliseconds timeout) { m_timeout = timeout; }
    void setBodyLimit(std::int64_t bytes) { m_bodyLimit = bytes; }

private:
    QNetworkAccessManager* m_manager = nullptr;
    std::chrono::milliseconds m_timeout = kDownloadTimeout;
    std::int64_t m_bodyLimit = kDownloadBodyLimit;
};

} // namespace stellaform
