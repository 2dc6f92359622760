#pragma once
// The addresses one program run talks to, kept as the program keeps them:
// scrambled with their role's key, except the world and statistics service
// addresses once they are in force, and the external-address page.
#include <string>
#include <string_view>

#include "web/Endpoints.h"
#include "web/RemoteConfig.h"

namespace web {

struct Addresses {
    std::string accountService;    // scrambled, account key; unscrambled before each request
    std::string worldService;      // in force, readable; empty: no address, requests fail
    std::string statisticsService; // in force, readable; empty: no address, requests fail
    std::string tournamentService; // scrambled, tournament key
    std::string photoStore;        // scrambled, account key
    std::string remoteConfigPage;  // scrambled, configuration key
    std::string newsPage;          // scrambled, news key
    std::string makerSite;         // scrambled, news key
    std::string paymentPage;       // scrambled, configuration key
    std::string downloadFolder;    // scrambled, configuration key
    std::string songFolder;        // scrambled, configuration key
    std::string externalIpPage;    // readable

    // The built-in addresses. The world and statistics services are not yet
    // in force: putAddressesInForce decides them.
    static Addresses builtIn();

    // No address at all: every request fails at once, as with a server that
    // is down (a server file that names no server).
    static Addresses none() { return {}; }

    // Every address of a wem-server reached at `baseUrl` ("http://host:port"),
    // scrambled with the built-in keys, with all services in force. For
    // servers other than the built-in one, and for tests.
    static Addresses forServer(std::string_view baseUrl);

    // Readable forms for the windows that open pages in the web browser.
    std::string newsPageUrl() const;
    std::string makerSiteUrl() const;
    std::string paymentPageUrl() const; // the amount is appended by the caller
    std::string songListUrl() const;
    std::string songFolderUrl() const;
};

// The world and statistics service addresses as the settings file keeps
// them (scrambled with the configuration key); empty when it holds none.
struct StoredServicePaths {
    std::string worldService;
    std::string statisticsService;
};

// Puts the service addresses in force at start. World and statistics: the
// stored copy, replaced by the remote page's entry when it gives one; a
// missing stored copy is filled with the built-in value (saved with the
// settings, in force from the next start) and the service has no address
// until then. Account: the built-in value, replaced by the remote page's.
void putAddressesInForce(Addresses &addresses, StoredServicePaths &stored,
                         const RemoteConfig &remote);

// For a server named outright (Addresses::forServer), whose own services are
// in force from the start: the remote page's entries replace them, and the
// stored copies, which belong to the built-in server, are not used.
void replaceAddressesFromPage(Addresses &addresses, const RemoteConfig &remote);

} // namespace web
