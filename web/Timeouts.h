#pragma once
// Every time limit of a web transfer, in one place. A server that takes the
// connection and never answers holds a request no longer than these.
// Requests run through web/view/RequestRunner wait for it off the window's
// thread.
namespace web {

// Time allowed to open a connection.
constexpr long kConnectTimeoutMs = 3000;
// A whole request (a form post, a page or a photo) from connect to the last
// byte of its reply.
constexpr long kRequestTimeoutMs = 10000;
// A song or library download has no whole-request limit (a large file on a
// slow line takes long); it is abandoned when nothing arrives for this long.
constexpr long kDownloadStallSeconds = 15;

// Connect time-out of the configuration fetch at start: a server that is
// down refuses at once; an address that does not answer at all (a machine
// switched off, a wrong address in the server file) costs no more than this.
constexpr long kStartConnectTimeoutMs = 1500;

// Read time-out the first world list, own-results or statistics read puts on
// the shared client, for every later request (the configuration fetch at
// start has it too).
constexpr long kReadTimeoutMs = 3000;

// An online indicator whose request has not come back in this time shows
// its offline state ("No Connect"); a later reply still shows. Requests
// queue behind one another on the request worker, so the reply itself may
// come later than one request's limits.
constexpr long kIndicatorOfflineAfterMs = 10000;

// A form post refused for load (503 with Retry-After) is sent again after
// the server's wait, at most this many times; a wait longer than the
// longest one allowed is not waited for.
constexpr int kLoadRetries = 3;
constexpr long kLoadRetryLongestSeconds = 10;

} // namespace web
