#pragma once

#include <QString>

#include <functional>

namespace stellaform {

// Whether the computer can reach the download server `host`: the question
// asked before every download, replaceable for tests.
using ConnectionQuery = std::function<bool(const QString& host)>;

// The platform's answer: yes for a loopback server; otherwise what the
// network information backend reports, or, without one, whether a network
// interface other than loopback is up and running.
[[nodiscard]] bool platformHasConnection(const QString& host);

} // namespace stellaform
