#pragma once
// The account service: accounts with salted password hashes, profiles,
// balances in Wems, and each account's results in this game.
//
// Balances change only in whole, atomic steps: a transfer moves the Wems from
// the sender (the account logged in on the session) to the recipient in one
// transaction when the program asks to credit the recipient; the program's
// following debit of its own account only acknowledges that transfer. Place
// bonuses of the account list are paid once, when claimed. So no request, nor
// any interleaving of concurrent requests, creates or loses a Wem.
#include "server/Database.h"
#include "server/Service.h"

namespace server {

// Field name prefix of this game's account results.
inline constexpr const char *kResultPrefix = "crdQuarn";
inline constexpr const char *kGameCode = "crdQuarn";
// Largest amount one transfer or bonus may move.
constexpr qint64 kMaxWemAmount = 1'000'000;

class AccountService : public Service {
  public:
    AccountService(Database &db, int passwordIterations = kPasswordIterations)
        : db_(db), passwordIterations_(passwordIterations) {}
    bool writes(const FormFields &form) const override;
    Reply handle(const ServiceRequest &request) override;

    // The password work a request needs before it is handled: the stored
    // hash to check its password against, or a new password to hash.
    struct PasswordTask {
        enum class Kind { None, Verify, Hash } kind = Kind::None;
        QByteArray password;
        QString nick;                       // Verify: the account asked for
        std::optional<PasswordHash> stored; // Verify: empty when the nick has no account
        int iterations = kPasswordIterations;
    };
    PasswordTask passwordTask(const FormFields &form);
    // Runs on any thread.
    static void doPasswordTask(const PasswordTask &task, ServiceRequest &request);

    // Wems earned by a place in the account list; the account may claim them
    // once through the program's bonus request.
    void grantBonus(const QString &nick, qint64 amount);

    // A replayed account match that completed its game: the game's total as
    // the server's replay gave it, and the account list entry it already
    // has (0 while none).
    struct CompletedGame {
        qint64 gameTotal = 0;
        qint64 listedResult = 0;
    };
    std::optional<CompletedGame> completedGame(const QString &nick, qint64 matchId);
    // The account list entry made for the match's game.
    void markListed(qint64 matchId, qint64 resultId);

  private:
    enum class Kind {
        Register,
        Login,
        TopTen,
        Place,
        MemberCount,
        ReadBalance,
        AddBalance,
        ReadProfile,
        SaveProfile,
        ReadResults,
        SaveResults,
        Unknown
    };
    static Kind kindOf(const FormFields &form);

    Reply registerAccount(const ServiceRequest &request);
    Reply login(const ServiceRequest &request);
    Reply topTen();
    Reply place(const FormFields &form);
    Reply memberCount();
    Reply readBalance(const FormFields &form);
    Reply addBalance(const FormFields &form, const QString &sessionNick);
    Reply readProfile(const FormFields &form);
    Reply saveProfile(const FormFields &form, const QString &sessionNick);
    Reply readResults(const ServiceRequest &request);
    Reply saveResults(const ServiceRequest &request);
    Reply preCharge(const QString &nick, bool strong);
    Reply recordMatch(const QString &nick, qint64 matchId, const QByteArray &moves);

    bool accountExists(const QString &nick);
    std::optional<PasswordHash> storedHash(const QString &nick);
    // The nick names an account and the password opens it.
    bool credentialsMatch(const ServiceRequest &request, const QByteArray &nick,
                          const QByteArray &password);
    Reply transfer(const QString &from, const QString &to, qint64 amount);
    Reply acknowledgeDebit(const QString &nick, qint64 amount);
    Reply claimBonus(const QString &nick, qint64 amount);
    void addLedger(const QString &nick, qint64 amount, const QString &reason,
                   const QString &counterpart);

    Database &db_;
    int passwordIterations_;
};

} // namespace server
